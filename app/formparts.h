#pragma once

#include <QIcon>
#include <QRect>
#include <QString>

class QDialog;
class QFrame;
class QWidget;

// Pieces shared by the hand-built forms of the main window and the dialogs.

// A sunken horizontal separator line.
QFrame *makeHorizontalLine(QWidget *parent, const char *objectName, QRect geometry);

// The square logo as a window icon, for the normal and the selected mode.
QIcon squareLogoIcon();

// Gives a dialog the program's window icon, style sheet and colour scheme,
// here with its own group-title colour, and scales its form to the
// application font. Once per dialog.
void applyDialogLook(QDialog *dialog, const QString &groupTitleColour);
