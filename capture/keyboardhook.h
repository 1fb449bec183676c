#pragma once

#include <QObject>
#include <QPointer>

#include <cstdint>
#include <memory>

class KeyCaptureBackend;
class QWindow;

// The process-wide keyboard capture of the recording. While the hook is set,
// every key event is reported through keyPressed or keyReleased with the
// Windows key data (virtual-key code, set 1 scan code without E0, Windows
// event flags) on the GUI thread, and kept from other programs and from this
// program's own widgets and shortcuts.
//
// On Windows the low-level keyboard hook captures the whole desktop; under
// X11 a keyboard grab of the main window does; on other window systems only
// keys that reach this program's windows are captured. Under Wayland the
// compositor is asked to pass its own shortcuts to the window as well.
class keyboardHook : public QObject
{
    Q_OBJECT

public:
    // The single instance, created by the first call and never destroyed.
    static keyboardHook *instance();

    // The main window, which takes the keyboard grab where one exists. Kept
    // as a guarded pointer; the window may be set before or after it is shown.
    void setCaptureWindow(QWindow *window);

    // on: starts capturing; off: stops. Returns true when a capture of the
    // whole desktop is in force afterwards.
    bool setHook(bool on);

    // Whether a capture runs, system-wide or not.
    bool isCapturing() const { return capturing_; }

    // Whether, during the capture, the desktop may still act on its own
    // shortcuts (Alt+Tab and the like) instead of passing them on: under
    // Wayland until the compositor grants their inhibition, and after it
    // withdraws it. False elsewhere and when no capture runs.
    bool desktopTakesShortcuts() const { return capturing_ && desktopTakesShortcuts_; }

Q_SIGNALS:
    void keyPressed(uint32_t key, uint32_t scancode, uint32_t flags);
    void keyReleased(uint32_t key, uint32_t scancode, uint32_t flags);
    // desktopTakesShortcuts() changed during a capture.
    void desktopShortcutsChanged(bool desktopTakesShortcuts);

private:
    keyboardHook();
    ~keyboardHook() override;

    std::unique_ptr<KeyCaptureBackend> backend_;
    QPointer<QWindow> window_;
    bool capturing_ = false;
    bool desktopTakesShortcuts_ = false;
};
