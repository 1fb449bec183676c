#pragma once

#include "config/buttontable.h"
#include "file/tkfcodec.h"
#include "keyboard/keynames.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>

// A text form of the configuration file, for people who read, edit and diff
// their keypad configurations. One statement a line; '#' starts a comment;
// blank lines and indentation do not matter; words are separated by blanks
// and compared without regard to case.
//
//   buttons N          number of buttons, 0..23 (default 23)
//   max-entries N      entries per button, 0..65535 as stored (default 250)
//   button N           the entries below belong to button N (1..buttons);
//                      each button at most once, unlisted buttons are empty
//   KEY down           a press of KEY
//   KEY up             a release of KEY
//   delay              a half-second delay (its two halves)
//   KEY delay          one delay half with KEY as its key byte; a delay is
//                      0x02 delay followed by 0x03 delay
//
// "buttons" and "max-entries" come before the first "button". A button holds
// at most max-entries entries, and never more than 250. KEY is the key's name
// from the English table ("A", "LSHIFT", ",", "'") or 0x followed by one or
// two hexadecimal digits ("0x5C"). A name that the table gives to more than
// one code (the backslash), "DELAY" and "ERROR" are not key names; those
// codes are written in hexadecimal, so every name stands for exactly one code.
//
// Every configuration file that the reader accepts has a text form, and
// turning that text back into a file gives the same bytes, so long as the
// file ends with its checksum.

// The word the text form uses for a key code.
QString textKeyName(KeyCode code);

// The key code a word stands for. False when it names no key.
bool parseTextKeyName(QStringView word, KeyCode &code);

// One entry as a line of the text form, without indentation: "A down",
// "0x53 up", "0x02 delay".
QString textEntry(const ContentEntry &entry);

// The text form of `table`: its buttonCount buttons and its maxEntries as it
// stands.
QString configToText(const ButtonTable &table);

// Where and why a text was not understood.
struct TkfTextError {
    int line = 0; // counted from 1
    QString message;
};

// Reads a text form into `table` (buttonCount, maxEntries and the buttons;
// every other button empty). On a line that cannot be understood it returns
// false with `error` set and leaves `table` as it was.
bool configFromText(const QString &text, ButtonTable &table, TkfTextError &error);

// One button's script in the text form ("button N" and its entries), as the
// clipboard carries it.
QString scriptToText(const QList<ContentEntry> &entries, int buttonNumber);

// The entries of a script in the text form: the entries of the one button
// the text lists, or entries without a "button" line. Refused, with `error`
// set, when a line cannot be understood or the text holds several buttons
// (then `error.line` is 0).
bool scriptFromText(const QString &text, QList<ContentEntry> &entries, TkfTextError &error);

// The text form of a configuration file image.
struct TkfImageText {
    TkfReadResult read; // what the reader found; the text is empty unless accepted
    QString text;
    // True when the text turns back into exactly `image`. False for an
    // accepted image that holds more than the reader takes: bytes after the
    // checksum, or counts above the limits whose checksum was made over the
    // limited counts.
    bool exact = false;
};

// Reads `image` as the configurator does, except that the maximum of entries
// is kept as stored (the reader limits it to 250), and gives its text form.
TkfImageText imageToText(const QByteArray &image);
