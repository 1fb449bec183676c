// The simulated keypad on its own: bytes in, bytes out.
#include "config/buttontable.h"
#include "config/crc32.h"
#include "file/tkffile.h"
#include "keypadengine.h"
#include "keypadmemoryfile.h"
#include "support/buttonframe.h"
#include "support/recordingsink.h"
#include "support/tablecontent.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

bool crcIntact(const QByteArray &frame)
{
    const int body = frame.size() - 4;
    uint32_t stored = 0;
    for (int i = 0; i < 4; ++i)
        stored |= uint32_t(uint8_t(frame.at(body + i))) << (8 * i);
    return frameCrc(reinterpret_cast<const uint8_t *>(frame.constData()), size_t(body)) == stored;
}

} // namespace

class TestKeypadEngine : public QObject
{
    Q_OBJECT

    KeypadEngine engine;

    QByteArray exchange(const QByteArray &in)
    {
        engine.receive(in);
        return engine.takeOutput();
    }

private Q_SLOTS:
    void init()
    {
        ButtonTable memory;
        memory.buildTable();
        memory.content(0).entries[0] = {ActionPress, 0x1C};
        memory.content(0).entries[1] = {ActionRelease, 0x1C};
        memory.content(0).length = 2;
        engine = KeypadEngine(memory);
    }

