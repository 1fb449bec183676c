// qm47 read: the keypad's configuration into a new configuration file.
#include "command.h"
#include "console.h"
#include "configfiles.h"
#include "keypadcompare.h"
#include "interruptsignals.h"
#include "portjob.h"
#include "portresults.h"
#include "portarguments.h"
#include "texts.h"

#include "config/buttontable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

// True when the configurator would read a file of `table` back with every
// button as it is. A keypad may report more buttons or entries than a file can
// hold (the file would be cut), or entries with actions a file does not allow
// (the file would be refused).
bool fitsConfigFile(const ButtonTable &table)
{
    ButtonTable readBack;
    if (!decodeConfig(encodeConfig(table), readBack).accepted()
        || readBack.buttonCount != table.buttonCount)
        return false;
    for (int i = 0; i < table.buttonCount; ++i) {
        const ButtonContent &want = table.content(uint8_t(i));
        const ButtonContent &got = readBack.content(uint8_t(i));
        if (got.length != want.length
            || !std::equal(want.entries.begin(), want.entries.begin() + want.length,
                           got.entries.begin()))
            return false;
    }
    return true;
}

int runRead(const Invocation &invocation)
{
    const QString argument = invocation.arguments.at(0);
    const QString path = invocation.arguments.at(1);
    const bool json = invocation.isSet(QStringLiteral("json"));
    // "-" is standard output, as for convert: the configuration's bytes are
    // then all that goes there.
    const bool toStandardOutput = path == QLatin1String("-");
    if (toStandardOutput && json) {
        complain(Texts::tr("read: --json and the configuration cannot share standard output"));
        return ExitUsage;
    }
    PortJob job(resolvePort(argument), argument);
    job.result.details.insert(QStringLiteral("file"), path);
    // Fail before the transfer, not after it, when the file cannot be made.
    if (!toStandardOutput
        && (!QFileInfo(path).absoluteDir().exists() || QFileInfo(path).isDir())) {
        job.result.fail(path + QStringLiteral(": ")
                        + WindowTexts::tr("Could not create file!"));
        return reportResults(QStringLiteral("read"), {job.result}, json);
    }

    runJobs({&job}, [](PortJob &j) {
        j.transfer(TransferDirection::Readout, j.keypad, [&j](const PortJob::Transfer &t) {
            // Also after a failure: the buttons that did arrive.
            j.result.buttons = t.buttonsDone;
            j.result.entries = entryCount(j.keypad, t.buttonsDone);
            if (!t.succeeded())
                j.result.fail(t.message, t.portReason);
            j.finish();
        });
    }, Texts::tr("Reading"));
    const ButtonTable &table = job.keypad;
    if (job.result.status == ExitSuccess && !fitsConfigFile(table))
        job.result.fail(Texts::tr("the keypad reports %1 buttons of at most %2 entries, or entries "
                                  "a configuration file cannot hold; nothing was written")
                            .arg(table.buttonCount)
                            .arg(table.maxEntries));
    QString reason;
    if (job.result.status == ExitSuccess && toStandardOutput) {
        // Checked once for every command when standard output is closed.
        standardOutput().write(encodeConfig(table));
        job.result.outcome = QStringLiteral("read");
    } else if (job.result.status == ExitSuccess && !saveConfigFile(path, table, &reason)) {
        job.result.fail(path + QStringLiteral(": ") + couldNotCreateMessage(reason), reason);
    } else if (job.result.status == ExitSuccess) {
        job.result.outcome = QStringLiteral("read");
        job.result.lines.append(Texts::tr("Read %1 buttons into %2").arg(table.buttonCount).arg(path));
    }
    return InterruptSignals::exitStatusOr(reportResults(QStringLiteral("read"), {job.result}, json));
}

} // namespace

Command readCommand()
{
    Command c;
    c.name = QStringLiteral("read");
    c.synopsis = QStringLiteral("PORT FILE.tkf");
    c.summary = Texts::tr("Read the keypad's configuration into a configuration file.");
    c.description = Texts::tr(
        "Runs a readout over PORT (see \"qm47 ports\") as the configurator does and\n"
        "writes the configuration to FILE.tkf. The file is written only when the\n"
        "readout completed; after a failure an existing FILE.tkf stays as it was.\n"
        "FILE.tkf \"-\" is standard output, which then carries the configuration\n"
        "and nothing else.\n"
        "A progress bar is shown on standard error when it is a terminal.\n"
        "PORT may be a link to the device, such as its stable name under\n"
        "/dev/serial/by-id.\n");
    c.options = {{QStringLiteral("json"), QString(),
                  Texts::tr("Print the result as a JSON document.")}};
    c.minArguments = c.maxArguments = 2;
    c.run = runRead;
    return c;
}
