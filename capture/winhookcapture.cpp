#include "capture/winhookcapture.h"

#ifdef Q_OS_WIN

#include <windows.h>

namespace {

HHOOK hookHandle = nullptr;
WinHookCapture *activeCapture = nullptr;

// The scan code of the left-Ctrl event that Windows adds to every press and
// release of AltGr; AltGr itself arrives as its own event.
constexpr DWORD AltGrCompanionScanCode = 0x21D;

LRESULT CALLBACK keyboardProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode != 0)
        return 0;
    bool pressed = false;
    switch (wParam) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        pressed = true;
        break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        pressed = false;
        break;
    default:
        return 0;
    }
    BYTE state[256];
    if (!GetKeyboardState(state))
        return 0;
    const auto *info = reinterpret_cast<const KBDLLHOOKSTRUCT *>(lParam);
    if (info->scanCode == AltGrCompanionScanCode)
        return 1;
    if (activeCapture)
        activeCapture->sink()(pressed, WindowsKeyEvent{info->vkCode, info->scanCode, info->flags});
    return 1; // swallowed: no other program sees the key
}

} // namespace

WinHookCapture::WinHookCapture(Sink sink)
    : sink_(std::move(sink))
{
}

WinHookCapture::~WinHookCapture()
{
    stop();
}

bool WinHookCapture::start(QWindow *)
{
    activeCapture = this;
    // A second request keeps the installed hook instead of leaking it.
    if (!hookHandle)
        hookHandle = SetWindowsHookExW(WH_KEYBOARD_LL, keyboardProc, GetModuleHandleW(nullptr), 0);
    return hookHandle != nullptr;
}

void WinHookCapture::stop()
{
    if (hookHandle)
        UnhookWindowsHookEx(hookHandle);
    hookHandle = nullptr;
    if (activeCapture == this)
        activeCapture = nullptr;
}

#endif
