#include "app/formparts.h"

#include "app/formscale.h"
#include "app/formscheme.h"
#include "app/stylesheet.h"

#include <QDialog>
#include <QFrame>

QFrame *makeHorizontalLine(QWidget *parent, const char *objectName, QRect geometry)
{
    auto *line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(objectName));
    line->setGeometry(geometry);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QIcon squareLogoIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/images/logo-square.jpg"), QSize(), QIcon::Normal, QIcon::Off);
    icon.addFile(QStringLiteral(":/images/logo-square.jpg"), QSize(), QIcon::Selected, QIcon::Off);
    return icon;
}

void applyDialogLook(QDialog *dialog, const QString &groupTitleColour)
{
    dialog->setWindowIcon(squareLogoIcon());
    dialog->setStyleSheet(applicationStyleSheet(groupTitleColour));
    FormScheme::apply(dialog);
    scaleFormToApplicationFont(dialog);
}
