#include "keyboard/typetext.h"

#include <QCoreApplication>
#include <QHash>

#include <array>
#include <utility>

namespace {

constexpr KeyCode LeftShift = 0x12;
constexpr KeyCode Space = 0x29;
constexpr KeyCode Enter = 0x5A;
constexpr KeyCode Tab = 0x0D;
// The extra key left of Z: only on international keyboards, so a character it
// shares with another key is typed on the other one.
constexpr KeyCode ExtraKey = 0x13;

struct Shifted {
    KeyCode code;
    char32_t character;
};

// What Shift gives on the character keys that carry no letter.
const QList<Shifted> &shiftedCharacters(NameTable table)
{
    static const QList<Shifted> english = {
        {0x0E, U'~'}, {0x16, U'!'}, {0x1E, U'@'}, {0x26, U'#'}, {0x25, U'$'}, {0x2E, U'%'},
        {0x36, U'^'}, {0x3D, U'&'}, {0x3E, U'*'}, {0x46, U'('}, {0x45, U')'}, {0x4E, U'_'},
        {0x55, U'+'}, {0x54, U'{'}, {0x5B, U'}'}, {0x53, U'|'}, {0x4C, U':'}, {0x52, U'"'},
        {0x41, U'<'}, {0x49, U'>'}, {0x4A, U'?'}};
    static const QList<Shifted> german = {
        {0x0E, U'\u00B0'}, {0x16, U'!'}, {0x1E, U'"'}, {0x26, U'\u00A7'}, {0x25, U'$'},
        {0x2E, U'%'}, {0x36, U'&'}, {0x3D, U'/'}, {0x3E, U'('}, {0x46, U')'}, {0x45, U'='},
        {0x4E, U'?'}, {0x5B, U'*'}, {0x53, U'\''}, {0x41, U';'}, {0x49, U':'}, {0x4A, U'_'},
        {0x13, U'>'}};
    static const QList<Shifted> french = {
        {0x16, U'1'}, {0x1E, U'2'}, {0x26, U'3'}, {0x25, U'4'}, {0x2E, U'5'}, {0x36, U'6'},
        {0x3D, U'7'}, {0x3E, U'8'}, {0x46, U'9'}, {0x45, U'0'}, {0x4E, U'\u00B0'},
        {0x55, U'+'}, {0x5B, U'\u00A3'}, {0x53, U'\u00B5'}, {0x52, U'%'}, {0x3A, U'?'},
        {0x41, U'.'}, {0x49, U'/'}, {0x4A, U'\u00A7'}, {0x13, U'>'}};
    static const QList<Shifted> spanish = {
        {0x0E, U'\u00AA'}, {0x16, U'!'}, {0x1E, U'"'}, {0x26, U'\u00B7'}, {0x25, U'$'},
        {0x2E, U'%'}, {0x36, U'&'}, {0x3D, U'/'}, {0x3E, U'('}, {0x46, U')'}, {0x45, U'='},
        {0x4E, U'?'}, {0x55, U'\u00BF'}, {0x5B, U'*'}, {0x41, U';'}, {0x49, U':'},
        {0x4A, U'_'}, {0x13, U'>'}};
    static const QList<Shifted> portuguese = {
        {0x0E, U'|'}, {0x16, U'!'}, {0x1E, U'"'}, {0x26, U'#'}, {0x25, U'$'}, {0x2E, U'%'},
        {0x36, U'&'}, {0x3D, U'/'}, {0x3E, U'('}, {0x46, U')'}, {0x45, U'='}, {0x4E, U'?'},
        {0x55, U'\u00BB'}, {0x54, U'*'}, {0x52, U'\u00AA'}, {0x41, U';'}, {0x49, U':'},
        {0x4A, U'_'}, {0x13, U'>'}};
    switch (table) {
    case NameTable::German:
        return german;
    case NameTable::French:
        return french;
    case NameTable::Spanish:
        return spanish;
    case NameTable::Portuguese:
        return portuguese;
    case NameTable::English:
        break;
    }
    return english;
}

struct Stroke {
    KeyCode code = 0;
    bool shift = false;
};

using StrokeMap = QHash<char32_t, Stroke>;

void offer(StrokeMap &map, char32_t character, Stroke stroke)
{
    const auto it = map.constFind(character);
    if (it == map.cend() || it->code == ExtraKey)
        map.insert(character, stroke);
}

StrokeMap buildStrokes(NameTable table)
{
    StrokeMap map;
    const QString missing = keyNameIn(table, 0);
    for (int code = 0; code < 256; ++code) {
        const QString name = keyNameIn(table, KeyCode(code));
        const QList<uint> chars = name.toUcs4();
        if (name == missing || chars.size() != 1)
            continue; // no entry, or a name such as ENTER or F5
        const char32_t c = chars.first();
        const QString lower = QString(name).toLower();
        if (QChar::isUpper(c) && lower != name && lower.toUcs4().size() == 1) {
            offer(map, char32_t(lower.toUcs4().first()), {KeyCode(code), false});
            offer(map, c, {KeyCode(code), true});
        } else {
            offer(map, c, {KeyCode(code), false});
        }
    }
    for (const Shifted &s : shiftedCharacters(table))
        offer(map, s.character, {s.code, true});
    offer(map, U' ', {Space, false});
    offer(map, U'\n', {Enter, false});
    offer(map, U'\t', {Tab, false});
    return map;
}

const StrokeMap &strokesFor(NameTable table)
{
    static const std::array<StrokeMap, 5> maps = {
        buildStrokes(NameTable::English), buildStrokes(NameTable::German),
        buildStrokes(NameTable::French), buildStrokes(NameTable::Spanish),
        buildStrokes(NameTable::Portuguese)};
    return maps[size_t(table)];
}

} // namespace

bool keyForCharacter(NameTable table, char32_t character, KeyCode &code, bool &shift)
{
    const StrokeMap &map = strokesFor(table);
    const auto it = map.constFind(character);
    if (it == map.cend())
        return false;
    code = it->code;
    shift = it->shift;
    return true;
}

TypedText typeText(NameTable table, const QString &text)
{
    TypedText typed;
    bool shiftDown = false;
    const QString lineFeedsOnly = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (const uint unit : lineFeedsOnly.toUcs4()) {
        const char32_t c = char32_t(unit);
        KeyCode code = 0;
        bool shift = false;
        if (!keyForCharacter(table, c, code, shift)) {
            const QString shown = QString::fromUcs4(&c, 1);
            if (!typed.untypable.contains(shown))
                typed.untypable += shown;
            continue;
        }
        if (shift != shiftDown) {
            typed.entries.append({uint8_t(shift ? ActionPress : ActionRelease), LeftShift});
            shiftDown = shift;
        }
        typed.entries.append({ActionPress, code});
        typed.entries.append({ActionRelease, code});
    }
    if (shiftDown)
        typed.entries.append({ActionRelease, LeftShift});
    if (!typed.untypable.isEmpty())
        typed.entries.clear();
    return typed;
}

QString nameTableName(NameTable table)
{
    switch (table) {
    case NameTable::German:
        return QCoreApplication::translate("NameTable", "German");
    case NameTable::French:
        return QCoreApplication::translate("NameTable", "French");
    case NameTable::Spanish:
        return QCoreApplication::translate("NameTable", "Spanish");
    case NameTable::Portuguese:
        return QCoreApplication::translate("NameTable", "Portuguese");
    case NameTable::English:
        break;
    }
    return QCoreApplication::translate("NameTable", "English");
}
