// Frame layer, tick by tick, through a recording byte sink.
#include "config/buttontable.h"
#include "config/crc32.h"
#include "device/framelayer.h"
#include "support/buttonframe.h"
#include "support/hexbytes.h"
#include "support/recordingsink.h"
#include "support/tablecontent.h"

#include <QtTest>

#include <memory>

class TestFrameLayer : public QObject
{
    Q_OBJECT

    std::unique_ptr<ButtonTable> table;
    RecordingSink sink;
    std::unique_ptr<FrameLayer> layer;

    LinkState &link() { return layer->link; }

    // Feeds bytes the way the driver does at one byte per tick.
    void feedPerTick(const QByteArray &bytes)
    {
        for (char c : bytes) {
            layer->receiveByte(uint8_t(c));
            layer->protocolTick();
        }
    }
    void ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            layer->protocolTick();
    }
    // A transfer in the given direction past the handshake: the wake-up is
    // acknowledged and both counts are in; the writes are forgotten.
    void handshake(TransferDirection direction, uint8_t buttons, uint8_t maxEntries)
    {
        layer->prepareTransfer(direction);
        QVERIFY(layer->sendWakeUp());
        const QByteArray device = wire(CmdAck, {CmdWakeUp}) + wire(CmdAck, {CmdGetButtonCount})
                                  + wire(CmdGetButtonCount, {buttons})
                                  + wire(CmdAck, {CmdGetMaxEntries})
                                  + wire(CmdGetMaxEntries, {maxEntries});
        layer->receiveBytes(device.constData(), device.size());
        layer->protocolTick();
        QCOMPARE(link().keypadButtonCount, buttons);
        QCOMPARE(link().keypadMaxEntries, uint16_t(maxEntries));
        // Only a readout takes the keypad's counts into the table.
        const bool taken = direction == TransferDirection::Readout;
        QCOMPARE(table->buttonCount, taken ? buttons : ButtonTable::DefaultButtonCount);
        QCOMPARE(table->maxEntries, taken ? uint16_t(maxEntries) : ButtonTable::DefaultMaxEntries);
        sink.writes.clear();
    }
    // A fresh transfer in which `command` (for button `index`) was sent and
    // awaits its acknowledgement; the writes are forgotten.
    void due(uint8_t command, uint8_t index = 0,
             TransferDirection direction = TransferDirection::Readout)
    {
        layer->prepareTransfer(direction);
        link().lastSent = command == CmdGetButton || command == CmdSetButton
                              ? makeFrame(command, {index})
                              : makeFrame(command);
        layer->resendLast();
        sink.writes.clear();
    }

