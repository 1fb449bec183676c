#pragma once

#include <QPoint>
#include <QSize>
#include <QString>

// Where the main window first appears. With one screen it is centred on it;
// with several, `screen` is the whole desktop and the window goes to the middle
// of its left half (the middle of the left screen of two equal ones). Integer
// arithmetic on the far-minus-near edge distances (size - 1), as the window
// system reports rectangles.
QPoint initialWindowPosition(int screenCount, QSize screen, QSize window);

// Top-left corner that centres a window of `size` over a reference window
// whose frame starts at `referencePos` and which has `referenceSize`.
QPoint centredPosition(QPoint referencePos, QSize referenceSize, QSize size);

// Text of the file label for a path: the file name, with every ".tkf" removed
// when the name contains ".tkf" after its first character.
QString displayedFileName(const QString &path);
