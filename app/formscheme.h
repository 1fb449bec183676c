#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

// The windows' own light colour scheme. The forms were drawn for dark text on
// white and light grey; a dark desktop palette must not leak into them, so the
// windows take these colours whatever the desktop uses.
namespace FormScheme {

// Captions of disabled controls: at least 3 : 1 against the light faces.
inline QColor disabledText() { return QColor(0x76, 0x76, 0x76); }
// Disabled captions on the darker grey face of the button grid.
inline QColor disabledGridText() { return QColor(0x50, 0x50, 0x50); }
// The keyboard focus frame of a grid button, dark against its grey face.
inline QColor focusFrame() { return QColor(0x09, 0x14, 0x52); }

// The light palette the forms were designed with, with disabled captions that
// stay readable.
QPalette palette();

// Gives `window` and every widget in it the scheme's palette.
void apply(QWidget *window);

} // namespace FormScheme
