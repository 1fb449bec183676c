#include "portresults.h"

#include "configfiles.h"
#include "console.h"
#include "jsonoutput.h"
#include "texts.h"

int reportResults(const QString &command, const QList<PortResult> &results, bool json)
{
    const bool several = results.size() > 1;
    int status = ExitSuccess;
    for (const PortResult &r : results) {
        const bool failed = r.status != ExitSuccess;
        if (failed)
            status = ExitFailure;
        if (failed && (json || !several))
            complain(several ? r.port + QStringLiteral(": ") + r.message : r.message);
        if (json) {
            printJson(portResultJson(command, r));
            continue;
        }
        if (!several) {
            for (const QString &line : r.lines)
                out() << line << '\n';
            continue;
        }
        QStringList lines = r.lines;
        if (failed)
            lines = QStringList{Texts::tr("failed: %1").arg(r.message.section(QLatin1Char('\n'), 0, 0))};
        out() << r.port << ": " << lines.value(0) << '\n';
        for (qsizetype i = 1; i < lines.size(); ++i)
            out() << "  " << lines.at(i) << '\n';
    }
    return status;
}
