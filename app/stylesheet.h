#pragma once

#include <QString>

// The application style sheet: white windows, light grey menus, a white status
// bar with a thin top line and dark blue group-box titles. `groupTitleColour`
// lets the port dialog carry its own copy with another title colour.
QString applicationStyleSheet(const QString &groupTitleColour = QStringLiteral("#091452"));

// Style sheet of a button in the button grid: grey face, 1-pixel solid border.
QString buttonStyleSheet(const QString &borderColour);

// The grid buttons' style sheet before any mark is applied.
QString initialButtonStyleSheet();
