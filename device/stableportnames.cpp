#include "device/stableportnames.h"

#include "file/systemfilenames.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

#ifndef Q_OS_WIN
#include <dirent.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#endif

namespace {

// The device a link leads to, as bytes; empty where it leads nowhere.
QByteArray resolvedBytes(const QByteArray &path)
{
#ifdef Q_OS_WIN
    Q_UNUSED(path);
    return {};
#else
    char resolved[PATH_MAX];
    return ::realpath(path.constData(), resolved) ? QByteArray(resolved) : QByteArray();
#endif
}

// The names in a folder as the system keeps them, sorted. The folder is read
// by bytes because Qt's listing decodes each name, and a name that does not
// decode cannot even be told to be a link.
QList<QByteArray> entryBytes(const QByteArray &folder)
{
    QList<QByteArray> names;
#ifndef Q_OS_WIN
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
#else
    Q_UNUSED(folder);
#endif
    return names;
}

bool isSymLink(const QByteArray &path)
{
#ifdef Q_OS_WIN
    Q_UNUSED(path);
    return false;
#else
    struct stat status {};
    return ::lstat(path.constData(), &status) == 0 && S_ISLNK(status.st_mode);
#endif
}

} // namespace

QStringList stableLinkFolders()
{
    return {QStringLiteral("/dev/serial/by-id"), QStringLiteral("/dev/serial/by-path")};
}

StableLinks stableLinksOf(const QString &location, const QStringList &folders)
{
    StableLinks links;
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
    return links;
}

QString deviceBehind(const QString &path)
{
    const QString device = QFileInfo(path).canonicalFilePath();
    return device.isEmpty() ? path : device;
}
