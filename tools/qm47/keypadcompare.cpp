#include "keypadcompare.h"
#include "texts.h"

#include "config/buttontable.h"
#include "file/tkftext.h"

#include <algorithm>
#include <vector>

namespace {

const ButtonContent &buttonOrEmpty(const ButtonTable &table, int index)
{
    static const ButtonContent empty;
    return index < table.buttonCount ? table.content(uint8_t(index)) : empty;
}

bool sameContent(const ButtonContent &a, const ButtonContent &b)
{
    return a.length == b.length
        && std::equal(a.entries.begin(), a.entries.begin() + a.length, b.entries.begin());
}

// A button's lines of the text form without the "button N" line, so that a
// delay reads "delay" as in a text the user edits.
QStringList scriptLines(const ButtonContent &c)
{
    const QList<ContentEntry> entries(c.entries.begin(), c.entries.begin() + c.length);
    QStringList lines = scriptToText(entries, 1).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (!lines.isEmpty())
        lines.removeFirst();
    for (QString &line : lines)
        line = line.trimmed();
    return lines;
}

QString entryOrNothing(const ButtonContent &c, int k)
{
    return k < c.length ? textEntry(c.entries[size_t(k)]) : Texts::tr("no entry");
}

} // namespace

ButtonTable keptByKeypad(const ButtonTable &file, int buttons, int maxEntries)
{
    ButtonTable kept;
    kept.buttonCount = uint8_t(buttons);
    kept.maxEntries = uint16_t(maxEntries);
    for (int i = 0; i < buttons; ++i) {
        const ButtonContent &from = buttonOrEmpty(file, i);
        ButtonContent &to = kept.content(uint8_t(i));
        to.length = uint8_t(std::min<int>(from.length, maxEntries));
        std::copy(from.entries.begin(), from.entries.begin() + to.length, to.entries.begin());
    }
    return kept;
}

QList<int> differingButtons(const ButtonTable &a, const ButtonTable &b)
{
    QList<int> differing;
    const int buttons = std::max(a.buttonCount, b.buttonCount);
    for (int i = 0; i < buttons; ++i)
        if (!sameContent(buttonOrEmpty(a, i), buttonOrEmpty(b, i)))
            differing.append(i);
    return differing;
}

QStringList buttonChanges(const ButtonContent &keypad, const ButtonContent &file)
{
    const QStringList a = scriptLines(keypad);
    const QStringList b = scriptLines(file);
    const auto n = size_t(a.size());
    const auto m = size_t(b.size());
    // Longest common subsequence from the back: common[i][j] for a[i..], b[j..].
    std::vector<std::vector<int>> common(n + 1, std::vector<int>(m + 1, 0));
    for (size_t i = n; i-- > 0;)
        for (size_t j = m; j-- > 0;)
            common[i][j] = a[qsizetype(i)] == b[qsizetype(j)]
                               ? common[i + 1][j + 1] + 1
                               : std::max(common[i + 1][j], common[i][j + 1]);
    QStringList changes;
    size_t i = 0;
    size_t j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && a[qsizetype(i)] == b[qsizetype(j)]) {
            ++i;
            ++j;
        } else if (j == m || (i < n && common[i + 1][j] >= common[i][j + 1])) {
            changes.append(QStringLiteral("- ") + a[qsizetype(i++)]);
        } else {
            changes.append(QStringLiteral("+ ") + b[qsizetype(j++)]);
        }
    }
    return changes;
}

QString firstDifference(const ButtonTable &sent, const ButtonTable &readBack)
{
    if (sent.buttonCount != readBack.buttonCount)
        return Texts::tr("the keypad reports %1 buttons, %2 during the transmit")
            .arg(readBack.buttonCount).arg(sent.buttonCount);
    for (int i = 0; i < sent.buttonCount; ++i) {
        const ButtonContent &a = sent.content(uint8_t(i));
        const ButtonContent &b = readBack.content(uint8_t(i));
        const int n = std::max(a.length, b.length);
        for (int k = 0; k < n; ++k) {
            if (k < a.length && k < b.length && a.entries[size_t(k)] == b.entries[size_t(k)])
                continue;
            return Texts::tr("button %1, entry %2: sent %3, read back %4")
                .arg(i + 1).arg(k + 1).arg(entryOrNothing(a, k), entryOrNothing(b, k));
        }
    }
    return QString();
}

int entryCount(const ButtonTable &table, int buttons)
{
    int entries = 0;
    for (int i = 0; i < std::min<int>(buttons, table.buttonCount); ++i)
        entries += table.content(uint8_t(i)).length;
    return entries;
}
