#include "device/transmitshortfall.h"

#include "config/buttontable.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

// This file's texts, in a catalogue context of their own.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(TransmitShortfall)
};

// "1, 3, 6-23": button numbers, runs of three or more as a range.
QString buttonNumbers(const QList<int> &indexes)
{
    QStringList parts;
    for (qsizetype i = 0; i < indexes.size();) {
        qsizetype end = i;
        while (end + 1 < indexes.size() && indexes[end + 1] == indexes[end] + 1)
            ++end;
        if (end - i >= 2) {
            parts << QStringLiteral("%1-%2").arg(indexes[i] + 1).arg(indexes[end] + 1);
        } else {
            for (qsizetype k = i; k <= end; ++k)
                parts << QString::number(indexes[k] + 1);
        }
        i = end + 1;
    }
    return parts.join(QStringLiteral(", "));
}

} // namespace

TransmitShortfall transmitShortfall(const ButtonTable &table, int keypadButtons,
                                    int keypadMaxEntries)
{
    TransmitShortfall s;
    s.keypadButtons = keypadButtons;
    s.keypadMaxEntries = keypadMaxEntries;
    for (int i = 0; i < table.buttonCount; ++i) {
        const int length = table.content(uint8_t(i)).length;
        if (i >= keypadButtons && length > 0)
            s.notSent.append(i);
        else if (i < keypadButtons && length > keypadMaxEntries)
            s.cut.append(i);
    }
    return s;
}

QStringList shortfallLines(const TransmitShortfall &shortfall)
{
    QStringList lines;
    if (!shortfall.notSent.isEmpty())
        lines << Texts::tr("Buttons the keypad does not have: %1.")
                     .arg(buttonNumbers(shortfall.notSent));
    if (!shortfall.cut.isEmpty())
        lines << Texts::tr("Buttons cut to the keypad's %1 entries: %2.")
                     .arg(shortfall.keypadMaxEntries)
                     .arg(buttonNumbers(shortfall.cut));
    return lines;
}

QString shortfallMessage(const TransmitShortfall &shortfall)
{
    QStringList lines{Texts::tr("The keypad holds %1 buttons with at most %2 entries each, so not all "
                                "of the configuration was written.")
                          .arg(shortfall.keypadButtons)
                          .arg(shortfall.keypadMaxEntries)};
    lines << shortfallLines(shortfall) << Texts::tr("The configuration itself is unchanged.");
    return lines.join(QLatin1Char('\n'));
}
