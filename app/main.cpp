#include "app/mainwindow.h"
#include "translations/uilanguage.h"
#include "app/windowplacement.h"
#include "app/fontconfigwarmup.h"
#include "controllers/filecontroller.h"

#include "qm47version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>

namespace {

void describeCommandLine(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "Records, edits and transfers the key scripts of the QM-47 keypad."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QCoreApplication::translate("main",
                                    "Configuration to open: a .tkf file, or its text form (.txt)."),
        QStringLiteral("[FILE]"));
    parser.addOption(QCommandLineOption(
        QStringLiteral("lang"),
        QCoreApplication::translate("main", "Show the texts in this language: de, fr, es, pt or en "
                                            "(default: the system's language)."),
        QStringLiteral("CODE")));
}

// --help and --version are answered before the window system is reached, so
// that they work on a terminal without a display. Other words wait for the full
// parse: the toolkit's own options, and --help-all, which lists the options of
// the widget application.
void answerHelpOrVersion(int argc, char *argv[])
{
    QStringList words;
    for (int i = 0; i < argc; ++i)
        words.append(QString::fromLocal8Bit(argv[i]));
    QCommandLineParser parser;
    describeCommandLine(parser);
    parser.parse(words); // errors are reported by the full parse
    const bool version = parser.isSet(QStringLiteral("version"));
    if (version || parser.isSet(QStringLiteral("help"))) {
        QCoreApplication core(argc, argv);
        installTranslations(parser.value(QStringLiteral("lang")));
        QCommandLineParser translated; // its texts in the language just loaded
        describeCommandLine(translated);
        translated.parse(words);
        if (version)
            translated.showVersion(); // both print and end the program
        translated.showHelp();
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("qm47-configurator"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QM47_VERSION));
    answerHelpOrVersion(argc, argv);

    // The font configuration is read while the application connects to the
    // display, and is complete before the first text is measured.
    FontConfigurationWarmUp fonts;
    QApplication application(argc, argv);
    fonts.finish();
    // The language first: the parser's messages and the windows speak it.
    installTranslations(languageArgument(QCoreApplication::arguments()));
    QCommandLineParser parser;
    describeCommandLine(parser);
    parser.process(application);
    QCoreApplication::addLibraryPath(QCoreApplication::applicationDirPath()
                                     + QStringLiteral("/plugins"));

    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        parser.showHelp(2);

    int exitCode = 0;
    {
        MainWindow window;
        const QList<QScreen *> screens = QGuiApplication::screens();
        QScreen *primary = QGuiApplication::primaryScreen();
        if (primary) {
            // Several screens: the whole desktop, whose left half gets the window.
            const QSize area = screens.size() == 1 ? primary->geometry().size()
                                                   : primary->virtualGeometry().size();
            window.move(initialWindowPosition(int(screens.size()), area, window.size()));
        }
        window.show();
        if (!files.isEmpty())
            window.fileCommands().openFile(files.first());
        exitCode = application.exec();
    }
    return exitCode;
}
