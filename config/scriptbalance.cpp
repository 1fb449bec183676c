#include "config/scriptbalance.h"

#include <algorithm>

namespace {

bool isPress(const ContentEntry &e) { return e.action == ActionPress; }
bool isRelease(const ContentEntry &e) { return e.action == ActionRelease; }
bool isOther(const ContentEntry &e) { return !isPress(e) && !isRelease(e); }

// The length as far as the buffer reaches.
int usedLength(const ButtonContent &content)
{
    return std::min<int>(content.length, int(content.entries.size()));
}

// Index of the first entry after `row` with the same key byte, or -1.
int nextSameKey(const ButtonContent &content, int row)
{
    const int n = usedLength(content);
    const uint8_t key = content.entries[row].key;
    for (int j = row + 1; j < n; ++j)
        if (content.entries[j].key == key)
            return j;
    return -1;
}

// Index of the nearest entry before `row` with the same key byte, or -1.
int previousSameKey(const ButtonContent &content, int row)
{
    const uint8_t key = content.entries[row].key;
    for (int j = row - 1; j >= 0; --j)
        if (content.entries[j].key == key)
            return j;
    return -1;
}

} // namespace

bool pressUnmatched(const ButtonContent &content, int row)
{
    if (row < 0 || row >= usedLength(content))
        return false;
    const int j = nextSameKey(content, row);
    return j < 0 || !isRelease(content.entries[j]);
}

bool releaseUnmatched(const ButtonContent &content, int row)
{
    if (row < 0 || row >= usedLength(content))
        return false;
    const int j = previousSameKey(content, row);
    return j < 0 || !isPress(content.entries[j]);
}

bool contentBalanced(const ButtonContent &content)
{
    const int n = usedLength(content);
    // Every well-formed script is made of pairs: a key's press and release,
    // or the two halves of a delay.
    if (n % 2 != 0)
        return false;
    if (n == 0)
        return true;

    const auto &e = content.entries;
    if (isRelease(e[0]))
        return false;

    // Forward: each press (but the last entry) needs its release next among
    // the entries with its key; an unknown entry directly behind counts too.
    for (int k = 0; k < n - 1; ++k) {
        if (!isPress(e[k]))
            continue;
        const int j = nextSameKey(content, k);
        const bool matched = j >= 0 && (isRelease(e[j]) || (isOther(e[j]) && j == k + 1));
        if (!matched)
            return false;
    }

    // Backward: each release needs its press as the nearest earlier entry with
    // its key; an unknown entry directly before counts too.
    for (int m = n - 1; m >= 1; --m) {
        if (!isRelease(e[m]))
            continue;
        const int j = previousSameKey(content, m);
        const bool matched = j >= 0 && (isPress(e[j]) || (isOther(e[j]) && j == m - 1));
        if (!matched)
            return false;
    }
    return true;
}

bool checkContent(ButtonContent &content)
{
    content.faulty = 0;
    const bool balanced = contentBalanced(content);
    if (!balanced)
        content.faulty = 1;
    return balanced;
}

bool hasSuccessiveDelays(const ButtonContent &content)
{
    const int n = usedLength(content);
    const auto isFirstHalf = [&](int k) {
        return content.entries[k].action == ActionDelay && content.entries[k].key == DelayFirstHalf;
    };
    for (int k = 0; k + 2 < n; ++k)
        if (isFirstHalf(k) && isFirstHalf(k + 2))
            return true;
    return false;
}
