#include "serial/transferdriver.h"

#include "config/buttontable.h"
#include "serial/transfersession.h"
#include "device/transmitshortfall.h"

namespace {

void makeSingleShot(QTimer &timer, int interval)
{
    timer.setSingleShot(true);
    // A coarse timer may fire up to 5 % late; the delays are part of what the
    // keypad sees.
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(interval);
}

} // namespace

TransferDriver::TransferDriver(TransferSession &session, ClosePolicy policy, QObject *parent)
    : QObject(parent)
    , session_(session)
    , policy_(policy)
{
    // The ticks pace the protocol and count its time-outs, so they must not be
    // coalesced with coarser timers.
    ticker_.setTimerType(Qt::PreciseTimer);
    ticker_.setInterval(TickMs);
    connect(&ticker_, &QTimer::timeout, this, &TransferDriver::tick);
    makeSingleShot(wakeUpDelay_, WakeUpDelayMs);
    connect(&wakeUpDelay_, &QTimer::timeout, this, &TransferDriver::wakeUp);
    makeSingleShot(closingDelay_, ClosingDelayMs);
    connect(&closingDelay_, &QTimer::timeout, this, &TransferDriver::closeNow);
}

TransferDriver::~TransferDriver() = default;

void TransferDriver::start(const PortRecord &port, TransferDirection direction)
{
    // A close still pending from the last transfer must not hit this one.
    if (closingDelay_.isActive()) {
        closingDelay_.stop();
        closeNow();
    }
    running_ = true;
    concluded_ = false;
    wokenUp_ = false;
    result_ = TransferResult();
    result_.direction = direction;
    clock_.invalidate();
    session_.begin(direction);
    if (!session_.open(port)) {
        conclude(TransferOutcome::PortInUse, policy_);
        return;
    }
    ticker_.start();
    wakeUpDelay_.start();
}

void TransferDriver::wakeUp()
{
    if (!session_.wakeUp()) {
        conclude(TransferOutcome::PortNotOpen, policy_);
        return;
    }
    wokenUp_ = true;
    clock_.start();
    Q_EMIT wokenUp();
}

void TransferDriver::tick()
{
    session_.tick();
    reportProgress();
    switch (session_.link().end) {
    case LinkEnd::None:
        break;
    case LinkEnd::Completed:
        conclude(TransferOutcome::Completed, policy_);
        break;
    case LinkEnd::ConnectTimeout:
        conclude(TransferOutcome::ConnectTimeout, policy_);
        break;
    case LinkEnd::Failed:
        // A line lost before the wake-up byte went out (the keypad vanished
        // while the port was being set up) fails the connection, not a
        // communication that never began.
        conclude(wokenUp_ ? TransferOutcome::CommunicationError : TransferOutcome::PortNotOpen,
                 policy_);
        break;
    }
}

void TransferDriver::reportProgress()
{
    // Several buttons can complete between two ticks; each moves the
    // progress on by one.
    const LinkState &link = session_.link();
    while (result_.buttonsDone < link.buttonsDone)
        Q_EMIT progressed(++result_.buttonsDone, link.keypadButtonCount);
}

void TransferDriver::interrupt()
{
    if (isTransferring()) {
        // Buttons the port's own reads completed since the last tick count too.
        reportProgress();
        conclude(TransferOutcome::Interrupted, ClosePolicy::DrainThenClose);
    } else if (closingDelay_.isActive()) {
        closingDelay_.stop();
        closeNow();
    }
}

void TransferDriver::conclude(TransferOutcome outcome, ClosePolicy policy)
{
    concluded_ = true;
    ticker_.stop();
    wakeUpDelay_.stop();
    if (clock_.isValid())
        result_.transferMs = clock_.elapsed();
    clock_.invalidate();
    session_.finish();
    settle(outcome);

    const bool open = session_.port().isOpen();
    const bool delayed = open && policy == ClosePolicy::AfterDelay;
    if (open)
        session_.sendEndTransfer();
    if (delayed) {
        closingDelay_.start();
    } else if (open) {
        session_.drainOutput();
        session_.closePort();
    }
    Q_EMIT concluded(result_);
    if (!delayed)
        closeNow();
}

void TransferDriver::settle(TransferOutcome outcome)
{
    const LinkState &link = session_.link();
    result_.outcome = outcome;
    if (result_.direction == TransferDirection::Transmit)
        result_.buttonsMaybeStored = link.buttonsOnLine;
    result_.message = transferMessage(outcome, session_.openFailure());
    if (outcome == TransferOutcome::PortInUse)
        result_.portReason = session_.openFailure().reason;
    if (result_.keypadAsked()) {
        result_.keypadButtonCount = link.keypadButtonCount;
        result_.keypadMaxEntries = link.keypadMaxEntries;
    }
    if (result_.succeeded() && result_.direction == TransferDirection::Transmit)
        result_.shortfall = transmitShortfall(session_.frameLayer().table(),
                                              link.keypadButtonCount, link.keypadMaxEntries);
}

void TransferDriver::closeNow()
{
    session_.closePort();
    running_ = false;
    Q_EMIT closed(result_);
}
