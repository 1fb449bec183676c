#pragma once

#include "device/framelayer.h"
#include "device/portrecord.h"
#include "device/transfermessages.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class TransferSession;

// Runs one whole transfer without a window, for the command-line tools: opens
// the port, wakes the keypad 100 ms later, drives the session from a 2 ms
// timer, sends the end-of-transfer frame and closes the port 750 ms later, as
// the configurator does. The table the session works on is read or written.
class TransferRunner : public QObject
{
    Q_OBJECT

public:
    explicit TransferRunner(TransferSession &session, QObject *parent = nullptr);

    // Starts the transfer; outcomeKnown() and finished() follow.
    void start(const PortRecord &port, TransferDirection direction);
    bool isRunning() const { return running_; }

    TransferOutcome outcome() const { return outcome_; }
    // From the wake-up byte to the last acknowledgement or answer.
    qint64 transferMs() const { return transferMs_; }

Q_SIGNALS:
    // A button was stored (readout) or acknowledged (transmit).
    void progressed(int done, int total);
    // The outcome is known; the port may still be closing.
    void outcomeKnown(TransferOutcome outcome);
    // The port is closed again.
    void finished(TransferOutcome outcome);

private:
    void wakeUp();
    void tick();
    void conclude(TransferOutcome outcome);

    TransferSession &session_;
    QTimer ticker_;
    QElapsedTimer clock_;
    TransferOutcome outcome_ = TransferOutcome::Completed;
    qint64 transferMs_ = 0;
    int done_ = 0;
    bool running_ = false;
};
