#pragma once

#include "keyboard/evdevkeys.h"
#include "keyboard/windowskey.h"

#include <array>
#include <cstdint>

// Turns the key events of a window system that numbers keys by XKB keycode
// (the Linux input event code plus 8: X11, Wayland) into the key events that
// the Windows low-level keyboard hook reports for the same keys.
//
// It follows which keys are down, so that the Alt flag and the keys that
// change their code with Ctrl or Alt held come out as on Windows, and so that
// a release carries the identity of its press even when a modifier was let go
// in between. The window system's own modifier state covers modifiers that
// were already down when the capture began.
class NativeKeyConverter
{
public:
    // Modifier state as the window system reports it with the event.
    struct Modifiers {
        bool ctrl = false;
        bool alt = false;
    };

    // Forgets every key held down.
    void reset();

    // A key went down. Auto-repeated presses are reported like presses.
    WindowsKeyEvent press(uint32_t xkbKeycode, Modifiers modifiers);

    // A key really went up (the releases of an auto-repeat are no concern
    // here: Windows does not report them). A release without a seen press is
    // reported too.
    WindowsKeyEvent release(uint32_t xkbKeycode, Modifiers modifiers);

private:
    static constexpr uint32_t KeyCount = 256;

    static uint32_t evdevCode(uint32_t xkbKeycode);
    bool isDown(uint32_t evdev) const { return evdev < KeyCount && down_[evdev]; }
    bool altHeldExcept(uint32_t evdev) const;

    std::array<bool, KeyCount> down_{};
    std::array<WindowsKey, KeyCount> pressedAs_{};
};
