#pragma once

#include "config/buttontable.h"
#include "keyboard/keynames.h"

#include <QList>
#include <QString>

// Turning a piece of text into the key strokes that type it on a keyboard
// with a given layout. The unshifted character of a key is its name in the
// layout's name table (a letter's lower case); Shift gives the capital of a
// letter and the second character printed on the other character keys.
// Space, Enter (line feed) and Tab are typed on every layout.

struct TypedText {
    QList<ContentEntry> entries; // press and release entries; empty when refused
    QString untypable;           // the characters the layout cannot type, each once
};

// Key that types `character` on `table`, and whether Shift is needed. False
// when no key of the table gives it.
bool keyForCharacter(NameTable table, char32_t character, KeyCode &code, bool &shift);

// The entries that type `text`: a press and a release per character, a
// left Shift held around each run of shifted characters. With any character
// the layout cannot type, no entries are given and `untypable` lists them.
TypedText typeText(NameTable table, const QString &text);

// The name of a table for people ("German").
QString nameTableName(NameTable table);
