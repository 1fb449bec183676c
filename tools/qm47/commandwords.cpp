#include "commandwords.h"

#include <QFile>

CommandWords commandWords(int argc, const char *const *argv)
{
    CommandWords result;
    for (int i = 1; i < argc; ++i) {
        const QByteArray bytes(argv[i]);
        const QString word = QFile::decodeName(bytes);
        result.words.append(word);
        if (QFile::encodeName(word) != bytes)
            result.unreadable.append(escapedBytes(bytes));
    }
    return result;
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
