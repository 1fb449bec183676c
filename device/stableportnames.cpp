#include "device/stableportnames.h"

#include "file/systemfilenames.h"

#include <QFile>
#include <QFileInfo>

#ifndef Q_OS_WIN
#include <algorithm>

#include <dirent.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>

namespace {

// The device a link leads to, as bytes; empty where it leads nowhere.
QByteArray resolvedBytes(const QByteArray &path)
{
    char resolved[PATH_MAX];
    return ::realpath(path.constData(), resolved) ? QByteArray(resolved) : QByteArray();
}

// The names in a folder as the system keeps them, sorted. The folder is read
// by bytes because Qt's listing decodes each name, and a name that does not
// decode cannot even be told to be a link.
QList<QByteArray> entryBytes(const QByteArray &folder)
{
    QList<QByteArray> names;
    DIR *dir = ::opendir(folder.constData());
    if (!dir)
        return names;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names.append(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

bool isSymLink(const QByteArray &path)
{
    struct stat status {};
    return ::lstat(path.constData(), &status) == 0 && S_ISLNK(status.st_mode);
}

} // namespace
#endif

QStringList stableLinkFolders()
{
    return {QStringLiteral("/dev/serial/by-id"), QStringLiteral("/dev/serial/by-path")};
}

StableLinks stableLinksOf(const QString &location, const QStringList &folders)
{
    StableLinks links;
#ifdef Q_OS_WIN
    // Windows keeps no such links.
    Q_UNUSED(location);
    Q_UNUSED(folders);
#else
    const QByteArray device = resolvedBytes(QFile::encodeName(location));
    if (device.isEmpty())
        return links;
    for (const QString &folder : folders) {
        const QByteArray folderBytes = QFile::encodeName(QFileInfo(folder).absoluteFilePath());
        for (const QByteArray &entry : entryBytes(folderBytes)) {
            const QByteArray path = folderBytes + '/' + entry;
            if (!isSymLink(path) || resolvedBytes(path) != device)
                continue;
            QString name;
            if (decodeFileName(path, &name))
                links.names.append(name);
            else
                links.unlisted.append(escapedBytes(path));
        }
    }
#endif
    return links;
}

QString deviceBehind(const QString &path)
{
    const QString device = QFileInfo(path).canonicalFilePath();
    return device.isEmpty() ? path : device;
}
