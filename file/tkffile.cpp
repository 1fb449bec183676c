#include "file/tkffile.h"

#include <QFile>
#include <QSaveFile>

bool saveConfigFile(const QString &path, const ButtonTable &table)
{
    if (path.isEmpty())
        return false;
    const QByteArray image = encodeConfig(table);
    QSaveFile file(path);
    // Unbuffered, so that a failing write (disk full, size limit) shows in
    // write() itself: commit() does not notice a failure of its own final
    // flush and would put a truncated file in place of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(image) != image.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

TkfLoadResult loadConfigFile(const QString &path, ButtonTable &table)
{
    TkfLoadResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return result;
    result.opened = true;
    const QByteArray data = file.read(TkfMaxReadSize);
    file.close();
    result.read = decodeConfig(data, table);
    return result;
}
