#include "app/mainwindow.h"
#include "app/windowplacement.h"

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
}

// --help and --version are answered before the window system is reached, so
// that they work on a terminal without a display. Other words wait for the full
// parse: the toolkit's own options, and --help-all, which lists the options of
// the widget application.
void answerHelpOrVersion(int argc, char *argv[], QCommandLineParser &parser)
{
    QStringList words;
    for (int i = 0; i < argc; ++i)
        words.append(QString::fromLocal8Bit(argv[i]));
    parser.parse(words); // errors are reported by the full parse
    const bool version = parser.isSet(QStringLiteral("version"));
    if (version || parser.isSet(QStringLiteral("help"))) {
        QCoreApplication core(argc, argv);
        if (version)
            parser.showVersion(); // both print and end the program
        parser.showHelp();
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("qm47-configurator"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QM47_VERSION));
    QCommandLineParser parser;
    describeCommandLine(parser);
    answerHelpOrVersion(argc, argv, parser);

    QApplication application(argc, argv);
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
            window.openConfigFile(files.first());
        exitCode = application.exec();
    }
    return exitCode;
}
