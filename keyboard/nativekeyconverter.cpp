#include "keyboard/nativekeyconverter.h"

namespace {

bool isAltKey(uint32_t evdev)
{
    return evdev == EvdevKey::LeftAlt || evdev == EvdevKey::RightAlt;
}

uint32_t flagsFor(const WindowsKey &key, bool altDown, bool keyUp)
{
    uint32_t flags = 0;
    if (key.extended)
        flags |= WindowsKeyFlag::Extended;
    if (altDown)
        flags |= WindowsKeyFlag::AltDown;
    if (keyUp)
        flags |= WindowsKeyFlag::KeyUp;
    return flags;
}

} // namespace

void NativeKeyConverter::reset()
{
    down_.fill(false);
    pressedAs_.fill(WindowsKey{});
}

// Keycodes below 8 have no input event code; F13 and a few other keys arrive
// that way and are taken as the unknown code 0.
uint32_t NativeKeyConverter::evdevCode(uint32_t xkbKeycode)
{
    return xkbKeycode >= 8 ? xkbKeycode - 8 : 0;
}

bool NativeKeyConverter::altHeldExcept(uint32_t evdev) const
{
    return (evdev != EvdevKey::LeftAlt && isDown(EvdevKey::LeftAlt))
        || (evdev != EvdevKey::RightAlt && isDown(EvdevKey::RightAlt));
}

WindowsKeyEvent NativeKeyConverter::press(uint32_t xkbKeycode, Modifiers modifiers)
{
    const uint32_t evdev = evdevCode(xkbKeycode);
    WindowsKey key;
    if (isDown(evdev)) {
        key = pressedAs_[evdev]; // auto-repeat: the identity of the first press
    } else {
        const bool ctrl = modifiers.ctrl || isDown(EvdevKey::LeftCtrl)
                       || isDown(EvdevKey::RightCtrl);
        const bool alt = modifiers.alt || altHeldExcept(evdev);
        key = windowsKeyForEvdev(evdev, ctrl, alt);
        if (evdev < KeyCount) {
            down_[evdev] = true;
            pressedAs_[evdev] = key;
        }
    }
    // Windows sets the Alt flag on the press of an Alt key itself.
    const bool altDown = isAltKey(evdev) || modifiers.alt || altHeldExcept(evdev);
    return WindowsKeyEvent{key.vkCode, key.scanCode, flagsFor(key, altDown, false)};
}

WindowsKeyEvent NativeKeyConverter::release(uint32_t xkbKeycode, Modifiers modifiers)
{
    const uint32_t evdev = evdevCode(xkbKeycode);
    // The release of an Alt key is no longer "with Alt down" unless the other
    // Alt key is still held; the window system's state before the release
    // still counts the key itself, so it is not asked then.
    const bool altDown = altHeldExcept(evdev) || (!isAltKey(evdev) && modifiers.alt);
    WindowsKey key;
    if (isDown(evdev)) {
        key = pressedAs_[evdev];
        down_[evdev] = false;
    } else {
        const bool ctrl = modifiers.ctrl || isDown(EvdevKey::LeftCtrl)
                       || isDown(EvdevKey::RightCtrl);
        key = windowsKeyForEvdev(evdev, ctrl, altDown);
    }
    return WindowsKeyEvent{key.vkCode, key.scanCode, flagsFor(key, altDown, true)};
}