private Q_SLOTS:
    void init()
    {
        table = std::make_unique<ButtonTable>();
        table->buildTable();
        sink = RecordingSink();
        layer = std::make_unique<FrameLayer>(*table, sink);
    }

    // --- CRC and wire form ------------------------------------------------

    void crcCheckValues_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<quint32>("crc");
        QTest::newRow("123456789") << QByteArray("123456789") << quint32(0x11B4BFB4);
        QTest::newRow("abc") << QByteArray("abc") << quint32(0x0B19A653);
        QTest::newRow("empty") << QByteArray() << quint32(0);
    }
    void crcCheckValues()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(quint32, crc);
        QCOMPARE(frameCrc(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size())),
                 crc);
    }

    void sentFramesOnTheWire_data()
    {
        QTest::addColumn<int>("what");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("EndTransfer") << 0 << hex("C3040000C68F972C");
        QTest::newRow("GetButtonCount request") << 1 << hex("C3030000667DFF8D");
        QTest::newRow("GetButton(0) request") << 2 << hex("C300010000F5EE1F3C");
        QTest::newRow("Ack of WakeUp") << 3 << hex("C38001007F41294455");
    }
    void sentFramesOnTheWire()
    {
        QFETCH(int, what);
        QFETCH(QByteArray, bytes);
        layer->prepareTransfer(TransferDirection::Readout);
        switch (what) {
        case 0: layer->sendEndTransfer(); break;
        case 1: layer->sendRequest(CmdWakeUp); break;
        case 2: layer->sendRequest(CmdGetMaxEntries); break;
        case 3: layer->sendAck(CmdWakeUp); break;
        }
        QCOMPARE(sink.writes.size(), 1);
        QCOMPARE(sink.writes.first().toHex(' '), bytes.toHex(' '));
        QCOMPARE(link().lastSent.toWire(), bytes);
        // Requests wait for their acknowledgement; the end and Acks do not.
        QCOMPARE(link().awaitingAck, what == 1 || what == 2);
    }

    void wakeUpAckStartsHandshake()
    {
        layer->prepareTransfer(TransferDirection::Readout);
        QVERIFY(layer->sendWakeUp());
        QCOMPARE(sink.takeAll(), hex("7F"));
        QVERIFY(link().awaitingWakeUpAck);

        // The device's Ack of the wake-up byte, exactly as it is on the wire.
        feedPerTick(hex("C38001007F41294455"));
        QCOMPARE(sink.takeAll().toHex(' '), hex("C3030000667DFF8D").toHex(' '));
        QVERIFY(!link().awaitingWakeUpAck);
        QVERIFY(link().awaitingAck);
        QCOMPARE(link().waitTicks, uint16_t(1)); // armed in this tick, counted once
    }

    void wakeUpNotSentOnClosedOrFailingSink()
    {
        sink.open = false;
        QVERIFY(!layer->sendWakeUp());
        QVERIFY(!link().awaitingWakeUpAck);
        sink.open = true;
        sink.failWrites = true;
        QVERIFY(!layer->sendWakeUp());
        QVERIFY(!link().awaitingWakeUpAck);
    }

    // --- receiver ---------------------------------------------------------

    void bytesBeforeStartAreDropped()
    {
        due(CmdGetButtonCount);
        feedPerTick(hex("007F12FF80") + wire(CmdGetButtonCount, {7}));
        QCOMPARE(table->buttonCount, uint8_t(7));
        QCOMPARE(sink.writes.size(), 2); // Ack, then the next request; no Nak
        QCOMPARE(sink.writes[0], wire(CmdAck, {CmdGetButtonCount}));
    }

    void startByteInsidePayloadIsData()
    {
        due(CmdGetButton, 4);
        const Frame answer = buttonFrame(CmdGetButton, 4, {{ActionPress, 0xC3}, {ActionRelease, 0xC3}});
        feedPerTick(answer.toWire());
        QCOMPARE(entriesOf(table->content(4)),
                 (QList<ContentEntry>{{ActionPress, 0xC3}, {ActionRelease, 0xC3}}));
    }

    void zeroLengthGoesStraightToCrc()
    {
        layer->receiveByte(0xC3);
        layer->receiveByte(CmdGetButtonCount);
        layer->receiveByte(0);
        QCOMPARE(link().rxState, uint8_t(WaitLength));
        layer->receiveByte(0);
        QCOMPARE(link().rxState, uint8_t(WaitCrc));
        QCOMPARE(link().rxPos, uint16_t(0));
    }

    void ackedBeforeActing()
    {
        due(CmdGetButtonCount);
        const QByteArray bytes = wire(CmdGetButtonCount, {9});
        for (int i = 0; i < bytes.size() - 1; ++i) {
            layer->receiveByte(uint8_t(bytes[i]));
            layer->protocolTick();
        }
        layer->receiveByte(uint8_t(bytes.back()));
        // The Ack is out, the frame not yet acted on.
        QCOMPARE(sink.writes, QList<QByteArray>{wire(CmdAck, {CmdGetButtonCount})});
        QCOMPARE(table->buttonCount, uint8_t(23));
        QCOMPARE(link().framesReady, uint8_t(1));
        layer->protocolTick();
        QCOMPARE(link().framesReady, uint8_t(0));
        QCOMPARE(table->buttonCount, uint8_t(9));
        QCOMPARE(sink.writes.size(), 2);
        QCOMPARE(sink.writes[1], wire(CmdGetMaxEntries));
    }

    void ackAndNakAreNeverAcknowledged_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QList<QByteArray>>("expected");
        QTest::newRow("Ack") << wire(CmdAck, {CmdEndTransfer}) << QList<QByteArray>{};
        QTest::newRow("Nak") << wire(CmdNak, {CmdGetButton, 0})
                             << QList<QByteArray>{wire(CmdGetButtonCount)};
        // A frame no transfer step expects is acknowledged, and nothing more.
        QTest::newRow("unknown 0x42") << wire(0x42, {1, 2}) << QList<QByteArray>{wire(CmdAck, {0x42})};
        QTest::newRow("EndTransfer from device")
            << wire(CmdEndTransfer) << QList<QByteArray>{wire(CmdAck, {CmdEndTransfer})};
    }
    void ackAndNakAreNeverAcknowledged()
    {
        QFETCH(QByteArray, frame);
        QFETCH(QList<QByteArray>, expected);
        due(CmdGetButtonCount); // the frame a Nak would ask for
        feedPerTick(frame);
        QCOMPARE(sink.writes, expected);
    }

    void badCrcIsRejectedFourthEndsTransfer()
    {
        layer->prepareTransfer(TransferDirection::Readout);
        QByteArray bad = wire(CmdGetButtonCount, {5});
        bad[bad.size() - 1] = char(bad.back() ^ 1);
        for (int i = 1; i <= 3; ++i) {
            feedPerTick(bad);
            QCOMPARE(sink.writes.size(), i);
            QCOMPARE(sink.writes.back(), wire(CmdNak, {CmdGetButtonCount, 0}));
            QVERIFY(link().end != LinkEnd::Failed);
        }
        QCOMPARE(table->buttonCount, uint8_t(23)); // no effect
        feedPerTick(bad);
        QCOMPARE(sink.writes.size(), 3); // no fourth Nak
        QCOMPARE(link().end, LinkEnd::Failed);
        QCOMPARE(link().naksSent, uint8_t(0));
    }

    void ackSentResetsRejectionCount()
    {
        QByteArray bad = wire(CmdAck, {1});
        bad[4] = 2;
        feedPerTick(bad + bad + bad);
        feedPerTick(wire(CmdEndTransfer)); // acknowledged: the count starts again
        feedPerTick(bad + bad + bad);
        QVERIFY(link().end != LinkEnd::Failed);
        int naks = 0;
        for (const QByteArray &w : sink.writes)
            naks += uint8_t(w[1]) == CmdNak;
        QCOMPARE(naks, 6);
    }

    void nakReasonReportsEarlierTimeout()
    {
        QByteArray bad = wire(CmdGetButtonCount, {5});
        bad[4] = 6;
        feedPerTick(hex("C3"));
        ticks(FrameLayer::RxIdleLimit + 1);
        QCOMPARE(link().rxTimeoutSeen, uint8_t(1));
        sink.writes.clear();
        feedPerTick(bad);
        QCOMPARE(sink.writes, QList<QByteArray>{wire(CmdNak, {CmdGetButtonCount, 1})});
        // A new transfer keeps it: it describes the whole run.
        layer->prepareTransfer(TransferDirection::Readout);
        QCOMPARE(link().rxTimeoutSeen, uint8_t(1));
    }

    void receivedNakResendsFourthEndsTransfer()
    {
        layer->prepareTransfer(TransferDirection::Readout);
        layer->sendRequest(CmdWakeUp);
        const QByteArray request = sink.takeAll();
        for (int i = 1; i <= 3; ++i) {
            feedPerTick(wire(CmdNak, {0x12, 0x34}));
            QCOMPARE(sink.takeAll(), request);
            QCOMPARE(link().resendCount, uint8_t(i));
            QVERIFY(link().awaitingAck);
        }
        feedPerTick(wire(CmdNak, {}));
        QCOMPARE(sink.takeAll(), QByteArray());
        QCOMPARE(link().end, LinkEnd::Failed);
        QVERIFY(!link().awaitingAck);
        QCOMPARE(link().resendCount, uint8_t(0));
    }

    void receivedAckResetsResendCount()
    {
        layer->prepareTransfer(TransferDirection::Readout);
        layer->sendRequest(CmdWakeUp);
        feedPerTick(wire(CmdNak) + wire(CmdNak) + wire(CmdNak));
        feedPerTick(wire(CmdAck, {CmdGetButtonCount}));
        QCOMPARE(link().resendCount, uint8_t(0));
        feedPerTick(wire(CmdNak) + wire(CmdNak) + wire(CmdNak));
        QVERIFY(link().end != LinkEnd::Failed);
    }

    // --- time-outs, counted in ticks --------------------------------------

    void interByteTimeoutAfter300Ticks_data()
    {
        QTest::addColumn<QByteArray>("partial");
        QTest::addColumn<QByteArray>("nak");
        QTest::newRow("in the payload") << hex("C3000300AA") << wire(CmdNak, {CmdGetButton, 1});
        QTest::newRow("in the CRC") << (wire(CmdGetMaxEntries, {9}).left(7))
                                    << wire(CmdNak, {CmdGetMaxEntries, 1});
        // Only the start byte came: the command of the frame before is named.
        QTest::newRow("start byte only") << hex("C3") << wire(CmdNak, {CmdAck, 1});
    }
    void interByteTimeoutAfter300Ticks()
    {
        QFETCH(QByteArray, partial);
        QFETCH(QByteArray, nak);
        due(CmdGetButtonCount);
        feedPerTick(wire(CmdAck, {CmdGetButton})); // not the Ack awaited: nothing happens
        feedPerTick(partial);
        ticks(FrameLayer::RxIdleLimit - 1); // the last byte's own tick counted once
        QCOMPARE(sink.writes.size(), 0);
        QCOMPARE(link().rxIdleTicks, uint16_t(300));
        ticks(1);
        QCOMPARE(sink.writes, QList<QByteArray>{nak});
        QCOMPARE(link().rxState, uint8_t(WaitStart));
        QCOMPARE(link().rxTimeoutSeen, uint8_t(1));
        // The receiver is usable again.
        feedPerTick(wire(CmdGetButtonCount, {3}));
        QCOMPARE(table->buttonCount, uint8_t(3));
    }

    void byteRestartsIdleCount()
    {
        feedPerTick(hex("C300"));
        ticks(250);
        feedPerTick(hex("01"));
        ticks(250);
        QCOMPARE(sink.writes.size(), 0);
    }

    void ackWaitExceeds1000Ticks()
    {
        layer->prepareTransfer(TransferDirection::Readout);
        layer->sendRequest(CmdWakeUp);
        ticks(1000);
        QVERIFY(link().end != LinkEnd::Failed);
        ticks(1);
        QCOMPARE(link().end, LinkEnd::Failed);
        QVERIFY(!link().awaitingAck);
        QCOMPARE(link().waitTicks, uint16_t(0));
    }

    void wakeUpWaitExceeds600Ticks()
    {
        layer->prepareTransfer(TransferDirection::Readout);
        QVERIFY(layer->sendWakeUp());
        ticks(600);
        QCOMPARE(link().end, LinkEnd::None);
        ticks(1);
        QCOMPARE(link().end, LinkEnd::ConnectTimeout);
        QVERIFY(!link().awaitingWakeUpAck);
        QVERIFY(link().end != LinkEnd::Failed);
    }

    void bothWaitsShareOneCounter()
    {
        layer->prepareTransfer(TransferDirection::Readout);
        QVERIFY(layer->sendWakeUp());
        layer->sendRequest(CmdWakeUp);
        ticks(300);
        QCOMPARE(link().waitTicks, uint16_t(600));
        QCOMPARE(link().end, LinkEnd::None);
        ticks(1);
        QCOMPARE(link().end, LinkEnd::ConnectTimeout);
        // The transfer is over: the other wait does not fire a second message.
        ticks(2000);
        QVERIFY(link().end != LinkEnd::Failed);
    }

    void ackDoesNotResetCounterWhenArming()
    {
        layer->prepareTransfer(TransferDirection::Readout);
        layer->sendRequest(CmdWakeUp);
        ticks(700);
        layer->sendRequest(CmdGetButtonCount); // armed again: the count goes on
        ticks(301);
        QCOMPARE(link().end, LinkEnd::Failed);
    }

    // An answer the device acknowledged but never sends ends the transfer.
    void missingAnswerTimesOut_data()
    {
        QTest::addColumn<int>("request");
        QTest::newRow("button count") << int(CmdGetButtonCount);
        QTest::newRow("maximum") << int(CmdGetMaxEntries);
        QTest::newRow("button") << int(CmdGetButton);
    }
    void missingAnswerTimesOut()
    {
        QFETCH(int, request);
        due(uint8_t(request));
        feedPerTick(wire(CmdAck, {uint8_t(request)}));
        QVERIFY(!link().awaitingAck);
        QVERIFY(link().awaitingAnswer);
        ticks(999); // the Ack's own tick counted once
        QVERIFY(link().end != LinkEnd::Failed);
        ticks(1);
        QCOMPARE(link().end, LinkEnd::Failed);
        QVERIFY(!link().awaitingAnswer);
    }

    void answerDisarmsAnswerWait()
    {
        layer->prepareTransfer(TransferDirection::Readout);
        layer->sendRequest(CmdWakeUp);
        feedPerTick(wire(CmdAck, {CmdGetButtonCount}));
        ticks(900);
        feedPerTick(wire(CmdGetButtonCount, {23}));
        QVERIFY(!link().awaitingAnswer);
        QVERIFY(link().awaitingAck); // the next request waits for its Ack
        QVERIFY(link().waitTicks < 10);
        feedPerTick(wire(CmdAck, {CmdGetMaxEntries}) + wire(CmdGetMaxEntries, {250}));
        ticks(900);
        QVERIFY(link().end != LinkEnd::Failed);
    }

    // --- readout and transmit steps -----------------------------------------

    // Buttons are taken one by one in index order: only the answer for the
    // button asked for is stored; any other is refused and changes nothing.
    void readoutTakesOnlyTheButtonAskedFor_data()
    {
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("answered");
        QTest::newRow("first") << 0 << 0;
        QTest::newRow("second last") << 21 << 21;
        QTest::newRow("last") << 22 << 22;
        QTest::newRow("skipped ahead") << 0 << 5;
        QTest::newRow("the one before") << 6 << 5;
        QTest::newRow("beyond the count") << 22 << 40;
        QTest::newRow("255") << 0 << 255;
    }
    void readoutTakesOnlyTheButtonAskedFor()
    {
        QFETCH(int, asked);
        QFETCH(int, answered);
        handshake(TransferDirection::Readout, 23, 250);
        link().lastSent = makeFrame(CmdGetButton, {uint8_t(asked)});
        layer->resendLast();
        sink.writes.clear();
        feedPerTick(wire(CmdAck, {CmdGetButton})
                    + buttonFrame(CmdGetButton, uint8_t(answered), {{ActionPress, 0x1C}}).toWire());
        const bool taken = asked == answered;
        QCOMPARE(link().buttonsDone, uint16_t(taken ? 1 : 0));
        QCOMPARE(table->content(uint8_t(answered)).length, uint8_t(taken ? 1 : 0));
        QCOMPARE(sink.writes.first(), wire(CmdAck, {CmdGetButton}));
        QCOMPARE(link().end == LinkEnd::Completed, taken && asked == 22);
        QList<QByteArray> expected{wire(CmdAck, {CmdGetButton})};
        if (taken && asked < 22)
            expected << wire(CmdGetButton, {uint8_t(asked + 1)});
        QCOMPARE(sink.writes, expected);
        QVERIFY(link().end != LinkEnd::Failed);
    }

    // Refusals end a transfer only when RefusalLimit of them come in a row.
    void refusalsInARowEndTheTransfer()
    {
        handshake(TransferDirection::Readout, 3, 250);
        const QByteArray wrong = wire(CmdGetButtonCount, {3});
        feedPerTick(wrong + wrong + buttonFrame(CmdGetButton, 0, {}).toWire() + wrong + wrong);
        QVERIFY(link().end != LinkEnd::Failed);
        QCOMPARE(sink.writes.last(), wire(CmdAck, {CmdGetButtonCount})); // no request restarted
        feedPerTick(wrong);
        QCOMPARE(link().end, LinkEnd::Failed);
        QVERIFY(!link().awaitingAck && !link().awaitingAnswer);
    }

    void transmitSendsNextButtonOnAck()
    {
        table->content(3).entries[0] = {ActionPress, 0x15};
        table->content(3).entries[1] = {ActionRelease, 0x15};
        table->content(3).length = 2;
        handshake(TransferDirection::Transmit, 5, 250);

        layer->sendFrame(buttonFrame(CmdSetButton, 2, {}));
        sink.writes.clear();
        feedPerTick(wire(CmdAck, {CmdSetButton}));
        QCOMPARE(link().buttonsDone, uint16_t(1));
        QCOMPARE(sink.writes, QList<QByteArray>{
            buttonFrame(CmdSetButton, 3, {{ActionPress, 0x15}, {ActionRelease, 0x15}}).toWire()});
        QVERIFY(link().awaitingAck);

        sink.writes.clear();
        feedPerTick(wire(CmdAck, {CmdSetButton}));
        QCOMPARE(sink.writes, QList<QByteArray>{buttonFrame(CmdSetButton, 4, {}).toWire()});
        sink.writes.clear();
        feedPerTick(wire(CmdAck, {CmdSetButton}));
        QCOMPARE(sink.writes.size(), 0); // button 4 was the last
        QCOMPARE(link().end, LinkEnd::Completed);
        QCOMPARE(link().buttonsOnLine, uint16_t(5));
        QVERIFY(!link().awaitingAck);
    }

    void transmitStartsWithButtonZero()
    {
        table->content(0).entries[0] = {ActionDelay, DelayFirstHalf};
        table->content(0).entries[1] = {ActionDelay, DelaySecondHalf};
        table->content(0).length = 2;
        layer->prepareTransfer(TransferDirection::Transmit);
        layer->sendRequest(CmdGetMaxEntries);
        QCOMPARE(sink.writes, QList<QByteArray>{
            buttonFrame(CmdSetButton, 0, {{250, 2}, {250, 3}}).toWire()});
    }

    // A damaged Ack(0x01) is rejected; our Nak then is the last frame sent,
    // yet the resent Ack must still lead to the next button, not to an end.
    void transmitSurvivesRejectedAck()
    {
        handshake(TransferDirection::Transmit, 23, 250);
        layer->sendRequest(CmdGetMaxEntries); // SetButton 0
        QByteArray damaged = wire(CmdAck, {CmdSetButton});
        damaged[5] = char(damaged[5] ^ 0x10);
        feedPerTick(damaged);
        QCOMPARE(link().lastSent.command, uint8_t(CmdNak));
        sink.writes.clear();
        feedPerTick(wire(CmdAck, {CmdSetButton}));
        QCOMPARE(link().end, LinkEnd::None);
        QCOMPARE(sink.writes, QList<QByteArray>{buttonFrame(CmdSetButton, 1, {}).toWire()});
    }

    void handshakeTakesDeviceCounts()
    {
        handshake(TransferDirection::Readout, 200, 255);
        QCOMPARE(table->maxEntries, uint16_t(255));
    }

    // --- values from the device that do not fit ----------------------------

    void oversizeFrameIsDroppedAtOnce()
    {
        due(CmdGetButtonCount);
        // Announces 513 payload bytes; all of them follow, then a good frame.
        QByteArray bytes = hex("C3000102");
        feedPerTick(bytes);
        QCOMPARE(link().rxState, uint8_t(WaitStart));
        QCOMPARE(sink.writes, QList<QByteArray>{wire(CmdNak, {CmdGetButton, 0})});
        feedPerTick(QByteArray(513, char(0x11)) + hex("00000000"));
        feedPerTick(wire(CmdGetButtonCount, {4}));
        QCOMPARE(table->buttonCount, uint8_t(4));
        for (int i = 0; i < 23; ++i)
            QCOMPARE(table->content(uint8_t(i)).length, uint8_t(0));
    }

    void fullSizeFrameIsAccepted()
    {
        QList<ContentEntry> entries;
        for (int j = 0; j < 255; ++j)
            entries.append({uint8_t(j & 1 ? ActionRelease : ActionPress), uint8_t(j)});
        const Frame answer = buttonFrame(CmdGetButton, 7, entries);
        QCOMPARE(answer.length, uint16_t(512));
        due(CmdGetButton, 7);
        feedPerTick(answer.toWire());
        QCOMPARE(entriesOf(table->content(7)), entries);
    }

    void entryCountBoundedByPayload_data()
    {
        QTest::addColumn<int>("claimed");
        QTest::addColumn<int>("carried"); // whole entries in the payload
        QTest::addColumn<int>("extraBytes");
        QTest::addColumn<int>("stored");
        QTest::newRow("as carried") << 3 << 3 << 0 << 3;
        QTest::newRow("claims more") << 10 << 3 << 0 << 3;
        QTest::newRow("half an entry more") << 10 << 3 << 1 << 3;
        QTest::newRow("claims fewer") << 2 << 3 << 0 << 2;
        QTest::newRow("claims 255, carries none") << 255 << 0 << 0 << 0;
    }
    void entryCountBoundedByPayload()
    {
        QFETCH(int, claimed);
        QFETCH(int, carried);
        QFETCH(int, extraBytes);
        QFETCH(int, stored);
        // A long frame first, so that the payload buffer holds stale entries.
        QList<ContentEntry> stale;
        for (int j = 0; j < 20; ++j)
            stale.append({0x77, 0x77});
        due(CmdGetButton, 1);
        feedPerTick(buttonFrame(CmdGetButton, 1, stale).toWire());
        due(CmdGetButton, 2);

        Frame f;
        f.command = CmdGetButton;
        f.payload[0] = 2;
        f.payload[1] = uint8_t(claimed);
        for (int j = 0; j < carried; ++j) {
            f.payload[size_t(2 + 2 * j)] = ActionPress;
            f.payload[size_t(3 + 2 * j)] = uint8_t(j + 1);
        }
        f.length = uint16_t(2 + 2 * carried + extraBytes);
        f.seal();
        feedPerTick(f.toWire());
        const ButtonContent &c = table->content(2);
        QCOMPARE(int(c.length), stored);
        for (int j = 0; j < stored; ++j)
            QCOMPARE(c.entries[size_t(j)], (ContentEntry{ActionPress, uint8_t(j + 1)}));
    }

    void shortAnswersReadMissingBytesAsZero()
    {
        // The buffer holds 0x55 from an earlier frame; none of it may be used.
        feedPerTick(buttonFrame(CmdGetButton, 0x55, {{0x55, 0x55}}).toWire());
        table->content(0).length = 9;
        due(CmdGetButtonCount);
        feedPerTick(wire(CmdAck, {CmdGetButtonCount}) + wire(CmdGetButtonCount));
        QCOMPARE(table->buttonCount, uint8_t(0));
        feedPerTick(wire(CmdAck, {CmdGetMaxEntries}) + wire(CmdGetMaxEntries));
        QCOMPARE(table->maxEntries, uint16_t(0));
        feedPerTick(wire(CmdAck, {CmdGetButton}) + wire(CmdGetButton)); // no index, no count
        QCOMPARE(table->content(0).length, uint8_t(0));
    }

    void anyButtonIndexStaysInTable()
    {
        layer->storeButton(buttonFrame(CmdGetButton, 254, {{ActionPress, 1}}));
        QCOMPARE(table->content(254).length, uint8_t(1));
        layer->storeButton(buttonFrame(CmdGetButton, 255, {{ActionPress, 2}}));
        QCOMPARE(table->content(255).length, uint8_t(1));
    }

    void storingKeepsFaultyFlag()
    {
        table->content(6).faulty = 1;
        due(CmdGetButton, 6);
        feedPerTick(buttonFrame(CmdGetButton, 6, {{99, 1}}).toWire());
        QCOMPARE(table->content(6).faulty, uint8_t(1));
        QCOMPARE(table->content(6).entries[0], (ContentEntry{99, 1})); // stored as received
    }

    // --- closed port, transfer bracket, hand-over ---------------------------

    void closedPortEndsTransfer()
    {
        layer->prepareTransfer(TransferDirection::Readout);
        QVERIFY(layer->sendWakeUp());
        sink.open = false;
        feedPerTick(wire(CmdAck, {CmdWakeUp}));
        QCOMPARE(sink.writes, QList<QByteArray>{QByteArray(1, char(CmdWakeUp))});
        QCOMPARE(link().end, LinkEnd::Failed);
        link().end = LinkEnd::None;
        ticks(3000);
        QCOMPARE(link().end, LinkEnd::None);
    }

    void prepareTransferStartsClean()
    {
        layer->prepareTransfer(TransferDirection::Readout);
        layer->sendRequest(CmdWakeUp);
        QVERIFY(layer->sendWakeUp());
        feedPerTick(hex("C30300"));
        link().end = LinkEnd::Failed;
        link().buttonsDone = link().buttonsOnLine = 4;
        link().naksSent = 2;
        link().resendCount = 3;

        layer->prepareTransfer(TransferDirection::Transmit);
        const LinkState &l = link();
        QCOMPARE(l.rxState, uint8_t(WaitStart));
        QCOMPARE(l.rxPos, uint16_t(0));
        QCOMPARE(l.naksSent, uint8_t(0));
        QCOMPARE(l.resendCount, uint8_t(0));
        QCOMPARE(l.framesReady, uint8_t(0));
        QCOMPARE(l.waitTicks, uint16_t(0));
        QVERIFY(!l.awaitingAck && !l.awaitingWakeUpAck && !l.awaitingAnswer);
        QCOMPARE(l.end, LinkEnd::None);
        QVERIFY(l.buttonsDone == 0 && l.buttonsOnLine == 0);
        QCOMPARE(l.direction, TransferDirection::Transmit);
        QCOMPARE(l.lastSent.start, FrameStartByte);
    }

    void stopTransferLeavesNothingToFire()
    {
        layer->prepareTransfer(TransferDirection::Readout);
        layer->sendRequest(CmdWakeUp);
        feedPerTick(hex("C30301"));
        layer->stopTransfer();
        sink.writes.clear();
        ticks(3000);
        QCOMPARE(sink.writes.size(), 0);
        QVERIFY(link().end != LinkEnd::Failed);
    }

    void manyBytesPerTickHandleEachFrameAtOnce()
    {
        layer->prepareTransfer(TransferDirection::Readout);
        QVERIFY(layer->sendWakeUp());
        sink.writes.clear();
        // The whole handshake arrives in one read.
        const QByteArray device = wire(CmdAck, {CmdWakeUp}) + wire(CmdAck, {CmdGetButtonCount})
                                  + wire(CmdGetButtonCount, {3}) + wire(CmdAck, {CmdGetMaxEntries})
                                  + wire(CmdGetMaxEntries, {40}) + wire(CmdAck, {CmdGetButton})
                                  + buttonFrame(CmdGetButton, 0, {{2, 5}}).toWire();
        layer->receiveBytes(device.constData(), device.size());
        QCOMPARE(sink.writes, (QList<QByteArray>{
            wire(CmdGetButtonCount), wire(CmdAck, {CmdGetButtonCount}), wire(CmdGetMaxEntries),
            wire(CmdAck, {CmdGetMaxEntries}), wire(CmdGetButton, {0}), wire(CmdAck, {CmdGetButton}),
            wire(CmdGetButton, {1})}));
        QCOMPARE(link().framesReady, uint8_t(0));
        QCOMPARE(table->buttonCount, uint8_t(3));
        QCOMPARE(table->maxEntries, uint16_t(40));
    }

    // A caller that feeds several frames without handing them over loses none.
    void completedFrameIsHandedOverBeforeTheNext()
    {
        due(CmdGetButtonCount);
        const QByteArray bytes = wire(CmdGetButtonCount, {3}) + wire(CmdGetMaxEntries, {40});
        for (char c : bytes) {
            layer->receiveByte(uint8_t(c));
            QVERIFY(link().framesReady <= 1);
        }
        QCOMPARE(table->buttonCount, uint8_t(3));
        QVERIFY(layer->handOverFrame());
        QVERIFY(!layer->handOverFrame());
        QCOMPARE(table->maxEntries, uint16_t(40));
    }
};

QTEST_GUILESS_MAIN(TestFrameLayer)
#include "test_framelayer.moc"
