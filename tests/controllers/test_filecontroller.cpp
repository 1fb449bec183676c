// The file commands and their questions, against a scripted user.
#include "config/buttontable.h"
#include "controllers/filecontroller.h"
#include "controllers/transfercheck.h"
#include "controllers/usersettings.h"
#include "document/configdocument.h"
#include "file/tkfcodec.h"
#include "file/tkffile.h"
#include "support/filebytes.h"
#include "support/filesizelimit.h"
#include "support/scriptedprompts.h"
#include "support/tablecontent.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

#include <memory>

namespace {

const QByteArray EmptyImage = QByteArray::fromHex(
    "C33C17FA00" "0000000000000000000000000000000000000000000000" "23C31BD9");
const QByteArray DelayImage = QByteArray::fromHex(
    "C33C17FA00" "02FA02FA03" "00000000000000000000000000000000000000000000" "3DD1AF3F");
const QList<ContentEntry> DelayPair = {{ActionDelay, DelayFirstHalf},
                                       {ActionDelay, DelaySecondHalf}};
const QList<ContentEntry> KeyStroke = {{ActionPress, 0x1C}, {ActionRelease, 0x1C}};
const QString SaveQuestion = QStringLiteral("Do you want to save your changes?");

// Bytes this process has read from files so far (Linux); -1 elsewhere.
qint64 bytesReadSoFar()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : io.readAll().split('\n'))
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    return -1;
}

// A document on its table, the check and the controller, answered by a script.
struct Files {
    ConfigDocument document;
    ScriptedPrompts prompts;
    TransferCheck check{document, prompts};
    FileController controller{document, prompts, check};

    const ButtonTable &table() const { return document.table(); }
    // Appends to an empty button as an editing command does.
    void edit(int button, const QList<ContentEntry> &entries)
    {
        QVERIFY(document.insertEntries(uint8_t(button), 0, entries, QStringLiteral("Edit")));
    }
};

} // namespace

class TestFileController : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<Files> f;

    QString path(const QString &name) const { return dir.filePath(name); }

