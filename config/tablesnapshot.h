#pragma once

#include "config/buttontable.h"

#include <QList>

// A copy of the scripts of some buttons, or of the whole table with its
// limits, to bring back later (the undo history keeps one before and one
// after every change). Only the entries in use are kept.
class TableSnapshot
{
public:
    TableSnapshot() = default;

    // The scripts of the buttons `indexes`.
    static TableSnapshot ofButtons(const ButtonTable &table, const QList<int> &indexes);
    // buttonCount, maxEntries and the script of every button the table holds.
    static TableSnapshot ofTable(const ButtonTable &table);

    // Writes the copy back. A whole-table copy empties the buttons it did not
    // keep (they were empty) and sets the limits; a copy of some buttons
    // touches only those.
    void restore(ButtonTable &table) const;

    bool isWholeTable() const { return whole_; }
    // The buttons the copy holds (for a whole-table copy: the non-empty ones).
    QList<int> buttons() const;

    bool operator==(const TableSnapshot &other) const;
    bool operator!=(const TableSnapshot &other) const { return !(*this == other); }

private:
    struct Button {
        int index = 0;
        QList<ContentEntry> entries;
        bool operator==(const Button &o) const { return index == o.index && entries == o.entries; }
    };

    bool whole_ = false;
    uint8_t buttonCount_ = 0;
    uint16_t maxEntries_ = 0;
    QList<Button> buttons_;
};
