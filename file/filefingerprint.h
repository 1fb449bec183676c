#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// What a file on disk looked like when it was read or written here: its
// size, its modification time and a hash of its bytes. Compared later, it
// tells whether someone else has changed the file since.
//
// Only a file that could be a configuration (no larger than TkfMaxTextSize)
// is hashed: hashing a file of gigabytes that took the configuration's
// place would stall the program for as long as reading it takes.
struct FileFingerprint {
    QString path;             // empty: nothing remembered
    bool present = false;     // a regular file could be read at `path`
    qint64 size = -1;
    QDateTime modified;
    QByteArray hash;          // empty for a file too large to be a configuration

    bool operator==(const FileFingerprint &other) const;
    bool operator!=(const FileFingerprint &other) const { return !(*this == other); }
};

// The fingerprint of the file at `path` now.
FileFingerprint fingerprintFile(const QString &path);

// True when the file at `remembered.path` has the size and modification time
// remembered: the cheap look that needs no reading of the file.
bool fileLooksUnchanged(const FileFingerprint &remembered);

// True when the file `remembered` describes is there and no longer holds what
// it held then. Size and time settle it when both agree, and a different size
// settles it the other way; only a file of the same size with another time is
// hashed, so that a file written again with the same bytes does not count. A
// file that has gone away does not count either: there is nothing to lose by
// writing it or to read back.
bool fileChangedSince(const FileFingerprint &remembered);