    void answersEachRequestAfterAcknowledging_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("wake-up") << QByteArray(1, char(CmdWakeUp))
                                 << QByteArray::fromHex("C38001007F41294455");
        QTest::newRow("button count")
            << wire(CmdGetButtonCount) << wire(CmdAck, {CmdGetButtonCount}) + wire(CmdGetButtonCount, {23});
        QTest::newRow("maximum")
            << wire(CmdGetMaxEntries) << wire(CmdAck, {CmdGetMaxEntries}) + wire(CmdGetMaxEntries, {250});
        QTest::newRow("button 0")
            << wire(CmdGetButton, {0})
            << wire(CmdAck, {CmdGetButton}) + wire(CmdGetButton, {0, 2, 2, 0x1C, 3, 0x1C});
        QTest::newRow("button it does not have")
            << wire(CmdGetButton, {23}) << wire(CmdAck, {CmdGetButton}) + wire(CmdGetButton, {23, 0});
        QTest::newRow("EndTransfer") << wire(CmdEndTransfer) << wire(CmdAck, {CmdEndTransfer});
        QTest::newRow("unknown command") << wire(0x55, {1}) << wire(CmdAck, {0x55});
        QTest::newRow("Ack is not acknowledged") << wire(CmdAck, {CmdGetButton}) << QByteArray();
        QTest::newRow("noise between frames") << QByteArray::fromHex("0012FE") << QByteArray();
        QTest::newRow("bad CRC") << wire(CmdGetButtonCount).left(7) + "x"
                                 << wire(CmdNak, {CmdGetButtonCount, 0});
        QTest::newRow("payload too long announced")
            << QByteArray::fromHex("C3010102") << wire(CmdNak, {CmdSetButton, 2});
    }
    void answersEachRequestAfterAcknowledging()
    {
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, reply);
        QCOMPARE(exchange(request).toHex(' '), reply.toHex(' '));
    }

    void resendsLastFrameOnNak()
    {
        const QByteArray answer = wire(CmdGetButtonCount, {23});
        QVERIFY(exchange(wire(CmdGetButtonCount)).endsWith(answer));
        QCOMPARE(exchange(wire(CmdNak, {CmdGetButtonCount, 0})), answer);
        QCOMPARE(exchange(wire(CmdNak, {CmdGetButtonCount, 0})), answer);
    }

    void storesSetButtonWithinItsLimits()
    {
        engine.memory().maxEntries = 3;
        const QList<ContentEntry> four{{2, 1}, {3, 1}, {2, 2}, {3, 2}};
        QCOMPARE(exchange(buttonFrame(CmdSetButton, 5, four).toWire()), wire(CmdAck, {CmdSetButton}));
        QCOMPARE(entriesOf(engine.memory().content(5)), four.mid(0, 3));

        // A button beyond its count is acknowledged but not kept.
        exchange(buttonFrame(CmdSetButton, 23, four).toWire());
        QCOMPARE(engine.memory().content(23).length, uint8_t(0));

        // An entry count beyond the payload stores only what came.
        Frame lying = buttonFrame(CmdSetButton, 6, {{2, 9}});
        lying.payload[1] = 200;
        lying.seal();
        exchange(lying.toWire());
        QCOMPARE(entriesOf(engine.memory().content(6)), (QList<ContentEntry>{{2, 9}}));
    }

    void corruptStoreKeepsOneKeyChanged()
    {
        KeypadFaults f;
        f.corruptStoreButton = 2;
        f.corruptStoreEntry = 1;
        engine.setFaults(f);
        const QList<ContentEntry> sent{{2, 0x1C}, {3, 0x1C}, {250, 2}, {250, 3}};
        // Acknowledged as usual, stored with entry 1 changed, on every store.
        for (int round = 0; round < 2; ++round) {
            QCOMPARE(exchange(buttonFrame(CmdSetButton, 2, sent).toWire()), wire(CmdAck, {CmdSetButton}));
            QList<ContentEntry> kept = sent;
            kept[1].key = 0x1D;
            QCOMPARE(entriesOf(engine.memory().content(2)), kept);
        }
        // Other buttons, and an entry the button does not hold, stay intact.
        exchange(buttonFrame(CmdSetButton, 3, sent).toWire());
        QCOMPARE(entriesOf(engine.memory().content(3)), sent);
        exchange(buttonFrame(CmdSetButton, 2, sent.mid(0, 1)).toWire());
        QCOMPARE(entriesOf(engine.memory().content(2)), sent.mid(0, 1));
    }

    void memoryChangeReportedOnceAtTheEnd()
    {
        exchange(QByteArray(1, char(CmdWakeUp)));
        exchange(buttonFrame(CmdSetButton, 1, {{2, 4}}).toWire());
        QVERIFY(!engine.takeMemoryChanged());
        exchange(wire(CmdEndTransfer));
        QVERIFY(engine.takeMemoryChanged());
        QVERIFY(!engine.takeMemoryChanged());
        // A readout changes nothing.
        exchange(QByteArray(1, char(CmdWakeUp)) + wire(CmdGetButton, {0}) + wire(CmdEndTransfer));
        QVERIFY(!engine.takeMemoryChanged());
    }

    void partialFrameDroppedWhenLineGoesQuiet()
    {
        exchange(wire(CmdGetButtonCount).left(5));
        QVERIFY(engine.frameInProgress());
        engine.abortPartialFrame();
        QVERIFY(!engine.frameInProgress());
        QCOMPARE(exchange(QByteArray(1, char(CmdWakeUp))), wire(CmdAck, {CmdWakeUp}));
    }

    void faultsCountDown()
    {
        KeypadFaults f;
        f.corruptCrcFrames = 2;
        f.dropByteFrames = 1;
        engine.setFaults(f);
        const QByteArray good = wire(CmdAck, {CmdWakeUp});
        QByteArray out = exchange(QByteArray(1, char(CmdWakeUp)));
        QCOMPARE(out.size(), good.size() - 1); // a byte lost, CRC damaged too
        QCOMPARE(out, good.left(good.size() - 1));
        out = exchange(wire(CmdNak, {CmdAck, 0}));
        QCOMPARE(out.size(), good.size());
        QVERIFY(!crcIntact(out));
        out = exchange(wire(CmdNak, {CmdAck, 0}));
        QCOMPARE(out, good);
    }

    void rejectsFramesWhenTold()
    {
        KeypadFaults f;
        f.nakFrames = 2;
        engine.setFaults(f);
        QCOMPARE(exchange(wire(CmdGetButtonCount)), wire(CmdNak, {CmdGetButtonCount, 0}));
        QCOMPARE(exchange(buttonFrame(CmdSetButton, 0, {}).toWire()), wire(CmdNak, {CmdSetButton, 0}));
        QCOMPARE(engine.memory().content(0).length, uint8_t(2)); // not acted on
        QVERIFY(exchange(wire(CmdGetButtonCount)).startsWith(wire(CmdAck, {CmdGetButtonCount})));
    }

    void staysSilentAfterAcknowledging()
    {
        KeypadFaults f;
        f.silentAfterAnswers = 1;
        engine.setFaults(f);
        QCOMPARE(exchange(wire(CmdGetButtonCount)),
                 wire(CmdAck, {CmdGetButtonCount}) + wire(CmdGetButtonCount, {23}));
        QCOMPARE(exchange(wire(CmdGetMaxEntries)), wire(CmdAck, {CmdGetMaxEntries}));
        QCOMPARE(exchange(wire(CmdGetButton, {0})), wire(CmdAck, {CmdGetButton}));
    }

    void ignoresWakeUpWhenTold()
    {
        KeypadFaults f;
        f.ignoreWakeUp = true;
        engine.setFaults(f);
        QCOMPARE(exchange(QByteArray(3, char(CmdWakeUp))), QByteArray());
        QCOMPARE(engine.wakeUpsSeen(), 3);
    }

    void unplugsAtTheGivenFrame()
    {
        KeypadFaults f;
        f.unplugAtFrame = 2;
        engine.setFaults(f);
        QVERIFY(!exchange(wire(CmdGetButtonCount)).isEmpty());
        QVERIFY(!engine.isUnplugged());
        QCOMPARE(exchange(wire(CmdGetMaxEntries)), QByteArray()); // not even acknowledged
        QVERIFY(engine.isUnplugged());
        QCOMPARE(exchange(QByteArray(1, char(CmdWakeUp))), QByteArray());
    }

    void logsFramesInBothDirections()
    {
        QStringList lines;
        engine.setLogger([&](const QString &l) { lines << l; });
        exchange(wire(CmdGetButtonCount));
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[0].startsWith("PC -> keypad: C3 03 00 00 66 7D FF 8D"));
        QVERIFY(lines[0].endsWith("GetButtonCount"));
        QVERIFY(lines[1].startsWith("keypad -> PC: C3 80 01 00 03"));
        QVERIFY(lines[2].endsWith("GetButtonCount"));
    }

    // --- the memory file ----------------------------------------------------

    void memoryFileRoundTrip()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("keypad.tkf");
        ButtonTable memory;
        QCOMPARE(loadKeypadMemory(path, memory), MemoryFileStatus::Missing);
        memory.buttonCount = 4;
        memory.maxEntries = 100;
        memory.content(3).entries[0] = {ActionDelay, DelayFirstHalf};
        memory.content(3).entries[1] = {ActionDelay, DelaySecondHalf};
        memory.content(3).length = 2;
        QVERIFY(saveKeypadMemory(path, memory));
        ButtonTable back;
        QCOMPARE(loadKeypadMemory(path, back), MemoryFileStatus::Loaded);
        QCOMPARE(back.buttonCount, uint8_t(4));
        QCOMPARE(back.maxEntries, uint16_t(100));
        QCOMPARE(entriesOf(back.content(3)), entriesOf(memory.content(3)));
    }

    // A larger keypad keeps the part a configuration file can hold, so the
    // file stays readable.
    void memoryFileOfLargerKeypadStaysReadable()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("big.tkf");
        ButtonTable memory;
        memory.buttonCount = 40;
        memory.maxEntries = 255;
        for (int j = 0; j < 255; ++j)
            memory.content(22).entries[size_t(j)] = {ActionPress, uint8_t(j)};
        memory.content(22).length = 255;
        memory.content(30).length = 1;
        QVERIFY(saveKeypadMemory(path, memory));
        ButtonTable back;
        QCOMPARE(loadKeypadMemory(path, back), MemoryFileStatus::Loaded);
        QCOMPARE(back.buttonCount, uint8_t(23));
        QCOMPARE(back.maxEntries, uint16_t(250));
        QCOMPARE(back.content(22).length, uint8_t(250));
    }

    void memoryFileThatIsNotAConfiguration()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("bad.tkf");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not a keypad");
        f.close();
        ButtonTable memory;
        memory.buttonCount = 7;
        QCOMPARE(loadKeypadMemory(path, memory), MemoryFileStatus::Invalid);
        QCOMPARE(memory.buttonCount, uint8_t(7));
    }
};

QTEST_GUILESS_MAIN(TestKeypadEngine)
#include "test_keypadengine.moc"
