#pragma once

#include <QByteArray>

#include <cstdint>

class ButtonTable;

// The ".tkf" configuration file: the whole ButtonTable as a flat byte sequence,
//
//   C3 3C, N = buttonCount, M = maxEntries (low byte first),
//   N records of (L = length, then L entries as action byte, key byte),
//   CRC-32 (frameCrc) of everything before it, least significant byte first.
//
// The codec works on byte arrays only; opening files and talking to the user
// belong to the callers.

// Two signature bytes at the start of every file.
constexpr uint8_t TkfSignature0 = 0xC3;
constexpr uint8_t TkfSignature1 = 0x3C;

// Limits that reading a file enforces on the counts it finds.
constexpr uint8_t TkfMaxButtons = 23;
constexpr uint16_t TkfMaxEntries = 250;

// The most bytes the reader can consume: header, 23 full records and the CRC.
// Callers need not load more of a file than this.
constexpr int TkfMaxReadSize = 5 + TkfMaxButtons * (1 + 2 * TkfMaxEntries) + 4;

// What reading a file found. The caller maps it to its messages:
//   !signatureOk               -> the file is not a configuration file; table untouched
//   corruptEntry               -> an entry with an action other than press, release or
//                                 delay; table emptied
//   !crcOk                     -> stored and computed CRC differ (or the data ended
//                                 early); table emptied, with the file's clamped counts
// A file is taken only when accepted() holds.
struct TkfReadResult {
    bool signatureOk = false;
    bool corruptEntry = false;
    bool crcOk = false;
    bool truncated = false; // the data ended before the stored CRC was complete

    bool accepted() const { return signatureOk && !corruptEntry && crcOk; }
};

// The file image of `table`: buttonCount records with each button's length in
// force. Counts beyond what a file can carry (after a device reported larger
// values) are cut so that the image always reads back: at most 23 buttons, a
// maximum raised to the longest button where needed (up to 250), no button
// longer than the maximum.
QByteArray encodeConfig(const ButtonTable &table);

// Reads a file image into `table`. With a bad signature the table is left as it
// was. Otherwise buttonCount and maxEntries take the file's values, clamped to
// 23 and 250, and the table is rebuilt and filled; a corrupt entry or a CRC
// mismatch leaves it rebuilt empty. The selection, the flags and any observer
// notification are the caller's business.
//
// A read beyond the end of `data` delivers no byte: the value it would have
// replaced stays (the table's previous buttonCount, the previous bytes of
// maxEntries, the zeroes of a freshly built button, zero for the CRC bytes).
// Such a file never counts as intact, even if the CRC happened to agree.
TkfReadResult decodeConfig(const QByteArray &data, ButtonTable &table);
