#pragma once

#include <QFont>

class QWidget;

// The forms have fixed geometry, drawn for DejaVu Sans at 9 points. With a
// larger desktop font every position and size grows by the same factor, so
// that no caption is cut; at the reference font nothing changes.

// The font the fixed geometry was designed for.
QFont referenceFormFont();

// How much larger `font` is than the reference: 1.0 when it is not larger.
qreal formScaleFactor(const QFont &font);

// Scales the window's size and limits, the absolute geometry, minimum and
// maximum sizes of its widgets, the spacing and margins of its layouts, the
// explicit point sizes of its fonts and the row height of its tables.
void scaleForm(QWidget *window, qreal factor);

// scaleForm with the factor of the application font.
void scaleFormToApplicationFont(QWidget *window);
