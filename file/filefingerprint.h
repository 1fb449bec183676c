#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// What a file on disk looked like when it was read or written here: its
// size, its modification time and a hash of its bytes. Compared later, it
// tells whether someone else has changed the file since.
struct FileFingerprint {
    QString path;             // empty: nothing remembered
    bool present = false;     // a regular file could be read at `path`
    qint64 size = -1;
    QDateTime modified;
    QByteArray hash;

    bool operator==(const FileFingerprint &other) const;
    bool operator!=(const FileFingerprint &other) const { return !(*this == other); }
};

// The fingerprint of the file at `path` now.
FileFingerprint fingerprintFile(const QString &path);

// True when the file `remembered` describes is there and no longer holds what
// it held then. Size and time settle it when both agree; when either differs
// the hash decides, so that a file written again with the same bytes does not
// count. A file that has gone away does not count either: there is nothing to
// lose by writing it or to read back.
bool fileChangedSince(const FileFingerprint &remembered);
