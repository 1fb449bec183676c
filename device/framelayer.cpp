#include "device/framelayer.h"

#include "config/buttontable.h"
#include "device/bytesink.h"

#include <algorithm>

FrameLayer::FrameLayer(ButtonTable &table, ByteSink &sink)
    : table_(table)
    , sink_(sink)
{
}

// --- transfer bracket ---------------------------------------------------------

void FrameLayer::prepareTransfer(TransferDirection direction)
{
    resetLink();
    link.rxIdleTicks = 0;
    link.rxCrc = 0;
    abandonWaits();
    link.end = LinkEnd::None;
    link.buttonsDone = 0;
    link.buttonsOnLine = 0;
    link.keypadButtonCount = 0;
    link.keypadMaxEntries = 0;
    link.refusedFrames = 0;
    link.framesExchanged = 0;
    link.direction = direction;
}

bool FrameLayer::sendWakeUp()
{
    if (!sink_.isOpen())
        return false;
    const char wakeUp = char(CmdWakeUp);
    if (sink_.write(&wakeUp, 1) == -1)
        return false;
    link.awaitingWakeUpAck = true;
    return true;
}

void FrameLayer::stopTransfer()
{
    resetLink();
    link.rxIdleTicks = 0;
    abandonWaits();
}

void FrameLayer::endTransfer(LinkEnd reason)
{
    abandonWaits();
    if (reason > link.end)
        link.end = reason;
}

void FrameLayer::resetLink()
{
    link.rxState = WaitStart;
    link.rxPos = 0;
    link.framesReady = 0;
    link.naksSent = 0;
    link.resendCount = 0;
    link.rxFrame.start = FrameStartByte;
    link.lastSent.start = FrameStartByte;
}

// --- sending --------------------------------------------------------------------

void FrameLayer::sendFrame(const Frame &frame)
{
    if (!directionAllows(frame.command))
        return;
    if (!sink_.isOpen()) {
        fail();
        return;
    }
    link.lastSent = frame;
    const QByteArray bytes = frame.toWire();
    const bool written = sink_.write(bytes.constData(), bytes.size()) != -1;
    if (written && frame.command == CmdSetButton)
        link.buttonsOnLine = std::max<uint16_t>(link.buttonsOnLine, uint16_t(frame.payloadByte(0) + 1));
    switch (frame.command) {
    case CmdGetButtonCount:
    case CmdGetMaxEntries:
    case CmdGetButton:
    case CmdSetButton:
        link.requestDue = true;
        link.requestCommand = frame.command;
        link.requestIndex = frame.payloadByte(0);
        break;
    default:
        break;
    }
    countFrame();
}

bool FrameLayer::directionAllows(uint8_t command) const
{
    if (command == CmdSetButton)
        return link.direction == TransferDirection::Transmit;
    if (command == CmdGetButton)
        return link.direction == TransferDirection::Readout;
    return true;
}

uint32_t FrameLayer::frameBudget() const
{
    const uint32_t perButton = link.direction == TransferDirection::Readout
                                   ? 4  // request, its Ack, the answer, our Ack
                                   : 2; // the button, its Ack
    return FrameBudgetFactor * (HandshakeFrames + perButton * link.keypadButtonCount);
}

void FrameLayer::countFrame()
{
    if (!transferRunning())
        return;
    ++link.framesExchanged;
    if (link.framesExchanged > frameBudget())
        fail();
}

void FrameLayer::resendLast()
{
    link.lastSent.seal();
    link.awaitingAck = true;
    const Frame frame = link.lastSent;
    sendFrame(frame);
}

void FrameLayer::sendAck(uint8_t command)
{
    link.naksSent = 0;
    sendFrame(makeFrame(CmdAck, {command}));
}

void FrameLayer::sendNak(uint8_t command, uint8_t reason)
{
    if (link.naksSent > RetryLimit) {
        link.naksSent = 0;
        fail();
        return;
    }
    sendFrame(makeFrame(CmdNak, {command, reason}));
    ++link.naksSent;
}

void FrameLayer::sendEndTransfer()
{
    sendFrame(makeFrame(CmdEndTransfer));
}

void FrameLayer::sendRequest(uint8_t step)
{
    Frame frame;
    switch (step) {
    case CmdWakeUp:
        frame.command = CmdGetButtonCount;
        break;
    case CmdGetButtonCount:
        frame.command = CmdGetMaxEntries;
        break;
    case CmdGetMaxEntries:
        if (link.direction == TransferDirection::Readout) {
            frame.command = CmdGetButton;
            frame.length = 1;
            frame.payload[0] = 0;
        } else {
            buildSetButton(frame, 0);
        }
        break;
    default:
        return;
    }
    frame.seal();
    link.awaitingAck = true;
    sendFrame(frame);
}

