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
