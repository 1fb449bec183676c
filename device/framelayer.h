#pragma once

#include "device/frame.h"

#include <QtGlobal>

#include <cstdint>

class ButtonTable;
class ByteSink;

enum class TransferDirection : uint8_t { Readout = 0, Transmit = 1 };

// States of the frame receiver.
enum RxState : uint8_t {
    WaitStart = 0,
    WaitCommand = 1,
    WaitLength = 2,
    WaitPayload = 3,
    WaitCrc = 4,
};

// Why a transfer ended, as the frame layer saw it. Set once per transfer; a
// failure still replaces a completion or a missing wake-up acknowledgement
// reported before the driver read it, so that the worse news is told.
enum class LinkEnd : uint8_t {
    None = 0,       // the transfer runs
    Completed,      // the last button was stored (readout) or acknowledged (transmit)
    ConnectTimeout, // the wake-up byte was not acknowledged in time
    Failed,         // a time-out, a retry or refusal limit, or a line that broke
};

// Everything the frame layer keeps between ticks. The end reason and the
// button counts are written by the frame layer and read by the transfer
// driver.
struct LinkState {
    Frame rxFrame;                // frame being received, then the one handed over
    uint8_t rxState = WaitStart;
    uint16_t rxPos = 0;           // position within the length, payload or CRC field
    uint32_t rxCrc = 0;           // CRC assembled from the received CRC bytes
    uint16_t rxIdleTicks = 0;     // ticks without a byte while a frame is incomplete
    uint8_t rxTimeoutSeen = 0;    // 1 after the first inter-byte time-out, for good
    uint8_t framesReady = 0;      // completed frames not yet handled, 0 or 1

    Frame lastSent;               // the last frame written, Ack and Nak included
    uint8_t naksSent = 0;         // Nak frames sent since the last Ack sent
    uint8_t resendCount = 0;      // resends for received Naks since the last Ack received

    bool awaitingAck = false;       // a sent frame waits for its acknowledgement
    bool awaitingWakeUpAck = false; // the wake-up byte waits for its acknowledgement
    // The device acknowledged a request and its answer is still due. Without
    // this a device that acknowledges and then stays silent would leave the
    // transfer waiting for ever.
    bool awaitingAnswer = false;
    uint16_t waitTicks = 0;         // one counter shared by all armed waits

    TransferDirection direction = TransferDirection::Readout;
    // The counts the keypad reported in this transfer. They govern the
    // transfer; only a readout also takes them into the table, since a
    // transmit must leave the configuration as it is.
    uint8_t keypadButtonCount = 0;
    uint16_t keypadMaxEntries = 0;

    // The request whose acknowledgement or answer is due: the last request
    // frame written (GetButtonCount, GetMaxEntries, GetButton or SetButton)
    // with its button index. It stays the one due even when an Ack or Nak of
    // ours has replaced lastSent in between. Only an Ack naming it, or its
    // own answer, moves the transfer on.
    bool requestDue = false;
    uint8_t requestCommand = 0;
    uint8_t requestIndex = 0;
    // Frames refused in a row: answers to another request or for another
    // button, and frames no step of the transfer expects.
    uint8_t refusedFrames = 0;
    // Frames written and received since the transfer began, against the
    // frame budget.
    uint32_t framesExchanged = 0;

    LinkEnd end = LinkEnd::None;
    // Buttons stored (readout) or acknowledged (transmit) in this transfer.
    uint16_t buttonsDone = 0;
    // Transmit: buttons whose SetButton frame was written to the line,
    // acknowledged or not. The keypad may hold each of them, since it
    // stores a frame before its acknowledgement comes back.
    uint16_t buttonsOnLine = 0;
};

// The configurator's side of the serial protocol: builds, checks, acknowledges
// and rejects frames, resends on rejection, runs the request sequence of a
// readout or a transmit and keeps the time-outs, all counted in ticks. It
// reads and writes the given ButtonTable and writes bytes to the given sink;
// it never reads the line itself and never blocks.
//
// Driving it, once per tick of a periodic timer:
//   1. for every received byte: receiveByte(b), then handOverFrame(), so that
//      a frame is acted on as soon as its last byte is in (receiveBytes does
//      both for a whole buffer). Feeding one byte per tick without
//      handOverFrame works as well: protocolTick hands the frame over then.
//   2. protocolTick(): inter-byte time-out, hand-over of a frame still
//      pending, and the waits.
//   3. read link.end and the button counts in `link`.
// A transfer is bracketed by prepareTransfer(direction) and sendWakeUp() at
// its start and sendEndTransfer() and stopTransfer() at its end (when the line
// is closed), so that nothing of one transfer reaches into the next.
//
// Retry limits: a count above RetryLimit ends the transfer, so the fourth
// failure in a row does. Time-outs fire on the tick that takes their counter
// above the limit.
//
// A keypad that answers wrongly cannot steer a transfer: an Ack moves it on
// only when it names the request due (Ack(0x7F) only while the wake-up byte
// waits for it), an answer only when it answers that request (a button's
// answer only for the button asked for), and any other frame is refused.
// RefusalLimit refusals in a row, or more frames than frameBudget(), end the
// transfer as Failed.
class FrameLayer
{
public:
    static constexpr uint16_t RxIdleLimit = 300;
    static constexpr uint16_t AckWaitLimit = 1000;
    static constexpr uint16_t AnswerWaitLimit = 1000;
    static constexpr uint16_t WakeUpWaitLimit = 600;
    static constexpr uint8_t RetryLimit = 2;
    // Refused frames in a row that end a transfer.
    static constexpr uint8_t RefusalLimit = 3;
    // A transfer may exchange this many times the frames of a complete one
    // before it is given up as a keypad talking in circles.
    static constexpr uint32_t FrameBudgetFactor = 4;
    // Frames of a complete transfer besides the buttons: the wake-up Ack, the
    // two count requests with their Acks, answers and our Acks, the end.
    static constexpr uint32_t HandshakeFrames = 10;