void FrameLayer::buildSetButton(Frame &frame, uint8_t index)
{
    const ButtonContent &content = table_.content(index);
    const uint8_t n = content.length;
    frame.start = FrameStartByte;
    frame.command = CmdSetButton;
    frame.length = uint16_t(2 + 2 * n);
    frame.payload[0] = index;
    frame.payload[1] = n;
    for (int j = 0; j < n; ++j) {
        frame.payload[size_t(2 + 2 * j)] = content.entries[size_t(j)].action;
        frame.payload[size_t(3 + 2 * j)] = content.entries[size_t(j)].key;
    }
}

// --- receiving --------------------------------------------------------------------

void FrameLayer::receiveByte(uint8_t byte)
{
    // A frame completed by an earlier byte is acted on before the next one
    // can overwrite rxFrame.
    if (link.framesReady != 0)
        handOverFrame();

    link.rxIdleTicks = 0;
    Frame &f = link.rxFrame;
    switch (link.rxState) {
    case WaitStart:
        if (byte == FrameStartByte) {
            f.start = byte;
            link.rxState = WaitCommand;
        }
        break;
    case WaitCommand:
        f.command = byte;
        link.rxState = WaitLength;
        break;
    case WaitLength:
        if (link.rxPos == 0) {
            f.length = byte;
            link.rxPos = 1;
            break;
        }
        f.length = uint16_t(f.length | (byte << 8));
        link.rxPos = 0;
        if (f.length > Frame::PayloadCapacity) {
            // Cannot be held: rejected like a damaged frame, and the
            // receiver looks for the next start byte right away.
            link.rxState = WaitStart;
            countFrame();
            sendNak(f.command, link.rxTimeoutSeen);
        } else {
            link.rxState = f.length != 0 ? WaitPayload : WaitCrc;
        }
        break;
    case WaitPayload:
        f.payload[link.rxPos] = byte;
        ++link.rxPos;
        if (link.rxPos >= f.length) {
            link.rxPos = 0;
            link.rxState = WaitCrc;
        }
        break;
    case WaitCrc:
        if (link.rxPos == 0)
            link.rxCrc = byte;
        else
            link.rxCrc |= uint32_t(byte) << (8 * link.rxPos);
        ++link.rxPos;
        if (link.rxPos == 4) {
            link.rxPos = 0;
            link.rxState = WaitStart;
            checkReceivedFrame();
        }
        break;
    default:
        link.rxState = WaitStart;
        link.rxPos = 0;
        break;
    }
}

void FrameLayer::checkReceivedFrame()
{
    Frame &f = link.rxFrame;
    countFrame();
    if (f.computeCrc() != link.rxCrc) {
        sendNak(f.command, link.rxTimeoutSeen);
        return;
    }
    f.crc = link.rxCrc;
    // Acknowledged before it is acted on.
    if (f.command != CmdAck && f.command != CmdNak)
        sendAck(f.command);
    link.framesReady = 1;
}

bool FrameLayer::handOverFrame()
{
    if (link.framesReady == 0)
        return false;
    --link.framesReady;
    const Frame frame = link.rxFrame;
    handleFrame(frame);
    return true;
}

void FrameLayer::receiveBytes(const char *data, qsizetype size)
{
    for (qsizetype i = 0; i < size; ++i) {
        receiveByte(uint8_t(data[i]));
        handOverFrame();
    }
}

void FrameLayer::protocolTick()
{
    if (link.rxState != WaitStart) {
        ++link.rxIdleTicks;
        if (link.rxIdleTicks > RxIdleLimit) {
            link.rxIdleTicks = 0;
            link.rxPos = 0;
            link.rxState = WaitStart;
            link.rxTimeoutSeen = 1;
            sendNak(link.rxFrame.command, NakReasonTimeout);
        }
    } else {
        handOverFrame();
    }

    if (link.awaitingAck) {
        ++link.waitTicks;
        if (link.waitTicks > AckWaitLimit)
            fail();
    }
    if (link.awaitingAnswer) {
        ++link.waitTicks;
        if (link.waitTicks > AnswerWaitLimit)
            fail();
    }
    if (link.awaitingWakeUpAck) {
        ++link.waitTicks;
        if (link.waitTicks > WakeUpWaitLimit)
            endTransfer(LinkEnd::ConnectTimeout);
    }
}

// --- acting on frames -------------------------------------------------------------

