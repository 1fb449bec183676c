// qm47 write: a configuration file to one keypad or several at once,
// optionally only where it differs, and read back and compared.
#include "buttonchecks.h"
#include "command.h"
#include "configfiles.h"
#include "jsonoutput.h"
#include "keypadcompare.h"
#include "interruptsignals.h"
#include "portjob.h"
#include "portresults.h"
#include "portarguments.h"
#include "texts.h"

#include "device/transmitshortfall.h"

#include <QScopeGuard>

#include <limits>

namespace {

struct WriteRequest {
    QString path;
    ButtonTable file;
    bool verify = false;
    bool ifChanged = false;
};

// A transmit sends as many buttons as the keypad reports and the keypad keeps
// at most its maximum of entries per button, so a file made for a larger
// keypad loses buttons or entries: the write then fails and says which.
void failUnlessKept(PortJob &job, const WriteRequest &request)
{
    const QStringList lost =
        shortfallLines(transmitShortfall(request.file, job.sent.buttonCount, job.sent.maxEntries));
    if (!lost.isEmpty())
        job.result.fail(lost.join(QLatin1Char('\n')));
}

// Reads the keypad back and compares it with what it was given.
void verify(PortJob &job, const WriteRequest &request)
{
    job.keypad.buildTable();
    job.transfer(TransferDirection::Readout, job.keypad, [&job, &request](const PortJob::Transfer &t) {
        job.result.details.insert(QStringLiteral("verified"), false);
        if (!t.succeeded()) {
            job.result.fail(Texts::tr("verification readout failed: %1").arg(t.message), t.portReason);
        } else if (const QString difference = firstDifference(job.sent, job.keypad);
                   !difference.isEmpty()) {
            job.result.fail(Texts::tr("verification failed: %1").arg(difference));
        } else {
            job.result.details.insert(QStringLiteral("verified"), true);
            job.result.lines.last() =
                Texts::tr("Wrote %1 buttons from %2, verified: the keypad holds what was sent")
                    .arg(job.sent.buttonCount).arg(request.path);
            failUnlessKept(job, request);
        }
        job.finish();
    });
}

void transmit(PortJob &job, const WriteRequest &request)
{
    job.sent = request.file;
    job.transfer(TransferDirection::Transmit, job.sent, [&job, &request](const PortJob::Transfer &t) {
        // The counts are the transfer's own, also after a failure.
        job.result.buttons = t.buttonsDone;
        job.result.entries = entryCount(job.sent, t.buttonsDone);
        job.result.details.insert(QStringLiteral("maybe_stored"), t.buttonsMaybeStored);
        job.result.details.insert(QStringLiteral("changed"), t.keypadMayHaveChanged());
        if (!t.succeeded()) {
            job.result.fail(t.message, t.portReason);
            job.finish();
            return;
        }
        // What the keypad was given: the file within the counts it reported.
        job.sent = keptByKeypad(request.file, t.keypadButtonCount, t.keypadMaxEntries);
        job.result.outcome = QStringLiteral("written");
        job.result.lines.append(Texts::tr("Wrote %1 buttons from %2")
                                    .arg(job.sent.buttonCount).arg(request.path));
        if (request.verify || request.ifChanged) {
            verify(job, request);
            return;
        }
        failUnlessKept(job, request);
        job.finish();
    });
}

// Reads the keypad first and writes only when it holds something else than
// a transmit of the file would leave on it.
void writeIfChanged(PortJob &job, const WriteRequest &request)
{
    job.transfer(TransferDirection::Readout, job.keypad, [&job, &request](const PortJob::Transfer &t) {
        if (!t.succeeded()) {
            job.result.fail(t.message, t.portReason);
            job.finish();
            return;
        }
        job.sent = keptByKeypad(request.file, job.keypad.buttonCount, job.keypad.maxEntries);
        if (!differingButtons(job.keypad, job.sent).isEmpty()) {
            transmit(job, request);
            return;
        }
        job.result.outcome = QStringLiteral("unchanged");
        job.result.lines.append(Texts::tr("Unchanged: the keypad already holds the %1 buttons of %2")
                                    .arg(job.sent.buttonCount).arg(request.path));
        failUnlessKept(job, request);
        job.finish();
    });
}

// Until a transmit says otherwise, nothing of the keypad was touched.
void unchangedKeypad(PortResult &result)
{
    result.details.insert(QStringLiteral("changed"), false);
    result.details.insert(QStringLiteral("maybe_stored"), 0);
}

int runWrite(const Invocation &invocation)
{
    WriteRequest request;
    request.path = invocation.arguments.last();
    request.verify = invocation.isSet(QStringLiteral("verify"));
    request.ifChanged = invocation.isSet(QStringLiteral("if-changed"));
    const bool json = invocation.isSet(QStringLiteral("json"));
    const QStringList arguments = invocation.arguments.mid(0, invocation.arguments.size() - 1);

    QString error;
    const QList<PortRecord> ports = resolvePorts(arguments, &error);
    if (ports.isEmpty()) {
        complain(QStringLiteral("write: ") + error);
        return ExitUsage;
    }
    QList<PortJob *> jobs;
    for (qsizetype i = 0; i < ports.size(); ++i)
        jobs.append(new PortJob(ports.at(i), arguments.at(i)));
    const auto cleanUp = qScopeGuard([&jobs] { qDeleteAll(jobs); });
    for (PortJob *job : jobs)
        job->result.details.insert(QStringLiteral("file"), request.path);

    const QString refusal = json ? loadConfig(request.path, request.file) : QString();
    if (json ? refusal.isEmpty() : loadConfigOrComplain(request.path, request.file)) {
        // The configurator asks before sending such a configuration; here the
        // command line is the user's answer, so the doubts are only reported.
        for (const QString &problem : buttonProblems(request.file))
            complain(Texts::tr("warning: %1").arg(problem));
        const QString label = ports.size() > 1
                                  ? Texts::tr("Writing %1 keypads").arg(ports.size())
                                  : Texts::tr("Writing");
        runJobs(jobs, [&request](PortJob &job) {
            unchangedKeypad(job.result);
            job.result.details.insert(QStringLiteral("verified"), false);
            if (request.ifChanged)
                writeIfChanged(job, request);
            else
                transmit(job, request);
        }, label);
    } else if (json) {
        // Every port gets its document, so that a script always finds one.
        for (PortJob *job : jobs) {
            job->result.fail(request.path + QStringLiteral(": ") + refusal);
            unchangedKeypad(job->result);
        }
    } else {
        return ExitFailure;
    }
    QList<PortResult> results;
    for (const PortJob *job : jobs)
        results.append(job->result);
    return InterruptSignals::exitStatusOr(reportResults(QStringLiteral("write"), results, json));
}

} // namespace

