#include "app/mainwindow.h"
#include "config/buttontable.h"
#include "file/filestate.h"
#include "file/tkfcodec.h"
#include "file/tkftext.h"
#include "support/filebytes.h"
#include "support/filedialogdriver.h"
#include "support/filesizelimit.h"
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

// A balanced script of `strokes` key strokes (press and release of one key each).
void setStrokes(uint8_t button, int strokes, int seed)
{
    QList<ContentEntry> entries;
    for (int s = 0; s < strokes; ++s) {
        const uint8_t key = uint8_t(1 + (s * 7 + seed * 13) % 140);
        entries << ContentEntry{ActionPress, key} << ContentEntry{ActionRelease, key};
    }
    setButton(table(), button, entries);
}

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
        // Without a file path Save asks like Save as; a name without an
        // extension gets the chosen filter's.
        dialogs.choose(path("plain"));
        action("actionSave")->trigger();
        QCOMPARE(dialogs.seen().size(), 1);
        QCOMPARE(dialogs.last().caption, SaveCaption);
        QVERIFY(!QFile::exists(path("plain")));
        QCOMPARE(readAll(path("plain.tkf")).toHex(' '), DelayImage.toHex(' '));
        QVERIFY(!window->document().isModified());
        QCOMPARE(fileLabel(), QString("plain"));

        // With a file path it writes without a dialog.
        edit([] { setButton(table(), 0, KeyStroke); });
        action("actionSave")->trigger();
        QCOMPARE(dialogs.seen().size(), 1);
        QCOMPARE(readAll(path("plain.tkf")), encodeConfig(table()));
        QVERIFY(!window->document().isModified());
        QVERIFY(answerer.seen().isEmpty());
        QVERIFY(window->isEnabled());
    }

    // A name without an extension gets the chosen filter's: .txt takes the
    // text form.
    void saveAsTextForm()
    {
        ModalAnswerer answerer;
        FileDialogDriver dialogs;
        setButton(table(), 0, DelayPair);
        setButton(table(), 5, KeyStroke);
        dialogs.choose(path("keys"), {}, Filters[1]);
        action("actionSave_as")->trigger();
        ButtonTable read;
        TkfTextError error;
        QVERIFY(configFromText(QString::fromUtf8(readAll(path("keys.txt"))), read, error));
        QVERIFY(sameContents(read, table()));
        QVERIFY(answerer.seen().isEmpty());
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

        QTest::newRow("wrong second byte")
            << wrongSecond << "" << QStringList{"File corrupt! Could not read the file!"};
        QTest::newRow("changed key byte")
            << changedKey << "" << QStringList{"CRC error reading the file!"};
        QTest::newRow("action byte 1")
            << badAction << ""
            << QStringList{"File corrupt! Error reading the file.", "CRC error reading the file!"};
        // %1: the file chosen.
        QTest::newRow("cannot open")
            << DelayImage << "remove" << QStringList{"Could not open file!\n%1: No such file or directory"};
        QTest::newRow("FIFO") << DelayImage << "fifo"
                              << QStringList{"Could not open file!\n%1: not a regular file"};
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
        messages.replaceInStrings("%1", path("bad.tkf"));
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

    // Save asks first when the file would not hold all of the table, or when
    // someone else changed the open file since it was read here.
    void saveGuards_data()
    {
        QTest::addColumn<QString>("situation"); // "long button", "30 buttons" or "changed on disk"
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("says");
        QTest::addColumn<QString>("written"); // the file that takes the table, if any
        const QString tooLong = "Button 5 holds 254 entries; a file holds the first 250 only.";
        const QString changed = "was changed on disk since it was opened or saved here.";
        QTest::newRow("long button, save") << "long button" << int(QMessageBox::Save) << tooLong << "office.tkf";
        QTest::newRow("long button, cancel") << "long button" << int(QMessageBox::Cancel) << tooLong << "";
        QTest::newRow("30 buttons, save") << "30 buttons" << int(QMessageBox::Save)
                                          << "The keypad had 30 buttons; a file holds the first 23 only."
                                          << "office.tkf";
        QTest::newRow("changed, overwrite") << "changed on disk" << int(QMessageBox::Yes) << changed << "office.tkf";
        QTest::newRow("changed, save as") << "changed on disk" << int(QMessageBox::No) << changed << "other.tkf";
        QTest::newRow("changed, cancel") << "changed on disk" << int(QMessageBox::Cancel) << changed << "";
    }
    void saveGuards()
    {
        QFETCH(QString, situation);
        QFETCH(int, answer);
        QFETCH(QString, says);
        QFETCH(QString, written);
        ModalAnswerer answerer;
        FileDialogDriver dialogs;
        QVERIFY(writeBytes(path("office.tkf"), DelayImage));
        QVERIFY(window->openConfigFile(path("office.tkf")));
        const QByteArray outside = encodeConfig(makeTable(5));
        if (situation == "changed on disk")
            QVERIFY(writeBytes(path("office.tkf"), outside));
        edit([&] {
            table().maxEntries = 255;
            table().buttonCount = situation == "30 buttons" ? 30 : 23;
            setStrokes(4, situation == "long button" ? 127 : 1, 4);
        });

        answerer.enqueue(QMessageBox::StandardButton(answer));
        dialogs.choose(path("other.tkf"));
        action("actionSave")->trigger();
        QCOMPARE(answerer.seen().size(), 1);
        QVERIFY2(answerer.last().text.contains(says), qPrintable(answerer.last().text));
        QCOMPARE(dialogs.seen().size(), written == "other.tkf" ? 1 : 0);
        const QByteArray before = situation == "changed on disk" ? outside : DelayImage;
        QCOMPARE(readAll(path("office.tkf")), written == "office.tkf" ? encodeConfig(table()) : before);
        if (written.isEmpty()) {
            QVERIFY(window->document().isModified());
            QCOMPARE(files().filePath, path("office.tkf"));
        } else {
            QCOMPARE(readAll(path(written)), encodeConfig(table()));
            QVERIFY(!window->document().isModified());
            QCOMPARE(files().filePath, path(written));
        }
    }

    // Back in the window after someone else changed its file: reloading is
    // offered when nothing here is unsaved, once for each change.
    void reloadOffer_data()
    {
        QTest::addColumn<QByteArray>("onDisk"); // what the file holds then
        QTest::addColumn<bool>("modifiedHere");
        QTest::addColumn<int>("answer");        // 0: no offer
        const QByteArray other = encodeConfig(makeTable(5));
        QTest::newRow("changed, reload") << other << false << int(QMessageBox::Yes);
        QTest::newRow("changed, keep") << other << false << int(QMessageBox::No);
        QTest::newRow("changed, unsaved here") << other << true << 0;
        QTest::newRow("written again, same bytes") << DelayImage << false << 0;
    }
    void reloadOffer()
    {
        QFETCH(QByteArray, onDisk);
        QFETCH(bool, modifiedHere);
        QFETCH(int, answer);
        ModalAnswerer answerer;
        QVERIFY(writeBytes(path("office.tkf"), DelayImage));
        QVERIFY(window->openConfigFile(path("office.tkf")));
        // A later time than the file had, as a second write may not show.
        QVERIFY(writeBytes(path("office.tkf"), onDisk));
        QFile(path("office.tkf")).setFileTime(QDateTime::currentDateTime().addSecs(5),
                                              QFileDevice::FileModificationTime);
        if (modifiedHere)
            edit([] { setButton(table(), 3, KeyStroke); });
        if (answer)
            answerer.enqueue(QMessageBox::StandardButton(answer));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        for (int comeBack = 0; comeBack < 2; ++comeBack) {
            QEvent activation(QEvent::ActivationChange);
            QCoreApplication::sendEvent(window.get(), &activation);
            QTest::qWait(50);
        }
        QCOMPARE(answerer.seen().size(), answer ? 1 : 0);
        const bool reloaded = answer == QMessageBox::Yes;
        QCOMPARE(table().buttonCount, uint8_t(reloaded ? 5 : 23));
        QCOMPARE(window->document().isModified(), modifiedHere);
    }
};

QTEST_MAIN(TestFileCommands)
#include "test_filecommands.moc"
