#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class ButtonTable;
struct ButtonContent;

// What a transmit of `file` leaves on a keypad that reports `buttons`
// buttons of at most `maxEntries` entries: each of its buttons holds the
// file's button of the same number, cut to maxEntries, and those the file
// does not have are empty. The counts are the keypad's: a transmit does not
// change them.
ButtonTable keptByKeypad(const ButtonTable &file, int buttons, int maxEntries);

// The buttons (by index) in which two tables differ, over the larger of
// their button counts; a button beyond a table's count counts as empty.
QList<int> differingButtons(const ButtonTable &a, const ButtonTable &b);

// How one button on the keypad differs from the same button in the file, in
// the text form: "- A up" for a line only the keypad has, "+ B up" for one
// only the file has; lines both have in the same order are left out.
QStringList buttonChanges(const ButtonContent &keypad, const ButtonContent &file);

// The first difference between what was sent and what was read back, or an
// empty text when they agree. Buttons and entries are counted from 1.
QString firstDifference(const ButtonTable &sent, const ButtonTable &readBack);

// Number of entries in the first `buttons` buttons of `table`.
int entryCount(const ButtonTable &table, int buttons);
