#pragma once

#include <QByteArray>
#include <QString>

// Makes `bytes` the whole content of the file at `path`, or leaves the file as
// it was. Every file the programs write goes through here.
//
// The bytes go to a temporary file in the same folder, which replaces the old
// file only once every byte is on disk, so a failure (no such folder, disk
// full, size limit) keeps an existing file unchanged. Where the folder does not
// allow a new file but the existing file is writable, the file is written in
// place instead, as a user expects of a file they may write, with its room
// reserved first (writeFileInPlace). A path that names no regular file (a
// FIFO, a device, a socket, /dev/stdout) is written as a stream and never
// replaced; a folder or a block device is refused (see file/streamoutput.h).
// False when the file was not written completely; then `reason`, where given,
// receives the system's word for the failure.
bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *reason = nullptr);
