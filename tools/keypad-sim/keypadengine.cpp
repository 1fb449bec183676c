#include "keypadengine.h"

#include <algorithm>

namespace {

// The keypad's reason byte in its own Nak frames.
constexpr uint8_t NakReasonCrc = 0;
constexpr uint8_t NakReasonLength = 2;

// A command code the protocol does not use, for the wrong-Ack fault.
constexpr uint8_t UnusedCommand = 0x05;
constexpr int ForeignAnswerRepeats = 3;

QString hexBytes(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

} // namespace

KeypadEngine::KeypadEngine(const ButtonTable &memory)
    : memory_(memory)
{
}

void KeypadEngine::receive(const QByteArray &bytes)
{
    for (char c : bytes)
        receiveByte(uint8_t(c));
}

void KeypadEngine::receiveByte(uint8_t byte)
{
    if (unplugged_)
        return;
    if (rx_.isEmpty()) {
        // Between frames the wake-up byte opens a transfer; anything else
        // but a start byte is line noise.
        if (byte == CmdWakeUp) {
            wakeUp();
            return;
        }
        if (byte != FrameStartByte)
            return;
    }
    rx_.append(char(byte));
    if (rx_.size() < 4)
        return;
    const int length = uint8_t(rx_.at(2)) | uint8_t(rx_.at(3)) << 8;
    if (length > Frame::PayloadCapacity) {
        const uint8_t command = uint8_t(rx_.at(1));
        log("PC -> keypad", rx_, "announces too long a payload, rejected");
        rx_.clear();
        send(makeFrame(CmdNak, {command, NakReasonLength}));
        return;
    }
    if (rx_.size() == length + Frame::Overhead)
        frameComplete();
}

void KeypadEngine::abortPartialFrame()
{
    if (rx_.isEmpty())
        return;
    log("PC -> keypad", rx_, "incomplete, dropped");
    rx_.clear();
}

QByteArray KeypadEngine::takeOutput()
{
    QByteArray out;
    out.swap(output_);
    return out;
}

bool KeypadEngine::takeMemoryChanged()
{
    const bool changed = memoryChanged_;
    memoryChanged_ = false;
    return changed;
}

void KeypadEngine::wakeUp()
{
    ++wakeUps_;
    if (faults_.ignoreWakeUp) {
        log("PC -> keypad", QByteArray(1, char(CmdWakeUp)), "WakeUp, ignored");
        return;
    }
    log("PC -> keypad", QByteArray(1, char(CmdWakeUp)), "WakeUp");
    storedThisTransfer_ = false;
    requestsThisTransfer_ = 0;
    send(makeFrame(CmdAck, {CmdWakeUp}));
}

void KeypadEngine::frameComplete()
{
    Frame frame;
    frame.command = uint8_t(rx_.at(1));
    frame.length = uint16_t(uint8_t(rx_.at(2)) | uint8_t(rx_.at(3)) << 8);
    std::copy_n(reinterpret_cast<const uint8_t *>(rx_.constData()) + 4, frame.length,
                frame.payload.begin());
    uint32_t received = 0;
    for (int i = 0; i < 4; ++i)
        received |= uint32_t(uint8_t(rx_.at(4 + frame.length + i))) << (8 * i);
    const QByteArray wire = rx_;
    rx_.clear();

    if (frame.computeCrc() != received) {
        log("PC -> keypad", wire, commandName(frame.command) + ", bad CRC");
        send(makeFrame(CmdNak, {frame.command, NakReasonCrc}));
        return;
    }
    frame.crc = received;
    log("PC -> keypad", wire, commandName(frame.command));

    ++framesReceived_;
    if (faults_.unplugAtFrame >= 0 && framesReceived_ >= faults_.unplugAtFrame) {
        log("keypad", {}, "unplugged");
        unplugged_ = true;
        output_.clear();
        return;
    }
    if (faults_.muteAtFrame >= 0 && framesReceived_ >= faults_.muteAtFrame && !muted_) {
        log("keypad", {}, "falls silent");
        muted_ = true;
    }
    receivedCommands_.append(frame.command);
    actOn(frame);
}

void KeypadEngine::actOn(const Frame &frame)
{
    if (frame.command == CmdAck)
        return;
    if (frame.command == CmdNak) {
        if (hasSent_)
            send(lastSent_);
        return;
    }
    if (faults_.nakFrames > 0) {
        --faults_.nakFrames;
        send(makeFrame(CmdNak, {frame.command, NakReasonCrc}));
        return;
    }

    // The wrong-answer faults change the acknowledgement and the answer of
    // the one request they are set for.
    const int n = ++requestsThisTransfer_;
    const uint8_t command = frame.command;
    const bool buttonRequest = command == CmdGetButton || command == CmdSetButton;
    uint8_t acknowledged = command;
    if (n == faults_.wrongAckAt)
        acknowledged = UnusedCommand;
    else if (n == faults_.crossAckAt && buttonRequest)
        acknowledged = uint8_t(command ^ 1); // GetButton <-> SetButton
    send(makeFrame(CmdAck, {acknowledged}));

    const bool wrongIndex = n == faults_.wrongIndexAt;
    const uint8_t answeredButton = uint8_t(frame.payloadByte(0) + (wrongIndex ? 1 : 0));
    if (n == faults_.foreignAnswerAt) {
        if (command == CmdSetButton)
            storeButton(frame);
        log("keypad", {}, "answers with another command's answer");
        const Frame foreign = command == CmdGetButtonCount ? maximumAnswer() : buttonCountAnswer();
        for (int i = 0; i < ForeignAnswerRepeats; ++i)
            send(foreign);
    } else {
        switch (command) {
        case CmdGetButtonCount:
            answer(buttonCountAnswer());
            break;
        case CmdGetMaxEntries:
            answer(maximumAnswer());
            break;
        case CmdGetButton:
            answer(buttonAnswer(answeredButton));
            break;
        case CmdSetButton:
            storeButton(frame);
            // Unasked, a button's answer after a stored button.
            if (wrongIndex || n == faults_.crossAckAt)
                send(buttonAnswer(answeredButton));
            break;
        case CmdEndTransfer:
            if (storedThisTransfer_)
                memoryChanged_ = true;
            storedThisTransfer_ = false;
            break;
        default:
            break;
        }
    }
    if (n == faults_.strayWakeUpAckAt)
        send(makeFrame(CmdAck, {CmdWakeUp}));
}

Frame KeypadEngine::buttonCountAnswer() const
{
    return makeFrame(CmdGetButtonCount, {memory_.buttonCount});
}

Frame KeypadEngine::maximumAnswer() const
{
    return makeFrame(CmdGetMaxEntries, {uint8_t(std::min<int>(memory_.maxEntries, 255))});
}

void KeypadEngine::answer(const Frame &frame)
{
    if (silent_)
        return;
    if (faults_.silentAfterAnswers >= 0 && answersGiven_ >= faults_.silentAfterAnswers) {
        silent_ = true;
        log("keypad", {}, "acknowledged, stays silent from now on");
        return;
    }
    ++answersGiven_;
    send(frame);
}

Frame KeypadEngine::buttonAnswer(uint8_t index) const
{
    // A button the keypad does not have is reported empty.
    const ButtonContent &content = memory_.content(index);
    const int n = index < memory_.buttonCount ? content.length : 0;
    Frame frame;
    frame.command = CmdGetButton;
    frame.length = uint16_t(2 + 2 * n);
    frame.payload[0] = index;
    frame.payload[1] = uint8_t(n);
    for (int j = 0; j < n; ++j) {
        frame.payload[size_t(2 + 2 * j)] = content.entries[size_t(j)].action;
        frame.payload[size_t(3 + 2 * j)] = content.entries[size_t(j)].key;
    }
    frame.seal();
    return frame;
}

void KeypadEngine::storeButton(const Frame &frame)
{
    const uint8_t index = frame.payloadByte(0);
    if (index >= memory_.buttonCount) {
        log("keypad", {}, QString("no button %1, not stored").arg(index));
        return;
    }
    // The keypad keeps what its memory holds: at most maxEntries entries, and
    // never more than the payload carries.
    const int carried = std::max(0, (frame.heldLength() - 2) / 2);
    const int n = std::min({int(frame.payloadByte(1)), carried, int(memory_.maxEntries),
                            ButtonContent::Capacity});
    ButtonContent &content = memory_.content(index);
    content.length = uint8_t(n);
    for (int j = 0; j < n; ++j) {
        content.entries[size_t(j)].action = frame.payloadByte(2 + 2 * j);
        content.entries[size_t(j)].key = frame.payloadByte(3 + 2 * j);
    }
    if (index == faults_.corruptStoreButton && faults_.corruptStoreEntry >= 0
        && faults_.corruptStoreEntry < n) {
        uint8_t &key = content.entries[size_t(faults_.corruptStoreEntry)].key;
        key = uint8_t(key + 1);
        log("keypad", {}, QString("button %1 entry %2 stored with key byte %3")
                              .arg(index).arg(faults_.corruptStoreEntry).arg(key, 2, 16, QChar('0')));
    }
    storedThisTransfer_ = true;
}

void KeypadEngine::send(const Frame &frame)
{
    if (muted_)
        return;
    lastSent_ = frame;
    hasSent_ = true;
    QByteArray wire = frame.toWire();
    QString note = commandName(frame.command);
    if (faults_.corruptCrcFrames > 0) {
        --faults_.corruptCrcFrames;
        wire[wire.size() - 1] = char(wire.at(wire.size() - 1) ^ 0x5A);
        note += ", CRC damaged";
    }
    if (faults_.dropByteFrames > 0) {
        --faults_.dropByteFrames;
        wire.chop(1);
        note += ", last byte lost";
    }
    log("keypad -> PC", wire, note);
    output_.append(wire);
    if (faults_.chatterFrames > 0) {
        // Not kept as the last frame: a Nak still gets the real one again.
        const QByteArray stray = makeFrame(CmdAck, {CmdWakeUp}).toWire();
        for (int i = 0; i < faults_.chatterFrames; ++i)
            output_.append(stray);
        log("keypad -> PC", stray, QString("Ack, stray, %1 times").arg(faults_.chatterFrames));
    }
}

void KeypadEngine::log(const QString &direction, const QByteArray &bytes, const QString &note)
{
    if (!logger_)
        return;
    QString line = direction + ": ";
    if (!bytes.isEmpty())
        line += hexBytes(bytes) + "  ";
    logger_(line + note);
}
