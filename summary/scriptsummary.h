#pragma once

#include "config/buttontable.h"

#include <QList>
#include <QString>

class LayoutKeymap;

// What a button's script does, step by step, as a reader would say it.
struct SummaryStep {
    enum Kind {
        Text,      // characters typed, `text` ("git status⏎")
        Keys,      // a chord or a key without a character, `text` ("Ctrl+Alt+T", "F5")
        Delay,     // a run of delays, `halfSeconds` long
        Hold,      // key `text` held down across delays
        StaysDown, // key `text` still down when the script ends
    };
    Kind kind = Text;
    QString text;
    int halfSeconds = 0;

    bool operator==(const SummaryStep &o) const
    { return kind == o.kind && text == o.text && halfSeconds == o.halfSeconds; }
};

// The steps of a script played on a keyboard with `keymap`: the characters
// follow the layout's levels (Shift, AltGr) and dead keys; a key pressed with
// Ctrl, Alt or Super held is a chord in the desktop's notation. Releases
// without a press are left out. Without a valid keymap every key is told by
// its name in the English key-name table.
QList<SummaryStep> summarizeScript(const ButtonContent &content, const LayoutKeymap &keymap);
