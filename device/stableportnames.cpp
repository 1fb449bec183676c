#include "device/stableportnames.h"

#include <QDir>
#include <QFileInfo>

QStringList stableLinkFolders()
{
    return {QStringLiteral("/dev/serial/by-id"), QStringLiteral("/dev/serial/by-path")};
}

QStringList stableNamesOf(const QString &location, const QStringList &folders)
{
    QStringList names;
    const QString device = QFileInfo(location).canonicalFilePath();
    if (device.isEmpty())
        return names;
    for (const QString &folder : folders) {
        const QFileInfoList links =
            QDir(folder).entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
        for (const QFileInfo &link : links)
            if (link.isSymLink() && link.canonicalFilePath() == device)
                names.append(link.absoluteFilePath());
    }
    return names;
}

QString deviceBehind(const QString &path)
{
    const QString device = QFileInfo(path).canonicalFilePath();
    return device.isEmpty() ? path : device;
}
