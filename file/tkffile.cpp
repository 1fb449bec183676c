#include "file/tkffile.h"

#include "config/buttontable.h"
#include "file/atomicwrite.h"
#include "file/regularfile.h"
#include "file/tkftext.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>

bool saveConfigFile(const QString &path, const ButtonTable &table, QString *reason)
{
    return writeWholeFile(path, encodeConfig(table), reason);
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

bool isTextFormPath(const QString &path)
{
    return path.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive);
}

bool saveConfigTextFile(const QString &path, const ButtonTable &table, QString *reason)
{
    return writeWholeFile(path, configToText(table).toUtf8(), reason);
}

TextLoadResult loadConfigTextFile(const QString &path, ButtonTable &table)
{
    TextLoadResult result;
    QFile file;
    if (!openRegularFile(file, path))
        return result;
    result.opened = true;
    const QByteArray data = file.read(TkfMaxTextSize + 1);
    if (data.size() > TkfMaxTextSize) {
        result.error.message =
            QCoreApplication::translate("TkfFile", "the file is too large for a configuration");
        return result;
    }
    ButtonTable read;
    if (!configFromText(QString::fromUtf8(data), read, result.error))
        return result;
    // As when reading a configuration file: the table holds at most 250 entries a button.
    read.maxEntries = std::min<uint16_t>(read.maxEntries, TkfMaxEntries);
    table.buttonCount = read.buttonCount;
    table.maxEntries = read.maxEntries;
    table.buildTable();
    for (int i = 0; i < read.buttonCount; ++i)
        table.content(uint8_t(i)) = read.content(uint8_t(i));
    result.read = true;
    return result;
}
