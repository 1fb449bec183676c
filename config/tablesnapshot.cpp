#include "config/tablesnapshot.h"

namespace {

QList<ContentEntry> scriptOf(const ButtonContent &c)
{
    return QList<ContentEntry>(c.entries.cbegin(), c.entries.cbegin() + c.length);
}

void setScript(ButtonContent &c, const QList<ContentEntry> &entries)
{
    std::copy(entries.cbegin(), entries.cend(), c.entries.begin());
    c.length = uint8_t(entries.size());
}

} // namespace

TableSnapshot TableSnapshot::ofButtons(const ButtonTable &table, const QList<int> &indexes)
{
    TableSnapshot s;
    for (int i : indexes)
        if (i >= 0 && i < ButtonTable::ButtonCapacity)
            s.buttons_.append({i, scriptOf(table.content(uint8_t(i)))});
    return s;
}

TableSnapshot TableSnapshot::ofTable(const ButtonTable &table)
{
    TableSnapshot s;
    s.whole_ = true;
    s.buttonCount_ = table.buttonCount;
    s.maxEntries_ = table.maxEntries;
    for (int i = 0; i < ButtonTable::ButtonCapacity; ++i) {
        const ButtonContent &c = table.content(uint8_t(i));
        if (c.length > 0)
            s.buttons_.append({i, scriptOf(c)});
    }
    return s;
}

void TableSnapshot::restore(ButtonTable &table) const
{
    if (whole_) {
        table.buttonCount = buttonCount_;
        table.maxEntries = maxEntries_;
        table.buildTable();
    }
    for (const Button &b : buttons_)
        setScript(table.content(uint8_t(b.index)), b.entries);
}

QList<int> TableSnapshot::buttons() const
{
    QList<int> indexes;
    for (const Button &b : buttons_)
        indexes.append(b.index);
    return indexes;
}

bool TableSnapshot::operator==(const TableSnapshot &other) const
{
    return whole_ == other.whole_ && buttonCount_ == other.buttonCount_
        && maxEntries_ == other.maxEntries_ && buttons_ == other.buttons_;
}
