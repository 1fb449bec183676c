#include "keyboard/keynames.h"

#include "keyboard/hexdigits.h"

#include <array>

namespace {

int32_t currentLayoutId = 0;

struct CommonName {
    KeyCode code;
    const char16_t *name;
};

// Keys whose name does not depend on the layout: function, modifier,
// navigation and numeric-pad keys, and the letters that sit on the same key
// in all five layouts.
constexpr CommonName CommonNames[] = {
    {0x07, u"F1"},        {0x08, u"ESC"},        {0x0D, u"TAB"},        {0x0F, u"F2"},
    {0x11, u"LCTRL"},     {0x12, u"LSHIFT"},     {0x14, u"CAPSLOCK"},   {0x17, u"F3"},
    {0x19, u"ALT"},       {0x1B, u"S"},          {0x1F, u"F4"},         {0x21, u"C"},
    {0x22, u"X"},         {0x23, u"D"},          {0x24, u"E"},          {0x27, u"F5"},
    {0x29, u"BLANK"},     {0x2A, u"V"},          {0x2B, u"F"},          {0x2C, u"T"},
    {0x2D, u"R"},         {0x2F, u"F6"},         {0x31, u"N"},          {0x32, u"B"},
    {0x33, u"H"},         {0x34, u"G"},          {0x37, u"F7"},         {0x39, u"ALTGR"},
    {0x3B, u"J"},         {0x3C, u"U"},          {0x3F, u"F8"},         {0x42, u"K"},
    {0x43, u"I"},         {0x44, u"O"},          {0x47, u"F9"},         {0x4B, u"L"},
    {0x4D, u"P"},         {0x4F, u"F10"},        {0x56, u"F11"},        {0x57, u"PRINT"},
    {0x58, u"RCTRL"},     {0x59, u"RSHIFT"},     {0x5A, u"ENTER"},      {0x5E, u"F12"},
    {0x5F, u"SCROLLLOCK"}, {0x60, u"DOWN"},      {0x61, u"LEFT"},       {0x62, u"PAUSE"},
    {0x63, u"UP"},        {0x64, u"DELETE"},     {0x65, u"END"},        {0x66, u"BACKSPACE"},
    {0x67, u"INSERT"},    {0x69, u"NUM_1"},      {0x6A, u"RIGHT"},      {0x6B, u"NUM_4"},
    {0x6C, u"NUM_7"},     {0x6D, u"PAGEDOWN"},   {0x6E, u"HOME"},       {0x6F, u"PAGEUP"},
    {0x70, u"NUM_0"},     {0x71, u"NUM_COMMA"},  {0x72, u"NUM_2"},      {0x73, u"NUM_5"},
    {0x74, u"NUM_6"},     {0x75, u"NUM_8"},      {0x76, u"NUMLOCK"},    {0x77, u"NUM_DIVIDE"},
    {0x79, u"NUM_ENTER"}, {0x7A, u"NUM_3"},      {0x7C, u"NUM_PLUS"},   {0x7D, u"NUM_9"},
    {0x7E, u"NUM_MULTIPLY"}, {0x84, u"NUM_MINUS"}, {0x8B, u"WIN_LEFT"}, {0x8C, u"WIN_RIGHT"},
    {0x8D, u"WIN_APP"},   {0xFA, u"DELAY"},
};
static_assert(std::size(CommonNames) == 78, "78 names are shared by all layouts");

struct LayoutName {
    KeyCode code;
    // English, German, French, Spanish, Portuguese (the order of NameTable).
    const char16_t *names[5];
};

// Character keys whose label depends on the layout. U+0300 to U+0303 are
// combining accents: those keys are dead keys on that layout.
constexpr LayoutName LayoutNames[] = {
    {0x0E, {u"\u0060", u"^", u"\u00B2", u"\u00BA", u"\u005C"}},
    {0x13, {u"\u005C", u"<", u"<", u"<", u"<"}},
    {0x15, {u"Q", u"Q", u"A", u"Q", u"Q"}},
    {0x16, {u"1", u"1", u"&", u"1", u"1"}},
    {0x1A, {u"Z", u"Y", u"W", u"Z", u"Z"}},
    {0x1C, {u"A", u"A", u"Q", u"A", u"A"}},
    {0x1D, {u"W", u"W", u"Z", u"W", u"W"}},
    {0x1E, {u"2", u"2", u"\u00E9", u"2", u"2"}},
    {0x25, {u"4", u"4", u"\u0027", u"4", u"4"}},
    {0x26, {u"3", u"3", u"\u0022", u"3", u"3"}},
    {0x2E, {u"5", u"5", u"(", u"5", u"5"}},
    {0x35, {u"Y", u"Z", u"Y", u"Y", u"Y"}},
    {0x36, {u"6", u"6", u"-", u"6", u"6"}},
    {0x3A, {u"M", u"M", u",", u"M", u"M"}},
    {0x3D, {u"7", u"7", u"\u00E8", u"7", u"7"}},
    {0x3E, {u"8", u"8", u"_", u"8", u"8"}},
    {0x41, {u",", u",", u";", u",", u","}},
    {0x45, {u"0", u"0", u"\u00E0", u"0", u"0"}},
    {0x46, {u"9", u"9", u"\u00E7", u"9", u"9"}},
    {0x49, {u".", u".", u":", u".", u"."}},
    {0x4A, {u"/", u"-", u"!", u"-", u"-"}},
    {0x4C, {u";", u"\u00D6", u"M", u"\u00D1", u"\u00C7"}},
    {0x4E, {u"-", u"\u00DF", u")", u"\u0027", u"\u0027"}},
    {0x52, {u"\u0027", u"\u00C4", u"\u00F9", u"\u0301", u"\u00BA"}},
    {0x53, {u"\u005C", u"#", u"*", u"\u00C7", u"\u0303"}},
    {0x54, {u"[", u"\u00DC", u"\u0302", u"\u0300", u"+"}},
    {0x55, {u"=", u"\u0060", u"=", u"\u00A1", u"\u00AB"}},
    {0x5B, {u"]", u"+", u"$", u"+", u"\u0301"}},
};
static_assert(std::size(LayoutNames) == 28, "28 names depend on the layout");

constexpr int TableCount = 5;
using CodeIndex = std::array<const char16_t *, 256>;

// One direct index per table, built once, so that a lookup is a single array
// access (the list view asks for a name for every row it paints).
const std::array<CodeIndex, TableCount> &nameIndex()
{
    static const std::array<CodeIndex, TableCount> index = [] {
        std::array<CodeIndex, TableCount> built{};
        for (CodeIndex &table : built) {
            table.fill(nullptr);
            for (const CommonName &entry : CommonNames)
                table[entry.code] = entry.name;
        }
        for (const LayoutName &entry : LayoutNames)
            for (int t = 0; t < TableCount; ++t)
                built[size_t(t)][entry.code] = entry.names[t];
        return built;
    }();
    return index;
}

} // namespace