Command writeCommand()
{
    Command c;
    c.name = QStringLiteral("write");
    c.synopsis = QStringLiteral("PORT... FILE.tkf");
    c.summary = Texts::tr("Write a configuration file to one keypad or several.");
    c.description = Texts::tr(
        "Runs a transmit of FILE.tkf over PORT (see \"qm47 ports\") as the configurator\n"
        "does. Unbalanced buttons and successive delays are reported as warnings (see\n"
        "\"qm47 check\") and sent all the same. The keypad takes as many buttons as it\n"
        "has and at most its maximum of entries per button; when that leaves part of\n"
        "the file behind, the command says so and fails.\n"
        "With --verify the configuration is read back afterwards and must equal what\n"
        "was sent; otherwise the first button and entry that differ are named.\n"
        "With --if-changed the keypad is read first; when it already holds what the\n"
        "file would give it, nothing is written and the result says \"Unchanged\";\n"
        "otherwise the file is written and verified. Both end with status 0.\n"
        "Several PORTs are written at the same time, each on its own; the result\n"
        "lines follow the order of the PORTs, and the status is 1 if any failed.\n"
        "A PORT may be a link to the device, such as its stable name under\n"
        "/dev/serial/by-id.\n");
    c.options = {{QStringLiteral("verify"), QString(),
                  Texts::tr("Read the keypad back and compare.")},
                 {QStringLiteral("if-changed"), QString(),
                  Texts::tr("Write only where the keypad holds something else.")},
                 {QStringLiteral("json"), QString(),
                  Texts::tr("Print one JSON document per port.")}};
    c.minArguments = 2;
    c.maxArguments = std::numeric_limits<int>::max();
    c.run = runWrite;
    return c;
}
