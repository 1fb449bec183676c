#include "portjob.h"

#include "console.h"
#include "interruptsignals.h"

#include "serial/transferdriver.h"
#include "serial/transfersession.h"

#include <QEventLoop>

struct PortJob::Line {
    explicit Line(ButtonTable &table)
        : session(table)
        , driver(session, ClosePolicy::DrainThenClose)
    {
    }
    TransferSession session;
    TransferDriver driver;
};

PortJob::PortJob(const PortRecord &port, const QString &argument, QObject *parent)
    : QObject(parent)
    , port_(port)
{
    clock_.start();
    result.port = argument;
    result.location = port.systemLocation.isEmpty() ? port.portName : port.systemLocation;
    result.stableName = port.stableName();
}

PortJob::~PortJob() = default;

void PortJob::transfer(TransferDirection direction, ButtonTable &table, Step then)
{
    lines_.push_back(std::make_unique<Line>(table));
    Line &line = *lines_.back();
    done_ = total_ = 0;
    connect(&line.driver, &TransferDriver::progressed, this, [this](int done, int total) {
        done_ = done;
        total_ = total;
        Q_EMIT progressed();
    });
    connect(&line.driver, &TransferDriver::closed, this,
            [then](const TransferResult &result) {
        // A readout leaves the keypad as it was and no file is written after a
        // failure; a transmit may have changed part of the keypad.
        TransferResult shown = result;
        if (result.direction == TransferDirection::Transmit)
            shown.message = result.fullMessage();
        then(shown);
    });
    line.driver.start(port_, direction);
}

void PortJob::interrupt()
{
    // By index: a step may start the next transfer from inside the stop.
    for (size_t i = 0; i < lines_.size(); ++i)
        lines_[i]->driver.interrupt();
}

void PortJob::finish()
{
    if (finished_)
        return;
    result.elapsedMs = clock_.elapsed();
    finished_ = true;
    Q_EMIT finished();
}

void runJobs(const QList<PortJob *> &jobs, const std::function<void(PortJob &)> &start,
             const QString &label)
{
    ProgressBar bar(label);
    QEventLoop loop;
    int unfinished = int(jobs.size());
    for (PortJob *job : jobs) {
        QObject::connect(job, &PortJob::progressed, &loop, [&bar, &jobs] {
            int done = 0;
            int total = 0;
            for (const PortJob *j : jobs) {
                done += j->done();
                total += j->total();
            }
            bar.show(done, total);
        });
        QObject::connect(job, &PortJob::finished, &loop, [&unfinished, &loop] {
            if (--unfinished == 0)
                loop.quit();
        });
    }
    InterruptSignals interrupts;
    QObject::connect(&interrupts, &InterruptSignals::interrupted, &loop, [&jobs] {
        for (PortJob *job : jobs)
            job->interrupt();
    });
    for (PortJob *job : jobs)
        start(*job);
    // A port that cannot be opened fails inside start().
    if (unfinished > 0)
        loop.exec();
    bar.finish();
}