int32_t keyboardLayoutId() { return currentLayoutId; }

void setKeyboardLayoutId(int32_t id) { currentLayoutId = id; }

NameTable nameTableFor(int32_t layoutId)
{
    // Bit-mask tests on the whole number, in this order: a layout number
    // that has all bits of several masks set takes the first of them.
    if ((layoutId & 0x07) == 0x07)
        return NameTable::German;
    if ((layoutId & 0x0C) == 0x0C)
        return NameTable::French;
    if ((layoutId & 0x0A) == 0x0A)
        return NameTable::Spanish;
    if ((layoutId & 0x16) == 0x16)
        return NameTable::Portuguese;
    return NameTable::English;
}

QString keyNameIn(NameTable table, KeyCode code)
{
    const int t = int(table);
    if (t < 0 || t >= TableCount)
        return QStringLiteral("ERROR");
    const char16_t *name = nameIndex()[size_t(t)][code];
    return name ? QString::fromUtf16(name) : QStringLiteral("ERROR");
}

QString keyName(KeyCode code) { return keyNameIn(nameTableFor(keyboardLayoutId()), code); }

int32_t layoutIdFromName(QStringView name)
{
    // Only hexadecimal digits are accepted (no sign, prefix or blanks): a
    // layout name is digits only, and anything else is not a layout number.
    int64_t value = 0;
    return parseHexDigits(name, INT32_MAX, value) ? int32_t(value) : 0;
}
