#pragma once

#include <QString>

class QFile;

// Opens the file at `path` for reading when it is a regular file (a symbolic
// link to one counts). A FIFO, a device or a folder is refused at once: opening
// a FIFO would wait for a writer for ever, and a device is no configuration.
// False when refused or when the file could not be opened.
bool openRegularFile(QFile &file, const QString &path);

// Why the file at `path` cannot be opened for reading, in the system's words
// ("No such file or directory", "Is a directory", "not a regular file"); empty
// when no reason shows now.
QString openFailureReason(const QString &path);

// Why `path` names no file it could be meant to: empty, unless it holds the
// replacement character (U+FFFD) and nothing is there. Such a path was decoded
// from bytes that the locale's encoding cannot show; encoded again it names
// another file, so it must be neither read nor written.
QString undecodableNameReason(const QString &path);