private Q_SLOTS:
    void init()
    {
        QDir(dir.path()).removeRecursively();
        QVERIFY(QDir().mkpath(dir.path()));
        f = std::make_unique<Files>();
        f->document.setDefaultDirectory(dir.path());
    }

    // Save and Save as: what the dialog offers, the extension a bare name
    // gets from the filter, and the clean state afterwards.
    void saving_data()
    {
        QTest::addColumn<QString>("command");     // "save" or "saveas"
        QTest::addColumn<QString>("openedFrom");  // the file path before, if any
        QTest::addColumn<QString>("chosen");      // empty: the dialog is cancelled
        QTest::addColumn<int>("filter");          // the filter chosen
        QTest::addColumn<QString>("written");     // empty: nothing written
        QTest::newRow("save, no path: asks") << "save" << "" << "plain" << 0 << "plain.tkf";
        QTest::newRow("save to the file path") << "save" << "office.tkf" << "" << 0 << "office.tkf";
        QTest::newRow("save as the text form") << "saveas" << "" << "keys" << 1 << "keys.txt";
        QTest::newRow("save as, cancelled") << "saveas" << "office.tkf" << "" << 0 << "";
    }
    void saving()
    {
        QFETCH(QString, command);
        QFETCH(QString, openedFrom);
        QFETCH(QString, chosen);
        QFETCH(int, filter);
        QFETCH(QString, written);
        if (!openedFrom.isEmpty()) {
            QVERIFY(writeBytes(path(openedFrom), EmptyImage));
            QVERIFY(f->controller.openFile(path(openedFrom)));
        }
        f->edit(0, DelayPair);
        if (!chosen.isEmpty())
            f->prompts.choose(path(chosen), FileController::fileFilters().at(filter));
        QSignalSpy busy(&f->controller, &FileController::busyChanged);
        command == "save" ? f->controller.save() : f->controller.saveAs();

        const bool dialog = command == "saveas" || openedFrom.isEmpty();
        QCOMPARE(f->prompts.dialogs().size(), dialog ? 1 : 0);
        if (dialog) {
            const auto seen = f->prompts.dialogs().last();
            QVERIFY(seen.save);
            QCOMPARE(seen.choice.caption, QString("Save button configuration"));
            QCOMPARE(seen.choice.filters, (QStringList{"QM-47 file (*.tkf)", "Configuration text (*.txt)"}));
            QCOMPARE(seen.choice.directory, dir.path());
        }
        QVERIFY(f->prompts.asked().isEmpty());
        QCOMPARE(busy.size(), 2); // the window is disabled around it, and enabled again
        QCOMPARE(f->document.isModified(), written.isEmpty());
        QCOMPARE(f->document.filePath(), written.isEmpty() ? path(openedFrom) : path(written));
        if (written.endsWith(".tkf"))
            QCOMPARE(readAll(path(written)).toHex(' '), DelayImage.toHex(' '));
        if (written.endsWith(".txt")) {
            ButtonTable read;
            TkfTextError error;
            QVERIFY(configFromText(QString::fromUtf8(readAll(path(written))), read, error));
            QVERIFY(sameContents(read, f->table()));
        }
        if (!written.isEmpty())
            QCOMPARE(f->controller.recentFiles().value(0), path(written));
    }

    // Open: the dialog, the table taken, and one message per problem of a
    // refused file, which leaves the configuration and its names alone.
    void opening_data()
    {
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<QString>("swap"); // after the choice: "", "remove" or "fifo"
        QTest::addColumn<QStringList>("messages");
        QByteArray wrongSecond = DelayImage;
        wrongSecond[1] = char(0x3D);
        QByteArray changedKey = DelayImage;
        changedKey[7] = char(0x04);
        QByteArray badAction = DelayImage;
        badAction[6] = char(0x01);
        QTest::newRow("read") << DelayImage << "" << QStringList{};
        QTest::newRow("wrong second byte")
            << wrongSecond << "" << QStringList{"File corrupt! Could not read the file!"};
        QTest::newRow("changed key byte") << changedKey << "" << QStringList{"CRC error reading the file!"};
        QTest::newRow("action byte 1")
            << badAction << ""
            << QStringList{"File corrupt! Error reading the file.", "CRC error reading the file!"};
        QTest::newRow("cannot open")
            << DelayImage << "remove" << QStringList{"Could not open file!\n%1: No such file or directory"};
        QTest::newRow("FIFO") << DelayImage << "fifo"
                              << QStringList{"Could not open file!\n%1: not a regular file"};
    }
    void opening()
    {
        QFETCH(QByteArray, image);
        QFETCH(QString, swap);
        QFETCH(QStringList, messages);
        QVERIFY(writeBytes(path("good.tkf"), EmptyImage));
        QVERIFY(f->controller.openFile(path("good.tkf")));
        QDir().mkpath(path("cfg"));
        const QString chosen = path("cfg/bad.tkf");
        QVERIFY(writeBytes(chosen, image));
        if (!swap.isEmpty())
            QFile::remove(chosen);
        if (swap == "fifo")
            QCOMPARE(mkfifo(QFile::encodeName(chosen).constData(), 0600), 0);
        f->prompts.choose(chosen);
        QSignalSpy replaced(&f->controller, &FileController::configurationReplaced);
        f->controller.open();

        QCOMPARE(f->prompts.dialogs().size(), 1);
        QVERIFY(!f->prompts.dialogs().last().save);
        QCOMPARE(f->prompts.dialogs().last().choice.caption, QString("Open button configuration"));
        QCOMPARE(f->prompts.dialogs().last().choice.directory, dir.path());
        QCOMPARE(f->prompts.texts(), messages.replaceInStrings("%1", chosen));
        for (const auto &seen : f->prompts.asked())
            QCOMPARE(seen.title, QString("Error"));
        const bool read = messages.isEmpty();
        QCOMPARE(replaced.size(), read ? 1 : 0);
        QCOMPARE(entriesOf(f->table(), 0), read ? DelayPair : QList<ContentEntry>());
        QCOMPARE(f->document.filePath(), read ? chosen : path("good.tkf"));
        QCOMPARE(f->document.defaultDirectory(), path("cfg"));
        QVERIFY(!f->document.isModified());
    }

    // The save-changes prompt in front of New (and of Open, a readout, closing).
    void savePrompt_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("hasFilePath");
        QTest::addColumn<QString>("dialogChoice"); // empty: cancel the dialog
        QTest::addColumn<bool>("newRuns");
        QTest::addColumn<bool>("written");
        QTest::newRow("cancel") << int(UserPrompts::Cancel) << true << "" << false << false;
        QTest::newRow("discard") << int(UserPrompts::Discard) << true << "" << true << false;
        QTest::newRow("save to the file path") << int(UserPrompts::Save) << true << "" << true << true;
        QTest::newRow("save, dialog accepted")
            << int(UserPrompts::Save) << false << "office.tkf" << true << true;
        QTest::newRow("save, dialog cancelled") << int(UserPrompts::Save) << false << "" << false << false;
    }
    void savePrompt()
    {
        QFETCH(int, answer);
        QFETCH(bool, hasFilePath);
        QFETCH(QString, dialogChoice);
        QFETCH(bool, newRuns);
        QFETCH(bool, written);
        if (hasFilePath) {
            QVERIFY(writeBytes(path("office.tkf"), EmptyImage));
            QVERIFY(f->controller.openFile(path("office.tkf")));
        }
        f->edit(7, KeyStroke);
        const QByteArray expected = encodeConfig(f->table());
        if (!dialogChoice.isEmpty())
            f->prompts.choose(path(dialogChoice));
        f->prompts.answer(UserPrompts::Answer(answer));
        f->controller.newConfiguration();

        QCOMPARE(f->prompts.asked().size(), 1);
        const auto seen = f->prompts.lastAsked();
        QCOMPARE(seen.title, QString("Save configuration"));
        QCOMPARE(seen.text, SaveQuestion);
        QCOMPARE(seen.buttons, UserPrompts::Save | UserPrompts::Discard | UserPrompts::Cancel);
        QCOMPARE(seen.defaultButton, UserPrompts::Save);
        QCOMPARE(f->prompts.dialogs().size(), answer == UserPrompts::Save && !hasFilePath ? 1 : 0);
        if (written || hasFilePath)
            QCOMPARE(readAll(path("office.tkf")), written ? expected : EmptyImage);
        else
            QVERIFY(!QFile::exists(path("office.tkf")));
        // New leaves the empty configuration, whose file is the empty image.
        QCOMPARE(encodeConfig(f->table()).toHex(' '), (newRuns ? EmptyImage : expected).toHex(' '));
        QCOMPARE(f->document.isModified(), !newRuns);
    }

    // Nothing modified: New runs without a question. Modified: Open asks
    // first, and its dialog comes only once the changes may go.
    void savePromptBeforeACommand_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("answer"); // 0: nothing modified, so no question
        QTest::addColumn<bool>("goesOn");
        QTest::newRow("new, nothing modified") << "new" << 0 << true;
        QTest::newRow("open, cancelled") << "open" << int(UserPrompts::Cancel) << false;
        QTest::newRow("open, discarded") << "open" << int(UserPrompts::Discard) << true;
    }
    void savePromptBeforeACommand()
    {
        QFETCH(QString, command);
        QFETCH(int, answer);
        QFETCH(bool, goesOn);
        QVERIFY(writeBytes(path("office.tkf"), DelayImage));
        QVERIFY(f->controller.openFile(path("office.tkf")));
        if (answer) {
            f->edit(7, KeyStroke);
            f->prompts.answer(UserPrompts::Answer(answer));
        }
        command == "new" ? f->controller.newConfiguration() : f->controller.open();

        QCOMPARE(f->prompts.texts(), answer ? QStringList{SaveQuestion} : QStringList{});
        if (command == "new")
            QCOMPARE(f->document.filePath(), goesOn ? QString() : path("office.tkf"));
        else
            QCOMPARE(f->prompts.dialogs().size(), goesOn ? 1 : 0);
    }

    // A write that fails keeps the old file and the modified state, and the
    // prompt answers false so that the caller keeps the configuration.
    void failedWrite_data()
    {
        QTest::addColumn<bool>("folderIsAFile");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder is a regular file") << true << "Not a directory";
        QTest::newRow("write runs out of room") << false << "File too large";
    }
    void failedWrite()
    {
        QFETCH(bool, folderIsAFile);
        QFETCH(QString, reason);
        const QByteArray old = DelayImage;
        QVERIFY(writeBytes(path("office.tkf"), old));
        QVERIFY(f->controller.openFile(path("office.tkf")));
        QVERIFY(writeBytes(path("folder"), "a file"));
        f->edit(1, KeyStroke);
        // Save as into a "folder" that is a file; or the prompt's Save, with no room.
        if (folderIsAFile)
            f->prompts.choose(path("folder/office.tkf"));
        else
            f->prompts.answer(UserPrompts::Save);
        bool dropped = false;
        {
            FileSizeLimit limit(folderIsAFile ? RLIM_INFINITY : 16);
            QVERIFY(limit.active());
            if (folderIsAFile)
                f->controller.saveAs();
            else
                dropped = f->controller.askSaveChanges();
        }
        QVERIFY(!dropped); // the caller keeps the configuration
        QCOMPARE(f->prompts.lastAsked().title, QString("Error"));
        QCOMPARE(f->prompts.lastAsked().text, "Could not create file!\n" + reason);
        QCOMPARE(readAll(path("office.tkf")), old);
        QVERIFY(f->document.isModified());
        QCOMPARE(f->document.filePath(), path("office.tkf"));
    }

    // Save asks first when a file would not hold the whole table, or when
    // someone else changed the open file since it was read here.
    void saveGuards_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("says");
        QTest::addColumn<QString>("written");
        const QString tooLong = "Button 5 holds 254 entries; a file holds the first 250 only.";
        const QString changed = "was changed on disk since it was opened or saved here.";
        QTest::newRow("long button, save") << "long button" << int(UserPrompts::Save) << tooLong << "office.tkf";
        QTest::newRow("long button, cancel") << "long button" << int(UserPrompts::Cancel) << tooLong << "";
        QTest::newRow("30 buttons, save") << "30 buttons" << int(UserPrompts::Save)
                                          << "The keypad had 30 buttons; a file holds the first 23 only."
                                          << "office.tkf";
        QTest::newRow("changed, overwrite") << "changed on disk" << int(UserPrompts::Yes) << changed << "office.tkf";
        QTest::newRow("changed, save as") << "changed on disk" << int(UserPrompts::No) << changed << "other.tkf";
        QTest::newRow("changed, cancel") << "changed on disk" << int(UserPrompts::Cancel) << changed << "";
    }
    void saveGuards()
    {
        QFETCH(QString, situation);
        QFETCH(int, answer);
        QFETCH(QString, says);
        QFETCH(QString, written);
        QVERIFY(writeBytes(path("office.tkf"), DelayImage));
        QVERIFY(f->controller.openFile(path("office.tkf")));
        const QByteArray outside = encodeConfig(makeTable(5));
        if (situation == "changed on disk") {
            QVERIFY(writeBytes(path("office.tkf"), outside));
            f->edit(4, KeyStroke);
        } else {
            // Only a keypad fills a table beyond what a file holds; the
            // readout leaves it unnamed, so Save asks for the path first.
            ButtonTable keypad = makeTable(situation == "30 buttons" ? 30 : 23, 255);
            QList<ContentEntry> strokes;
            for (int s = 0; s < (situation == "long button" ? 127 : 1); ++s)
                strokes << KeyStroke;
            setButton(keypad, 4, strokes);
            f->document.takeOverReadout(keypad, 30);
            f->prompts.choose(path("office.tkf"));
        }
        f->prompts.answer(UserPrompts::Answer(answer));
        f->prompts.choose(path("other.tkf"));
        const int dialogsBefore = situation == "changed on disk" ? 0 : 1;
        f->controller.save();

        QCOMPARE(f->prompts.asked().size(), 1);
        QVERIFY2(f->prompts.lastAsked().text.contains(says), qPrintable(f->prompts.lastAsked().text));
        if (situation == "changed on disk")
            QCOMPARE(f->prompts.lastAsked().captions,
                     (QList<QPair<UserPrompts::Answer, QString>>{{UserPrompts::Yes, "Overwrite"},
                                                                 {UserPrompts::No, "Save as..."}}));
        QCOMPARE(f->prompts.dialogs().size(), dialogsBefore + (written == "other.tkf" ? 1 : 0));
        const QByteArray before = situation == "changed on disk" ? outside : DelayImage;
        QCOMPARE(readAll(path("office.tkf")), written == "office.tkf" ? encodeConfig(f->table()) : before);
        QCOMPARE(f->document.isModified(), written.isEmpty());
        if (!written.isEmpty())
            QCOMPARE(f->document.filePath(), path(written));
    }

    // The recent files, newest first: a file opened goes first, once however
    // its path is spelt, and the list keeps the last 8. One that can no longer
    // be opened is offered for removal; one that opens but is refused stays,
    // as it may be mended.
    void recentFiles_data()
    {
        QTest::addColumn<QString>("steps"); // open:NAME, recent:NAME, gone:NAME, corrupt:NAME
        QTest::addColumn<int>("answer");    // to the removal question
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QStringList>("told"); // %1: the file of the last step
        QTest::newRow("newest first, reopened goes first")
            << "open:a open:b open:c open:a" << 0 << QStringList{"a", "c", "b"} << QStringList{};
        QTest::newRow("the same file spelt otherwise")
            << "open:a open:b open:./a" << 0 << QStringList{"a", "b"} << QStringList{};
        QTest::newRow("at most 8")
            << "open:a open:b open:c open:d open:e open:f open:g open:h open:i open:j" << 0
            << QStringList{"j", "i", "h", "g", "f", "e", "d", "c"} << QStringList{};
        QTest::newRow("opened from the list goes first")
            << "open:a open:b recent:a" << 0 << QStringList{"a", "b"} << QStringList{};
        const QStringList gone{"Could not open file!\n%1: No such file or directory",
                               "%1 cannot be opened.\nRemove it from the recent files?"};
        QTest::newRow("gone, removed") << "open:a open:b gone:a recent:a" << int(UserPrompts::Yes)
                                       << QStringList{"b"} << gone;
        QTest::newRow("gone, kept") << "open:a open:b gone:a recent:a" << int(UserPrompts::No)
                                    << QStringList{"b", "a"} << gone;
        QTest::newRow("refused, stays") << "open:a open:b corrupt:a recent:a" << 0
                                        << QStringList{"b", "a"}
                                        << QStringList{"File corrupt! Could not read the file!"};
    }
    void recentFiles()
    {
        QFETCH(QString, steps);
        QFETCH(int, answer);
        QFETCH(QStringList, listed);
        QFETCH(QStringList, told);
        writeRecentFiles({});
        QByteArray corrupt = DelayImage;
        corrupt[1] = char(0x3D);
        if (answer)
            f->prompts.answer(UserPrompts::Answer(answer));
        QString file;
        for (const QString &step : steps.split(' ')) {
            const QString verb = step.section(':', 0, 0);
            file = path(step.section(':', 1) + ".tkf");
            if (verb == "open") {
                QVERIFY(QFile::exists(file) || writeBytes(file, DelayImage));
                QVERIFY(f->controller.openFile(file));
            } else if (verb == "recent") {
                f->controller.openRecent(file);
            } else if (verb == "gone") {
                QVERIFY(QFile::remove(file));
            } else if (verb == "corrupt") {
                QVERIFY(writeBytes(file, corrupt));
            } else {
                QFAIL(qPrintable("unknown step " + step));
            }
        }

        QCOMPARE(f->prompts.texts(), told.replaceInStrings("%1", file));
        for (QString &name : listed)
            name = path(name + ".tkf");
        QCOMPARE(f->controller.recentFiles(), listed);
    }

    // Someone else changed the open file: reloading is offered when nothing
    // here is unsaved, once for each change.
    void reloadOffer_data()
    {
        QTest::addColumn<QByteArray>("onDisk");
        QTest::addColumn<bool>("modifiedHere");
        QTest::addColumn<int>("answer"); // 0: no offer
        const QByteArray other = encodeConfig(makeTable(5));
        QTest::newRow("changed, reload") << other << false << int(UserPrompts::Yes);
        QTest::newRow("changed, keep") << other << false << int(UserPrompts::No);
        QTest::newRow("changed, unsaved here") << other << true << 0;
        QTest::newRow("written again, same bytes") << DelayImage << false << 0;
    }
    void reloadOffer()
    {
        QFETCH(QByteArray, onDisk);
        QFETCH(bool, modifiedHere);
        QFETCH(int, answer);
        QVERIFY(writeBytes(path("office.tkf"), DelayImage));
        QVERIFY(f->controller.openFile(path("office.tkf")));
        QVERIFY(writeBytes(path("office.tkf"), onDisk));
        // A later time than the file had, as a second write may not show.
        QFile(path("office.tkf")).setFileTime(QDateTime::currentDateTime().addSecs(5),
                                              QFileDevice::FileModificationTime);
        if (modifiedHere)
            f->edit(3, KeyStroke);
        if (answer)
            f->prompts.answer(UserPrompts::Answer(answer));
        f->controller.offerReload();
        f->controller.offerReload();
        QCOMPARE(f->prompts.asked().size(), answer ? 1 : 0);
        if (answer) {
            QCOMPARE(f->prompts.lastAsked().text,
                     path("office.tkf") + " was changed on disk.\nDo you want to reload it?");
            QCOMPARE(f->prompts.lastAsked().defaultButton, UserPrompts::Yes);
        }
        QCOMPARE(f->table().buttonCount, uint8_t(answer == UserPrompts::Yes ? 5 : 23));
        QCOMPARE(f->document.isModified(), modifiedHere);
    }

    // A file of gigabytes in place of the open one is not read for its
    // fingerprint, and a declined change is not read again: looking at the
    // file after that reads next to nothing.
    void reloadReadsLittle_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::newRow("2 GB, sparse") << qint64(2) * 1024 * 1024 * 1024;
        QTest::newRow("3 MB, could be a configuration") << qint64(3) * 1024 * 1024;
    }
    void reloadReadsLittle()
    {
        QFETCH(qint64, size);
        if (bytesReadSoFar() < 0)
            QSKIP("no count of bytes read on this system");
        QVERIFY(writeBytes(path("office.tkf"), DelayImage));
        QVERIFY(f->controller.openFile(path("office.tkf")));
        QFile big(path("office.tkf"));
        QVERIFY(big.resize(size));
        f->prompts.answer(UserPrompts::No);
        const qint64 before = bytesReadSoFar();
        f->controller.offerReload();
        QCOMPARE(f->prompts.asked().size(), 1);
        const qint64 first = bytesReadSoFar() - before;
        QVERIFY2(first < size / 2 || size < TkfMaxTextSize, qPrintable(QString::number(first)));
        f->controller.offerReload();
        QCOMPARE(f->prompts.asked().size(), 1);
        const qint64 again = bytesReadSoFar() - before - first;
        QVERIFY2(again < 64 * 1024, qPrintable(QString::number(again)));
    }
};

QTEST_GUILESS_MAIN(TestFileController)
#include "test_filecontroller.moc"
