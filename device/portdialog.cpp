#include "device/portdialog.h"

comPort::comPort(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("comPort"));
}

comPort::~comPort() = default;
