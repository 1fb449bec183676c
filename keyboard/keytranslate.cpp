#include "keyboard/keytranslate.h"

#include "keyboard/evdevkeys.h"

#include <array>

namespace {

// Flag values that a plain key press or release can carry: optionally
// injected, or with Alt held down, on the way down or up.
bool isNormalFlags(uint32_t flags)
{
    switch (flags) {
    case 0x00: case 0x10: case 0x20: case 0x80: case 0x90: case 0xA0:
        return true;
    default:
        return false;
    }
}

// The same values with the extended bit.
bool isExtendedFlags(uint32_t flags)
{
    return (flags & 0x01) != 0 && isNormalFlags(flags & ~uint32_t(0x01));
}

// Result for keys whose code depends on the extended bit; 0 for any flag value
// outside both sets.
KeyCode byExtendedBit(uint32_t flags, KeyCode normal, KeyCode extended)
{
    if (isNormalFlags(flags))
        return normal;
    if (isExtendedFlags(flags))
        return extended;
    return 0;
}

constexpr KeyCode FunctionKeys[12] = {0x07, 0x0F, 0x17, 0x1F, 0x27, 0x2F,
                                      0x37, 0x3F, 0x47, 0x4F, 0x56, 0x5E};

// Keys identified by their virtual-key code. Returns true when the code has a
// rule of its own, with the result in `code`.
bool translateByVirtualKey(uint32_t vk, uint32_t flags, KeyCode &code)
{
    if (vk >= 0x70 && vk <= 0x7B) { // F1 .. F12
        code = FunctionKeys[vk - 0x70];
        return true;
    }
    switch (vk) {
    case 0x03: // Ctrl+Break (extended) and Ctrl+Scroll Lock
        if (flags == 0x00 || flags == 0x80)
            code = 0x5F;
        else if (flags == 0x01 || flags == 0x81)
            code = 0x62;
        else
            code = 0;
        return true;
    case 0x08: code = 0x66; return true; // Backspace
    case 0x09: code = 0x0D; return true; // Tab
    case 0x0D: code = byExtendedBit(flags, 0x5A, 0x79); return true; // Enter, pad Enter
    case 0x12: code = 0x19; return true; // Alt (unsided)
    case 0x13: code = byExtendedBit(flags, 0x62, 0x76); return true; // Pause
    case 0x14: code = 0x14; return true; // Caps Lock
    case 0x1B: code = 0x08; return true; // Escape
    case 0x20: code = 0x29; return true; // Space
    case 0x2C: code = 0x57; return true; // Print
    case 0x5B: code = 0x8B; return true; // left Windows key
    case 0x5C: code = 0x8C; return true; // right Windows key
    case 0x5D: code = 0x8D; return true; // Menu
    case 0x6A: code = 0x7E; return true; // pad *
    case 0x6B: code = 0x7C; return true; // pad +
    case 0x6D: code = 0x84; return true; // pad -
    case 0x6F: code = 0x77; return true; // pad /
    case 0x90: code = 0x76; return true; // Num Lock
    case 0x91: code = 0x5F; return true; // Scroll Lock
    case 0xA0: code = 0x12; return true; // left Shift
    case 0xA1: code = 0x59; return true; // right Shift
    case 0xA2: code = 0x11; return true; // left Ctrl
    case 0xA3: code = 0x58; return true; // right Ctrl
    case 0xA4: code = 0x19; return true; // left Alt
    case 0xA5: code = 0x39; return true; // right Alt (AltGr)
    default:
        return false;
    }
}

constexpr uint32_t LastScanCode = 0x56;

// Scan codes whose key code does not depend on the flags; 0 = no code.
constexpr std::array<KeyCode, LastScanCode + 1> PlainScanCodes = [] {
    std::array<KeyCode, LastScanCode + 1> t{};
    const KeyCode digitRow[] = {0x16, 0x1E, 0x26, 0x25, 0x2E, 0x36,
                                0x3D, 0x3E, 0x46, 0x45, 0x4E, 0x55};
    const KeyCode qRow[] = {0x15, 0x1D, 0x24, 0x2D, 0x2C, 0x35,
                            0x3C, 0x43, 0x44, 0x4D, 0x54, 0x5B};
    const KeyCode aRow[] = {0x1C, 0x1B, 0x23, 0x2B, 0x34, 0x33,
                            0x3B, 0x42, 0x4B, 0x4C, 0x52, 0x0E};
    const KeyCode zRow[] = {0x1A, 0x22, 0x21, 0x2A, 0x32, 0x31, 0x3A, 0x41, 0x49, 0x4A};
    for (int i = 0; i < 12; ++i) {
        t[0x02 + i] = digitRow[i];
        t[0x10 + i] = qRow[i];
        t[0x1E + i] = aRow[i];
    }
    for (int i = 0; i < 10; ++i)
        t[0x2C + i] = zRow[i];
    t[0x2B] = 0x53; // the key left of or above Enter
    t[0x4C] = 0x73; // pad 5
    t[0x56] = 0x13; // the extra key left of Z
    return t;
}();

// The keys shared by the numeric pad (normal) and the navigation block
// (extended): codes for scan codes 0x47 .. 0x53, 0 where the row has no pair.
struct ScanPair {
    KeyCode normal;
    KeyCode extended;
};
constexpr ScanPair SharedScanCodes[0x53 - 0x47 + 1] = {
    {0x6C, 0x6E}, // 0x47 pad 7 / Home
    {0x75, 0x63}, // 0x48 pad 8 / Up
    {0x7D, 0x6F}, // 0x49 pad 9 / Page Up
    {0, 0},       // 0x4A pad - (by its virtual-key code only)
    {0x6B, 0x61}, // 0x4B pad 4 / Left
    {0, 0},       // 0x4C pad 5: flag-independent, in PlainScanCodes
    {0x74, 0x6A}, // 0x4D pad 6 / Right
    {0, 0},       // 0x4E pad + (by its virtual-key code only)
    {0x69, 0x65}, // 0x4F pad 1 / End
    {0x72, 0x60}, // 0x50 pad 2 / Down
    {0x7A, 0x6D}, // 0x51 pad 3 / Page Down
    {0x70, 0x67}, // 0x52 pad 0 / Insert
    {0x71, 0x64}, // 0x53 pad , / Delete
};

KeyCode translateByScanCode(uint32_t scan, uint32_t flags)
{
    if (scan > LastScanCode)
        return 0;
    if (scan >= 0x47 && scan <= 0x53 && scan != 0x4C) {
        const ScanPair &pair = SharedScanCodes[scan - 0x47];
        return byExtendedBit(flags, pair.normal, pair.extended);
    }
    return PlainScanCodes[scan];
}

} // namespace

KeyCode translateKey(uint32_t vkCode, uint32_t scanCode, uint32_t flags)
{
    KeyCode code = 0;
    if (translateByVirtualKey(vkCode, flags, code))
        return code;
    return translateByScanCode(scanCode, flags);
}

uint32_t evdevCodeOfDeviceKey(KeyCode code)
{
    // The inverse of the capture's translation, built once from the same
    // tables: every evdev code through its Windows identity to a device code.
    // Lower evdev codes come first, so the main block wins over the
    // multimedia keys that share its scan codes.
    static const std::array<uint32_t, 256> inverse = [] {
        std::array<uint32_t, 256> table{};
        for (uint32_t evdev = 1; evdev < 256; ++evdev) {
            const WindowsKey key = windowsKeyForEvdev(evdev, false, false);
            const KeyCode device = translateKey(key.vkCode, key.scanCode, key.extended ? 0x01 : 0x00);
            if (device != 0 && table[device] == 0)
                table[device] = evdev;
        }
        return table;
    }();
    return inverse[code];
}
