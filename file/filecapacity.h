#pragma once

#include <QList>

class ButtonTable;

// What of a configuration a file cannot hold. A keypad may report more
// buttons than a file holds (23) and let a button hold more entries than a
// file stores (250); saving such a table keeps only the first of them.
struct FileCapacityExcess {
    int buttonCount = 0;   // the table's buttons when more than a file holds, else 0
    QList<int> longButtons; // buttons (0-based) among those saved that hold too many entries

    bool isEmpty() const { return buttonCount == 0 && longButtons.isEmpty(); }
};

FileCapacityExcess fileCapacityExcess(const ButtonTable &table);
