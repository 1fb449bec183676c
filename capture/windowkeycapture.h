#pragma once

#include "capture/keycapturebackend.h"
#include "keyboard/keyrepeatfilter.h"
#include "keyboard/nativekeyconverter.h"
#include "capture/x11detectablerepeat.h"
#ifdef QM47_HAVE_WAYLAND
#include "capture/waylandshortcutsinhibitor.h"
#endif

#include <QObject>
#include <QPointer>
#include <QTimer>

class QKeyEvent;

// Capture through the program's own windows: an application-wide event filter
// takes every key event that reaches one of the program's windows, reports
// it and swallows it, together with the shortcut check that precedes each
// press. Under X11 the main window also grabs the keyboard of the X server, so
// that the keys of the whole desktop come here; elsewhere only keys meant for
// this program are captured. Under Wayland the compositor is asked to pass
// its own shortcuts to the window too, and whether it does is noticed.
//
// The events' native scan codes are taken as XKB keycodes (Linux input event
// code + 8), which is what X11 and Wayland deliver.
//
// A held key must be one press and one release. Under X11 the server is asked
// to send a held key's repeats without releases; where it does not, each
// release waits for the next event, which shows whether it was a repeat.
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
    void deliver(const KeyRepeatFilter::Event &event);
    void deliverHeldRelease();
    bool grabX11(QWindow *window);
    void ungrabX11();
    void inhibitWaylandShortcuts(QWindow *window);
    KeyRepeatFilter::Mode repeatMode();

    Sink sink_;
    NativeKeyConverter converter_;
    KeyRepeatFilter repeats_;
    // A release held back is taken as real when no event has come for this
    // long: the two halves of a repeat are sent together.
    QTimer heldReleaseTimer_;
    X11DetectableRepeat detectableRepeat_;
    QPointer<QWindow> grabWindow_;
#ifdef QM47_HAVE_WAYLAND
    WaylandShortcutsInhibitor shortcutsInhibitor_;
#endif
    bool active_ = false;
};
