#pragma once

#include "keyboard/keycapturebackend.h"
#include "keyboard/nativekeyconverter.h"

#include <QObject>
#include <QPointer>

class QKeyEvent;

// Capture through the program's own windows: an application-wide event filter
// takes every key event that reaches one of the program's windows, reports
// it and swallows it, together with the shortcut check that precedes each
// press. Under X11 the main window also grabs the keyboard of the X server, so
// that the keys of the whole desktop come here; elsewhere only keys meant for
// this program are captured.
//
// The events' native scan codes are taken as XKB keycodes (Linux input event
// code + 8), which is what X11 and Wayland deliver.
class WindowKeyCapture : public QObject, public KeyCaptureBackend
{
    Q_OBJECT

public:
    explicit WindowKeyCapture(Sink sink);
    ~WindowKeyCapture() override;

    bool start(QWindow *window) override;
    void stop() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void handleKey(const QKeyEvent &key);
    bool grabX11(QWindow *window);
    void ungrabX11();

    Sink sink_;
    NativeKeyConverter converter_;
    QPointer<QWindow> grabWindow_;
    bool active_ = false;
};
