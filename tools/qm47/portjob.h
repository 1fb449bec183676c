#pragma once

#include "portresult.h"

#include "config/buttontable.h"
#include "device/framelayer.h"
#include "device/portrecord.h"
#include "serial/transferresult.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>

#include <functional>
#include <memory>
#include <vector>

class TransferDriver;
class TransferSession;

// Everything one port goes through for a command (a readout, a transmit, a
// readout to compare), driven by the event loop beside the jobs of other
// ports. Each transfer gets a session and port of its own, so a keypad that
// fails or hangs holds up and touches nobody's transfer but its own.
class PortJob : public QObject
{
    Q_OBJECT

public:
    // The tables a job works on: what the keypad holds (readouts) and what
    // it is given (the transmit).
    ButtonTable keypad;
    ButtonTable sent;
    PortResult result;

    explicit PortJob(const PortRecord &port, const QString &argument, QObject *parent = nullptr);
    ~PortJob() override;

    const PortRecord &port() const { return port_; }

    // What a finished transfer tells the next step: the driver's result.
    using Transfer = TransferResult;
    using Step = std::function<void(const Transfer &)>;

    // Runs a readout or transmit on `table`; `then` is called once the port
    // is closed again.
    void transfer(TransferDirection direction, ButtonTable &table, Step then);
    // Stops the transfer under way as a failure ends it (outcome Interrupted).
    void interrupt();
    // The job is done: the elapsed time is taken and finished() is sent.
    void finish();
    bool isFinished() const { return finished_; }

    // Progress of the transfer under way.
    int done() const { return done_; }
    int total() const { return total_; }

Q_SIGNALS:
    void progressed();
    void finished();

private:
    struct Line;

    PortRecord port_;
    QElapsedTimer clock_;
    // Kept until the job ends: a driver must not be deleted inside its own signal.
    std::vector<std::unique_ptr<Line>> lines_;
    int done_ = 0;
    int total_ = 0;
    bool finished_ = false;
};

// Starts every job with `start`, runs the event loop until all of them have
// finished, and meanwhile shows their summed progress on standard error
// (when it is a terminal) with `label`. SIGHUP, SIGINT and SIGTERM meanwhile
// stop every transfer as a failure ends it; InterruptSignals::exitStatusOr()
// gives the status to exit with.
void runJobs(const QList<PortJob *> &jobs, const std::function<void(PortJob &)> &start,
             const QString &label);
