#include "file/systemfilenames.h"

#include <QFile>

bool decodeFileName(const QByteArray &bytes, QString *name)
{
    *name = QFile::decodeName(bytes);
    return QFile::encodeName(*name) == bytes;
}

QString escapedBytes(const QByteArray &bytes)
{
    QString text;
    for (char c : bytes) {
        const auto byte = uchar(c);
        if (byte >= 0x20 && byte < 0x7F && byte != '\\')
            text += QLatin1Char(c);
        else
            text += QStringLiteral("\\x")
                    + QString::number(byte, 16).rightJustified(2, QLatin1Char('0')).toUpper();
    }
    return text;
}
