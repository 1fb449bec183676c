#include "file/recentfiles.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString normalised(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

QStringList withRecentFile(const QStringList &list, const QString &path)
{
    const QString added = normalised(path);
    QStringList out{added};
    for (const QString &p : list)
        if (out.size() < RecentFileCount && !p.isEmpty() && normalised(p) != added)
            out.append(p);
    return out;
}

QStringList withoutRecentFile(const QStringList &list, const QString &path)
{
    const QString removed = normalised(path);
    QStringList out;
    for (const QString &p : list)
        if (!p.isEmpty() && normalised(p) != removed)
            out.append(p);
    return out;
}
