// The transfer driver's two ways of closing the port, over a real serial port
// to the simulated keypad on a pseudo-terminal.
#include "config/buttontable.h"
#include "serial/transferdriver.h"
#include "serial/transfersession.h"
#include "keypadengine.h"
#include "keypadline.h"

#include <QElapsedTimer>
#include <QtTest>

class TestTransferDriver : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void closePolicies_data()
    {
        QTest::addColumn<bool>("drain");
        QTest::addColumn<bool>("readout");
        QTest::newRow("window, transmit: closed after the delay") << false << false;
        QTest::newRow("command line, transmit: closed once drained") << true << false;
        QTest::newRow("command line, readout: closed once drained") << true << true;
    }
    void closePolicies()
    {
        QFETCH(bool, drain);
        QFETCH(bool, readout);
        ButtonTable memory;
        memory.buildTable();
        memory.buttonCount = 3;
        KeypadEngine engine(memory);
        KeypadLine line(engine);
        QString error;
        QVERIFY2(line.open(&error), qPrintable(error));

        ButtonTable table;
        table.buildTable();
        TransferSession session(table);
        TransferDriver driver(session, drain ? ClosePolicy::DrainThenClose : ClosePolicy::AfterDelay);
        // Started with the last button, before the end-of-transfer frame goes out.
        QElapsedTimer sinceLastButton;
        bool openAtConclusion = false;
        qint64 closedAfter = -1;
        connect(&driver, &TransferDriver::progressed, this, [&](int done, int total) {
            if (done == total)
                sinceLastButton.start();
        });
        connect(&driver, &TransferDriver::concluded, this,
                [&] { openAtConclusion = session.port().isOpen(); });
        connect(&driver, &TransferDriver::closed, this,
                [&] { closedAfter = sinceLastButton.isValid() ? sinceLastButton.elapsed() : -1; });

        PortRecord port;
        port.portName = port.systemLocation = line.slavePath();
        driver.start(port, readout ? TransferDirection::Readout : TransferDirection::Transmit);
        QTRY_VERIFY_WITH_TIMEOUT(!driver.isRunning(), 15000);
        QCOMPARE(driver.result().outcome, TransferOutcome::Completed);
        QCOMPARE(driver.result().buttonsDone, 3);
        QVERIFY(!session.port().isOpen());
        QCOMPARE(openAtConclusion, !drain);
        if (!drain)
            QVERIFY2(closedAfter >= TransferDriver::ClosingDelayMs, qPrintable(QString::number(closedAfter)));
        // However soon the port closed, the end-of-transfer frame reached the keypad.
        QTRY_VERIFY_WITH_TIMEOUT(engine.receivedCommands().contains(0x04), 10000);
    }

    // The one result the front ends show, settled by the driver.
    void results_data()
    {
        QTest::addColumn<bool>("readout");
        QTest::addColumn<int>("keypadButtons");
        QTest::addColumn<int>("silentAfterAnswers"); // -1: answers everything
        QTest::addColumn<int>("muteAtFrame");        // -1: never falls silent
        QTest::addColumn<bool>("portMissing");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("buttonsDone");
        QTest::addColumn<int>("maybeStored");
        QTest::addColumn<QList<int>>("notSent");

        const int completed = int(TransferOutcome::Completed);
        const int broken = int(TransferOutcome::CommunicationError);
        QTest::newRow("readout completed") << true << 3 << -1 << -1 << false << completed << 3 << 0
                                           << QList<int>{};
        QTest::newRow("transmit to a smaller keypad: what it did not take")
            << false << 3 << -1 << -1 << false << completed << 3 << 3 << QList<int>{3};
        QTest::newRow("readout broken off after one button")
            << true << 3 << 3 << -1 << false << broken << 1 << 0 << QList<int>{};
        // Frames 5 and 6 are the first two buttons; the third is stored unanswered.
        QTest::newRow("transmit: the keypad falls silent, the button on the line counts")
            << false << 3 << -1 << 7 << false << broken << 2 << 3 << QList<int>{};
        QTest::newRow("port missing: the keypad never asked")
            << true << 3 << -1 << -1 << true << int(TransferOutcome::PortInUse) << 0 << 0
            << QList<int>{};
    }
    void results()
    {
        QFETCH(bool, readout);
        QFETCH(int, keypadButtons);
        QFETCH(int, silentAfterAnswers);
        QFETCH(int, muteAtFrame);
        QFETCH(bool, portMissing);
        QFETCH(int, outcome);
        QFETCH(int, buttonsDone);
        QFETCH(int, maybeStored);
        QFETCH(QList<int>, notSent);
        ButtonTable memory;
        memory.buildTable();
        memory.buttonCount = uint8_t(keypadButtons);
        KeypadEngine engine(memory);
        KeypadFaults faults;
        faults.silentAfterAnswers = silentAfterAnswers;
        faults.muteAtFrame = muteAtFrame;
        engine.setFaults(faults);
        KeypadLine line(engine);
        QString error;
        QVERIFY2(line.open(&error), qPrintable(error));

        ButtonTable table;
        table.buildTable();
        table.content(3).length = 2; // button 4, beyond a three-button keypad
        table.content(3).entries[0] = {ActionPress, 0x1C};
        table.content(3).entries[1] = {ActionRelease, 0x1C};
        TransferSession session(table);
        TransferDriver driver(session, ClosePolicy::DrainThenClose);
        QList<TransferResult> concluded;
        connect(&driver, &TransferDriver::concluded, this,
                [&](const TransferResult &r) { concluded << r; });
        PortRecord port;
        port.portName = port.systemLocation =
            portMissing ? QStringLiteral("/dev/qm47-no-such-port") : line.slavePath();
        driver.start(port, readout ? TransferDirection::Readout : TransferDirection::Transmit);
        QTRY_VERIFY_WITH_TIMEOUT(!driver.isRunning(), 20000);

        QCOMPARE(concluded.size(), 1);
        const TransferResult &r = concluded.first();
        QCOMPARE(int(r.outcome), outcome);
        QCOMPARE(r.direction, readout ? TransferDirection::Readout : TransferDirection::Transmit);
        QCOMPARE(r.buttonsDone, buttonsDone);
        QCOMPARE(r.buttonsMaybeStored, maybeStored);
        QCOMPARE(r.keypadMayHaveChanged(), maybeStored > 0);
        QCOMPARE(r.message.isEmpty(), r.succeeded());
        QCOMPARE(r.message, transferMessage(r.outcome, session.openFailure()));
        QCOMPARE(r.keypadAsked(), !portMissing);
        QCOMPARE(r.keypadButtonCount, portMissing ? 0 : keypadButtons);
        QCOMPARE(r.partial(), !r.succeeded() && (readout ? buttonsDone : maybeStored) > 0);
        QCOMPARE(r.shortfall.notSent, notSent);
        QCOMPARE(driver.result().outcome, r.outcome);
    }
};

QTEST_GUILESS_MAIN(TestTransferDriver)
#include "test_transferdriver.moc"
