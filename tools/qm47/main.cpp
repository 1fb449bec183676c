// qm47: reads, writes, shows, checks and converts QM-47 keypad configurations
// from the command line, with the configurator's own table, file codec and
// transfer code.
#include "commandline.h"
#include "commandwords.h"
#include "configfiles.h"
#include "texts.h"

#include "translations/uilanguage.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <memory>

namespace {

// Only the overview paints, and painting text needs the GUI application
// with its fonts; the other commands stay with QtCore. The sheet is painted
// off screen, so no display is needed.
std::unique_ptr<QCoreApplication> makeApplication(int &argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "overview") != 0)
            continue;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        // Setting up the platform remarks on the session (no runtime folder
        // outside a desktop session), which is no concern of a file writer.
        const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext &, const QString &) {});
        auto app = std::make_unique<QGuiApplication>(argc, argv);
        qInstallMessageHandler(previous);
        return app;
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace

int main(int argc, char *argv[])
{
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv);
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
