#pragma once

#include "config/buttontable.h"

#include <QString>
#include <QStringList>

// A short notation for scripts in tests:
//   "a+"  press of the key a, "a-" its release (letters a..z map to key codes 0x40..0x59)
//   "["   first half of a delay (250, 2), "]" second half (250, 3)
//   "n:k" a raw entry with action n and key k (decimal)
// Entries are separated by spaces; "" is the empty script.
namespace scripttext {

inline uint8_t keyOf(char letter) { return uint8_t(0x40 + (letter - 'a')); }

inline ContentEntry entryFrom(const QString &token)
{
    if (token == QLatin1String("["))
        return {ActionDelay, DelayFirstHalf};
    if (token == QLatin1String("]"))
        return {ActionDelay, DelaySecondHalf};
    if (token.contains(':')) {
        const QStringList parts = token.split(':');
        return {uint8_t(parts[0].toUInt()), uint8_t(parts[1].toUInt())};
    }
    const char letter = token.at(0).toLatin1();
    return {token.at(1) == '+' ? uint8_t(ActionPress) : uint8_t(ActionRelease), keyOf(letter)};
}

inline void setScript(ButtonContent &content, const QString &text)
{
    content.length = 0;
    const QStringList tokens = text.split(' ', Qt::SkipEmptyParts);
    for (const QString &token : tokens)
        content.entries[content.length++] = entryFrom(token);
}

inline ButtonContent script(const QString &text)
{
    ButtonContent content;
    setScript(content, text);
    return content;
}

inline QString tokenOf(const ContentEntry &e)
{
    if (e.action == ActionDelay && e.key == DelayFirstHalf)
        return QStringLiteral("[");
    if (e.action == ActionDelay && e.key == DelaySecondHalf)
        return QStringLiteral("]");
    const bool letter = e.key >= 0x40 && e.key <= 0x59;
    if (letter && e.action == ActionPress)
        return QString(QChar('a' + (e.key - 0x40))) + '+';
    if (letter && e.action == ActionRelease)
        return QString(QChar('a' + (e.key - 0x40))) + '-';
    return QStringLiteral("%1:%2").arg(e.action).arg(e.key);
}

inline QString text(const ButtonContent &content)
{
    QStringList tokens;
    for (int i = 0; i < content.length; ++i)
        tokens << tokenOf(content.entries[i]);
    return tokens.join(' ');
}

} // namespace scripttext
