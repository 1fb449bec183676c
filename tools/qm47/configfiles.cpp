#include "configfiles.h"

#include "console.h"
#include "texts.h"

#include "config/buttontable.h"
#include "file/regularfile.h"
#include "file/tkftext.h"

#include <QFile>
#include <QFileInfo>

namespace {

// A text form is some 100 kB at most; anything far larger is not read.
constexpr qint64 MaxTextFormSize = 4 * 1024 * 1024;

bool isTextForm(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly) || file.size() > MaxTextFormSize)
        return false;
    ButtonTable table;
    TkfTextError error;
    return configFromText(QString::fromUtf8(file.readAll()), table, error);
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
        return WindowTexts::tr("Could not open file!");
    if (!result.read.signatureOk)
        return WindowTexts::tr("File corrupt! Could not read the file!");
    if (result.read.corruptEntry)
        return WindowTexts::tr("File corrupt! Error reading the file.");
    if (!result.read.crcOk)
        return WindowTexts::tr("CRC error reading the file!");
    return QString();
}

QString couldNotOpenMessage(const QString &path)
{
    const QString reason = openFailureReason(path);
    const QString message = WindowTexts::tr("Could not open file!");
    return reason.isEmpty() ? message : message + QLatin1Char(' ') + reason + QLatin1Char('.');
}

QString couldNotCreateMessage(const QString &reason)
{
    const QString message = WindowTexts::tr("Could not create file!");
    return reason.isEmpty() ? message : message + QLatin1Char(' ') + reason + QLatin1Char('.');
}

QString loadConfig(const QString &path, ButtonTable &table)
{
    const TkfLoadResult result = loadConfigFile(path, table);
    return result.opened ? refusalMessage(result) : couldNotOpenMessage(path);
}

bool loadConfigOrComplain(const QString &path, ButtonTable &table)
{
    const QString refusal = loadConfig(path, table);
    if (refusal.isEmpty())
        return true;
    complain(path, refusal);
    // A bad signature: perhaps the text form, given where a file belongs.
    if (refusal == WindowTexts::tr("File corrupt! Could not read the file!") && isTextForm(path))
        complain(path, Texts::tr("this is the text form of a configuration; make a "
                                      "configuration file of it with \"qm47 convert %1 FILE.tkf\"")
                           .arg(path));
    return false;
}

bool saveConfigOrComplain(const QString &path, const ButtonTable &table)
{
    QString reason;
    if (saveConfigFile(path, table, &reason))
        return true;
    complain(path, couldNotCreateMessage(reason));
    return false;
}

bool isConfigFilePath(const QString &path)
{
    return path.endsWith(QLatin1String(".tkf"), Qt::CaseInsensitive);
}
