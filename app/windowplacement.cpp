#include "app/windowplacement.h"

#include <QFileInfo>
#include <QString>

QPoint initialWindowPosition(int screenCount, QSize screen, QSize window)
{
    const int sw = screen.width() - 1;
    const int sh = screen.height() - 1;
    const int ww = window.width() - 1;
    const int wh = window.height() - 1;
    const int x = screenCount == 1 ? sw / 2 - ww / 2 : (sw / 2) / 2 - ww / 2;
    return QPoint(x, sh / 2 - wh / 2);
}

QPoint centredPosition(QPoint referencePos, QSize referenceSize, QSize size)
{
    return QPoint(referencePos.x() + (referenceSize.width() / 2 - size.width() / 2),
                  referencePos.y() + (referenceSize.height() / 2 - size.height() / 2));
}

QString displayedFileName(const QString &path)
{
    QString name = QFileInfo(path).fileName();
    const QString extension = QStringLiteral(".tkf");
    if (name.indexOf(extension) > 0)
        name.remove(extension);
    return name;
}
