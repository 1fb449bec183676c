#include "capture/keyboardlayout.h"

#include "keyboard/keynames.h"

#include <QtGlobal>

#if defined(Q_OS_WIN)
#include <QString>
#include <windows.h>
#elif defined(QM47_HAVE_XCB_XKB)
#include "capture/x11keyboardlayout.h"
#endif

void readKeyboardLayout()
{
#if defined(Q_OS_WIN)
    // The name of the calling thread's layout: 8 hexadecimal digits and a zero.
    wchar_t buffer[9] = {};
    if (GetKeyboardLayoutNameW(buffer) == 0)
        return;
    char text[8];
    for (int i = 0; i < 8; ++i)
        text[i] = char(buffer[i] & 0xFF);
    setKeyboardLayoutId(layoutIdFromName(QString::fromLatin1(text, 8)));
#elif defined(QM47_HAVE_XCB_XKB)
    // 0 (English) where no number can be had; a server that did not answer
    // leaves the number read before, as a failed query does on Windows.
    if (const std::optional<int32_t> id = x11KeyboardLayoutId())
        setKeyboardLayoutId(*id);
#else
    setKeyboardLayoutId(0); // no layout number can be had here: English
#endif
}
