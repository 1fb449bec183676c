#pragma once

#include "capture/keycapturebackend.h"

#include <QtGlobal>

#ifdef Q_OS_WIN

// Capture through the Windows low-level keyboard hook: every key event of the
// desktop is reported and swallowed while the hook is installed. The hook
// procedure runs on the thread that installed it, the GUI thread.
class WinHookCapture : public KeyCaptureBackend
{
public:
    explicit WinHookCapture(Sink sink);
    ~WinHookCapture() override;

    bool start(QWindow *window) override;
    void stop() override;

    const Sink &sink() const { return sink_; }

private:
    Sink sink_;
};

#endif
