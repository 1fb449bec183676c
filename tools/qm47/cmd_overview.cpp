// qm47 overview: the overview sheet of a configuration file, as PDF, PNG or SVG.
#include "command.h"
#include "configfiles.h"
#include "console.h"
#include "layoutoption.h"
#include "texts.h"

#include "config/buttontable.h"
#include "overview/overviewexport.h"

#include <QFileInfo>

namespace {

int runOverview(const Invocation &invocation)
{
    NameTable names = NameTable::English;
    if (!layoutFromOption(invocation, QStringLiteral("overview"), names))
        return ExitUsage;
    QPageSize::PageSizeId paper = QPageSize::A4;
    const QString paperName = invocation.value(QStringLiteral("paper")).toLower();
    if (paperName == QLatin1String("letter")) {
        paper = QPageSize::Letter;
    } else if (invocation.isSet(QStringLiteral("paper")) && paperName != QLatin1String("a4")) {
        err() << "qm47: overview: " << Texts::tr("--paper takes a4 or letter") << Qt::endl;
        return ExitUsage;
    }
    const QString path = invocation.arguments.at(0);
    const QString output = invocation.arguments.at(1);
    if (overviewFormatOf(output) == OverviewFormat::Unknown) {
        err() << "qm47: overview: " << Texts::tr("OUT must end in .pdf, .png or .svg") << Qt::endl;
        return ExitUsage;
    }
    ButtonTable table;
    if (!loadConfigOrComplain(path, table))
        return ExitFailure;
    const LayoutKeymap keymap(xkbLayoutForNameTable(names));
    const OverviewSheet sheet = overviewSheetFor(table, keymap, QFileInfo(path).completeBaseName(),
                                                 QDate::currentDate());
    QString error;
    if (!exportOverview(sheet, output, paper, error)) {
        err() << "qm47: overview: " << output << ": " << error << Qt::endl;
        return ExitFailure;
    }
    return ExitSuccess;
}

} // namespace

Command overviewCommand()
{
    Command c;
    c.name = QStringLiteral("overview");
    c.synopsis = QStringLiteral("FILE.tkf OUT");
    c.summary = Texts::tr("Write a sheet of what every button does, to print.");
    c.description = Texts::tr(
        "Writes the overview sheet of FILE.tkf to OUT: the configuration's name, the\n"
        "date and every button in the window's arrangement with its number and what\n"
        "it does in words, on one page. The format follows the name of OUT: .pdf,\n"
        ".png or .svg. The summaries follow the keyboard layout chosen with --layout.\n");
    c.options = {layoutOption(),
                 {QStringLiteral("paper"), QStringLiteral("a4|letter"),
                  Texts::tr("The paper size of the page (default a4).")}};
    c.minArguments = c.maxArguments = 2;
    c.run = runOverview;
    return c;
}
