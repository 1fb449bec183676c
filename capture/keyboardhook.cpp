#include "capture/keyboardhook.h"

#include "capture/keycapturebackend.h"

#include <QWindow>

#ifdef Q_OS_WIN
#include "capture/winhookcapture.h"
#else
#include "capture/windowkeycapture.h"
#endif

keyboardHook *keyboardHook::instance()
{
    // Lives until the process ends, like the hook it may hold.
    static keyboardHook *hook = new keyboardHook;
    return hook;
}

keyboardHook::keyboardHook()
{
    auto sink = [this](bool pressed, const WindowsKeyEvent &e) {
        if (pressed)
            Q_EMIT keyPressed(e.vkCode, e.scanCode, e.flags);
        else
            Q_EMIT keyReleased(e.vkCode, e.scanCode, e.flags);
    };
#ifdef Q_OS_WIN
    backend_ = std::make_unique<WinHookCapture>(sink);
#else
    backend_ = std::make_unique<WindowKeyCapture>(sink);
#endif
    backend_->setShortcutsNotice([this](bool takes) {
        if (takes == desktopTakesShortcuts_)
            return;
        desktopTakesShortcuts_ = takes;
        if (capturing_)
            Q_EMIT desktopShortcutsChanged(takes);
    });
}

keyboardHook::~keyboardHook() = default;

void keyboardHook::setCaptureWindow(QWindow *window)
{
    window_ = window;
}

bool keyboardHook::setHook(bool on)
{
    capturing_ = on;
    if (on)
        return backend_->start(window_.data());
    backend_->stop();
    desktopTakesShortcuts_ = false;
    return false;
}
