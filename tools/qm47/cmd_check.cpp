// qm47 check: the configurator's checks of every button of a configuration file.
#include "buttonchecks.h"
#include "command.h"
#include "configfiles.h"
#include "console.h"
#include "jsonoutput.h"
#include "layoutoption.h"
#include "texts.h"

#include "config/buttontable.h"
#include "summary/layoutkeymap.h"
#include "summary/summarytext.h"

#include <QJsonArray>

namespace {

int runCheck(const Invocation &invocation)
{
    NameTable names = NameTable::English;
    if (!layoutFromOption(invocation, QStringLiteral("check"), names))
        return ExitUsage;
    const QString path = invocation.arguments.at(0);
    const bool json = invocation.isSet(QStringLiteral("json"));
    ButtonTable table;
    if (json) {
        // A script finds a document whatever became of the file.
        if (const QString refusal = loadConfig(path, table); !refusal.isEmpty()) {
            complain(path, refusal);
            printJson({{QStringLiteral("command"), QStringLiteral("check")},
                       {QStringLiteral("file"), path},
                       {QStringLiteral("outcome"), QStringLiteral("refused")},
                       {QStringLiteral("message"), refusal},
                       {QStringLiteral("buttons"), 0},
                       {QStringLiteral("problems"), QJsonArray()},
                       {QStringLiteral("summaries"), QJsonArray()}});
            return ExitFailure;
        }
    } else if (!loadConfigOrComplain(path, table)) {
        return ExitFailure;
    }
    const QStringList problems = buttonProblems(table);
    if (json) {
        // What each button does, in English, so that a script can tell the
        // buttons apart without reading their entries.
        const LayoutKeymap keymap(xkbLayoutForNameTable(names));
        QJsonArray summaries;
        for (int i = 0; i < table.buttonCount; ++i)
            summaries.append(buttonSummary(table.content(uint8_t(i)), keymap, SummaryLanguage::English).full);
        printJson({{QStringLiteral("command"), QStringLiteral("check")},
                   {QStringLiteral("file"), path},
                   {QStringLiteral("outcome"), problems.isEmpty() ? QStringLiteral("passed")
                                                                  : QStringLiteral("failed")},
                   {QStringLiteral("buttons"), table.buttonCount},
                   {QStringLiteral("problems"), QJsonArray::fromStringList(problems)},
                   {QStringLiteral("summaries"), summaries}});
        return problems.isEmpty() ? ExitSuccess : ExitFailure;
    }
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
        "exits with status 1 if any does. With --json the document also carries each\n"
        "button's summary in words, for the layout chosen with --layout.\n");
    c.options = {layoutOption(), {QStringLiteral("json"), QString(), Texts::tr("Print the result as a JSON document.")}};
    c.minArguments = c.maxArguments = 1;
    c.run = runCheck;
    return c;
}
