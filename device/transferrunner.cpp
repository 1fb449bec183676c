#include "device/transferrunner.h"

#include "config/buttontable.h"
#include "device/transfersession.h"

namespace {
constexpr int TickMs = 2;
constexpr int ConnectionDelayMs = 100;
constexpr int ClosingDelayMs = 750;
} // namespace

TransferRunner::TransferRunner(TransferSession &session, QObject *parent)
    : QObject(parent)
    , session_(session)
{
    ticker_.setTimerType(Qt::PreciseTimer);
    ticker_.setInterval(TickMs);
    connect(&ticker_, &QTimer::timeout, this, &TransferRunner::tick);
}

void TransferRunner::start(const PortRecord &port, TransferDirection direction)
{
    running_ = true;
    done_ = 0;
    transferMs_ = 0;
    session_.begin(direction);
    if (!session_.open(port)) {
        conclude(TransferOutcome::PortInUse);
        return;
    }
    ticker_.start();
    QTimer::singleShot(ConnectionDelayMs, this, &TransferRunner::wakeUp);
}

void TransferRunner::wakeUp()
{
    if (!session_.wakeUp()) {
        conclude(TransferOutcome::PortNotOpen);
        return;
    }
    clock_.start();
}

void TransferRunner::tick()
{
    session_.tick();
    LinkState &link = session_.link();
    for (int steps = session_.takeProgressSteps(); steps > 0; --steps)
        Q_EMIT progressed(++done_, session_.frameLayer().table().buttonCount);

    if (link.errorFlag)
        conclude(TransferOutcome::CommunicationError);
    else if (link.connectTimeoutFlag)
        conclude(TransferOutcome::ConnectTimeout);
    else if (link.doneFlag)
        conclude(TransferOutcome::Completed);
}

void TransferRunner::conclude(TransferOutcome outcome)
{
    ticker_.stop();
    if (clock_.isValid())
        transferMs_ = clock_.elapsed();
    clock_.invalidate();
    LinkState &link = session_.link();
    link.errorFlag = link.doneFlag = link.connectTimeoutFlag = link.readoutDoneFlag = false;
    session_.finish();
    outcome_ = outcome;
    Q_EMIT outcomeKnown(outcome);

    const auto close = [this] {
        session_.closePort();
        running_ = false;
        Q_EMIT finished(outcome_);
    };
    if (session_.port().isOpen()) {
        session_.sendEndTransfer();
        QTimer::singleShot(ClosingDelayMs, this, close);
    } else {
        QTimer::singleShot(0, this, close);
    }
}
