#include "config/contentediting.h"

#include <algorithm>
#include <utility>

namespace {

int usedLength(const ButtonContent &content)
{
    return std::min<int>(content.length, int(content.entries.size()));
}

bool inside(const ButtonContent &content, int row)
{
    return row >= 0 && row < usedLength(content);
}

bool isDelayHalf(const ContentEntry &e) { return e.action == ActionDelay; }

} // namespace

int moveStep(ButtonContent &content, int row, int direction)
{
    if (direction != MoveUp && direction != MoveDown)
        return 0;
    const int near = row + direction;
    const int far = row + 2 * direction;
    if (!inside(content, row) || !inside(content, near))
        return 0;

    auto &e = content.entries;
    if (isDelayHalf(e[near]) && inside(content, far) && isDelayHalf(e[far])) {
        const ContentEntry moved = e[row];
        e[row] = e[near];
        e[near] = e[far];
        e[far] = moved;
        return 2;
    }
    std::swap(e[row], e[near]);
    return 1;
}

int delayPartnerRow(const ButtonContent &content, int row)
{
    if (!inside(content, row) || !isDelayHalf(content.entries[row]))
        return -1;
    const int partner = content.entries[row].key == DelayFirstHalf ? row + 1 : row - 1;
    if (!inside(content, partner) || !isDelayHalf(content.entries[partner]))
        return -1;
    return partner;
}

int trailingUnitLength(const ButtonContent &content)
{
    const int n = usedLength(content);
    if (n == 0)
        return 0;
    // A lone half at the top has no partner row (-1 is not a row).
    return n >= 2 && delayPartnerRow(content, n - 1) == n - 2 ? 2 : 1;
}

bool roomForDelay(const ButtonContent &content, int maxEntries)
{
    const int limit = std::min<int>(maxEntries, int(content.entries.size()));
    return content.length + 2 <= limit;
}

int rowAfterDelete(const QList<int> &rowsAscending)
{
    if (rowsAscending.isEmpty())
        return -1;
    return rowsAscending.last() - int(rowsAscending.size());
}

QList<int> moveBlock(ButtonContent &content, const QList<int> &rowsAscending,
                     MoveDirection direction)
{
    if (rowsAscending.isEmpty())
        return {};
    if (direction == MoveUp ? rowsAscending.first() <= 0
                            : rowsAscending.last() >= content.length - 1)
        return {};
    QList<int> moved = rowsAscending;
    const int count = int(rowsAscending.size());
    for (int n = 0; n < count; ++n) {
        const int i = direction == MoveUp ? n : count - 1 - n;
        moved[i] = rowsAscending[i] + direction * moveStep(content, rowsAscending[i], direction);
    }
    return moved;
}

int freeEntries(const ButtonContent &content, int maxEntries)
{
    const int limit = std::min<int>(maxEntries, int(content.entries.size()));
    return std::max(0, limit - usedLength(content));
}

int insertionRow(const ButtonContent &content, const QList<int> &rowsAscending)
{
    if (rowsAscending.isEmpty())
        return usedLength(content);
    const int row = rowsAscending.last();
    const int partner = delayPartnerRow(content, row);
    return partner > row ? partner : row;
}

bool insertEntries(ButtonContent &content, int row, const QList<ContentEntry> &entries,
                   int maxEntries)
{
    const int length = usedLength(content);
    if (row < 0 || row > length || int(entries.size()) > freeEntries(content, maxEntries))
        return false;
    // Behind `row`, or at the end when appending.
    const int at = row < length ? row + 1 : length;
    const int count = int(entries.size());
    auto &e = content.entries;
    std::move_backward(e.begin() + at, e.begin() + length, e.begin() + length + count);
    std::copy(entries.cbegin(), entries.cend(), e.begin() + at);
    content.length = uint8_t(length + count);
    return true;
}

QList<ContentEntry> entriesAt(const ButtonContent &content, const QList<int> &rowsAscending)
{
    QList<ContentEntry> out;
    for (int row : rowsAscending)
        if (inside(content, row))
            out.append(content.entries[size_t(row)]);
    return out;
}
