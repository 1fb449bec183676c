// Readout and transmit end to end: the real main window (offscreen) talks
// through a real serial port to the simulated keypad on a pseudo-terminal.
#include "app/mainwindow.h"
#include "app/portdialog.h"
#include "config/buttontable.h"
#include "serial/portlist.h"
#include "serial/transferdriver.h"
#include "serial/transfersession.h"
#include "file/filestate.h"
#include "file/tkfcodec.h"
#include "keypadengine.h"
#include "keypadline.h"
#include "support/asnobody.h"
#include "support/filebytes.h"
#include "support/filedialogdriver.h"
#include "support/mainwindowfixture.h"
#include "support/modalanswerer.h"
#include "support/portdialoganswerer.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QProgressBar>
#include <QSerialPort>
#include <QtTest>
#include <QWindow>

namespace {

const QString CommError =
    "An error occured during cummunication, connection refused! Please try again.";
const QString ConnectError =
    "Cannot connect to the target! Please check the connection / serial port.";

// Fills `device` with a configuration whose buttons differ from each other.
void fillConfiguration(ButtonTable &device, uint8_t buttons, uint16_t maxEntries)
{
    device.buildTable();
    device.buttonCount = buttons;
    device.maxEntries = maxEntries;
    for (int b = 0; b < buttons; ++b) {
        ButtonContent &c = device.content(uint8_t(b));
        const int pairs = (b * 3) % 7;
        for (int p = 0; p < pairs; ++p) {
            c.entries[c.length++] = {ActionPress, uint8_t(0x10 + b)};
            c.entries[c.length++] = {ActionRelease, uint8_t(0x10 + b)};
        }
    }
}

// Counts the timer events of the timers that tick as fast as a transfer's.
class FastTimerCounter : public QObject
{
public:
    FastTimerCounter() { qApp->installEventFilter(this); }
    ~FastTimerCounter() override { qApp->removeEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *timer = qobject_cast<QTimer *>(watched);
        if (event->type() == QEvent::Timer && timer && timer->interval() <= TransferDriver::TickMs)
            ++count;
        return false;
    }
};

ButtonTable deviceConfiguration(uint8_t buttons, uint16_t maxEntries)
{
    ButtonTable device;
    fillConfiguration(device, buttons, maxEntries);
    return device;
}

} // namespace

class TestTransfers : public MainWindowFixture
{
    Q_OBJECT

    std::unique_ptr<KeypadEngine> engine;
    std::unique_ptr<KeypadLine> line;

    static QProgressBar *progress()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == "progressBar")
                return w->findChild<QProgressBar *>("progressBar_2");
        return nullptr;
    }
    // The window makes its progress window at the first wake-up of a keypad.
    static bool progressShown() { return progress() && progress()->isVisible(); }

    // Starts the keypad simulator with the given memory and faults.
    void startKeypad(const ButtonTable &memory, const KeypadFaults &faults = {})
    {
        engine = std::make_unique<KeypadEngine>(memory);
        engine->setFaults(faults);
        line = std::make_unique<KeypadLine>(*engine);
        QString error;
        QVERIFY2(line->open(&error), qPrintable(error));
        qputenv(ExtraPortsVariable, line->slavePath().toLocal8Bit());
    }

    // Saves the window's configuration as the open file `path`; its bytes.
    QByteArray saveAsOpenFile(const QString &path)
    {
        if (!window->document().saveAs(path).done)
            QTest::qFail("the configuration was not saved", __FILE__, __LINE__);
        return readAll(path);
    }

    // Runs a transfer action and waits until the window is usable again.
    void runTransfer(const char *actionName)
    {
        action(actionName)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(window->isEnabled() && !progressShown(), 15000);
    }

