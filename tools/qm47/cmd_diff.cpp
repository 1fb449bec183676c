// qm47 diff: how one keypad or several differ from a configuration file.
#include "command.h"
#include "configfiles.h"
#include "interruptsignals.h"
#include "keypadcompare.h"
#include "portjob.h"
#include "portresults.h"
#include "portarguments.h"
#include "texts.h"

#include "device/transmitshortfall.h"

#include <QJsonArray>
#include <QScopeGuard>

#include <limits>

namespace {

// The exit status of diff(1): same, different, trouble.
constexpr int ExitDifferent = 1;
constexpr int ExitTrouble = 2;

// Compares the keypad, as read, with what a transmit of `file` would leave
// on it, and the file with what the keypad can hold at all.
void compare(PortJob &job, const ButtonTable &file)
{
    const ButtonTable kept = keptByKeypad(file, job.keypad.buttonCount, job.keypad.maxEntries);
    QStringList lines;
    QJsonArray differences;
    for (int i : differingButtons(job.keypad, kept)) {
        const QStringList changes =
            buttonChanges(job.keypad.content(uint8_t(i)), kept.content(uint8_t(i)));
        lines.append(QStringLiteral("button %1").arg(i + 1));
        for (const QString &change : changes)
            lines.append(QStringLiteral("  ") + change);
        differences.append(QJsonObject{{QStringLiteral("button"), i + 1},
                                       {QStringLiteral("changes"), QJsonArray::fromStringList(changes)}});
    }
    const QStringList notHeld =
        shortfallLines(transmitShortfall(file, job.keypad.buttonCount, job.keypad.maxEntries));
    lines += notHeld;
    const bool same = lines.isEmpty();
    job.result.outcome = same ? QStringLiteral("same") : QStringLiteral("different");
    job.result.lines = QStringList{same ? Texts::tr("The keypad holds what the file holds")
                                        : Texts::tr("The keypad differs from the file")}
                       + lines;
    job.result.details.insert(QStringLiteral("differences"), differences);
    job.result.details.insert(QStringLiteral("not_held"), QJsonArray::fromStringList(notHeld));
}

int runDiff(const Invocation &invocation)
{
    const QString path = invocation.arguments.last();
    const bool json = invocation.isSet(QStringLiteral("json"));
    const QStringList arguments = invocation.arguments.mid(0, invocation.arguments.size() - 1);
    QString error;
    const QList<PortRecord> ports = resolvePorts(arguments, &error);
    if (ports.isEmpty()) {
        complain(QStringLiteral("diff: ") + error);
        return ExitTrouble;
    }
    QList<PortJob *> jobs;
    for (qsizetype i = 0; i < ports.size(); ++i) {
        jobs.append(new PortJob(ports.at(i), arguments.at(i)));
        jobs.last()->result.details.insert(QStringLiteral("file"), path);
    }
    const auto cleanUp = qScopeGuard([&jobs] { qDeleteAll(jobs); });

    ButtonTable file;
    const QString refusal = json ? loadConfig(path, file) : QString();
    if (!json && !loadConfigOrComplain(path, file))
        return ExitTrouble;
    if (!refusal.isEmpty()) {
        // Every port gets its document, so that a script always finds one.
        QList<PortResult> results;
        for (PortJob *job : jobs) {
            job->result.fail(path + QStringLiteral(": ") + refusal);
            results.append(job->result);
        }
        reportResults(QStringLiteral("diff"), results, json);
        return ExitTrouble;
    }
    runJobs(jobs, [&file](PortJob &job) {
        job.transfer(TransferDirection::Readout, job.keypad, [&job, &file](const PortJob::Transfer &t) {
            // Also after a failure: the buttons that did arrive.
            job.result.buttons = t.buttonsDone;
            job.result.entries = entryCount(job.keypad, t.buttonsDone);
            if (t.succeeded())
                compare(job, file);
            else
                job.result.fail(t.message, t.portReason);
            job.finish();
        });
    }, Texts::tr("Reading"));

    QList<PortResult> results;
    int status = ExitSuccess;
    for (const PortJob *job : jobs) {
        results.append(job->result);
        if (job->result.status != ExitSuccess)
            status = ExitTrouble;
        else if (job->result.outcome != QLatin1String("same") && status == ExitSuccess)
            status = ExitDifferent;
    }
    reportResults(QStringLiteral("diff"), results, json);
    return InterruptSignals::exitStatusOr(status);
}

} // namespace

Command diffCommand()
{
    Command c;
    c.name = QStringLiteral("diff");
    c.synopsis = QStringLiteral("PORT... FILE.tkf");
    c.summary = Texts::tr("Show how the keypad differs from a configuration file.");
    c.description = Texts::tr(
        "Reads the keypad over PORT and compares it, button by button, with what\n"
        "writing FILE.tkf would leave on it. Each button that differs is named, with\n"
        "the lines of the text form (see \"qm47 convert\") that only the keypad holds\n"
        "(\"- \") and those that only the file holds (\"+ \"). Buttons or entries of the\n"
        "file that the keypad cannot hold are differences too.\n"
        "Several PORTs are read at the same time; the results follow their order.\n"
        "Exit status as diff(1): 0 when every keypad holds what the file holds, 1\n"
        "when any differs, 2 when a keypad could not be read or the file was refused;\n"
        "129, 130 or 143 when SIGHUP, SIGINT or SIGTERM stopped the readout.\n");
    c.options = {{QStringLiteral("json"), QString(),
                  Texts::tr("Print one JSON document per port.")}};
    c.minArguments = 2;
    c.maxArguments = std::numeric_limits<int>::max();
    c.run = runDiff;
    return c;
}
