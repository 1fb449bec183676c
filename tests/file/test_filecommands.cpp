#include "app/mainwindow.h"
#include "config/buttontable.h"
#include "file/filestate.h"
#include "file/tkfcodec.h"
#include "support/filebytes.h"
#include "support/filedialogdriver.h"
#include "support/filesizelimit.h"
#include "support/mainwindowfixture.h"
#include "support/modalanswerer.h"
#include "support/tablecontent.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QScopeGuard>
#include <QtTest>

#include <sys/stat.h>

namespace {

const QByteArray EmptyImage = QByteArray::fromHex(
    "C33C17FA00" "0000000000000000000000000000000000000000000000" "23C31BD9");
const QByteArray DelayImage = QByteArray::fromHex(
    "C33C17FA00" "02FA02FA03" "00000000000000000000000000000000000000000000" "3DD1AF3F");

const QStringList Filters = {QStringLiteral("QM-47 file (*.tkf)"),
                             QStringLiteral("Configuration text (*.txt)")};
const QString SaveCaption = QStringLiteral("Save button configuration");
const QString OpenCaption = QStringLiteral("Open button configuration");

ButtonTable &table() { return ButtonTable::instance(); }
FileState &files() { return FileState::instance(); }

bool tableIsEmpty()
{
    for (int i = 0; i < table().buttonCount; ++i)
        if (table().content(uint8_t(i)).length != 0)
            return false;
    return true;
}

const QList<ContentEntry> DelayPair = {{ActionDelay, DelayFirstHalf},
                                       {ActionDelay, DelaySecondHalf}};
const QList<ContentEntry> KeyStroke = {{ActionPress, 0x1C}, {ActionRelease, 0x1C}};

} // namespace

class TestFileCommands : public MainWindowFixture
{
    Q_OBJECT

    QTemporaryDir dir;

    QString path(const QString &name) const { return dir.filePath(name); }
    // Names a configuration as if it had been opened from `name`.
    void pretendOpened(const QString &name)
    {
        files().filePath = path(name);
        window->showFileName(files().filePath);
    }

private Q_SLOTS:
    void init()
    {
        QDir(dir.path()).removeRecursively();
        QVERIFY(QDir().mkpath(dir.path()));
        QVERIFY(openWindow([this] { files().defaultDirectory = dir.path(); }));
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
        QCOMPARE(files().defaultDirectory, documents ? path("Documents") : dir.path());
    }

    void newThenSaveAsWritesTheEmptyConfiguration()
    {
        ModalAnswerer answerer;
        FileDialogDriver dialogs;
        setButton(table(), 3, KeyStroke);
        table().selectedButton = 3;
        action("actionNew")->trigger(); // nothing modified: no question
        QVERIFY(answerer.seen().isEmpty());
        QVERIFY(tableIsEmpty());
        QCOMPARE(table().selectedButton, NoButton);
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
        QCOMPARE(files().filePath, path("sub/office.tkf"));
        QCOMPARE(files().defaultDirectory, path("sub"));
        QVERIFY(answerer.seen().isEmpty());
    }

    void saveWritesTheDelayPair()
    {
        ModalAnswerer answerer;
        FileDialogDriver dialogs;
        edit([] { setButton(table(), 0, DelayPair); });
        // Without a file path Save asks like Save as; the name is kept as typed.
        dialogs.choose(path("plain"));
        action("actionSave")->trigger();
        QCOMPARE(dialogs.seen().size(), 1);
        QCOMPARE(dialogs.last().caption, SaveCaption);
        QCOMPARE(readAll(path("plain")).toHex(' '), DelayImage.toHex(' '));
        QCOMPARE(window->document().isModified(), bool(0));
        QCOMPARE(fileLabel(), QString("plain"));

        // With a file path it writes without a dialog.
        edit([] { setButton(table(), 0, KeyStroke); });
        action("actionSave")->trigger();
        QCOMPARE(dialogs.seen().size(), 1);
        QCOMPARE(readAll(path("plain")), encodeConfig(table()));
        QCOMPARE(window->document().isModified(), bool(0));
        QVERIFY(answerer.seen().isEmpty());
        QVERIFY(window->isEnabled());
    }

