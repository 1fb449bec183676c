// The transfer driver's two ways of closing the port, over a real serial port
// to the simulated keypad on a pseudo-terminal.
#include "config/buttontable.h"
#include "device/transferdriver.h"
#include "device/transfersession.h"
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
};

QTEST_GUILESS_MAIN(TestTransferDriver)
#include "test_transferdriver.moc"
