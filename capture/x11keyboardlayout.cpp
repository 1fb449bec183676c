#include "capture/x11keyboardlayout.h"

#include "keyboard/xkblayoutid.h"

#include <QGuiApplication>
#include <QString>

#if QT_CONFIG(xcb)

#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>
// The XKB header names a structure member "explicit", a C++ keyword.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

#include <cstdlib>
#include <memory>

namespace {

struct FreeReply {
    void operator()(void *reply) const { std::free(reply); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeReply>;

// What never changes on one connection is asked once: whether XKB is usable
// there, and the text of the symbols name atom seen last (atoms keep their
// names for the life of the server).
struct ConnectionCache {
    xcb_connection_t *connection = nullptr;
    bool xkbUsable = false;
    xcb_atom_t symbolsAtom = XCB_ATOM_NONE;
    QString symbolsName;
};

ConnectionCache &cacheFor(xcb_connection_t *connection)
{
    static ConnectionCache cache;
    if (cache.connection == connection)
        return cache;
    cache = ConnectionCache{};
    cache.connection = connection;
    const xcb_query_extension_reply_t *extension = xcb_get_extension_data(connection, &xcb_xkb_id);
    if (extension && extension->present) {
        const Reply<xcb_xkb_use_extension_reply_t> use(xcb_xkb_use_extension_reply(
            connection, xcb_xkb_use_extension(connection, XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION),
            nullptr));
        cache.xkbUsable = use && use->supported;
    }
    return cache;
}

xcb_connection_t *applicationConnection()
{
    if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    return connection && !xcb_connection_has_error(connection) ? connection : nullptr;
}

// The atom's text, from the cache when it is the atom seen last.
std::optional<QString> symbolsText(ConnectionCache &cache, xcb_atom_t atom)
{
    if (atom == cache.symbolsAtom)
        return cache.symbolsName;
    const Reply<xcb_get_atom_name_reply_t> reply(
        xcb_get_atom_name_reply(cache.connection, xcb_get_atom_name(cache.connection, atom), nullptr));
    if (!reply)
        return std::nullopt;
    cache.symbolsAtom = atom;
    cache.symbolsName = QString::fromLatin1(xcb_get_atom_name_name(reply.get()),
                                            xcb_get_atom_name_name_length(reply.get()));
    return cache.symbolsName;
}

GroupWrap groupWrapOf(uint8_t groupsWrap)
{
    if (groupsWrap & XCB_XKB_GROUPS_WRAP_REDIRECT_INTO_RANGE)
        return GroupWrap::Redirect;
    if (groupsWrap & XCB_XKB_GROUPS_WRAP_CLAMP_INTO_RANGE)
        return GroupWrap::Clamp;
    return GroupWrap::Wrap;
}

} // namespace

std::optional<int32_t> x11KeyboardLayoutId()
{
    xcb_connection_t *connection = applicationConnection();
    if (!connection)
        return 0;
    ConnectionCache &cache = cacheFor(connection);
    if (!cache.xkbUsable)
        return 0;

    // All requests go out before any reply is awaited: one round trip.
    const auto stateCookie = xcb_xkb_get_state(connection, XCB_XKB_ID_USE_CORE_KBD);
    const auto controlsCookie = xcb_xkb_get_controls(connection, XCB_XKB_ID_USE_CORE_KBD);
    const auto namesCookie =
        xcb_xkb_get_names(connection, XCB_XKB_ID_USE_CORE_KBD, XCB_XKB_NAME_DETAIL_SYMBOLS);
    const Reply<xcb_xkb_get_state_reply_t> state(
        xcb_xkb_get_state_reply(connection, stateCookie, nullptr));
    const Reply<xcb_xkb_get_controls_reply_t> controls(
        xcb_xkb_get_controls_reply(connection, controlsCookie, nullptr));
    const Reply<xcb_xkb_get_names_reply_t> names(
        xcb_xkb_get_names_reply(connection, namesCookie, nullptr));
    if (!state || !controls || !names || !(names->which & XCB_XKB_NAME_DETAIL_SYMBOLS))
        return std::nullopt;
    // The value list must lie inside the reply the server sent.
    if (size_t(xcb_xkb_get_names_sizeof(names.get())) > sizeof(*names) + 4 * size_t(names->length))
        return std::nullopt;

    xcb_xkb_get_names_value_list_t values{};
    xcb_xkb_get_names_value_list_unpack(xcb_xkb_get_names_value_list(names.get()), names->nTypes,
                                        names->indicators, names->virtualMods, names->groupNames,
                                        names->nKeys, names->nKeyAliases, names->nRadioGroups,
                                        names->which, &values);
    if (values.symbolsName == XCB_ATOM_NONE)
        return 0;
    const std::optional<QString> symbols = symbolsText(cache, values.symbolsName);
    if (!symbols)
        return std::nullopt;
    // After a new keyboard map is loaded the state can still report a group
    // of the old map; keys use it brought into the range of the new one.
    const int group = groupInRange(state->group, controls->numGroups, groupWrapOf(controls->groupsWrap),
                                   (controls->groupsWrap >> 4) & 0x03);
    const std::optional<XkbLayout> layout = xkbLayoutOfGroup(*symbols, group);
    if (!layout)
        return 0;
    return windowsLayoutForXkb(layout->layout, layout->variant).value_or(0);
}

#else // Qt without its X11 platform: there is no X connection to ask.

std::optional<int32_t> x11KeyboardLayoutId() { return 0; }

#endif
