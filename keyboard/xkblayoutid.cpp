#include "keyboard/xkblayoutid.h"

#include <QList>

namespace {

// Symbol files that XKB rules add for the model and for options; they are
// not layouts even when they carry a group index ("typo(base):2").
constexpr const char *NonLayoutFiles[] = {
    "pc",       "inet",   "group", "compose", "ctrl",      "level3",   "level5",
    "altwin",   "capslock", "shift", "keypad", "kpdl",     "nbsp",     "eurosign",
    "rupeesign", "terminate", "srvr_ctrl", "typo", "parens", "japan", "korean",
};

bool isNonLayoutFile(QStringView name)
{
    for (const char *file : NonLayoutFiles)
        if (name == QLatin1String(file))
            return true;
    return false;
}

struct SymbolsComponent {
    QStringView name;
    QStringView variant;
    int group = 1; // 1-based, as written after the colon
    bool valid = false;
};

// Splits "de(nodeadkeys):2" into name, variant and group.
SymbolsComponent splitComponent(QStringView text)
{
    SymbolsComponent part;
    const qsizetype colon = text.lastIndexOf(u':');
    if (colon >= 0) {
        bool ok = false;
        part.group = text.mid(colon + 1).toInt(&ok);
        if (!ok || part.group < 1 || part.group > 4)
            return part;
        text = text.left(colon);
    }
    const qsizetype open = text.indexOf(u'(');
    if (open >= 0) {
        if (!text.endsWith(u')'))
            return part;
        part.variant = text.mid(open + 1, text.size() - open - 2);
        text = text.left(open);
    }
    part.name = text.trimmed();
    part.valid = !part.name.isEmpty();
    return part;
}

struct LayoutNumber {
    const char *layout;
    // Empty: any variant without an entry of its own. Otherwise the prefix of
    // the variants it covers ("fr" covers fr, fr_nodeadkeys, fr_mac).
    const char *variantPrefix;
    int32_t number;
};

// Variant entries come before the layout's catch-all entry.
constexpr LayoutNumber LayoutNumbers[] = {
    {"us", "dvorak", 0x10409},    {"us", "intl", 0x20409},  {"us", "alt-intl", 0x20409},
    {"us", "", 0x409},
    {"gb", "extd", 0x452},        {"gb", "", 0x809},
    {"ie", "", 0x1809},
    {"de", "", 0x407},            {"at", "", 0x407},
    {"ch", "fr", 0x100C},         {"ch", "", 0x807},
    {"fr", "", 0x40C},            {"be", "", 0x80C},
    {"ca", "eng", 0x409},         {"ca", "multix", 0x11009}, {"ca", "fr-legacy", 0xC0C},
    {"ca", "", 0x1009},
    {"es", "", 0x40A},            {"latam", "", 0x80A},
    {"pt", "", 0x816},            {"br", "", 0x416},
    {"it", "", 0x410},            {"dk", "", 0x406},        {"no", "", 0x414},
    {"se", "", 0x41D},            {"fi", "", 0x40B},        {"is", "", 0x40F},
    {"nl", "", 0x413},            {"pl", "", 0x415},        {"cz", "", 0x405},
    {"sk", "", 0x41B},            {"hu", "", 0x40E},        {"hr", "", 0x41A},
    {"si", "", 0x424},            {"ee", "", 0x425},        {"gr", "", 0x408},
    {"tr", "f", 0x1041F},         {"tr", "", 0x41F},
    {"ru", "", 0x419},            {"ua", "", 0x422},
    {"il", "", 0x40D},            {"jp", "", 0x411},        {"kr", "", 0x412},
};

} // namespace

std::optional<XkbLayout> xkbLayoutOfGroup(QStringView symbols, int groupIndex)
{
    const int wanted = groupIndex + 1;
    for (QStringView text : symbols.split(u'+')) {
        const SymbolsComponent part = splitComponent(text);
        // Files from vendor folders ("macintosh_vndr/apple") belong to the model.
        if (!part.valid || part.group != wanted || part.name.contains(u'/')
            || isNonLayoutFile(part.name))
            continue;
        return XkbLayout{part.name.toString(), part.variant.toString()};
    }
    return std::nullopt;
}

int groupInRange(int group, int groupCount, GroupWrap wrap, int redirectGroup)
{
    if (groupCount <= 0)
        return -1;
    if (group >= 0 && group < groupCount)
        return group;
    switch (wrap) {
    case GroupWrap::Clamp:
        return group < 0 ? 0 : groupCount - 1;
    case GroupWrap::Redirect:
        return redirectGroup >= 0 && redirectGroup < groupCount ? redirectGroup : 0;
    case GroupWrap::Wrap:
        break;
    }
    return ((group % groupCount) + groupCount) % groupCount;
}

std::optional<int32_t> windowsLayoutForXkb(QStringView layout, QStringView variant)
{
    const QString name = layout.trimmed().toString().toLower();
    const QString kind = variant.trimmed().toString().toLower();
    if (name.isEmpty())
        return std::nullopt;
    for (const LayoutNumber &entry : LayoutNumbers) {
        if (name != QLatin1String(entry.layout))
            continue;
        // A catch-all entry must also match a null variant, which startsWith
        // would refuse.
        const QLatin1String prefix(entry.variantPrefix);
        if (prefix.isEmpty() || kind.startsWith(prefix))
            return entry.number;
    }
    return std::nullopt;
}
