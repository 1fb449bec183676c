#include "file/tkffile.h"

#include "file/atomicwrite.h"
#include "file/regularfile.h"

#include <QFile>

bool saveConfigFile(const QString &path, const ButtonTable &table)
{
    return writeWholeFile(path, encodeConfig(table));
}

TkfLoadResult loadConfigFile(const QString &path, ButtonTable &table)
{
    TkfLoadResult result;
    QFile file;
    if (!openRegularFile(file, path))
        return result;
    result.opened = true;
    const QByteArray data = file.read(TkfMaxReadSize);
    file.close();
    result.read = decodeConfig(data, table);
    return result;
}
