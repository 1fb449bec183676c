// The file commands as the window offers them: its dialogs, marks, label and
// questions on closing and on coming back. The rules behind them are the
// file controller's; here only that the window's commands reach it and that
// the window shows what it did.
#include "app/mainwindow.h"
#include "config/buttontable.h"
#include "controllers/filecontroller.h"
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

const QByteArray DelayImage = QByteArray::fromHex(
    "C33C17FA00" "02FA02FA03" "00000000000000000000000000000000000000000000" "3DD1AF3F");

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

    // New clears the active button; Save as shows its dialog, in save mode,
    // with the caption, filters and folder the controller asks for, over a
    // disabled window, and names the written file in the label.
    void newThenSaveAs()
    {
        FileDialogDriver dialogs;
        button(4)->click();
        action("actionNew")->trigger();
        QCOMPARE(status(), QString("Please select a button"));

        QDir().mkpath(path("sub"));
        dialogs.choose(path("sub/office.tkf"));
        action("actionSave_as")->trigger();
        QCOMPARE(dialogs.seen().size(), 1);
        const auto seen = dialogs.last();
        QCOMPARE(seen.caption, SaveCaption);
        QCOMPARE(seen.nameFilters, FileController::fileFilters());
        QCOMPARE(seen.directory, dir.path());
        QCOMPARE(seen.acceptMode, QFileDialog::AcceptSave);
        QVERIFY(!seen.parentEnabled);
        QVERIFY(seen.enabled);
        QVERIFY(window->isEnabled());
        QVERIFY(QFile::exists(path("sub/office.tkf")));
        QCOMPARE(fileLabel(), QString("office"));
    }

    // Open shows its dialog in open mode over a disabled window; the window
    // then shows the file read: its marks, no active button, its name.
    void openReadsAConfiguration()
    {
        FileDialogDriver dialogs;
        QDir().mkpath(path("cfg"));
        QVERIFY(writeBytes(path("cfg/desk.tkf"), DelayImage));
        button(6)->click();

        dialogs.choose(path("cfg/desk.tkf"));
        action("actionOpen")->trigger();
        QCOMPARE(dialogs.seen().size(), 1);
        const auto seen = dialogs.last();
        QCOMPARE(seen.caption, OpenCaption);
        QCOMPARE(seen.nameFilters, FileController::fileFilters());
        QCOMPARE(seen.directory, dir.path());
        QCOMPARE(seen.acceptMode, QFileDialog::AcceptOpen);
        QVERIFY(!seen.parentEnabled);
        QVERIFY(seen.enabled);

        QCOMPARE(status(), QString("Please select a button"));
        QVERIFY(button(1)->styleSheet().contains("rgb(75, 255, 0)"));
        QVERIFY(button(6)->styleSheet().contains("border-color: black"));
        QCOMPARE(fileLabel(), QString("desk"));
        QVERIFY(window->isEnabled());
    }

    // Closing the window with unsaved changes goes through the save-changes
    // question: Cancel keeps the window open, Discard lets it close.
    void closeAsksToSaveChanges()
    {
        ModalAnswerer answerer;
        QVERIFY(window->document().insertEntries(0, 0, KeyStroke, "Edit"));
        answerer.enqueue(QMessageBox::Cancel);
        QVERIFY(!window->close());
        QVERIFY(window->isVisible());
        QCOMPARE(answerer.seen().size(), 1);

        answerer.enqueue(QMessageBox::Discard);
        QVERIFY(window->close());
        QCOMPARE(answerer.seen().size(), 2);
    }

    // Coming back to the window offers the reload of its file someone else
    // changed; Yes reloads it, and no button is active then.
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
        QCOMPARE(status(), QString("Please select a button"));
    }
};

QTEST_MAIN(TestFileCommands)
#include "test_filecommands.moc"
