#pragma once

#include <QStringView>

#include <cstdint>

// Reads `digits` as a hexadecimal number: only the digits 0-9, a-f and A-F,
// no sign, prefix or blanks. False when a character is not such a digit, the
// text is empty, or the value exceeds `limit`.
inline bool parseHexDigits(QStringView digits, int64_t limit, int64_t &value)
{
    if (digits.isEmpty())
        return false;
    int64_t n = 0;
    for (QChar c : digits) {
        const char16_t u = c.unicode();
        int digit = -1;
        if (u >= u'0' && u <= u'9')
            digit = u - u'0';
        else if (u >= u'a' && u <= u'f')
            digit = u - u'a' + 10;
        else if (u >= u'A' && u <= u'F')
            digit = u - u'A' + 10;
        if (digit < 0)
            return false;
        n = n * 16 + digit;
        if (n > limit)
            return false;
    }
    value = n;
    return true;
}
