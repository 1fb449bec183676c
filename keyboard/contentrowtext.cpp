#include "keyboard/contentrowtext.h"

QString contentRowText(const ContentEntry &entry, NameTable table)
{
    if (entry.action == ActionDelay && entry.key == DelayFirstHalf)
        return QStringLiteral("Delay");
    if (entry.action == ActionDelay && entry.key == DelaySecondHalf)
        return QStringLiteral("0.5s");
    QString text = keyNameIn(table, entry.key);
    if (entry.action == ActionPress)
        text += QStringLiteral(" down");
    else if (entry.action == ActionRelease)
        text += QStringLiteral(" up");
    return text;
}
