#pragma once

#include <cstdint>

// A key event as the Windows low-level keyboard hook reports it: virtual-key
// code, scan code set 1 make code without the E0 prefix, and the event flags.
// Every capture back end delivers these values, so that one translation into
// device key codes serves all platforms.
struct WindowsKeyEvent {
    uint32_t vkCode = 0;
    uint32_t scanCode = 0;
    uint32_t flags = 0;

    bool operator==(const WindowsKeyEvent &o) const
    { return vkCode == o.vkCode && scanCode == o.scanCode && flags == o.flags; }
    bool operator!=(const WindowsKeyEvent &o) const { return !(*this == o); }
};

// Bits of WindowsKeyEvent::flags.
namespace WindowsKeyFlag {
constexpr uint32_t Extended = 0x01;           // the key's scan code has the E0 prefix
constexpr uint32_t LowerIntegrityInjected = 0x02;
constexpr uint32_t Injected = 0x10;
constexpr uint32_t AltDown = 0x20;            // an Alt key is held down
constexpr uint32_t KeyUp = 0x80;              // the key went up
} // namespace WindowsKeyFlag
