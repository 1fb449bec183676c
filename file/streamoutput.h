#pragma once

#include <QByteArray>
#include <QString>

// How an output path is written. A path that names something other than a
// regular file (a FIFO, a terminal or other character device, a socket, or a
// descriptor of this process such as /dev/stdout) is written as a stream, as
// a shell's redirection writes it: replacing it with a new regular file would
// destroy the node, and its reader would get nothing.
enum class OutputKind {
    RegularFile, // a regular file, or no file yet
    Stream,      // written directly; never replaced, no file created beside it
    Refused,     // a folder or a block device
};

struct OutputTarget {
    OutputKind kind = OutputKind::RegularFile;
    QString refusal; // the reason, when refused
};

// What the path names now (symbolic links followed).
OutputTarget outputTarget(const QString &path);

// Writes `bytes` to the stream the path names (see OutputKind::Stream). False
// when not every byte got there; `reason`, where given, then says why.
bool writeStream(const QString &path, const QByteArray &bytes, QString *reason = nullptr);