    // The file path changes only when a file was written.
    void saveAsCancelledKeepsTheFilePath()
    {
        ModalAnswerer answerer;
        FileDialogDriver dialogs;
        pretendOpened("office.tkf");
        edit([] { setButton(table(), 4, KeyStroke); });
        dialogs.cancel();
        action("actionSave_as")->trigger();
        QCOMPARE(dialogs.seen().size(), 1);
        QCOMPARE(files().filePath, path("office.tkf"));
        QCOMPARE(fileLabel(), QString("office"));
        QCOMPARE(window->document().isModified(), bool(1));
        QVERIFY(!QFile::exists(path("office.tkf")));
        QVERIFY(window->isEnabled());
        QVERIFY(answerer.seen().isEmpty());
    }

    // Save and Save as ask the checks first; a No stops them before any dialog.
    void saveStopsWhenTheCheckIsDeclined()
    {
        ModalAnswerer answerer;
        FileDialogDriver dialogs;
        setButton(table(), 0, {{ActionRelease, 0x1C}, {ActionPress, 0x1C}});
        answerer.enqueue(QMessageBox::No);
        answerer.enqueue(QMessageBox::No);
        action("actionSave")->trigger();
        action("actionSave_as")->trigger();
        QCOMPARE(answerer.seen().size(), 2);
        QCOMPARE(answerer.last().title, QString("Possible Error"));
        QVERIFY(dialogs.seen().isEmpty());
        QVERIFY(QDir(dir.path()).isEmpty());
        QVERIFY(window->isEnabled());
    }

    void openReadsAConfiguration()
    {
        ModalAnswerer answerer;
        FileDialogDriver dialogs;
        QDir().mkpath(path("cfg"));
        QVERIFY(writeBytes(path("cfg/desk.tkf"), DelayImage));
        setButton(table(), 5, KeyStroke);
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
        QCOMPARE(table().content(0).entries[1], DelayPair[1]);
        QCOMPARE(table().content(5).length, uint8_t(0));
        QCOMPARE(table().selectedButton, NoButton);
        QCOMPARE(status(), QString("Please select a button"));
        QVERIFY(button(1)->styleSheet().contains("rgb(75, 255, 0)"));
        QVERIFY(button(6)->styleSheet().contains("border-color: black"));
        QCOMPARE(files().filePath, path("cfg/desk.tkf"));
        QCOMPARE(files().fileName, path("cfg/desk.tkf"));
        QCOMPARE(files().defaultDirectory, path("cfg"));
        QCOMPARE(fileLabel(), QString("desk"));
        QCOMPARE(window->document().isModified(), bool(0));
        QVERIFY(window->isEnabled());
    }

    void openCancelledChangesNothing()
    {
        ModalAnswerer answerer;
        FileDialogDriver dialogs;
        setButton(table(), 2, KeyStroke);
        pretendOpened("office.tkf");
        dialogs.cancel();
        action("actionOpen")->trigger();
        QCOMPARE(dialogs.seen().size(), 1);
        QCOMPARE(table().content(2).length, uint8_t(2));
        QCOMPARE(files().filePath, path("office.tkf"));
        QCOMPARE(files().defaultDirectory, dir.path());
        QVERIFY(window->isEnabled());
        QVERIFY(answerer.seen().isEmpty());
    }