    // Reason byte of a Nak sent for an inter-byte time-out.
    static constexpr uint8_t NakReasonTimeout = 1;

    FrameLayer(ButtonTable &table, ByteSink &sink);

    LinkState link;

    ButtonTable &table() { return table_; }

    // --- transfer bracket -------------------------------------------------

    // Starts a transfer afresh: resetLink(), all waits disarmed, the end
    // reason and the counts cleared, the direction set. rxTimeoutSeen stays, since it
    // describes the whole run of the program.
    void prepareTransfer(TransferDirection direction);
    // Writes the single wake-up byte and, if the write succeeded, arms the
    // wake-up wait. False when the sink is closed or the write failed.
    bool sendWakeUp();
    // Ends a transfer when the line is closed: receiver reset and all waits
    // disarmed, so that no time-out fires afterwards. The end reason stays.
    void stopTransfer();
    // Ends the transfer for `reason` (when no worse one came first) and
    // disarms every wait. Also for whoever reads the line and finds it broken.
    void endTransfer(LinkEnd reason);

    // --- sending ------------------------------------------------------------

    // Writes frame.length + 8 bytes in one write and keeps the frame in
    // lastSent. With the sink closed nothing is written and the transfer ends
    // as Failed. A SetButton in a
    // readout or a GetButton in a transmit is never written.
    void sendFrame(const Frame &frame);
    // Reseals lastSent, arms the acknowledgement wait and sends it again.
    void resendLast();
    void sendAck(uint8_t command);
    // The fourth rejection in a row sends nothing and ends the transfer.
    void sendNak(uint8_t command, uint8_t reason);
    void sendEndTransfer();
    // Next request of the handshake after `step` (WakeUp acknowledged,
    // button count or maximum received); arms the acknowledgement wait.
    void sendRequest(uint8_t step);

    // --- receiving ----------------------------------------------------------

    // Feeds one received byte. A completed frame with a good CRC is
    // acknowledged here (unless it is an Ack or Nak) and waits in rxFrame
    // with framesReady = 1; a bad one is rejected with a Nak. A frame that
    // announces more than the payload capacity is rejected the moment its
    // length is in and the receiver waits for the next start byte.
    // If a completed frame was not handed over yet, it is handed over first,
    // so framesReady never exceeds 1.
    void receiveByte(uint8_t byte);
    // Hands the completed frame, if any, to handleFrame. True if it did.
    bool handOverFrame();
    // receiveByte and handOverFrame for every byte of a buffer.
    void receiveBytes(const char *data, qsizetype size);
    // One tick: inter-byte time-out, hand-over, waits.
    void protocolTick();

    // Acts on one complete frame whose CRC matched (already acknowledged).
    void handleFrame(const Frame &frame);
    // Copies a received button's content into the table. The entry count is
    // bounded by the entries the payload actually carries.
    void storeButton(const Frame &frame);

    // Receiver to WaitStart; rxPos, framesReady, naksSent and resendCount 0.
    void resetLink();

    // Frames a transfer in the current direction may exchange: the budget
    // factor times the frames of a complete transfer of the buttons the
    // keypad reported (none before it reported them).
    uint32_t frameBudget() const;

private:
    void checkReceivedFrame();
    void handleAck(uint8_t command);
    // True for the answer to the request due (for a GetButton: of the button
    // asked for, in a readout).
    bool isAwaitedAnswer(const Frame &frame) const;
    void handleAnswer(const Frame &frame);
    // A frame that does not fit the transfer: counted, nothing sent; the
    // RefusalLimit-th in a row ends the transfer.
    void refuse();
    // A readout never writes a button to the keypad and a transmit never
    // asks for one, whatever the keypad says.
    bool directionAllows(uint8_t command) const;
    void countFrame();
    bool transferRunning() const { return link.awaitingWakeUpAck || link.requestDue; }
    // The transfer ends with the communication error.
    void fail() { endTransfer(LinkEnd::Failed); }
    void buildSetButton(Frame &frame, uint8_t index);
    void answerArrived();
    // Acknowledgement received: wait disarmed, resends counted from zero.
    void disarm();
    // Transfer over: no wait may fire afterwards and no request is due.
    void abandonWaits();

    ButtonTable &table_;
    ByteSink &sink_;
};
