#pragma once

#include "keyboard/windowskey.h"

#include <functional>

class QWindow;

// A platform's way of capturing the keyboard for the recording. While started,
// it hands every key event to its sink with the Windows key data, on the GUI
// thread, and keeps the event from reaching anything else.
class KeyCaptureBackend
{
public:
    // pressed: true for a key going down (auto-repeats included).
    using Sink = std::function<void(bool pressed, const WindowsKeyEvent &event)>;

    virtual ~KeyCaptureBackend() = default;

    // Starts capturing. `window` is the program's main window, which receives
    // the keys where the capture works through a window. Returns true when the
    // capture covers the whole desktop; false when only keys meant for this
    // program are captured (or nothing, when the platform refused).
    virtual bool start(QWindow *window) = 0;
    virtual void stop() = 0;

    // Told while started whether the desktop may still act on its own
    // shortcuts (Alt+Tab and the like) before they reach the capture. Only a
    // capture that depends on the desktop's consent ever says true.
    using ShortcutsNotice = std::function<void(bool desktopTakesShortcuts)>;
    void setShortcutsNotice(ShortcutsNotice notice) { shortcutsNotice_ = std::move(notice); }

protected:
    void noticeShortcuts(bool desktopTakesShortcuts)
    {
        if (shortcutsNotice_)
            shortcutsNotice_(desktopTakesShortcuts);
    }

private:
    ShortcutsNotice shortcutsNotice_;
};
