#include "file/filefingerprint.h"

#include "file/regularfile.h"
#include "file/tkffile.h"

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
    print.size = info.size();
    print.modified = info.lastModified();
    if (print.size > TkfMaxTextSize) {
        // Not read: present as far as a file that opens is concerned.
        QFile probe;
        print.present = openRegularFile(probe, path);
        return print;
    }
    print.hash = hashOf(path);
    print.present = !print.hash.isEmpty();
    return print;
}

bool fileLooksUnchanged(const FileFingerprint &remembered)
{
    const QFileInfo info(remembered.path);
    return !remembered.path.isEmpty() && info.isFile() && info.size() == remembered.size
           && info.lastModified() == remembered.modified;
}

bool fileChangedSince(const FileFingerprint &remembered)
{
    if (remembered.path.isEmpty() || !remembered.present)
        return false;
    const QFileInfo info(remembered.path);
    if (!info.isFile())
        return false;
    if (info.size() != remembered.size)
        return true;
    if (info.lastModified() == remembered.modified)
        return false;
    // Same size, another time: only the bytes tell, and a file too large to
    // be a configuration is not read for them.
    if (remembered.hash.isEmpty() || info.size() > TkfMaxTextSize)
        return true;
    const QByteArray hash = hashOf(remembered.path);
    return !hash.isEmpty() && hash != remembered.hash;
}
