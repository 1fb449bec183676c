#pragma once

#include <QString>
#include <QStringList>

// The words of the command line as text, decoded from the bytes the system
// passed with the locale's encoding, as every file name is encoded again when
// a file is opened.
struct CommandWords {
    QStringList words; // without the program's name
    // Words whose bytes that encoding cannot carry both ways (under a UTF-8
    // locale, bytes that are not UTF-8), with those bytes shown as \xFF. A
    // file of such a name would be opened or written under another name, so
    // the command must refuse them.
    QStringList unreadable;
};

CommandWords commandWords(int argc, const char *const *argv);
