// Whole readouts and transmits of the frame layer against the simulated
// keypad, tick by tick, with and without the keypad's faults.
#include "config/buttontable.h"
#include "device/framelayer.h"
#include "keypadengine.h"
#include "support/recordingsink.h"
#include "support/tablecontent.h"
#include "support/wrongkeypads.h"

#include <QtTest>

#include <memory>

namespace {

// Fills buttons 0..count-1 with scripts of varying length, up to `longest`
// entries. Keys include 0xC3 and 0x7F, the start and wake-up bytes.
void fillPattern(ButtonTable &t, int count, int longest, int seed)
{
    for (int i = 0; i < count; ++i) {
        ButtonContent &c = t.content(uint8_t(i));
        c.length = uint8_t(i == 0 ? longest : (i * 7 + seed) % (longest + 1));
        for (int j = 0; j < c.length; ++j) {
            const uint8_t key = uint8_t((j * 31 + i * 5 + seed) % 256);
            c.entries[size_t(j)] = {uint8_t(j % 3 == 2 ? ActionDelay : (j % 2 ? ActionRelease : ActionPress)),
                                    uint8_t(j == 1 ? 0xC3 : j == 2 ? 0x7F : key)};
        }
    }
}

enum class Outcome { Done, Error, ConnectTimeout, Stuck };

// The configurator's frame layer wired to a simulated keypad. Each tick the
// keypad gets what the layer wrote, and the layer gets what the keypad sent:
// everything at once, or one byte per tick like a slow driver.
struct Bench {
    ButtonTable table;
    RecordingSink sink;
    FrameLayer layer{table, sink};
    KeypadEngine device;
    QByteArray toPc;
    bool bytePerTick = false;
    int progressSteps = 0;
    int ticks = 0;

    Bench() { table.buildTable(); }

    void tick()
    {
        device.receive(sink.takeAll());
        if (device.isUnplugged())
            sink.open = false;
        toPc += device.takeOutput();
        if (bytePerTick) {
            if (!toPc.isEmpty()) {
                layer.receiveByte(uint8_t(toPc.at(0)));
                toPc.remove(0, 1);
            }
        } else {
            layer.receiveBytes(toPc.constData(), toPc.size());
            toPc.clear();
        }
        layer.protocolTick();
        ++ticks;
        progressSteps = layer.link.buttonsDone;
    }

    Outcome run(TransferDirection direction, int maxTicks = 200000)
    {
        ticks = 0;
        progressSteps = 0;
        layer.prepareTransfer(direction);
        if (!layer.sendWakeUp())
            return Outcome::Error;
        while (ticks < maxTicks) {
            tick();
            switch (layer.link.end) {
            case LinkEnd::None:
                break;
            case LinkEnd::Failed:
                return Outcome::Error;
            case LinkEnd::ConnectTimeout:
                return Outcome::ConnectTimeout;
            case LinkEnd::Completed:
                return Outcome::Done;
            }
        }
        return Outcome::Stuck;
    }

    void finish()
    {
        if (sink.isOpen())
            layer.sendEndTransfer();
        device.receive(sink.takeAll());
        layer.stopTransfer();
    }
};

} // namespace

Q_DECLARE_METATYPE(Outcome)

class TestFrameTransfer : public QObject
{
    Q_OBJECT

    void sizes()
    {
        QTest::addColumn<bool>("bytePerTick");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("maxEntries");
        for (bool perTick : {false, true}) {
            const char *mode = perTick ? "byte per tick" : "all bytes per tick";
            QTest::addRow("%s, 23 x 250", mode) << perTick << 23 << 250;
            QTest::addRow("%s, 5 x 40", mode) << perTick << 5 << 40;
            QTest::addRow("%s, 40 x 255 (beyond the usual table)", mode) << perTick << 40 << 255;
            QTest::addRow("%s, 1 x 0", mode) << perTick << 1 << 0;
        }
    }

private Q_SLOTS:
    void wholeReadout_data() { sizes(); }
    void wholeReadout()
    {
        QFETCH(bool, bytePerTick);
        QFETCH(int, buttons);
        QFETCH(int, maxEntries);
        Bench bench;
        bench.bytePerTick = bytePerTick;
        ButtonTable &memory = bench.device.memory();
        memory.buttonCount = uint8_t(buttons);
        memory.maxEntries = uint16_t(maxEntries);
        fillPattern(memory, buttons, maxEntries, 3);
        fillPattern(bench.table, 23, 10, 9); // replaced by the readout

        QCOMPARE(bench.run(TransferDirection::Readout), Outcome::Done);
        QCOMPARE(bench.table.buttonCount, uint8_t(buttons));
        QCOMPARE(bench.table.maxEntries, uint16_t(maxEntries));
        QCOMPARE(firstDifference(bench.table, memory, buttons), QString());
        QCOMPARE(bench.progressSteps, buttons);
        bench.finish();
        QCOMPARE(bench.device.receivedCommands().last(), uint8_t(CmdEndTransfer));
        QVERIFY(!bench.device.takeMemoryChanged());
    }