    // What the window says about a refused file, one message per problem the
    // document found; the active button, the label and Save's target stay.
    void openRefusals_data()
    {
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<QString>("replaceAfterChoice"); // "", "remove" or "fifo"
        QTest::addColumn<QStringList>("messages");

        QByteArray wrongSecond = DelayImage;
        wrongSecond[1] = char(0x3D);
        QByteArray changedKey = DelayImage;
        changedKey[7] = char(0x04); // key byte of the first entry
        QByteArray badAction = DelayImage;
        badAction[6] = char(0x01); // action byte of the first entry
        const QStringList cannotOpen{"Could not open file!"};

        QTest::newRow("wrong second byte")
            << wrongSecond << "" << QStringList{"File corrupt! Could not read the file!"};
        QTest::newRow("changed key byte")
            << changedKey << "" << QStringList{"CRC error reading the file!"};
        QTest::newRow("action byte 1")
            << badAction << ""
            << QStringList{"File corrupt! Error reading the file.", "CRC error reading the file!"};
        QTest::newRow("cannot open") << DelayImage << "remove" << cannotOpen;
        QTest::newRow("FIFO") << DelayImage << "fifo" << cannotOpen;
    }
    void openRefusals()
    {
        QFETCH(QByteArray, image);
        QFETCH(QString, replaceAfterChoice);
        QFETCH(QStringList, messages);

        ModalAnswerer answerer;
        FileDialogDriver dialogs;
        QVERIFY(writeBytes(path("good.tkf"), DelayImage));
        dialogs.choose(path("good.tkf"));
        action("actionOpen")->trigger();
        button(1)->click();
        QVERIFY(writeBytes(path("bad.tkf"), image));
        // The file is swapped once chosen, as the dialog does not pick such things.
        dialogs.choose(path("bad.tkf"), [&] {
            const QByteArray bad = QFile::encodeName(path("bad.tkf"));
            if (!replaceAfterChoice.isEmpty())
                QFile::remove(path("bad.tkf"));
            if (replaceAfterChoice == "fifo")
                QCOMPARE(mkfifo(bad.constData(), 0600), 0);
        });
        action("actionOpen")->trigger();

        QStringList shown;
        for (const auto &seen : answerer.seen()) {
            QCOMPARE(seen.title, QString("Error"));
            QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
            shown << seen.text;
        }
        QCOMPARE(shown, messages);
        QCOMPARE(entriesOf(table(), 0), DelayPair);
        QCOMPARE(table().selectedButton, uint8_t(0));
        QCOMPARE(status(), QString("Button 1 active"));
        QCOMPARE(files().filePath, path("good.tkf"));
        QCOMPARE(files().fileName, path("good.tkf"));
        QCOMPARE(fileLabel(), QString("good"));
        QCOMPARE(window->document().isModified(), bool(0));
        QVERIFY(window->isEnabled());

        action("actionSave")->trigger();
        QCOMPARE(dialogs.seen().size(), 2);
        QCOMPARE(readAll(path("good.tkf")).toHex(' '), DelayImage.toHex(' '));
    }

    // The save-changes prompt in front of New.
    void promptBranches_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("hasFilePath");
        QTest::addColumn<QString>("dialogChoice"); // empty: cancel the dialog
        QTest::addColumn<bool>("newRuns");
        QTest::addColumn<bool>("written");

