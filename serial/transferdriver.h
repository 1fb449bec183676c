#pragma once

#include "device/framelayer.h"
#include "device/portrecord.h"
#include "serial/transferresult.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class TransferSession;

// How the port is closed once the end-of-transfer frame is out.
enum class ClosePolicy {
    // ClosingDelayMs later, as the configurator's window does.
    AfterDelay,
    // As soon as the port has sent every byte: whoever waits on the command
    // line is served by nothing later.
    DrainThenClose,
};

// The course of one readout or transmit on a TransferSession, for every
// front end alike: opens and sets up the port, writes the wake-up byte
// WakeUpDelayMs later, ticks every TickMs (each tick takes what the port has
// and runs the frame layer's tick), reads the link's end reason,
// counts progress once per button, settles the outcome into one
// TransferResult, sends EndTransfer and closes the port by its close policy.
// The front ends (the main window, the command-line tool, the benchmark) only
// react to its signals and show the result.
class TransferDriver : public QObject
{
    Q_OBJECT

public:
    static constexpr int TickMs = 2;
    static constexpr int WakeUpDelayMs = 100;
    static constexpr int ClosingDelayMs = 750;

    TransferDriver(TransferSession &session, ClosePolicy policy, QObject *parent = nullptr);
    ~TransferDriver() override;

    // Starts a transfer. A close still pending from the last one is done
    // first. When the port cannot be opened, concluded() and closed() come
    // before this returns.
    void start(const PortRecord &port, TransferDirection direction);

    // Stops a transfer under way as a failure ends it, with the outcome
    // Interrupted: EndTransfer is sent, the line drained and the port closed
    // before this returns, whatever the close policy. A close still pending
    // after a transfer that ended is done at once. Nothing happens when no
    // transfer runs.
    void interrupt();

    TransferSession &session() const { return session_; }
    TransferDirection direction() const { return result_.direction; }
    // From start() until the port is closed again.
    bool isRunning() const { return running_; }
    // From start() until the outcome is known: the keypad is being talked to.
    bool isTransferring() const { return running_ && !concluded_; }
    // How the last transfer ended; complete from concluded() on.
    const TransferResult &result() const { return result_; }

Q_SIGNALS:
    // The wake-up byte is out; the keypad is being asked.
    void wokenUp();
    // A button was stored (readout) or acknowledged (transmit).
    void progressed(int done, int total);
    // The outcome is known and the end-of-transfer frame is out (if the port
    // was open). With AfterDelay the port is still open.
    void concluded(const TransferResult &result);
    // The port is closed again.
    void closed(const TransferResult &result);

private:
    void wakeUp();
    void tick();
    // Emits progressed() for every button the link completed since the last call.
    void reportProgress();
    void conclude(TransferOutcome outcome, ClosePolicy policy);
    // Fills the result for `outcome` from what the session holds now.
    void settle(TransferOutcome outcome);
    void closeNow();

    TransferSession &session_;
    const ClosePolicy policy_;
    QTimer ticker_;
    QTimer wakeUpDelay_;
    QTimer closingDelay_;
    QElapsedTimer clock_;
    TransferResult result_;
    bool running_ = false;
    bool concluded_ = false;
    // The wake-up byte went out: from then on a failure is the keypad's
    // communication, before it the connection's.
    bool wokenUp_ = false;
};
