#include "file/filefingerprint.h"

#include "file/regularfile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace {

// A hash of the file's bytes, read in pieces; empty when it cannot be read.
QByteArray hashOf(const QString &path)
{
    QFile file;
    if (!openRegularFile(file, path))
        return QByteArray();
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return QByteArray();
    return hash.result();
}

} // namespace

bool FileFingerprint::operator==(const FileFingerprint &other) const
{
    return path == other.path && present == other.present && size == other.size
           && modified == other.modified && hash == other.hash;
}

FileFingerprint fingerprintFile(const QString &path)
{
    FileFingerprint print;
    print.path = path;
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile())
        return print;
    print.hash = hashOf(path);
    print.present = !print.hash.isEmpty();
    print.size = info.size();
    print.modified = info.lastModified();
    return print;
}

bool fileChangedSince(const FileFingerprint &remembered)
{
    if (remembered.path.isEmpty() || !remembered.present)
        return false;
    const QFileInfo info(remembered.path);
    if (!info.isFile())
        return false;
    if (info.size() == remembered.size && info.lastModified() == remembered.modified)
        return false;
    const QByteArray hash = hashOf(remembered.path);
    return !hash.isEmpty() && hash != remembered.hash;
}
