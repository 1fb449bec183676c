// qm47: reads, writes, shows, checks and converts QM-47 keypad configurations
// from the command line, with the configurator's own table, file codec and
// transfer code.
#include "commandline.h"
#include "commandwords.h"
#include "configfiles.h"
#include "texts.h"

#include "translations/uilanguage.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("qm47"));
    const CommandWords command = commandWords(argc, argv);
    // --lang may stand anywhere on the line; the commands never see it.
    installTranslations(languageArgument(command.words));
    if (!command.unreadable.isEmpty()) {
        for (const QString &word : command.unreadable)
            complain(Texts::tr("%1: the name is not valid in the system's character encoding, "
                               "so qm47 cannot use it; rename it")
                         .arg(word));
        return ExitUsage;
    }
    return runProgram(withoutLanguageArgument(command.words));
}
