// qm47: reads, writes, shows, checks and converts QM-47 keypad configurations
// from the command line, with the configurator's own table, file codec and
// transfer code.
#include "commandline.h"

#include "translations/uilanguage.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("qm47"));
    // --lang may stand anywhere on the line; the commands never see it.
    const QStringList words = QCoreApplication::arguments().mid(1);
    installTranslations(languageArgument(words));
    return runProgram(withoutLanguageArgument(words));
}
