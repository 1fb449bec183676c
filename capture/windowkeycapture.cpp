#include "capture/windowkeycapture.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QWindow>

#ifdef QM47_HAVE_XCB
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <cstdlib>
#endif

namespace {

constexpr int HeldReleaseMs = 200;

} // namespace

WindowKeyCapture::WindowKeyCapture(Sink sink)
    : sink_(std::move(sink))
#ifdef QM47_HAVE_WAYLAND
    , shortcutsInhibitor_([this](bool active) {
        if (active_)
            noticeShortcuts(!active);
    })
#endif
{
    heldReleaseTimer_.setSingleShot(true);
    heldReleaseTimer_.setInterval(HeldReleaseMs);
    connect(&heldReleaseTimer_, &QTimer::timeout, this, &WindowKeyCapture::deliverHeldRelease);
}

WindowKeyCapture::~WindowKeyCapture()
{
    stop();
}

bool WindowKeyCapture::start(QWindow *window)
{
    converter_.reset();
    // Installed anew each time so that it runs before every filter installed
    // since (the menu bar's Alt handling, for one).
    qApp->removeEventFilter(this);
    qApp->installEventFilter(this);
    active_ = true;
    const bool grabbed = grabX11(window);
    inhibitWaylandShortcuts(window);
    repeats_.reset(repeatMode());
    return grabbed;
}

void WindowKeyCapture::stop()
{
    if (!active_)
        return;
    // A release still held back happened before Stop and is reported.
    deliverHeldRelease();
    active_ = false;
    if (qApp)
        qApp->removeEventFilter(this);
    detectableRepeat_.restore();
    ungrabX11();
#ifdef QM47_HAVE_WAYLAND
    shortcutsInhibitor_.release();
#endif
}

KeyRepeatFilter::Mode WindowKeyCapture::repeatMode()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return KeyRepeatFilter::Mode::ToolkitMark;
    if (detectableRepeat_.enable())
        return KeyRepeatFilter::Mode::NoRepeatReleases;
    return KeyRepeatFilter::Mode::HoldReleases;
}

bool WindowKeyCapture::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Accepting it tells the application that the key is taken, so no
        // shortcut fires; the press that follows is swallowed below.
        event->accept();
        return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        // Keys enter through a window, which hands them on to its widgets: the
        // window's copy is reported, and swallowing it keeps the widgets out.
        // Key events sent straight to a widget come from no keyboard.
        if (watched->isWindowType())
            handleKey(static_cast<const QKeyEvent &>(*event));
        return true;
    default:
        return false;
    }
}

void WindowKeyCapture::handleKey(const QKeyEvent &key)
{
    KeyRepeatFilter::Event event;
    event.pressed = key.type() == QEvent::KeyPress;
    event.keycode = key.nativeScanCode();
    event.time = key.timestamp();
    event.markedRepeat = key.isAutoRepeat();
    event.modifiers.ctrl = key.modifiers().testFlag(Qt::ControlModifier);
    event.modifiers.alt = key.modifiers().testFlag(Qt::AltModifier);
    heldReleaseTimer_.stop();
    for (const KeyRepeatFilter::Event &decided : repeats_.feed(event)) {
        if (!active_)
            return; // a full button ended the capture
        deliver(decided);
    }
    if (repeats_.holdsRelease())
        heldReleaseTimer_.start();
}

void WindowKeyCapture::deliver(const KeyRepeatFilter::Event &event)
{
    if (event.pressed)
        sink_(true, converter_.press(event.keycode, event.modifiers));
    else
        sink_(false, converter_.release(event.keycode, event.modifiers));
}

void WindowKeyCapture::deliverHeldRelease()
{
    heldReleaseTimer_.stop();
    if (const std::optional<KeyRepeatFilter::Event> release = repeats_.flush())
        deliver(*release);
}

bool WindowKeyCapture::grabX11(QWindow *window)
{
    if (!window || QGuiApplication::platformName() != QLatin1String("xcb"))
        return false;
    grabWindow_ = window;
    // An active grab of the X keyboard: every key of the desktop goes to this
    // window until it is released. Fails when another client holds a grab.
    return window->setKeyboardGrabEnabled(true);
}

void WindowKeyCapture::ungrabX11()
{
    if (!grabWindow_)
        return;
    grabWindow_->setKeyboardGrabEnabled(false);
    grabWindow_.clear();
#ifdef QM47_HAVE_XCB
    // The release request would otherwise wait in the connection's buffer,
    // and the next key would still come here. A round trip makes sure the
    // server has acted on it.
    if (auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>()) {
        if (xcb_connection_t *connection = x11->connection())
            std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection),
                                                nullptr));
    }
#endif
}

void WindowKeyCapture::inhibitWaylandShortcuts(QWindow *window)
{
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    // Until the compositor grants the inhibition (and where it never does)
    // it may still act on shortcuts before the window sees them.
    noticeShortcuts(true);
#ifdef QM47_HAVE_WAYLAND
    shortcutsInhibitor_.inhibit(window);
#else
    Q_UNUSED(window);
#endif
}
