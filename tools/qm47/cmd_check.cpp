// qm47 check: the configurator's checks of every button of a configuration file.
#include "buttonchecks.h"
#include "command.h"
#include "configfiles.h"
#include "console.h"
#include "texts.h"

#include "config/buttontable.h"

namespace {

int runCheck(const Invocation &invocation)
{
    const QString path = invocation.arguments.at(0);
    ButtonTable table;
    if (!loadConfigOrComplain(path, table))
        return ExitFailure;
    const QStringList problems = buttonProblems(table);
    for (const QString &problem : problems)
        out() << problem << '\n';
    if (!problems.isEmpty())
        return ExitFailure;
    out() << Texts::tr("All %1 buttons are balanced and have no successive delays")
                 .arg(table.buttonCount)
          << '\n';
    return ExitSuccess;
}

} // namespace

Command checkCommand()
{
    Command c;
    c.name = QStringLiteral("check");
    c.synopsis = QStringLiteral("FILE.tkf");
    c.summary = Texts::tr("Check every button for balance and successive delays.");
    c.description = Texts::tr(
        "Runs the checks the configurator runs before a transmit or save on every\n"
        "button of FILE.tkf: the balance check (every key pressed is released, every\n"
        "key released was pressed, an even number of entries) and the test for two\n"
        "delays in a row. Names each button that fails and why, one line each, and\n"
        "exits with status 1 if any does.\n");
    c.minArguments = c.maxArguments = 1;
    c.run = runCheck;
    return c;
}
