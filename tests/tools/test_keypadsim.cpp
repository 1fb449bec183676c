// The keypad simulator program over a real pseudo-terminal: started as a
// process, its port opened like a serial port, transfers run by the frame
// layer on a 2 ms timer as the configurator does.
#include "config/buttontable.h"
#include "device/bytesink.h"
#include "device/framelayer.h"
#include "keypadmemoryfile.h"
#include "support/simulatorprocess.h"
#include "support/tablecontent.h"
#include "support/wrongkeypads.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

enum class Outcome { Done, Error, ConnectTimeout, Stuck };

void fillPattern(ButtonTable &t, int count, int length, int seed)
{
    t.buildTable();
    t.buttonCount = uint8_t(count);
    for (int i = 0; i < count; ++i) {
        ButtonContent &c = t.content(uint8_t(i));
        c.length = uint8_t(length >= 0 ? length : (i * 13 + seed) % 40);
        for (int j = 0; j < c.length; ++j)
            c.entries[size_t(j)] = {uint8_t(j % 2 ? ActionRelease : ActionPress),
                                    uint8_t((i * 17 + j / 2 + seed) % 0x90)};
    }
}

// The configurator's end of the line: its table, and the frame layer that
// writes to the serial port.
struct ConfiguratorEnd {
    ButtonTable table;
    QSerialPort port;
    IoDeviceSink sink{port};
    FrameLayer layer{table, sink};
};

// One transfer as the configurator runs it: a 2 ms timer reads every byte
// that is there, hands it to the frame layer and ticks it.
struct Transfer {
    Outcome outcome = Outcome::Stuck;
    int progressSteps = 0;
    qint64 elapsedMs = 0;
};

Transfer runTransfer(QSerialPort &port, FrameLayer &layer, TransferDirection direction,
                     int limitMs = 30000)
{
    Transfer result;
    layer.prepareTransfer(direction);
    if (!layer.sendWakeUp()) {
        result.outcome = Outcome::Error;
        return result;
    }
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer tick;
    tick.setInterval(2);
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        if (port.isOpen()) {
            const QByteArray bytes = port.readAll();
            layer.receiveBytes(bytes.constData(), bytes.size());
        }
        layer.protocolTick();
        const LinkState &l = layer.link;
        result.progressSteps = l.buttonsDone;
        if (l.end == LinkEnd::Failed)
            result.outcome = Outcome::Error;
        else if (l.end == LinkEnd::ConnectTimeout)
            result.outcome = Outcome::ConnectTimeout;
        else if (l.end == LinkEnd::Completed)
            result.outcome = Outcome::Done;
        if (result.outcome != Outcome::Stuck || clock.elapsed() > limitMs)
            loop.quit();
    });
    tick.start();
    loop.exec();
    result.elapsedMs = clock.elapsed();
    return result;
}

// Ends a transfer as the configurator does: EndTransfer, then the port is
// closed a little later.
void finishTransfer(QSerialPort &port, FrameLayer &layer)
{
    if (port.isOpen()) {
        layer.sendEndTransfer();
        port.waitForBytesWritten(1000);
        QTest::qWait(100);
        port.close();
    }
    layer.stopTransfer();
}

bool openPort(QSerialPort &port, const QString &path)
{
    port.setPortName(path);
    if (!port.open(QIODevice::ReadWrite))
        return false;
    return port.setBaudRate(QSerialPort::Baud115200) && port.setDataBits(QSerialPort::Data8)
           && port.setParity(QSerialPort::NoParity) && port.setStopBits(QSerialPort::OneStop)
           && port.setFlowControl(QSerialPort::NoFlowControl);
}

} // namespace

Q_DECLARE_METATYPE(Outcome)

