#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The whole content of the file at `path`; "<missing>" when it cannot be
// read, so that a missing file never compares equal to an empty one.
inline QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Replaces the file at `path` with `bytes`; true when all of them were written.
inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}