    void wholeTransmit_data() { sizes(); }
    void wholeTransmit()
    {
        QFETCH(bool, bytePerTick);
        QFETCH(int, buttons);
        QFETCH(int, maxEntries);
        Bench bench;
        bench.bytePerTick = bytePerTick;
        ButtonTable &memory = bench.device.memory();
        memory.buttonCount = uint8_t(buttons);
        memory.maxEntries = uint16_t(maxEntries);
        fillPattern(memory, buttons, maxEntries, 5); // overwritten by the transmit
        fillPattern(bench.table, 255, maxEntries, 11);

        QCOMPARE(bench.run(TransferDirection::Transmit), Outcome::Done);
        // The keypad's counts govern the transfer only; the table keeps its own.
        QCOMPARE(bench.table.buttonCount, ButtonTable::DefaultButtonCount);
        QCOMPARE(bench.table.maxEntries, ButtonTable::DefaultMaxEntries);
        QCOMPARE(firstDifference(memory, bench.table, buttons), QString());
        QCOMPARE(bench.progressSteps, buttons);
        int setButtons = 0;
        for (uint8_t c : bench.device.receivedCommands())
            setButtons += c == CmdSetButton;
        QCOMPARE(setButtons, buttons);
        QVERIFY(!bench.device.takeMemoryChanged()); // kept only at the end
        bench.finish();
        QVERIFY(bench.device.takeMemoryChanged());
    }

    void transmitThenReadoutGivesTheSameTable()
    {
        Bench bench;
        fillPattern(bench.table, 23, 250, 17);
        const ButtonTable sent = bench.table;
        QCOMPARE(bench.run(TransferDirection::Transmit), Outcome::Done);
        bench.finish();
        bench.table.buildTable();
        QCOMPARE(bench.run(TransferDirection::Readout), Outcome::Done);
        bench.finish();
        QCOMPARE(firstDifference(bench.table, sent, 23), QString());
    }

    void faults_data()
    {
        QTest::addColumn<bool>("bytePerTick");
        QTest::addColumn<int>("direction");
        QTest::addColumn<KeypadFaults>("faults");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<int>("buttonsDone"); // progress steps; -1: not checked

        for (bool perTick : {false, true}) {
            const char *mode = perTick ? "per tick" : "at once";
            for (int dir : {0, 1}) {
                const char *d = dir ? "transmit" : "readout";
                KeypadFaults f;
                f.ignoreWakeUp = true;
                QTest::addRow("%s %s: wake-up ignored", mode, d)
                    << perTick << dir << f << Outcome::ConnectTimeout << 0;
                f = {};
                f.silentAfterAnswers = 0;
                QTest::addRow("%s %s: silent after first Ack", mode, d)
                    << perTick << dir << f << Outcome::Error << 0;
                f = {};
                f.corruptCrcFrames = 3;
                QTest::addRow("%s %s: 3 damaged CRCs", mode, d)
                    << perTick << dir << f << Outcome::Done << 23;
                f = {};
                f.corruptCrcFrames = 4;
                QTest::addRow("%s %s: 4 damaged CRCs", mode, d)
                    << perTick << dir << f << Outcome::Error << 0;
                f = {};
                f.nakFrames = 3;
                QTest::addRow("%s %s: 3 rejections", mode, d)
                    << perTick << dir << f << Outcome::Done << 23;
                f = {};
                f.nakFrames = 4;
                QTest::addRow("%s %s: 4 rejections", mode, d)
                    << perTick << dir << f << Outcome::Error << 0;
                f = {};
                f.dropByteFrames = 1;
                QTest::addRow("%s %s: a frame loses a byte", mode, d)
                    << perTick << dir << f << Outcome::Done << 23;
                f = {};
                f.unplugAtFrame = 6;
                QTest::addRow("%s %s: unplugged", mode, d)
                    << perTick << dir << f << Outcome::Error << -1;
            }
            KeypadFaults f;
            f.silentAfterAnswers = 5; // count, maximum, buttons 0 to 2
            QTest::addRow("%s readout: silent after 3 buttons", mode)
                << perTick << 0 << f << Outcome::Error << 3;
        }
    }
    void faults()
    {
        QFETCH(bool, bytePerTick);
        QFETCH(int, direction);
        QFETCH(KeypadFaults, faults);
        QFETCH(Outcome, outcome);
        QFETCH(int, buttonsDone);
        Bench bench;
        bench.bytePerTick = bytePerTick;
        fillPattern(bench.device.memory(), 23, 250, 1);
        fillPattern(bench.table, 23, 250, 2);
        bench.device.setFaults(faults);
        const ButtonTable deviceBefore = bench.device.memory();
        const ButtonTable tableBefore = bench.table;

        const auto dir = direction ? TransferDirection::Transmit : TransferDirection::Readout;
        QCOMPARE(bench.run(dir), outcome);
        if (buttonsDone >= 0)
            QCOMPARE(bench.progressSteps, buttonsDone);
        if (outcome == Outcome::Done) {
            const ButtonTable &target = direction ? bench.device.memory() : bench.table;
            const ButtonTable &source = direction ? tableBefore : deviceBefore;
            QCOMPARE(firstDifference(target, source, 23), QString());
        }
        if (outcome == Outcome::ConnectTimeout)
            QCOMPARE(bench.ticks, FrameLayer::WakeUpWaitLimit + 1);

        // Nothing fires once the transfer is over.
        bench.finish();
        bench.layer.link.end = LinkEnd::None;
        for (int i = 0; i < 3000; ++i)
            bench.tick();
        QCOMPARE(bench.layer.link.end, LinkEnd::None);
    }

