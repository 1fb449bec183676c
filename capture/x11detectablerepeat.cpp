#include "capture/x11detectablerepeat.h"

namespace {

bool allowed = true;

} // namespace

void X11DetectableRepeat::setAllowed(bool allow) { allowed = allow; }

#ifdef QM47_HAVE_XCB_XKB

#include <QGuiApplication>

#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>
// The XKB header names a structure member "explicit", a C++ keyword.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

struct FreeReply {
    void operator()(void *reply) const { std::free(reply); }
};
using FlagsReply = std::unique_ptr<xcb_xkb_per_client_flags_reply_t, FreeReply>;

constexpr uint32_t Detectable = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;

xcb_connection_t *xkbConnection()
{
    if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection || xcb_connection_has_error(connection))
        return nullptr;
    const xcb_query_extension_reply_t *xkb = xcb_get_extension_data(connection, &xcb_xkb_id);
    return xkb && xkb->present ? connection : nullptr;
}

// Sets the flag to `on`, or with change false only asks for the flags; the
// reply holds the flags in force afterwards.
xcb_xkb_per_client_flags_cookie_t perClientFlags(xcb_connection_t *connection, bool change, bool on)
{
    return xcb_xkb_per_client_flags(connection, XCB_XKB_ID_USE_CORE_KBD, change ? Detectable : 0,
                                    on ? Detectable : 0, 0, 0, 0);
}

} // namespace

bool X11DetectableRepeat::enable()
{
    turnedOn_ = false;
    xcb_connection_t *connection = allowed ? xkbConnection() : nullptr;
    if (!connection)
        return false;
    // Both requests go out before a reply is awaited: one round trip.
    const auto before = perClientFlags(connection, false, false);
    const auto after = perClientFlags(connection, true, true);
    const FlagsReply was(xcb_xkb_per_client_flags_reply(connection, before, nullptr));
    const FlagsReply now(xcb_xkb_per_client_flags_reply(connection, after, nullptr));
    if (!was || !now)
        return false;
    const bool on = (now->supported & Detectable) && (now->value & Detectable);
    turnedOn_ = on && !(was->value & Detectable);
    return on;
}

void X11DetectableRepeat::restore()
{
    if (!turnedOn_)
        return;
    turnedOn_ = false;
    if (xcb_connection_t *connection = xkbConnection()) {
        // Awaiting the reply makes sure the server acts on it before Stop ends.
        std::free(xcb_xkb_per_client_flags_reply(connection, perClientFlags(connection, true, false),
                                                 nullptr));
    }
}

#else // built without xcb-xkb: the server cannot be asked

bool X11DetectableRepeat::enable() { return false; }
void X11DetectableRepeat::restore() {}

#endif
