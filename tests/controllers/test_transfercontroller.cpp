// Readout and transmit through the transfer controller: a real serial port
// to the simulated keypad on a pseudo-terminal, the user answered by a script.
#include "config/buttontable.h"
#include "controllers/filecontroller.h"
#include "controllers/portprompt.h"
#include "controllers/transfercheck.h"
#include "controllers/transfercontroller.h"
#include "serial/portlist.h"
#include "document/configdocument.h"
#include "file/tkfcodec.h"
#include "support/asnobody.h"
#include "support/filebytes.h"
#include "support/scriptedprompts.h"
#include "support/simulatedkeypad.h"

#include <QProcess>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const QString CommError =
    "An error occured during cummunication, connection refused! Please try again.";
const QString ConnectError =
    "Cannot connect to the target! Please check the connection / serial port.";

// A configuration whose buttons differ from each other.
ButtonTable deviceConfiguration(uint8_t buttons, uint16_t maxEntries)
{
    ButtonTable device;
    device.buttonCount = buttons;
    device.maxEntries = maxEntries;
    for (int b = 0; b < buttons; ++b) {
        ButtonContent &c = device.content(uint8_t(b));
        for (int p = 0; p < (b * 3) % 7; ++p) {
            c.entries[c.length++] = {ActionPress, uint8_t(0x10 + b)};
            c.entries[c.length++] = {ActionRelease, uint8_t(0x10 + b)};
        }
    }
    return device;
}

// Answers the port question with the port named, or cancels it.
class ScriptedPort : public PortPrompt
{
public:
    QString port;
    QStringList titles;
    PortRecord choosePort(const QString &title, const PortRecord &) override
    {
        titles << title;
        for (const PortRecord &p : availablePorts())
            if (!port.isEmpty() && p.portName == port)
                return p;
        return PortRecord();
    }
};

struct Transfers {
    ConfigDocument document;
    ScriptedPrompts prompts;
    ScriptedPort ports;
    TransferCheck check{document, prompts};
    FileController fileCommands{document, prompts, check};
    TransferController controller{document, prompts, ports, fileCommands, check};
    QSignalSpy ended{&controller, &TransferController::ended};
    QSerialPort &port() const { return controller.driver().session().port(); }
};

} // namespace

class TestTransferController : public QObject
{
    Q_OBJECT

    SimulatedKeypad keypad;
    std::unique_ptr<Transfers> t;
    QTemporaryDir dir;

    void startKeypad(const ButtonTable &memory, const KeypadFaults &faults = {})
    {
        QString error;
        QVERIFY2(keypad.start(memory, faults, &error), qPrintable(error));
        t->ports.port = keypad.line->slavePath();
    }
    // Runs a transfer and waits for its end.
    void run(TransferDirection direction)
    {
        direction == TransferDirection::Readout ? t->controller.readout() : t->controller.transmit();
        QTRY_VERIFY_WITH_TIMEOUT(!t->ended.isEmpty(), 40000);
    }
    // `table` as the open, unmodified file `desk.tkf`; its bytes.
    QByteArray load(const ButtonTable &table)
    {
        t->document.takeOverReadout(table, 1);
        if (!t->document.saveAs(dir.filePath("desk.tkf")).done)
            QTest::qFail("the configuration was not saved", __FILE__, __LINE__);
        return readAll(dir.filePath("desk.tkf"));
    }
    const ButtonTable &table() const { return t->document.table(); }

private Q_SLOTS:
    void init()
    {
        t = std::make_unique<Transfers>();
        load(deviceConfiguration(23, 250));
    }
    void cleanup()
    {
        t.reset();
        keypad.stop();
    }