    // Each keypad that answers wrongly, in each direction: the transfer ends
    // within a bound, completes only with the exact data, and a readout
    // writes nothing to the keypad (a transmit nothing to the table).
    void wrongKeypad_data() { addWrongKeypadRows(); }
    void wrongKeypad()
    {
        QFETCH(bool, transmit);
        QFETCH(KeypadFaults, faults);
        QFETCH(bool, completes);
        Bench bench;
        fillPattern(bench.device.memory(), 23, 40, 1);
        fillPattern(bench.table, 23, 40, 2);
        bench.device.setFaults(faults);
        // The side that may be written gets the other's buttons, or keeps its own.
        const ButtonTable source = transmit ? bench.table : bench.device.memory();
        const ButtonTable &written = transmit ? bench.device.memory() : bench.table;
        const ButtonTable &untouched = transmit ? bench.table : bench.device.memory();

        const auto dir = transmit ? TransferDirection::Transmit : TransferDirection::Readout;
        QCOMPARE(bench.run(dir, 3 * FrameLayer::AckWaitLimit), completes ? Outcome::Done : Outcome::Error);
        QCOMPARE(firstDifference(untouched, source, 23), QString());
        QVERIFY(!bench.device.receivedCommands().contains(transmit ? CmdGetButton : CmdSetButton));
        if (completes) {
            QCOMPARE(firstDifference(written, source, 23), QString());
            QCOMPARE(bench.progressSteps, 23);
        }
    }

    // A failed transfer leaves nothing behind that spoils the next one.
    void transferAfterFailureStartsClean()
    {
        Bench bench;
        bench.bytePerTick = true;
        fillPattern(bench.device.memory(), 23, 250, 4);
        KeypadFaults f;
        f.silentAfterAnswers = 4;
        bench.device.setFaults(f);
        QCOMPARE(bench.run(TransferDirection::Readout), Outcome::Error);
        bench.finish();

        // The device restarts without faults; the receiver was left inside a
        // frame, which would swallow the next wake-up acknowledgement.
        ButtonTable memory = bench.device.memory();
        bench.device = KeypadEngine(memory);
        bench.layer.receiveByte(0xC3);
        bench.layer.receiveByte(0x00);
        bench.layer.link.naksSent = 3;
        bench.layer.link.resendCount = 3;
        QCOMPARE(bench.run(TransferDirection::Readout), Outcome::Done);
        QCOMPARE(firstDifference(bench.table, memory, 23), QString());
    }
};

QTEST_GUILESS_MAIN(TestFrameTransfer)
#include "test_frametransfer.moc"
