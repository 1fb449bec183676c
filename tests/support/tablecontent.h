#pragma once

#include "config/buttontable.h"

#include <QList>
#include <QString>
#include <QStringList>

// Filling button tables with scripts and comparing them, for tests.

// An empty table of the given size.
inline ButtonTable makeTable(uint8_t buttons = 23, uint16_t maxEntries = 250)
{
    ButtonTable t;
    t.buttonCount = buttons;
    t.maxEntries = maxEntries;
    t.buildTable();
    return t;
}

// Replaces the script of button `index` (0-based) with `entries`.
inline void setButton(ButtonTable &t, int index, const QList<ContentEntry> &entries)
{
    ButtonContent &c = t.content(uint8_t(index));
    c.length = uint8_t(entries.size());
    for (int k = 0; k < entries.size(); ++k)
        c.entries[size_t(k)] = entries[k];
}

// The script of a button as a list, for comparing it as a whole.
inline QList<ContentEntry> entriesOf(const ButtonContent &c)
{
    QList<ContentEntry> out;
    for (int k = 0; k < c.length; ++k)
        out.append(c.entries[size_t(k)]);
    return out;
}

inline QList<ContentEntry> entriesOf(const ButtonTable &t, int index)
{
    return entriesOf(t.content(uint8_t(index)));
}

// Where the scripts of buttons 0 to count-1 of two tables first differ, in
// words; empty when they are the same.
inline QString firstDifference(const ButtonTable &a, const ButtonTable &b, int count)
{
    for (int i = 0; i < count; ++i) {
        const ButtonContent &x = a.content(uint8_t(i));
        const ButtonContent &y = b.content(uint8_t(i));
        if (x.length != y.length)
            return QString("button %1: length %2 vs %3").arg(i).arg(x.length).arg(y.length);
        for (int j = 0; j < x.length; ++j)
            if (x.entries[size_t(j)] != y.entries[size_t(j)])
                return QString("button %1 entry %2").arg(i).arg(j);
    }
    return {};
}

// Same button count, same maximum, and the same scripts in buttons 0 to
// count-1 (by default in every button the table holds, counted or not).
inline bool sameContents(const ButtonTable &a, const ButtonTable &b,
                         int count = ButtonTable::ButtonCapacity)
{
    return a.buttonCount == b.buttonCount && a.maxEntries == b.maxEntries
           && firstDifference(a, b, count).isEmpty();
}

// "2:12,3:12": action and key of every entry of a button's script.
inline QString entryCodes(const ButtonContent &c)
{
    QStringList parts;
    for (int i = 0; i < c.length; ++i)
        parts << QString::asprintf("%X:%02X", c.entries[i].action, c.entries[i].key);
    return parts.join(',');
}