    // The document takes over what the readout stored, as one undo step; the
    // progress counts the keypad's buttons, also those the table does not keep.
    void readoutTakesOverTheKeypad_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QStringList>("told");
        QTest::newRow("23 buttons") << 23 << QStringList{};
        QTest::newRow("10 buttons") << 10 << QStringList{};
        QTest::newRow("30 buttons") << 30 << QStringList{
            "The keypad has 30 buttons; only the first 23 are shown and kept."};
    }
    void readoutTakesOverTheKeypad()
    {
        QFETCH(int, buttons);
        QFETCH(QStringList, told);
        startKeypad(deviceConfiguration(uint8_t(buttons), 200));
        const QByteArray before = encodeConfig(table());
        QSignalSpy progress(&t->controller, &TransferController::progressed);
        run(TransferDirection::Readout);

        QCOMPARE(t->prompts.texts(), told);
        for (const auto &asked : t->prompts.asked())
            QCOMPARE(asked.title, QString("Information"));
        QCOMPARE(progress.size(), buttons);
        QCOMPARE(progress.last().first().toInt(), buttons);
        QCOMPARE(t->ports.titles, QStringList{"Get device configuration"});
        QCOMPARE(t->ended.first().first().toBool(), true);
        QCOMPARE(encodeConfig(table()), encodeConfig(keypad.engine->memory()));
        QCOMPARE(int(table().buttonCount), buttons);
        QCOMPARE(int(table().maxEntries), 200);
        QVERIFY(t->document.isModified());
        QVERIFY(t->document.filePath().isEmpty());
        t->document.undo();
        QCOMPARE(encodeConfig(table()), before);
        QCOMPARE(t->document.filePath(), dir.filePath("desk.tkf"));
    }

    // A transmit leaves the document as it was; a smaller keypad gets what
    // it holds and one message names what it did not take.
    void transmitKeepsTheDocument_data()
    {
        QTest::addColumn<int>("keypadButtons");
        QTest::addColumn<int>("keypadEntries");
        QTest::addColumn<QStringList>("told");
        QTest::newRow("same size") << 23 << 250 << QStringList{};
        QTest::newRow("smaller keypad") << 5 << 10 << QStringList{
            "The keypad holds 5 buttons with at most 10 entries each, so not all of the "
            "configuration was written.\nButtons the keypad does not have: 6, 7, 9-14, 16-21, "
            "23.\nButtons cut to the keypad's 10 entries: 3.\nThe configuration itself is unchanged."};
    }
    void transmitKeepsTheDocument()
    {
        QFETCH(int, keypadButtons);
        QFETCH(int, keypadEntries);
        QFETCH(QStringList, told);
        ButtonTable memory;
        memory.buttonCount = uint8_t(keypadButtons);
        memory.maxEntries = uint16_t(keypadEntries);
        startKeypad(memory);
        const QByteArray saved = readAll(dir.filePath("desk.tkf"));
        run(TransferDirection::Transmit);

        QCOMPARE(t->prompts.texts(), told);
        QCOMPARE(t->ports.titles, QStringList{"Set device configuration"});
        QCOMPARE(t->ended.first().first().toBool(), false);
        QCOMPARE(encodeConfig(table()), saved);
        QVERIFY(!t->document.isModified());
        QCOMPARE(t->document.filePath(), dir.filePath("desk.tkf"));
        if (keypadButtons == 23)
            QCOMPARE(encodeConfig(keypad.engine->memory()), saved);
        QTRY_VERIFY_WITH_TIMEOUT(keypad.engine->receivedCommands().contains(0x04), 5000);
    }

    // A readout that fails: once it stored a button the configuration is no
    // longer the open file's; before that, nothing changed.
    void failedReadout_data()
    {
        QTest::addColumn<bool>("ignoreWakeUp");
        QTest::addColumn<int>("silentAfterAnswers");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("silent after two buttons") << false << 4 << true;
        QTest::newRow("silent after the counts") << false << 2 << false;
        QTest::newRow("no answer to the wake-up") << true << -1 << false;
    }
    void failedReadout()
    {
        QFETCH(bool, ignoreWakeUp);
        QFETCH(int, silentAfterAnswers);
        QFETCH(bool, replaced);
        KeypadFaults faults;
        faults.ignoreWakeUp = ignoreWakeUp;
        faults.silentAfterAnswers = silentAfterAnswers;
        startKeypad(deviceConfiguration(5, 10), faults);
        ButtonTable mine = deviceConfiguration(23, 250);
        mine.content(1).length = 0; // the keypad's button 2 holds 6 entries
        load(mine);
        run(TransferDirection::Readout);

        QCOMPARE(t->prompts.asked().size(), 1);
        QCOMPARE(t->prompts.lastAsked().title, QString("Error"));
        QCOMPARE(int(table().content(1).length), replaced ? 6 : 0);
        QCOMPARE(t->document.filePath(), replaced ? QString() : dir.filePath("desk.tkf"));
        QCOMPARE(t->document.isModified(), replaced);
        QCOMPARE(int(table().buttonCount), replaced ? 5 : 23);
        QCOMPARE(int(table().maxEntries), replaced ? 10 : 250);
    }

    // Each way a transfer fails ends in one message, with what it left
    // behind under it, and the port closed.
    void failures_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("readout");
        QTest::addColumn<QString>("message");
        const QString read = "\nButtons 1 to %1 were read; the others still show the configuration "
                             "from before. Undo brings back the configuration as it was.";
        const QString written = "\nThe keypad may now hold part of the new configuration "
                                "(buttons 1 to %1 were written); write it again.";
        QTest::newRow("corrupted frames, readout") << "corrupt" << true << CommError;
        QTest::newRow("Nak storm, transmit") << "nak" << false << CommError;
        QTest::newRow("silence after an acknowledgement") << "silent" << true << CommError + read.arg(2);
        // The second button was on the line when it broke.
        QTest::newRow("unplugged line, transmit") << "unplug" << false << CommError + written.arg(2);
        QTest::newRow("unplugged line, readout") << "unplug" << true << CommError + read.arg(1);
        QTest::newRow("no answer to the wake-up") << "deaf" << false << ConnectError;
        QTest::newRow("gone before the wake-up") << "vanish" << true
                                                 << QString("Error connecting to seriel port!");
        QTest::newRow("port in use") << "in use" << true
                                     << QString("Error connecting to Serial Port! Port in use.");
    }
    void failures()
    {
        QFETCH(QString, fault);
        QFETCH(bool, readout);
        QFETCH(QString, message);
        KeypadFaults faults;
        faults.corruptCrcFrames = fault == "corrupt" ? 100 : 0;
        faults.nakFrames = fault == "nak" ? 100 : 0;
        faults.silentAfterAnswers = fault == "silent" ? 4 : -1;
        faults.unplugAtFrame = fault == "unplug" ? 6 : -1;
        faults.ignoreWakeUp = fault == "deaf";
        startKeypad(deviceConfiguration(23, 250), faults);
        QTimer unplug;
        connect(&unplug, &QTimer::timeout, this, [&] {
            if (fault == "vanish" && t->port().isOpen() && keypad.line->isOpen())
                keypad.line->close();
        });
        unplug.start(1);
        QSerialPort other;
        other.setPortName(keypad.line->slavePath());
        QVERIFY(fault != "in use" || other.open(QIODevice::ReadWrite));
        run(readout ? TransferDirection::Readout : TransferDirection::Transmit);

        QTRY_COMPARE_WITH_TIMEOUT(t->prompts.asked().size(), 1, 5000);
        QCOMPARE(t->prompts.lastAsked().title, QString("Error"));
        QCOMPARE(t->prompts.lastAsked().text, message);
        QTRY_VERIFY_WITH_TIMEOUT(!t->port().isOpen(), 10000);
        if (fault == "vanish" || fault == "in use")
            QCOMPARE(keypad.engine->wakeUpsSeen(), 0);
        QTest::qWait(200); // nothing further comes
        QCOMPARE(t->prompts.asked().size(), 1);
    }

    // A path that leads nowhere, and (for root, in a child as nobody) a port
    // this user may not open: the system's reason, and how to get access.
    void portThatCannotBeOpened_data()
    {
        QTest::addColumn<bool>("denied");
        QTest::newRow("missing") << false;
        QTest::newRow("no permission") << true;
    }
    void portThatCannotBeOpened()
    {
        QFETCH(bool, denied);
        const bool child = qEnvironmentVariableIsSet("QM47_TEST_AS_NOBODY");
        if (denied && !child) {
            const QString unavailable = AsNobody::unavailable(QCoreApplication::applicationFilePath());
            if (!unavailable.isEmpty())
                QSKIP(qPrintable(unavailable));
            startKeypad(deviceConfiguration(23, 250));
            QVERIFY(QFile::setPermissions(keypad.line->slavePath(), QFile::ReadOwner | QFile::WriteOwner));
            QProcess process;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert("QM47_TEST_AS_NOBODY", "1");
            env.insert("HOME", QDir::tempPath());
            env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":detect_leaks=0");
            process.setProcessEnvironment(env);
            AsNobody::apply(process);
            process.start(QCoreApplication::applicationFilePath(),
                          {QString("%1:%2").arg(QTest::currentTestFunction(), QTest::currentDataTag())});
            QVERIFY(process.waitForFinished(60000));
            const QString output = process.readAll();
            if (process.exitCode() == 126)
                QSKIP("the test could not be started as nobody");
            QVERIFY2(process.exitCode() == 0
                         && output.contains("PASS   : TestTransferController::portThatCannotBeOpened"),
                     qPrintable(output));
            return;
        }
        const QString port = denied ? qEnvironmentVariable(ExtraPortsVariable) : "/dev/qm47-no-such-port";
        qputenv(ExtraPortsVariable, port.toLocal8Bit());
        t->ports.port = port;
        run(TransferDirection::Readout);
        QCOMPARE(t->prompts.asked().size(), 1);
        const QString text = t->prompts.lastAsked().text;
        const QString reason = denied ? "Permission denied." : "No such file or directory.";
        QVERIFY2(text.startsWith("Error connecting to Serial Port! " + port + ": " + reason), qPrintable(text));
        QCOMPARE(text.contains("\nTo get access, join the group"), denied);
        // The command stands whole on the last line.
        QCOMPARE(text.section('\n', -1).startsWith("sudo usermod -aG "), denied);
        QVERIFY(!t->document.isModified());
    }

    // A cancelled port question starts nothing and gives the commands back.
    void cancelledPortQuestion()
    {
        QSignalSpy cancelled(&t->controller, &TransferController::cancelled);
        QSignalSpy busy(&t->controller, &TransferController::busyChanged);
        t->controller.transmit();
        QCOMPARE(cancelled.size(), 1);
        QCOMPARE(busy.size(), 2);
        QCOMPARE(busy.last().first().toBool(), false);
        QVERIFY(!t->controller.driver().isRunning());
        QVERIFY(!t->port().isOpen());
        QVERIFY(t->prompts.asked().isEmpty());
    }

    // Asked during a transmit, in a box of its own: No lets it go on; Yes
    // ends it as a failure does (the keypad hears the end, the port closes)
    // and says what the keypad now holds.
    void stopQuestion_data()
    {
        QTest::addColumn<bool>("stop");
        QTest::newRow("stopped") << true;
        QTest::newRow("not stopped") << false;
    }
    void stopQuestion()
    {
        QFETCH(bool, stop);
        startKeypad(deviceConfiguration(23, 250));
        keypad.line->setPaced(true);
        ButtonTable full = deviceConfiguration(23, 250);
        for (int b = 0; b < 23; ++b) { // a full, slow transmit
            ButtonContent &c = full.content(uint8_t(b));
            for (c.length = 0; c.length < 250; ++c.length)
                c.entries[c.length] = {uint8_t(ActionPress + c.length % 2), uint8_t(0x10 + b)};
        }
        load(full);
        QSignalSpy progress(&t->controller, &TransferController::progressed);
        t->controller.transmit();
        QTRY_VERIFY_WITH_TIMEOUT(progress.size() >= 4, 10000);
        t->prompts.answer(stop ? UserPrompts::Yes : UserPrompts::No);
        QCOMPARE(t->controller.stopOnRequest(), stop);
        const auto asked = t->prompts.asked().value(0);
        QCOMPARE(asked.text, QString("A transfer with the keypad is running. Stop it?"));
        QCOMPARE(asked.defaultButton, UserPrompts::No);
        QCOMPARE(asked.modality, UserPrompts::Modality::Separate);
        if (!stop) {
            QVERIFY(t->controller.isTransferring());
            QTRY_VERIFY_WITH_TIMEOUT(!t->ended.isEmpty(), 30000);
            QCOMPARE(t->prompts.asked().size(), 1);
            return;
        }
        QVERIFY(!t->port().isOpen());
        QTRY_VERIFY_WITH_TIMEOUT(keypad.engine->receivedCommands().contains(0x04), 15000);
        QCOMPARE(t->prompts.asked().size(), 2);
        const QRegularExpressionMatch match =
            QRegularExpression("^The transfer was stopped.\nThe keypad may now hold part of the "
                               "new configuration \\(buttons 1 to (\\d+) were written\\); "
                               "write it again.$")
                .match(t->prompts.lastAsked().text);
        QVERIFY2(match.hasMatch() && match.captured(1).toInt() >= 3, qPrintable(t->prompts.lastAsked().text));
    }
};

QTEST_GUILESS_MAIN(TestTransferController)
#include "test_transfercontroller.moc"
