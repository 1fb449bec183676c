#include "keyboard/evdevkeys.h"

#include <array>

namespace {

struct Entry {
    uint16_t vk;
    uint8_t scan;
    bool extended;
};

constexpr uint32_t TableSize = 248; // every code an X keycode can carry

// Indexed by evdev code. The codes 1 .. 88 of the main block and the numeric
// pad are the set 1 scan codes themselves; the keys behind them carry E0.
constexpr std::array<Entry, TableSize> Table = [] {
    std::array<Entry, TableSize> t{};
    const auto set = [&t](uint32_t code, uint16_t vk, uint8_t scan, bool ext = false) {
        t[code] = Entry{vk, scan, ext};
    };
    set(1, 0x1B, 0x01);                                   // Escape
    const uint16_t digits[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9', '0'};
    for (int i = 0; i < 10; ++i)
        set(2 + i, digits[i], uint8_t(2 + i));
    set(12, 0xBD, 0x0C);                                  // - _
    set(13, 0xBB, 0x0D);                                  // = +
    set(14, 0x08, 0x0E);                                  // Backspace
    set(15, 0x09, 0x0F);                                  // Tab
    const char qRow[] = "QWERTYUIOP";
    for (int i = 0; i < 10; ++i)
        set(16 + i, uint16_t(qRow[i]), uint8_t(16 + i));
    set(26, 0xDB, 0x1A);                                  // [
    set(27, 0xDD, 0x1B);                                  // ]
    set(28, 0x0D, 0x1C);                                  // Enter
    set(29, 0xA2, 0x1D);                                  // left Ctrl
    const char aRow[] = "ASDFGHJKL";
    for (int i = 0; i < 9; ++i)
        set(30 + i, uint16_t(aRow[i]), uint8_t(30 + i));
    set(39, 0xBA, 0x27);                                  // ;
    set(40, 0xDE, 0x28);                                  // '
    set(41, 0xC0, 0x29);                                  // `
    set(42, 0xA0, 0x2A);                                  // left Shift
    set(43, 0xDC, 0x2B);                                  // backslash
    const char zRow[] = "ZXCVBNM";
    for (int i = 0; i < 7; ++i)
        set(44 + i, uint16_t(zRow[i]), uint8_t(44 + i));
    set(51, 0xBC, 0x33);                                  // ,
    set(52, 0xBE, 0x34);                                  // .
    set(53, 0xBF, 0x35);                                  // /
    set(54, 0xA1, 0x36);                                  // right Shift
    set(55, 0x6A, 0x37);                                  // pad *
    set(56, 0xA4, 0x38);                                  // left Alt
    set(57, 0x20, 0x39);                                  // Space
    set(58, 0x14, 0x3A);                                  // Caps Lock
    for (int i = 0; i < 10; ++i)
        set(59 + i, uint16_t(0x70 + i), uint8_t(0x3B + i)); // F1 .. F10
    set(69, 0x90, 0x45, true);                            // Num Lock
    set(70, 0x91, 0x46);                                  // Scroll Lock
    set(71, 0x67, 0x47);                                  // pad 7
    set(72, 0x68, 0x48);                                  // pad 8
    set(73, 0x69, 0x49);                                  // pad 9
    set(74, 0x6D, 0x4A);                                  // pad -
    set(75, 0x64, 0x4B);                                  // pad 4
    set(76, 0x65, 0x4C);                                  // pad 5
    set(77, 0x66, 0x4D);                                  // pad 6
    set(78, 0x6B, 0x4E);                                  // pad +
    set(79, 0x61, 0x4F);                                  // pad 1
    set(80, 0x62, 0x50);                                  // pad 2
    set(81, 0x63, 0x51);                                  // pad 3
    set(82, 0x60, 0x52);                                  // pad 0
    set(83, 0x6E, 0x53);                                  // pad decimal
    set(86, 0xE2, 0x56);                                  // the extra key left of Z
    set(87, 0x7A, 0x57);                                  // F11
    set(88, 0x7B, 0x58);                                  // F12
    set(96, 0x0D, 0x1C, true);                            // pad Enter
    set(97, 0xA3, 0x1D, true);                            // right Ctrl
    set(98, 0x6F, 0x35, true);                            // pad /
    set(99, 0x2C, 0x37, true);                            // Print
    set(100, 0xA5, 0x38, true);                           // right Alt (AltGr)
    set(102, 0x24, 0x47, true);                           // Home
    set(103, 0x26, 0x48, true);                           // Up
    set(104, 0x21, 0x49, true);                           // Page Up
    set(105, 0x25, 0x4B, true);                           // Left
    set(106, 0x27, 0x4D, true);                           // Right
    set(107, 0x23, 0x4F, true);                           // End
    set(108, 0x28, 0x50, true);                           // Down
    set(109, 0x22, 0x51, true);                           // Page Down
    set(110, 0x2D, 0x52, true);                           // Insert
    set(111, 0x2E, 0x53, true);                           // Delete
    set(119, 0x13, 0x45);                                 // Pause
    set(125, 0x5B, 0x5B, true);                           // left Windows key
    set(126, 0x5C, 0x5C, true);                           // right Windows key
    set(127, 0x5D, 0x5D, true);                           // Menu
    // Multimedia and browser keys, which Windows reports with E0 scan codes
    // of their own; some of those fall on letter keys' codes.
    set(113, 0xAD, 0x20, true);                           // Mute
    set(114, 0xAE, 0x2E, true);                           // Volume down
    set(115, 0xAF, 0x30, true);                           // Volume up
    set(128, 0xA9, 0x68, true);                           // browser stop
    set(140, 0xB7, 0x21, true);                           // calculator
    set(142, 0x5F, 0x5F, true);                           // sleep
    set(144, 0xB6, 0x6B, true);                           // my computer (as USB sends it)
    set(155, 0xB4, 0x6C, true);                           // mail
    set(156, 0xAB, 0x66, true);                           // browser favorites
    set(157, 0xB6, 0x6B, true);                           // my computer
    set(158, 0xA6, 0x6A, true);                           // browser back
    set(159, 0xA7, 0x69, true);                           // browser forward
    set(163, 0xB0, 0x19, true);                           // next track
    set(164, 0xB3, 0x22, true);                           // play/pause
    set(165, 0xB1, 0x10, true);                           // previous track
    set(166, 0xB2, 0x24, true);                           // stop
    set(171, 0xB5, 0x6D, true);                           // media select (as USB sends it)
    set(172, 0xAC, 0x32, true);                           // browser home
    set(173, 0xA8, 0x67, true);                           // browser refresh
    set(217, 0xAA, 0x65, true);                           // browser search
    set(226, 0xB5, 0x6D, true);                           // media select
    const uint8_t f13to24[] = {0x64, 0x65, 0x66, 0x67, 0x68, 0x69,
                               0x6A, 0x6B, 0x6C, 0x6D, 0x6E, 0x76};
    for (int i = 0; i < 12; ++i)
        set(183 + i, uint16_t(0x7C + i), f13to24[i]);     // F13 .. F24
    return t;
}();

} // namespace

WindowsKey windowsKeyForEvdev(uint32_t evdevCode, bool ctrlDown, bool altDown)
{
    // Keys whose keyboard sends another code with a modifier held.
    if (evdevCode == EvdevKey::Pause && ctrlDown)
        return WindowsKey{0x03, 0x46, true};   // Break
    if (evdevCode == EvdevKey::ScrollLock && ctrlDown)
        return WindowsKey{0x03, 0x46, false};  // Cancel
    if (evdevCode == EvdevKey::SysRq && altDown)
        return WindowsKey{0x2C, 0x54, false};  // SysRq

    if (evdevCode >= TableSize)
        return WindowsKey{};
    const Entry &e = Table[evdevCode];
    return WindowsKey{e.vk, e.scan, e.extended};
}
