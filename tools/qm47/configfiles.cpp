#include "configfiles.h"

#include "console.h"

#include <QCoreApplication>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}

} // namespace

void complain(const QString &message)
{
    err() << "qm47: " << message << Qt::endl;
}

void complain(const QString &path, const QString &message)
{
    complain(path + QStringLiteral(": ") + message);
}

QString refusalMessage(const TkfLoadResult &result)
{
    if (!result.opened)
        return tr("Could not open file!");
    if (!result.read.signatureOk)
        return tr("File corrupt! Could not read the file!");
    if (result.read.corruptEntry)
        return tr("File corrupt! Error reading the file.");
    if (!result.read.crcOk)
        return tr("CRC error reading the file!");
    return QString();
}

bool loadConfigOrComplain(const QString &path, ButtonTable &table)
{
    const QString refusal = refusalMessage(loadConfigFile(path, table));
    if (refusal.isEmpty())
        return true;
    complain(path, refusal);
    return false;
}

bool saveConfigOrComplain(const QString &path, const ButtonTable &table)
{
    if (saveConfigFile(path, table))
        return true;
    complain(path, tr("Could not create file!"));
    return false;
}

bool isConfigFilePath(const QString &path)
{
    return path.endsWith(QLatin1String(".tkf"), Qt::CaseInsensitive);
}