class TestKeypadSim : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private Q_SLOTS:
    void readoutTransmitReadoutOverPty()
    {
        const QString file = dir.filePath("keypad.tkf");
        ButtonTable stored;
        fillPattern(stored, 23, -1, 1);
        QVERIFY(saveKeypadMemory(file, stored));

        SimulatorProcess sim;
        QVERIFY2(sim.start({file}), qPrintable(sim.process.readAllStandardError()));

        ConfiguratorEnd pc;
        pc.table.buildTable();

        QVERIFY2(openPort(pc.port, sim.port), qPrintable(pc.port.errorString()));
        Transfer t = runTransfer(pc.port, pc.layer, TransferDirection::Readout);
        QCOMPARE(t.outcome, Outcome::Done);
        QCOMPARE(t.progressSteps, 23);
        QCOMPARE(pc.table.buttonCount, uint8_t(23));
        QCOMPARE(firstDifference(pc.table, stored, 23), QString());
        finishTransfer(pc.port, pc.layer);

        // The port is opened again for the next transfer, as the configurator does.
        ButtonTable sent;
        fillPattern(sent, 23, -1, 7);
        pc.table = sent;
        QVERIFY2(openPort(pc.port, sim.port), qPrintable(pc.port.errorString()));
        t = runTransfer(pc.port, pc.layer, TransferDirection::Transmit);
        QCOMPARE(t.outcome, Outcome::Done);
        QCOMPARE(t.progressSteps, 23);
        finishTransfer(pc.port, pc.layer);

        // The simulator writes its file once the transmit has ended.
        ButtonTable inFile;
        QTRY_VERIFY_WITH_TIMEOUT(loadKeypadMemory(file, inFile) == MemoryFileStatus::Loaded
                                     && firstDifference(inFile, sent, 23).isEmpty(),
                                 5000);

        pc.table.buildTable();
        QVERIFY2(openPort(pc.port, sim.port), qPrintable(pc.port.errorString()));
        t = runTransfer(pc.port, pc.layer, TransferDirection::Readout);
        QCOMPARE(t.outcome, Outcome::Done);
        QCOMPARE(firstDifference(pc.table, sent, 23), QString());
        finishTransfer(pc.port, pc.layer);
        QCOMPARE(sim.process.state(), QProcess::Running);
    }

    void options_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("direction");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QString>("logged"); // a text the verbose log must hold

        QTest::newRow("device sizes")
            << QStringList{"--buttons", "6", "--max-entries", "30"} << 0 << Outcome::Done << 6
            << QString();
        QTest::newRow("damaged CRCs, logged")
            << QStringList{"--corrupt-crc", "3", "--verbose"} << 0 << Outcome::Done << 23
            << QString("CRC damaged");
        QTest::newRow("rejections") << QStringList{"--nak", "4"} << 1 << Outcome::Error << 0
                                    << QString();
        QTest::newRow("lost byte") << QStringList{"--drop-bytes", "1", "-v"} << 1 << Outcome::Done
                                   << 23 << QString("last byte lost");
        QTest::newRow("silent") << QStringList{"--silent-after-ack", "4"} << 0 << Outcome::Error
                                << 2 << QString();
        QTest::newRow("wake-up ignored") << QStringList{"--ignore-wakeup"} << 0
                                         << Outcome::ConnectTimeout << 0 << QString();
    }
    void options()
    {
        QFETCH(QStringList, options);
        QFETCH(int, direction);
        QFETCH(Outcome, outcome);
        QFETCH(int, buttons);
        QFETCH(QString, logged);

        const QString file = dir.filePath(QString("options-%1.tkf").arg(QTest::currentDataTag()));
        ButtonTable stored;
        fillPattern(stored, 23, -1, 3);
        QVERIFY(saveKeypadMemory(file, stored));
        SimulatorProcess sim;
        QVERIFY(sim.start(options << file));

        ConfiguratorEnd pc;
        fillPattern(pc.table, 23, -1, 4);
        QVERIFY(openPort(pc.port, sim.port));
        const auto way = direction ? TransferDirection::Transmit : TransferDirection::Readout;
        const Transfer t = runTransfer(pc.port, pc.layer, way);
        QCOMPARE(t.outcome, outcome);
        QCOMPARE(t.progressSteps, buttons);
        if (outcome == Outcome::Done && direction == 0)
            QCOMPARE(firstDifference(pc.table, stored, buttons), QString());
        finishTransfer(pc.port, pc.layer);
        if (!logged.isEmpty())
            QVERIFY(QString::fromLocal8Bit(sim.process.readAllStandardError()).contains(logged));
    }

    // The wrong keypads of the frame layer's bench, now as the simulator
    // program plays them over a pseudo-terminal.
    void wrongKeypad_data() { addWrongKeypadRows(); }
    void wrongKeypad()
    {
        QFETCH(bool, transmit);
        QFETCH(QStringList, options);
        QFETCH(bool, completes);
        const QString file = dir.filePath("wrong.tkf");
        ButtonTable stored;
        fillPattern(stored, 23, -1, 3);
        QVERIFY(saveKeypadMemory(file, stored));
        SimulatorProcess sim;
        QVERIFY(sim.start(options << "--verbose" << file));

        ConfiguratorEnd pc;
        fillPattern(pc.table, 23, -1, 4);
        const ButtonTable tableBefore = pc.table;
        QVERIFY(openPort(pc.port, sim.port));
        const Transfer t = runTransfer(pc.port, pc.layer,
                                       transmit ? TransferDirection::Transmit : TransferDirection::Readout);
        QCOMPARE(t.outcome, completes ? Outcome::Done : Outcome::Error);
        QVERIFY2(t.elapsedMs < 10000, qPrintable(QString::number(t.elapsedMs)));
        finishTransfer(pc.port, pc.layer);

        // The keypad's log up to the end: no button frame of the other direction.
        QString log;
        QTRY_VERIFY_WITH_TIMEOUT((log += sim.process.readAllStandardError()).contains("EndTransfer"), 5000);
        QVERIFY(!log.contains(transmit ? "PC -> keypad: C3 00 " : "PC -> keypad: C3 01 "));
        if (completes || transmit)
            QCOMPARE(firstDifference(pc.table, transmit ? tableBefore : stored, 23), QString());
    }

    // At line rate every byte takes about 87 µs; without pacing the same
    // readout is limited only by the 2 ms tick.
    void pacedOutputTakesLineTime()
    {
        const QString file = dir.filePath("paced.tkf");
        ButtonTable stored;
        fillPattern(stored, 8, 250, 5);
        QVERIFY(saveKeypadMemory(file, stored));
        // Ack(7F), Ack + answer for the count and the maximum, and per button
        // an Ack and an answer of 8 + 2 + 2 × 250 bytes.
        const int deviceBytes = 9 + 2 * (9 + 9) + 8 * (9 + 8 + 2 + 500);
        const double lineMs = deviceBytes * 10.0 / 115200 * 1000;

        SimulatorProcess sim;
        QVERIFY(sim.start({"--paced", file}));
        ConfiguratorEnd pc;
        pc.table.buildTable();
        QVERIFY(openPort(pc.port, sim.port));
        const Transfer t = runTransfer(pc.port, pc.layer, TransferDirection::Readout);
        QCOMPARE(t.outcome, Outcome::Done);
        QCOMPARE(firstDifference(pc.table, stored, 8), QString());
        QVERIFY2(t.elapsedMs >= qint64(lineMs * 0.9),
                 qPrintable(QString("%1 ms for %2 ms of line time").arg(t.elapsedMs).arg(lineMs)));
        finishTransfer(pc.port, pc.layer);
    }

    void unplugEndsTransferAndProgram()
    {
        const QString file = dir.filePath("unplug.tkf");
        SimulatorProcess sim;
        QVERIFY(sim.start({"--unplug-after", "5", file}));
        ConfiguratorEnd pc;
        pc.table.buildTable();
        QVERIFY(openPort(pc.port, sim.port));
        const Transfer t = runTransfer(pc.port, pc.layer, TransferDirection::Readout);
        QCOMPARE(t.outcome, Outcome::Error);
        QVERIFY(t.progressSteps < 23);
        if (sim.process.state() != QProcess::NotRunning)
            QVERIFY(sim.process.waitForFinished(5000));
        QCOMPARE(sim.process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(sim.process.exitCode(), 0);
        finishTransfer(pc.port, pc.layer);
        QVERIFY(!QFile::exists(file)); // nothing was transmitted, nothing written
    }

    void refusesBadStart_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("fileContent"); // empty: no file
        QTest::addColumn<int>("exitCode");
        QTest::newRow("no file named") << QStringList{} << QByteArray() << 2;
        QTest::newRow("too many buttons") << QStringList{"--buttons", "256"} << QByteArray() << 2;
        QTest::newRow("not a number") << QStringList{"--nak", "x"} << QByteArray() << 2;
        QTest::newRow("not a configuration") << QStringList{} << QByteArray("hello") << 1;
    }
    void refusesBadStart()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, fileContent);
        QFETCH(int, exitCode);
        if (QTest::currentDataTag() != QLatin1String("no file named")) {
            const QString file = dir.filePath("bad.tkf");
            QFile::remove(file);
            if (!fileContent.isEmpty()) {
                QFile f(file);
                QVERIFY(f.open(QIODevice::WriteOnly));
                f.write(fileContent);
            }
            arguments << file;
        }
        QProcess process;
        process.start(QStringLiteral(QM47_KEYPAD_SIM), arguments);
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitCode(), exitCode);
        QVERIFY(process.readAllStandardOutput().isEmpty()); // no port announced
    }
};

QTEST_GUILESS_MAIN(TestKeypadSim)
#include "test_keypadsim.moc"