private Q_SLOTS:
    void init() { QVERIFY(openFreshWindow()); }
    void cleanup()
    {
        window.reset();
        TransferSession::instance().closePort();
        line.reset();
        engine.reset();
    }

    // The progress bar runs over as many steps as the keypad has buttons.
    void readoutFillsTheTable_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("23 buttons") << 23 << QStringList{};
        QTest::newRow("10 buttons") << 10 << QStringList{};
        QTest::newRow("30 buttons") << 30 << QStringList{
            "The keypad has 30 buttons; only the first 23 are shown and kept."};
    }
    void readoutFillsTheTable()
    {
        QFETCH(int, buttons);
        QFETCH(QStringList, boxes);
        ModalAnswerer answerer;
        startKeypad(deviceConfiguration(uint8_t(buttons), 200));
        PortDialogAnswerer dialog(line->slavePath());
        button(3)->click();
        const QByteArray before = encodeConfig(ButtonTable::instance());
        runTransfer("actionReadout");

        QStringList shown;
        for (const auto &box : answerer.seen())
            shown << box.text;
        QCOMPARE(shown, boxes);
        QCOMPARE(dialog.title, QString("Get device configuration"));
        const ButtonTable &table = ButtonTable::instance();
        QCOMPARE(encodeConfig(table), encodeConfig(engine->memory()));
        QCOMPARE(int(table.buttonCount), buttons);
        QCOMPARE(int(table.maxEntries), 200);
        QCOMPARE(table.selectedButton, NoButton);
        QCOMPARE(window->document().isModified(), bool(1));
        QCOMPARE(fileLabel(), QString("QM47_File"));
        QVERIFY(FileState::instance().filePath.isEmpty());
        QCOMPARE(status(), QString("Please select a button"));
        // Marks refreshed: button 2 (index 1) holds entries, button 1 none.
        QVERIFY(button(2)->styleSheet().contains("rgb(75, 255, 0)"));
        QVERIFY(button(1)->styleSheet().contains("black"));
        QCOMPARE(progress()->value(), buttons);
        QCOMPARE(progress()->maximum(), buttons);

        // The readout is one undo step: the configuration before it comes back.
        action("actionUndo")->trigger();
        QCOMPARE(encodeConfig(table), before);
        action("actionRedo")->trigger();
        QCOMPARE(encodeConfig(table), encodeConfig(engine->memory()));
    }

    void transmitStoresTheTable()
    {
        ModalAnswerer boxes;
        startKeypad(deviceConfiguration(23, 250));
        engine->memory().buildTable();
        ButtonTable &table = ButtonTable::instance();
        fillConfiguration(table, 23, 250);
        FileState::instance().filePath = "/tmp/some.tkf";
        button(4)->click();
        const QByteArray before = encodeConfig(table);
        PortDialogAnswerer dialog(line->slavePath());

        runTransfer("actionTransmit");
        QVERIFY2(boxes.seen().isEmpty(), qPrintable(boxes.last().text));
        QCOMPARE(dialog.title, QString("Set device configuration"));
        QCOMPARE(encodeConfig(engine->memory()), before);
        QCOMPARE(encodeConfig(table), before);
        QCOMPARE(window->document().isModified(), bool(0));
        QCOMPARE(FileState::instance().filePath, QString("/tmp/some.tkf"));
        QCOMPARE(status(), QString("Button 4 active"));
        QCOMPARE(progress()->value(), 23);
        QTRY_VERIFY_WITH_TIMEOUT(engine->receivedCommands().contains(0x04), 5000);
    }

    // A keypad smaller than the table: the table keeps its counts, a later
    // Save writes the same file, and one box names what was not written.
    void transmitToASmallerKeypadKeepsTheTable()
    {
        ModalAnswerer boxes;
        startKeypad(deviceConfiguration(5, 10));
        ButtonTable &table = ButtonTable::instance();
        fillConfiguration(table, 23, 250);
        QTemporaryDir dir;
        const QByteArray saved = saveAsOpenFile(dir.filePath("desk.tkf"));
        PortDialogAnswerer dialog(line->slavePath());

        runTransfer("actionTransmit");
        QTRY_COMPARE_WITH_TIMEOUT(boxes.seen().size(), 1, 5000);
        QCOMPARE(boxes.last().title, QString("Information"));
        QCOMPARE(boxes.last().text,
                 QString("The keypad holds 5 buttons with at most 10 entries each, so not all of "
                         "the configuration was written.\nButtons the keypad does not have: 6, 7, 9-14, "
                         "16-21, 23.\nButtons cut to the keypad's 10 entries: 3.\nThe configuration "
                         "itself is unchanged."));
        QCOMPARE(int(table.buttonCount), 23);
        QCOMPARE(int(table.maxEntries), 250);
        QCOMPARE(window->document().isModified(), bool(0));
        QCOMPARE(engine->memory().content(2).length, uint8_t(10));

        action("actionSave")->trigger();
        QCOMPARE(readAll(FileState::instance().filePath), saved);
        QCOMPARE(boxes.seen().size(), 1);
    }

    // A readout that fails: once it has replaced a button the configuration
    // is no longer the open file's (Save asks for a name, closing asks to
    // save); before that, the table and the file state stay as they were.
    void failedReadoutAndTheOpenFile_data()
    {
        QTest::addColumn<bool>("ignoreWakeUp");
        QTest::addColumn<int>("silentAfterAnswers");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("silent after two buttons") << false << 4 << true;
        QTest::newRow("silent after the counts") << false << 2 << false;
        QTest::newRow("no answer to the wake-up") << true << -1 << false;
    }
    void failedReadoutAndTheOpenFile()
    {
        QFETCH(bool, ignoreWakeUp);
        QFETCH(int, silentAfterAnswers);
        QFETCH(bool, replaced);
        ModalAnswerer boxes;
        FileDialogDriver dialogs;
        KeypadFaults faults;
        faults.ignoreWakeUp = ignoreWakeUp;
        faults.silentAfterAnswers = silentAfterAnswers;
        startKeypad(deviceConfiguration(5, 10), faults);
        ButtonTable &table = ButtonTable::instance();
        fillConfiguration(table, 23, 250);
        table.content(1).length = 0; // the keypad's button 2 holds 6 entries
        QTemporaryDir dir;
        const QString file = dir.filePath("desk.tkf");
        const QByteArray saved = saveAsOpenFile(file);
        PortDialogAnswerer dialog(line->slavePath());

        runTransfer("actionReadout");
        QTRY_COMPARE_WITH_TIMEOUT(boxes.seen().size(), 1, 5000);
        QCOMPARE(boxes.last().title, QString("Error"));
        QCOMPARE(int(table.content(1).length), replaced ? 6 : 0);
        QCOMPARE(fileLabel(), QString(replaced ? "QM47_File" : "desk"));
        QCOMPARE(window->document().isModified(), bool(replaced ? 1 : 0));
        QCOMPARE(int(table.buttonCount), replaced ? 5 : 23);
        QCOMPARE(int(table.maxEntries), replaced ? 10 : 250);

        dialogs.cancel();
        action("actionSave")->trigger();
        QCOMPARE(dialogs.seen().size(), replaced ? 1 : 0);
        QCOMPARE(readAll(file), saved);
        boxes.enqueue(QMessageBox::Cancel);
        QCOMPARE(window->close(), !replaced);
        QCOMPARE(boxes.seen().size(), replaced ? 2 : 1);
    }

    // The window's port closes a fixed delay after the end-of-transfer frame,
    // never sooner. The clock starts with the last button, before that frame
    // goes out, and stops inside the close itself.
    void portClosesOnlyAfterTheDelay()
    {
        startKeypad(deviceConfiguration(2, 250));
        PortDialogAnswerer dialog(line->slavePath());
        QSerialPort &port = TransferSession::instance().port();
        auto *driver = window->findChild<TransferDriver *>();
        QVERIFY(driver);
        QElapsedTimer sinceEnd;
        qint64 closedAfter = -1;
        QObject::connect(driver, &TransferDriver::progressed, &dialog, [&](int done, int total) {
            if (done == total)
                sinceEnd.start();
        });
        QObject::connect(&port, &QSerialPort::aboutToClose, &dialog,
                         [&] { closedAfter = sinceEnd.isValid() ? sinceEnd.elapsed() : -1; });
        action("actionTransmit")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(engine->receivedCommands().contains(0x04), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!port.isOpen(), 10000);
        QVERIFY2(closedAfter >= TransferDriver::ClosingDelayMs, qPrintable(QString::number(closedAfter)));
    }

    void cancelledPortDialogRestoresTheStatusLine()
    {
        PortDialogAnswerer dialog{QString()};
        button(3)->click();
        action("actionTransmit")->trigger();
        QCOMPARE(dialog.opened, 1);
        QCOMPARE(status(), QString("Button 3 active"));
        QVERIFY(window->isEnabled());
        QVERIFY(!TransferSession::instance().port().isOpen());
    }

    void portInUse()
    {
        ModalAnswerer boxes;
        startKeypad(deviceConfiguration(23, 250));
        QSerialPort other;
        other.setPortName(line->slavePath());
        QVERIFY(other.open(QIODevice::ReadWrite));
        PortDialogAnswerer dialog(line->slavePath());
        action("actionReadout")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(window->isEnabled(), 15000);
        QCOMPARE(boxes.seen().size(), 1);
        QCOMPARE(boxes.last().title, QString("Error"));
        QCOMPARE(boxes.last().text, QString("Error connecting to Serial Port! Port in use."));
        // Nothing was read: the configuration keeps its name and state.
        QCOMPARE(window->document().isModified(), bool(0));
        QCOMPARE(engine->wakeUpsSeen(), 0);
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
            if (!AsNobody::unavailable().isEmpty())
                QSKIP(qPrintable(AsNobody::unavailable()));
            startKeypad(deviceConfiguration(23, 250));
            QVERIFY(QFile::setPermissions(line->slavePath(), QFile::ReadOwner | QFile::WriteOwner));
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
            QVERIFY2(process.exitCode() == 0 && output.contains("PASS   : TestTransfers::portThatCannotBeOpened"),
                     qPrintable(output));
            return;
        }
        const QString port = denied ? qEnvironmentVariable(ExtraPortsVariable) : "/dev/qm47-no-such-port";
        qputenv(ExtraPortsVariable, port.toLocal8Bit());
        ModalAnswerer boxes;
        PortDialogAnswerer dialog(port);
        action("actionReadout")->trigger();
        QTRY_VERIFY(window->isEnabled());
        QCOMPARE(boxes.seen().size(), 1);
        QCOMPARE(boxes.last().title, QString("Error"));
        const QString reason = denied ? "Permission denied." : "No such file or directory.";
        QVERIFY2(boxes.last().text.startsWith("Error connecting to Serial Port! " + port + ": " + reason),
                 qPrintable(boxes.last().text));
        QCOMPARE(boxes.last().text.contains("\nTo get access, join the group"), denied);
        // The command stands whole on the last line.
        QCOMPARE(boxes.last().text.section('\n', -1).startsWith("sudo usermod -aG "), denied);
        QCOMPARE(dialog.description.endsWith(" [no permission]"), denied);
        QCOMPARE(window->document().isModified(), bool(0));
    }

    // The keypad vanishes while the port is set up, before the wake-up byte:
    // one message, and the window as it was.
    void keypadVanishingBeforeTheWakeUp_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("readout") << "actionReadout";
        QTest::newRow("transmit") << "actionTransmit";
    }
    void keypadVanishingBeforeTheWakeUp()
    {
        QFETCH(QString, action);
        ModalAnswerer boxes;
        startKeypad(deviceConfiguration(23, 250));
        PortDialogAnswerer dialog(line->slavePath());
        QTimer unplug;
        connect(&unplug, &QTimer::timeout, this, [&] {
            if (TransferSession::instance().port().isOpen() && line->isOpen())
                line->close();
        });
        unplug.start(1);
        button(5)->click();
        this->action(qPrintable(action))->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(boxes.seen().size(), 1, 5000);
        QCOMPARE(boxes.last().text, QString("Error connecting to seriel port!"));
        QTest::qWait(500); // nothing further comes
        QCOMPARE(boxes.seen().size(), 1);
        QCOMPARE(engine->wakeUpsSeen(), 0);
        QVERIFY(window->isEnabled());
        QCOMPARE(ButtonTable::instance().selectedButton, uint8_t(4));
        QCOMPARE(status(), QString("Button 5 active"));
    }

    void deviceIgnoringTheWakeUp()
    {
        ModalAnswerer boxes;
        KeypadFaults faults;
        faults.ignoreWakeUp = true;
        startKeypad(deviceConfiguration(23, 250), faults);
        PortDialogAnswerer dialog(line->slavePath());
        button(6)->click();
        QElapsedTimer clock;
        clock.start();
        runTransfer("actionTransmit");
        QCOMPARE(boxes.seen().size(), 1);
        QCOMPARE(boxes.last().text, ConnectError);
        // 600 ticks of 2 ms at the least.
        QVERIFY(clock.elapsed() >= 1200);
        QCOMPARE(status(), QString("Button 6 active"));
    }

    // Under the message, what the transfer left behind: the buttons a
    // transmit wrote or a readout stored before the fault; nothing more when
    // there were none.
    void faultsEndInTheCommunicationError_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("direction");
        QTest::addColumn<QString>("note");
        const QString read = "\nButtons 1 to %1 were read; the others still show the configuration "
                             "from before. Undo brings back the configuration as it was.";
        const QString written = "\nThe keypad may now hold part of the new configuration "
                                "(buttons 1 to %1 were written); write it again.";
        QTest::newRow("corrupted frames, readout") << "corrupt" << "actionReadout" << "";
        QTest::newRow("Nak storm, transmit") << "nak" << "actionTransmit" << "";
        QTest::newRow("silence after an acknowledgement")
            << "silent" << "actionReadout" << read.arg(2);
        // The second button was on the line when it broke.
        QTest::newRow("unplugged line, transmit") << "unplug" << "actionTransmit" << written.arg(2);
        QTest::newRow("unplugged line, readout") << "unplug" << "actionReadout" << read.arg(1);
    }
    void faultsEndInTheCommunicationError()
    {
        QFETCH(QString, fault);
        QFETCH(QString, direction);
        QFETCH(QString, note);
        KeypadFaults faults;
        if (fault == "corrupt")
            faults.corruptCrcFrames = 100;
        else if (fault == "nak")
            faults.nakFrames = 100;
        else if (fault == "silent")
            faults.silentAfterAnswers = 4;
        else
            faults.unplugAtFrame = 6;
        ModalAnswerer boxes;
        startKeypad(deviceConfiguration(23, 250), faults);
        PortDialogAnswerer dialog(line->slavePath());
        button(2)->click();
        runTransfer(qPrintable(direction));
        QTRY_COMPARE_WITH_TIMEOUT(boxes.seen().size(), 1, 5000);
        QCOMPARE(boxes.last().title, QString("Error"));
        QCOMPARE(boxes.last().text, CommError + note);
        QVERIFY(window->isEnabled());
        if (direction == "actionTransmit")
            QCOMPARE(status(), QString("Button 2 active"));
        else
            QCOMPARE(status(), QString("Please select a button"));
        // The window is usable again: a button can be selected.
        button(9)->click();
        QCOMPARE(status(), QString("Button 9 active"));
        QTRY_VERIFY_WITH_TIMEOUT(!TransferSession::instance().port().isOpen(), 3000);
    }
    // The window system's close during a transmit, on the main window or on
    // the progress bar, asks once. No lets the transfer go on; Yes ends it as
    // a failure does (the port closes, the keypad hears the end), says what
    // the keypad now holds, and then closes what was closed.
    void closeDuringATransfer_data()
    {
        QTest::addColumn<bool>("onProgressBar");
        QTest::addColumn<bool>("stop");
        QTest::newRow("main window, stopped") << false << true;
        QTest::newRow("progress bar, stopped") << true << true;
        QTest::newRow("main window, not stopped") << false << false;
    }
    void closeDuringATransfer()
    {
        QFETCH(bool, onProgressBar);
        QFETCH(bool, stop);
        ModalAnswerer boxes;
        startKeypad(deviceConfiguration(23, 250));
        line->setPaced(true);
        for (int b = 0; b < 23; ++b) { // a full, slow transmit
            ButtonContent &c = ButtonTable::instance().content(uint8_t(b));
            for (c.length = 0; c.length < 250; ++c.length)
                c.entries[c.length] = {uint8_t(ActionPress + c.length % 2), uint8_t(0x10 + b)};
        }
        PortDialogAnswerer dialog(line->slavePath());
        action("actionTransmit")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(progressShown() && progress()->value() >= 4, 10000);

        boxes.enqueue(stop ? QMessageBox::Yes : QMessageBox::No);
        // Through the platform window, as the window system's close arrives.
        (onProgressBar ? progress()->window() : window.get())->windowHandle()->close();
        QCOMPARE(boxes.seen().value(0).text, QString("A transfer with the keypad is running. Stop it?"));
        QCOMPARE(boxes.seen().value(0).defaultButton, QMessageBox::No);
        QCOMPARE(window->isVisible(), onProgressBar || !stop);
        if (!stop) {
            QTRY_VERIFY_WITH_TIMEOUT(window->isEnabled() && !progressShown(), 15000);
            QCOMPARE(boxes.seen().size(), 1);
            return;
        }
        QVERIFY(!TransferSession::instance().port().isOpen() && !progressShown());
        QTRY_VERIFY(engine->receivedCommands().contains(0x04));
        QCOMPARE(boxes.seen().size(), 2);
        const QRegularExpressionMatch match =
            QRegularExpression("^The transfer was stopped.\nThe keypad may now hold part of the "
                               "new configuration \\(buttons 1 to (\\d+) were written\\); "
                               "write it again.$")
                .match(boxes.last().text);
        QVERIFY2(match.hasMatch() && match.captured(1).toInt() >= 3, qPrintable(boxes.last().text));
    }

    // The idle window runs no timer as fast as a transfer's; a transfer after
    // the idle time ticks as before and reads the whole keypad.
    void idleWindowTicksOnlyDuringATransfer()
    {
        FastTimerCounter ticks;
        QTest::qWait(2000);
        QCOMPARE(ticks.count, 0);

        const ButtonTable keypad = deviceConfiguration(23, 250);
        startKeypad(keypad);
        PortDialogAnswerer dialog(line->slavePath());
        runTransfer("actionReadout");
        QVERIFY(ticks.count > 0);
        const ButtonTable &table = ButtonTable::instance();
        QCOMPARE(encodeConfig(table), encodeConfig(keypad));

        QTRY_VERIFY_WITH_TIMEOUT(!TransferSession::instance().port().isOpen(), 3000);
        ticks.count = 0;
        QTest::qWait(500);
        QCOMPARE(ticks.count, 0);
    }
};

QTEST_MAIN(TestTransfers)
#include "test_transfers.moc"
