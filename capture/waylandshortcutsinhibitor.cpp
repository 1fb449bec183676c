#include "capture/waylandshortcutsinhibitor.h"

#include "keyboard-shortcuts-inhibit-unstable-v1-client-protocol.h"

#include <QGuiApplication>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>
#include <wayland-client.h>

#include <cstring>

namespace {

using Manager = zwp_keyboard_shortcuts_inhibit_manager_v1;

void onGlobal(void *data, wl_registry *registry, uint32_t name, const char *interface,
              uint32_t /*version*/)
{
    auto *manager = static_cast<Manager **>(data);
    if (!*manager
        && std::strcmp(interface, zwp_keyboard_shortcuts_inhibit_manager_v1_interface.name) == 0)
        *manager = static_cast<Manager *>(
            wl_registry_bind(registry, name, &zwp_keyboard_shortcuts_inhibit_manager_v1_interface, 1));
}

void onGlobalRemove(void *, wl_registry *, uint32_t) {}

const wl_registry_listener registryListener = {onGlobal, onGlobalRemove};

// Waits until the compositor has handled every request sent so far. The round
// trip runs on a queue of our own, so that it dispatches nothing of the
// toolkit's (whose default queue the toolkit dispatches on the GUI thread).
void roundTrip(wl_display *display)
{
    wl_event_queue *queue = wl_display_create_queue(display);
    wl_display_roundtrip_queue(display, queue);
    wl_event_queue_destroy(queue);
}

// The compositor's inhibit manager, or null when it offers none. The registry
// is read on a queue of our own, so that the round trip dispatches nothing of
// the toolkit's; the manager then moves to the default queue, which the
// toolkit dispatches on the GUI thread.
Manager *bindManager(wl_display *display)
{
    wl_event_queue *queue = wl_display_create_queue(display);
    auto *wrapper = static_cast<wl_display *>(wl_proxy_create_wrapper(display));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy *>(wrapper), queue);
    wl_registry *registry = wl_display_get_registry(wrapper);
    wl_proxy_wrapper_destroy(wrapper);

    Manager *manager = nullptr;
    wl_registry_add_listener(registry, &registryListener, &manager);
    wl_display_roundtrip_queue(display, queue);
    wl_registry_destroy(registry);
    if (manager)
        wl_proxy_set_queue(reinterpret_cast<wl_proxy *>(manager), nullptr);
    wl_event_queue_destroy(queue);
    return manager;
}

} // namespace

WaylandShortcutsInhibitor::WaylandShortcutsInhibitor(Notice notice)
    : notice_(std::move(notice))
{
}

WaylandShortcutsInhibitor::~WaylandShortcutsInhibitor()
{
    release();
}

bool WaylandShortcutsInhibitor::inhibit(QWindow *window)
{
    release();
    QPlatformNativeInterface *native = QGuiApplication::platformNativeInterface();
    if (!window || !native || !QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return false;
    auto *display = static_cast<wl_display *>(native->nativeResourceForIntegration("wl_display"));
    auto *seat = static_cast<wl_seat *>(native->nativeResourceForIntegration("wl_seat"));
    auto *surface = static_cast<wl_surface *>(native->nativeResourceForWindow("surface", window));
    if (!display || !seat || !surface)
        return false;
    if (!managerLookedUp_ || display != display_) {
        display_ = display;
        manager_ = bindManager(display);
        managerLookedUp_ = true;
    }
    if (!manager_)
        return false;

    static const zwp_keyboard_shortcuts_inhibitor_v1_listener listener = {onActive, onInactive};
    inhibitor_ = zwp_keyboard_shortcuts_inhibit_manager_v1_inhibit_shortcuts(manager_, surface, seat);
    zwp_keyboard_shortcuts_inhibitor_v1_add_listener(inhibitor_, &listener, this);
    // Sent now rather than at the toolkit's next flush: keys may follow at once.
    wl_display_flush(display_);
    return true;
}

void WaylandShortcutsInhibitor::release()
{
    active_ = false;
    if (!inhibitor_)
        return;
    zwp_keyboard_shortcuts_inhibitor_v1_destroy(inhibitor_);
    inhibitor_ = nullptr;
    // Once this returns, the desktop's shortcuts work again: a key typed
    // right after Stop is the desktop's.
    roundTrip(display_);
}

void WaylandShortcutsInhibitor::onActive(void *data, zwp_keyboard_shortcuts_inhibitor_v1 *)
{
    static_cast<WaylandShortcutsInhibitor *>(data)->setActive(true);
}

void WaylandShortcutsInhibitor::onInactive(void *data, zwp_keyboard_shortcuts_inhibitor_v1 *)
{
    static_cast<WaylandShortcutsInhibitor *>(data)->setActive(false);
}

void WaylandShortcutsInhibitor::setActive(bool active)
{
    if (active == active_)
        return;
    active_ = active;
    if (notice_)
        notice_(active);
}
