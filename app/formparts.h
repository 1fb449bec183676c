#pragma once

#include <QIcon>
#include <QRect>

class QFrame;
class QWidget;

// Pieces shared by the hand-built forms of the main window and the dialogs.

// A sunken horizontal separator line.
QFrame *makeHorizontalLine(QWidget *parent, const char *objectName, QRect geometry);

// The square logo as a window icon, for the normal and the selected mode.
QIcon squareLogoIcon();
