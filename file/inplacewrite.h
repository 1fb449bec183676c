#pragma once

#include <QByteArray>
#include <QString>

// Overwrites the existing regular file at `path` with `bytes` in place, for a
// folder that allows no new file beside it. The room for the new content is
// reserved first, without cutting the file: when that fails (a full disk, a
// size limit) the file is left as it was. Only then is the new content written
// and the file cut to its new length. Where the file system cannot reserve
// room, the file is written without the reservation and a failure says so.
// False when the file was not written completely; `reason`, where given, then
// says why.
bool writeFileInPlace(const QString &path, const QByteArray &bytes, QString *reason = nullptr);
