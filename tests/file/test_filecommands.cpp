// The file commands as the window offers them: its dialogs, marks, label and
// questions on closing and on coming back. The rules behind them are the
// file controller's.
#include "app/mainwindow.h"
#include "config/buttontable.h"
#include "file/tkfcodec.h"
#include "support/filebytes.h"
#include "support/filedialogdriver.h"
#include "support/mainwindowfixture.h"
#include "support/modalanswerer.h"
#include "support/tablecontent.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QScopeGuard>
#include <QtTest>

namespace {

const QByteArray EmptyImage = QByteArray::fromHex(
    "C33C17FA00" "0000000000000000000000000000000000000000000000" "23C31BD9");
const QByteArray DelayImage = QByteArray::fromHex(
    "C33C17FA00" "02FA02FA03" "00000000000000000000000000000000000000000000" "3DD1AF3F");

const QStringList Filters = {QStringLiteral("QM-47 file (*.tkf)"),
                             QStringLiteral("Configuration text (*.txt)")};
const QString SaveCaption = QStringLiteral("Save button configuration");
const QString OpenCaption = QStringLiteral("Open button configuration");

const QList<ContentEntry> KeyStroke = {{ActionPress, 0x1C}, {ActionRelease, 0x1C}};

} // namespace

class TestFileCommands : public MainWindowFixture
{
    Q_OBJECT

    QTemporaryDir dir;

    QString path(const QString &name) const { return dir.filePath(name); }
    const ButtonTable &table() const { return window->document().table(); }

private Q_SLOTS:
    void init()
    {
        QDir(dir.path()).removeRecursively();
        QVERIFY(QDir().mkpath(dir.path()));
        QVERIFY(openWindow([this] { window->document().setDefaultDirectory(dir.path()); }));
    }
    void cleanup() { window.reset(); }

    void fileDialogsStartInAFolderThatExists_data()
    {
        QTest::addColumn<bool>("documents");
        QTest::newRow("documents folder") << true;
        QTest::newRow("no documents folder: home") << false;
    }
    void fileDialogsStartInAFolderThatExists()
    {
        QFETCH(bool, documents);
        const QByteArray home = qgetenv("HOME");
        const QByteArray config = qgetenv("XDG_CONFIG_HOME");
        const bool configSet = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
        const auto restore = qScopeGuard([&] {
            qputenv("HOME", home);
            if (configSet)
                qputenv("XDG_CONFIG_HOME", config);
            else
                qunsetenv("XDG_CONFIG_HOME");
        });
        // A home without a list of user folders: Documents is the one meant.
        qputenv("HOME", dir.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", path("config").toLocal8Bit());
        if (documents)
            QVERIFY(QDir().mkpath(path("Documents")));
        QVERIFY(openWindow());
        QCOMPARE(window->document().defaultDirectory(), documents ? path("Documents") : dir.path());
    }

    void newThenSaveAsWritesTheEmptyConfiguration()
    {
        ModalAnswerer answerer;
        FileDialogDriver dialogs;
        button(4)->click();
        action("actionNew")->trigger(); // nothing modified: no question
        QVERIFY(answerer.seen().isEmpty());
        QCOMPARE(status(), QString("Please select a button"));

        QDir().mkpath(path("sub"));
        dialogs.choose(path("sub/office.tkf"));
        action("actionSave_as")->trigger();
        QCOMPARE(dialogs.seen().size(), 1);
        const auto seen = dialogs.last();
        QCOMPARE(seen.caption, SaveCaption);
        QCOMPARE(seen.nameFilters, Filters);
        QCOMPARE(seen.directory, dir.path());
        QCOMPARE(seen.acceptMode, QFileDialog::AcceptSave);
        QVERIFY(!seen.parentEnabled);
        QVERIFY(seen.enabled);
        QVERIFY(window->isEnabled());

        QCOMPARE(readAll(path("sub/office.tkf")).toHex(' '), EmptyImage.toHex(' '));
        QCOMPARE(fileLabel(), QString("office"));
        QCOMPARE(window->document().filePath(), path("sub/office.tkf"));
        QVERIFY(answerer.seen().isEmpty());
    }

    void openReadsAConfiguration()
    {
        ModalAnswerer answerer;
        FileDialogDriver dialogs;
        QDir().mkpath(path("cfg"));
        QVERIFY(writeBytes(path("cfg/desk.tkf"), DelayImage));
        button(6)->click();

        dialogs.choose(path("cfg/desk.tkf"));
        action("actionOpen")->trigger();
        QCOMPARE(dialogs.seen().size(), 1);
        const auto seen = dialogs.last();
        QCOMPARE(seen.caption, OpenCaption);
        QCOMPARE(seen.nameFilters, Filters);
        QCOMPARE(seen.directory, dir.path());
        QCOMPARE(seen.acceptMode, QFileDialog::AcceptOpen);
        QVERIFY(!seen.parentEnabled);
        QVERIFY(seen.enabled);
        QVERIFY(answerer.seen().isEmpty());

        QCOMPARE(table().content(0).length, uint8_t(2));
        QCOMPARE(status(), QString("Please select a button"));
        QVERIFY(button(1)->styleSheet().contains("rgb(75, 255, 0)"));
        QVERIFY(button(6)->styleSheet().contains("border-color: black"));
        QCOMPARE(window->document().filePath(), path("cfg/desk.tkf"));
        QCOMPARE(fileLabel(), QString("desk"));
        QCOMPARE(window->document().isModified(), bool(0));
        QVERIFY(window->isEnabled());
    }

    void promptGuardsOpenAndClose()
    {
        ModalAnswerer answerer;
        FileDialogDriver dialogs;
        QVERIFY(window->document().insertEntries(0, 0, KeyStroke, "Edit"));
        answerer.enqueue(QMessageBox::Cancel);
        action("actionOpen")->trigger();
        QCOMPARE(answerer.seen().size(), 1);
        QVERIFY(dialogs.seen().isEmpty());

        answerer.enqueue(QMessageBox::Cancel);
        QVERIFY(!window->close());
        QVERIFY(window->isVisible());

        answerer.enqueue(QMessageBox::Discard);
        QVERIFY(window->close());
        QCOMPARE(answerer.seen().size(), 3);
        QVERIFY(dialogs.seen().isEmpty());
    }

    // Back in the window after someone else changed its file, the reload is
    // offered once; Yes reloads it.
    void reloadOnActivation()
    {
        ModalAnswerer answerer;
        QVERIFY(writeBytes(path("office.tkf"), DelayImage));
        QVERIFY(window->fileCommands().openFile(path("office.tkf")));
        QVERIFY(writeBytes(path("office.tkf"), encodeConfig(makeTable(5))));
        QFile(path("office.tkf")).setFileTime(QDateTime::currentDateTime().addSecs(5),
                                              QFileDevice::FileModificationTime);
        answerer.enqueue(QMessageBox::Yes);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QEvent activation(QEvent::ActivationChange);
        QCoreApplication::sendEvent(window.get(), &activation);
        QTRY_COMPARE(table().buttonCount, uint8_t(5));
        QCOMPARE(answerer.seen().size(), 1);
        QCOMPARE(answerer.last().defaultButton, QMessageBox::Yes);
        QCOMPARE(status(), QString("Please select a button"));
    }
};

QTEST_MAIN(TestFileCommands)
#include "test_filecommands.moc"
