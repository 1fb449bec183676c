#include "app/mainwindow.h"
#include "app/windowplacement.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QCoreApplication::addLibraryPath(QCoreApplication::applicationDirPath()
                                     + QStringLiteral("/plugins"));

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
        exitCode = application.exec();
    }
    return exitCode;
}
