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