        QTest::newRow("cancel") << int(QMessageBox::Cancel) << true << "" << false << false;
        QTest::newRow("discard") << int(QMessageBox::Discard) << true << "" << true << false;
        QTest::newRow("save to the file path")
            << int(QMessageBox::Save) << true << "" << true << true;
        QTest::newRow("save, dialog accepted")
            << int(QMessageBox::Save) << false << "office.tkf" << true << true;
        QTest::newRow("save, dialog cancelled")
            << int(QMessageBox::Save) << false << "" << false << false;
    }
    void promptBranches()
    {
        QFETCH(int, answer);
        QFETCH(bool, hasFilePath);
        QFETCH(QString, dialogChoice);
        QFETCH(bool, newRuns);
        QFETCH(bool, written);

        ModalAnswerer answerer;
        FileDialogDriver dialogs;
        edit([] { setButton(table(), 7, KeyStroke); });
        if (hasFilePath)
            pretendOpened("office.tkf");
        if (dialogChoice.isEmpty())
            dialogs.cancel();
        else
            dialogs.choose(path(dialogChoice));
        answerer.enqueue(QMessageBox::StandardButton(answer));

        action("actionNew")->trigger();
        QCOMPARE(answerer.seen().size(), 1);
        const auto seen = answerer.last();
        QCOMPARE(seen.title, QString("Save configuration"));
        QCOMPARE(seen.text, QString("Do you want to save your changes?"));
        QCOMPARE(seen.buttons,
                 QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        QCOMPARE(seen.defaultButton, QMessageBox::Save);
        // The prompt asks for a path only when Save has none.
        const bool dialogExpected = answer == QMessageBox::Save && !hasFilePath;
        QCOMPARE(dialogs.seen().size(), dialogExpected ? 1 : 0);
        if (dialogExpected) {
            QCOMPARE(dialogs.last().caption, SaveCaption);
            QVERIFY(dialogs.last().parentEnabled); // the prompt does not disable the window
        }

        if (written) {
            ButtonTable expected;
            expected.content(7).length = 2;
            expected.content(7).entries[0] = KeyStroke[0];
            expected.content(7).entries[1] = KeyStroke[1];
            QCOMPARE(readAll(path("office.tkf")), encodeConfig(expected));
        } else {
            QVERIFY(!QFile::exists(path("office.tkf")));
        }
        if (newRuns) {
            QVERIFY(tableIsEmpty());
            QCOMPARE(window->document().isModified(), bool(0));
            QVERIFY(files().filePath.isEmpty());
            QCOMPARE(fileLabel(), QString("QM47_File"));
        } else {
            QCOMPARE(table().content(7).length, uint8_t(2));
            QCOMPARE(window->document().isModified(), bool(1));
        }
    }

    void promptGuardsOpenAndClose()
    {
        ModalAnswerer answerer;
        FileDialogDriver dialogs;
        edit([] { setButton(table(), 0, KeyStroke); });
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

    // A write that fails keeps the old file, the flag and the label, and the
    // prompt answers false so that closing does not drop the configuration.
    void failedWriteKeepsOldFileAndStopsClose_data()
    {
        QTest::addColumn<bool>("folderIsAFile");
        QTest::addColumn<QString>("reason"); // the system's word, below the message
        QTest::newRow("folder is a regular file") << true << "Not a directory";
        QTest::newRow("write runs out of room") << false << "File too large";
    }
    void failedWriteKeepsOldFileAndStopsClose()
    {
        QFETCH(bool, folderIsAFile);
        QFETCH(QString, reason);
        ModalAnswerer answerer;
        FileDialogDriver dialogs;
        const QByteArray old = "OLD CONTENT, KEPT AS IT WAS";
        QVERIFY(writeBytes(path("office.tkf"), old));
        QVERIFY(writeBytes(path("folder"), "a file"));
        pretendOpened(folderIsAFile ? "folder/office.tkf" : "office.tkf");
        edit([] { setButton(table(), 1, KeyStroke); });

        answerer.enqueue(QMessageBox::Save);
        bool closed = true;
        {
            FileSizeLimit limit(folderIsAFile ? RLIM_INFINITY : 16);
            QVERIFY(limit.active());
            closed = window->close();
        }
        QVERIFY(!closed);
        QVERIFY(window->isVisible());
        QCOMPARE(answerer.seen().size(), 2);
        QCOMPARE(answerer.last().title, QString("Error"));
        QCOMPARE(answerer.last().text, "Could not create file!\n" + reason);
        QCOMPARE(readAll(path("office.tkf")), old);
        QCOMPARE(readAll(path("folder")), QByteArray("a file"));
        QCOMPARE(window->document().isModified(), bool(1));
        QCOMPARE(fileLabel(), QString("office"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
        QVERIFY(dialogs.seen().isEmpty());

        // The Save command reports the same and keeps the same.
        {
            FileSizeLimit limit(folderIsAFile ? RLIM_INFINITY : 16);
            action("actionSave")->trigger();
        }
        QCOMPARE(answerer.seen().size(), 3);
        QCOMPARE(answerer.last().text, "Could not create file!\n" + reason);
        QCOMPARE(readAll(path("office.tkf")), old);
        QCOMPARE(window->document().isModified(), bool(1));
        QVERIFY(window->isEnabled());

        // Once the write succeeds the window may close.
        if (!folderIsAFile) {
            answerer.enqueue(QMessageBox::Save);
            QVERIFY(window->close());
            QCOMPARE(readAll(path("office.tkf")), encodeConfig(table()));
        }
    }
};

QTEST_MAIN(TestFileCommands)
#include "test_filecommands.moc"
