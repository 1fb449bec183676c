#pragma once

#include "device/bytesink.h"
#include "device/framelayer.h"
#include "serial/lowlatencymode.h"
#include "serial/portaccess.h"
#include "device/portrecord.h"

#include <QObject>
#include <QSerialPort>

class ButtonTable;

// One serial line to the keypad and the frame layer that talks over it. The
// TransferDriver runs the course of a transfer on it.
//
// Received bytes are taken as soon as the port has them (on readyRead and on
// every tick), and each completed frame is acted on at once; the time-outs
// still count ticks of the driver's timer.
class TransferSession : public QObject
{
    Q_OBJECT

public:
    // Line settings of the keypad's service cable.
    static constexpr qint32 BaudRate = 115200;
    static constexpr int DrainLimitMs = 2000;

    explicit TransferSession(ButtonTable &table, QObject *parent = nullptr);
    ~TransferSession() override;

    QSerialPort &port() { return port_; }
    FrameLayer &frameLayer() { return frameLayer_; }
    LinkState &link() { return frameLayer_.link; }

    // Starts a transfer afresh in the given direction: frame layer reset, end
    // reason and button counts cleared.
    void begin(TransferDirection direction);
    // Ends the transfer once the driver has acted on its outcome: no wait
    // runs any more, and bytes still arriving (a device resending into a
    // dead transfer) are discarded instead of being answered, so one failure
    // is reported once.
    void finish();
    bool isActive() const { return active_; }

    // Opens the port at its system location (closing any port still open),
    // applies 115200 baud, 8 data bits, no parity, one stop bit and no flow
    // control, asks for low latency where the port has it (put back when the
    // port closes), and discards input left over from before. False when the
    // port reports any error; the port is then closed again and
    // openFailure() says why.
    bool open(const PortRecord &port);
    const PortFailure &openFailure() const { return openFailure_; }
    // The open port passes received bytes on without an adapter's delay.
    bool hasLowLatency() const { return lowLatency_.isActive(); }

    // Writes the wake-up byte and arms its wait. False if the port is closed
    // or the write failed.
    bool wakeUp();

    // One tick of the driver's timer: every byte the port has ready, then the
    // frame layer's tick.
    void tick();

    void sendEndTransfer() { frameLayer_.sendEndTransfer(); }
    // Waits until every byte written so far has left: first the port
    // object's own buffer (at most DrainLimitMs, for a line that takes
    // nothing any more), then the system's output queue.
    void drainOutput();

    // Bytes that crossed the line since begin(), in each direction.
    qint64 bytesSent() const { return bytesSent_; }
    qint64 bytesReceived() const { return bytesReceived_; }
    void closePort();

private:
    void pump();
    // The line broke during a transfer (adapter pulled, read error): the port
    // is closed at once and the transfer ends as Failed.
    void lineFailed();
    void closeDescriptor();

    QSerialPort port_;
    PortFailure openFailure_;
    LowLatencyMode lowLatency_;
    IoDeviceSink sink_;
    FrameLayer frameLayer_;
    bool pumping_ = false;
    bool active_ = false;
    qint64 bytesSent_ = 0;
    qint64 bytesReceived_ = 0;
};
