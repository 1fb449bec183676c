#include "keyboard/windowkeycapture.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QWindow>

#ifdef QM47_HAVE_XCB
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <cstdlib>
#endif

WindowKeyCapture::WindowKeyCapture(Sink sink)
    : sink_(std::move(sink))
{
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
    return grabX11(window);
}

void WindowKeyCapture::stop()
{
    if (!active_)
        return;
    active_ = false;
    if (qApp)
        qApp->removeEventFilter(this);
    ungrabX11();
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
    NativeKeyConverter::Modifiers modifiers;
    modifiers.ctrl = key.modifiers().testFlag(Qt::ControlModifier);
    modifiers.alt = key.modifiers().testFlag(Qt::AltModifier);
    if (key.type() == QEvent::KeyPress) {
        sink_(true, converter_.press(key.nativeScanCode(), modifiers));
        return;
    }
    WindowsKeyEvent event;
    if (converter_.release(key.nativeScanCode(), key.isAutoRepeat(), modifiers, event))
        sink_(false, event);
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
