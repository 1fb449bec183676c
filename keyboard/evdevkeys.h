#pragma once

#include <cstdint>

// The Windows identity of a physical key: what the Windows low-level keyboard
// hook reports for it (with a US layout and Num Lock on).
struct WindowsKey {
    uint32_t vkCode = 0;
    uint32_t scanCode = 0; // scan code set 1, without the E0 prefix
    bool extended = false; // the E0 prefix

    bool operator==(const WindowsKey &o) const
    { return vkCode == o.vkCode && scanCode == o.scanCode && extended == o.extended; }
    bool operator!=(const WindowsKey &o) const { return !(*this == o); }
};

// Linux input event codes that the capture needs by name.
namespace EvdevKey {
constexpr uint32_t LeftCtrl = 29;
constexpr uint32_t LeftAlt = 56;
constexpr uint32_t ScrollLock = 70;
constexpr uint32_t RightCtrl = 97;
constexpr uint32_t SysRq = 99; // the Print key
constexpr uint32_t RightAlt = 100;
constexpr uint32_t Pause = 119;
} // namespace EvdevKey

// The Windows identity of the key with Linux input event code `evdevCode`
// (the X keycode less 8). Some keys send other codes with Ctrl or Alt held, as
// their Windows identity shows: Ctrl+Pause is Break, Ctrl+Scroll Lock is Cancel
// and Alt+Print is SysRq. Unknown codes give all zeros, which the translation
// into device codes turns into "no code".
WindowsKey windowsKeyForEvdev(uint32_t evdevCode, bool ctrlDown, bool altDown);