void FrameLayer::handleFrame(const Frame &frame)
{
    switch (frame.command) {
    case CmdAck:
        handleAck(frame.payloadByte(0));
        break;
    case CmdNak:
        if (link.resendCount > RetryLimit) {
            link.resendCount = 0;
            fail();
        } else {
            ++link.resendCount;
            resendLast();
        }
        break;
    default:
        // Already acknowledged on receipt.
        if (isAwaitedAnswer(frame))
            handleAnswer(frame);
        else
            refuse();
        break;
    }
}

bool FrameLayer::isAwaitedAnswer(const Frame &frame) const
{
    if (!link.requestDue || frame.command != link.requestCommand)
        return false;
    switch (frame.command) {
    case CmdGetButtonCount:
    case CmdGetMaxEntries:
        return true;
    case CmdGetButton:
        return link.direction == TransferDirection::Readout
               && frame.payloadByte(0) == link.requestIndex;
    default:
        return false; // a SetButton is not answered
    }
}

void FrameLayer::handleAnswer(const Frame &frame)
{
    answerArrived();
    link.refusedFrames = 0;
    switch (frame.command) {
    case CmdGetButtonCount:
        link.keypadButtonCount = frame.payloadByte(0);
        if (link.direction == TransferDirection::Readout)
            table_.buttonCount = link.keypadButtonCount;
        sendRequest(CmdGetButtonCount);
        break;
    case CmdGetMaxEntries:
        link.keypadMaxEntries = frame.payloadByte(0);
        if (link.direction == TransferDirection::Readout)
            table_.maxEntries = link.keypadMaxEntries;
        sendRequest(CmdGetMaxEntries);
        break;
    case CmdGetButton: {
        storeButton(frame);
        ++link.buttonsDone;
        // Buttons arrive one by one in index order; the answer for the
        // last one completes the readout.
        const int next = link.requestIndex + 1;
        if (next >= link.keypadButtonCount) {
            endTransfer(LinkEnd::Completed);
            break;
        }
        link.lastSent.command = CmdGetButton;
        link.lastSent.length = 1;
        link.lastSent.payload[0] = uint8_t(next);
        resendLast();
        break;
    }
    default:
        break;
    }
}

void FrameLayer::refuse()
{
    // Before the wake-up is acknowledged its own wait decides.
    if (!link.requestDue)
        return;
    ++link.refusedFrames;
    if (link.refusedFrames >= RefusalLimit)
        fail();
}

void FrameLayer::handleAck(uint8_t command)
{
    if (link.awaitingWakeUpAck) {
        if (command != CmdWakeUp)
            return;
        link.awaitingWakeUpAck = false;
        disarm();
        sendRequest(CmdWakeUp);
        return;
    }
    // Only the acknowledgement of the request due counts; any other Ack (a
    // late duplicate, a stray wake-up Ack, a wrong command) leaves the wait
    // running.
    if (!link.requestDue || !link.awaitingAck || command != link.requestCommand)
        return;
    disarm();
    link.refusedFrames = 0;
    if (command != CmdSetButton) {
        // The request is through; now its answer is due.
        link.awaitingAnswer = true;
        return;
    }
    ++link.buttonsDone;
    const int next = link.requestIndex + 1;
    if (next >= link.keypadButtonCount) {
        endTransfer(LinkEnd::Completed);
        return;
    }
    buildSetButton(link.lastSent, uint8_t(next));
    resendLast();
}

void FrameLayer::storeButton(const Frame &frame)
{
    const uint8_t index = frame.payloadByte(0);
    const int carried = frame.heldLength() >= 2 ? (frame.heldLength() - 2) / 2 : 0;
    const int n = std::min<int>(frame.payloadByte(1), carried);

    ButtonContent &content = table_.content(index);
    content.length = uint8_t(n);
    for (int j = 0; j < n; ++j) {
        content.entries[size_t(j)].action = frame.payloadByte(2 + 2 * j);
        content.entries[size_t(j)].key = frame.payloadByte(3 + 2 * j);
    }
}

void FrameLayer::answerArrived()
{
    if (link.awaitingAnswer) {
        link.awaitingAnswer = false;
        link.waitTicks = 0;
    }
}

void FrameLayer::disarm()
{
    link.awaitingAck = false;
    link.waitTicks = 0;
    link.resendCount = 0;
}

void FrameLayer::abandonWaits()
{
    link.requestDue = false;
    link.awaitingAck = false;
    link.awaitingAnswer = false;
    link.awaitingWakeUpAck = false;
    link.waitTicks = 0;
}
