#pragma once

#include "config/buttontable.h"

#include <QList>

// Rules of the editing commands that work on a button's script without the
// view: moving one entry, the partner of a delay half, what "delete the last
// element" removes, the room for a delay and the row selected after a delete.
//
// A delay is the pair (250, 2), (250, 3) and is moved and deleted as one unit.
// Scripts that the program builds keep both halves side by side; a script read
// from a device may not. For such scripts every rule below stays inside the
// list and only rearranges or removes what the user asked for:
// - a move whose neighbour is a delay half rotates over the pair only when the
//   entry beyond it is inside the list and a delay half as well; otherwise the
//   entry just swaps with its neighbour; with no neighbour it does not move;
// - a delay half's partner is taken only when it is inside the list and is a
//   delay half itself, so completing a selection never grabs a key entry;
// - deleting the last element takes the row above with it only when that row
//   is the last entry's delay partner, so a lone half goes alone.

enum MoveDirection : int { MoveUp = -1, MoveDown = +1 };

// Moves the entry at `row` one step in `direction`. When the neighbour is a
// delay half, the entry jumps over the whole pair (three entries rotate, the
// pair keeps its order) and the result is 2; a plain swap gives 1; 0 when the
// entry cannot move.
int moveStep(ButtonContent &content, int row, int direction);

// Moves the selected rows (ascending) one step as a block, the unselected
// entry next to the block ending up on its other side: upwards the rows are
// moved from the top, downwards from the bottom. Nothing moves when the block
// already touches the end it moves to. Returns the rows the moved entries
// now occupy, in the order of `rowsAscending`; empty when nothing moved.
QList<int> moveBlock(ButtonContent &content, const QList<int> &rowsAscending,
                     MoveDirection direction);

// Row of the partner of the delay half at `row`: below for a first half
// (key 2), above for any other key. -1 when `row` is no delay half or the
// partner is missing.
int delayPartnerRow(const ButtonContent &content, int row);

// Number of entries that "delete the last element" removes: 2 for a trailing
// delay pair, 1 otherwise, 0 for an empty script.
int trailingUnitLength(const ButtonContent &content);

// True when a delay pair (two entries) still fits below `maxEntries` and
// inside the buffer.
bool roomForDelay(const ButtonContent &content, int maxEntries);

// Row to select after deleting `rowsAscending`: the largest row minus the
// number of rows, so the row above a deleted block; -1 when there is none.
int rowAfterDelete(const QList<int> &rowsAscending);

// Entries a script can still take: below `maxEntries` and inside the buffer.
int freeEntries(const ButtonContent &content, int maxEntries);

// Row behind which pasted or typed entries go: the largest selected row, or
// its partner when that row is the first half of a delay (a pair is never
// split); the script's length when nothing is selected (appending).
int insertionRow(const ButtonContent &content, const QList<int> &rowsAscending);

// Inserts `entries` directly behind `row` (at the end when `row` equals the
// length). False, and nothing changed, when `row` is outside 0..length or the
// entries do not fit below `maxEntries`.
bool insertEntries(ButtonContent &content, int row, const QList<ContentEntry> &entries,
                   int maxEntries);

// The entries of `rowsAscending`, in order; rows outside the script are skipped.
QList<ContentEntry> entriesAt(const ButtonContent &content, const QList<int> &rowsAscending);
