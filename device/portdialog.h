#pragma once

#include "device/portrecord.h"

#include <QDialog>

// Serial port selection dialog (the form and the port list come with the
// transfer work; until then it only carries the chosen port).
class comPort : public QDialog
{
    Q_OBJECT

public:
    explicit comPort(QWidget *parent = nullptr);
    ~comPort() override;

    PortRecord chosenPort;
};
