#pragma once

#include "config/buttontable.h"
#include "device/frame.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

// Misbehaviour the simulated keypad can be told to show. Counts of 0 (or -1
// where noted) switch a fault off.
struct KeypadFaults {
    // The wake-up byte gets no acknowledgement.
    bool ignoreWakeUp = false;
    // After this many requests have been answered, the next request is
    // acknowledged and then nothing is answered any more. -1: off.
    int silentAfterAnswers = -1;
    // The next N frames sent carry a damaged CRC.
    int corruptCrcFrames = 0;
    // The next N intact frames received are rejected with Nak (and not acted on).
    int nakFrames = 0;
    // The next N frames sent lose their last byte on the line.
    int dropByteFrames = 0;
    // The line is closed when frame number N (counted from 1) arrives, before
    // it is acknowledged. -1: off.
    int unplugAtFrame = -1;
    // From frame number N (counted from 1) on, the keypad still acts on what
    // arrives (stores buttons, ends transfers) but sends nothing at all, as a
    // keypad whose transmit line broke. -1: off.
    int muteAtFrame = -1;
    // A bad memory cell: whenever button corruptStoreButton (index) is stored,
    // the key byte of its entry corruptStoreEntry (index) is kept changed,
    // although the frame was acknowledged. Only an entry the button holds is
    // changed. -1: off.
    int corruptStoreButton = -1;
    int corruptStoreEntry = 0;

    // Wrong answers, each to request number N of a transfer, counted from 1
    // after the wake-up byte (1 the button count, 2 the maximum, 3 the first
    // button). -1: off.
    // The request is acknowledged as command 0x05, then handled as usual.
    int wrongAckAt = -1;
    // The request is acknowledged, then answered three times with the answer
    // of another command (the button count; the maximum to a button count
    // request) instead of its own.
    int foreignAnswerAt = -1;
    // The request is acknowledged as the other direction's button command: a
    // GetButton as 0x01, then answered as usual; a SetButton as 0x00, then
    // stored and followed by the GetButton answer of its button.
    int crossAckAt = -1;
    // A GetButton is answered for the next button instead; a SetButton is
    // stored and followed by the GetButton answer of the next button.
    int wrongIndexAt = -1;
    // An Ack(0x7F) follows the request's acknowledgement and answer.
    int strayWakeUpAckAt = -1;
    // Every frame sent is followed by this many Ack(0x7F) frames.
    int chatterFrames = 0;
};

// The keypad's side of the serial protocol, without any I/O: bytes from the
// configurator go in through receive(), the bytes the keypad sends come out of
// takeOutput(). The pseudo-terminal front end and the tests drive it alike.
//
// The keypad answers the wake-up byte with Ack(0x7F), acknowledges every frame
// except Ack and Nak before acting on it, answers the button-count, maximum
// and GetButton requests, stores SetButton frames, resends its last frame on
// Nak and rejects frames with a bad CRC. Its buttons live in `memory()`, whose
// buttonCount and maxEntries are the values it reports.
class KeypadEngine
{
public:
    // A partial frame is dropped after this long without a byte.
    static constexpr int ReceiveTimeoutMs = 100;

    explicit KeypadEngine(const ButtonTable &memory = ButtonTable());

    void setFaults(const KeypadFaults &faults) { faults_ = faults; }
    const KeypadFaults &faults() const { return faults_; }
    // Receives one line of text per frame in either direction when set.
    void setLogger(std::function<void(const QString &)> logger) { logger_ = std::move(logger); }

    ButtonTable &memory() { return memory_; }
    const ButtonTable &memory() const { return memory_; }

    void receive(const QByteArray &bytes);
    void receiveByte(uint8_t byte);
    // Drops a partly received frame (the line went quiet in the middle of it).
    void abortPartialFrame();
    bool frameInProgress() const { return !rx_.isEmpty(); }

    QByteArray takeOutput();
    bool hasOutput() const { return !output_.isEmpty(); }

    // True once the unplug fault has fired; the line must then be closed.
    bool isUnplugged() const { return unplugged_; }
    // True once after EndTransfer ended a transfer that stored buttons.
    bool takeMemoryChanged();

    // Commands of the intact frames received, in order, for inspection.
    const QList<uint8_t> &receivedCommands() const { return receivedCommands_; }
    int wakeUpsSeen() const { return wakeUps_; }

private:
    void wakeUp();
    void frameComplete();
    void actOn(const Frame &frame);
    void answer(const Frame &frame);
    Frame buttonCountAnswer() const;
    Frame maximumAnswer() const;
    void storeButton(const Frame &frame);
    Frame buttonAnswer(uint8_t index) const;
    void send(const Frame &frame);
    void log(const QString &direction, const QByteArray &bytes, const QString &note);

    ButtonTable memory_;
    KeypadFaults faults_;
    std::function<void(const QString &)> logger_;

    QByteArray rx_;
    QByteArray output_;
    Frame lastSent_;
    bool hasSent_ = false;
    int answersGiven_ = 0;
    bool silent_ = false;
    bool storedThisTransfer_ = false;
    bool memoryChanged_ = false;
    bool unplugged_ = false;
    bool muted_ = false;
    int framesReceived_ = 0;
    int requestsThisTransfer_ = 0;
    int wakeUps_ = 0;
    QList<uint8_t> receivedCommands_;
};
