#pragma once

#include <functional>

class QWindow;
struct wl_display;
struct zwp_keyboard_shortcuts_inhibit_manager_v1;
struct zwp_keyboard_shortcuts_inhibitor_v1;

// Asks a Wayland compositor to hand every key, its own shortcuts included, to
// one window while the inhibitor lives. The compositor decides: it may grant
// the request at once, ask the user first, refuse it, or withdraw it when the
// window loses the focus; the notice tells each change.
class WaylandShortcutsInhibitor
{
public:
    // active: the compositor passes its shortcuts to the window now.
    using Notice = std::function<void(bool active)>;

    explicit WaylandShortcutsInhibitor(Notice notice);
    ~WaylandShortcutsInhibitor();
    WaylandShortcutsInhibitor(const WaylandShortcutsInhibitor &) = delete;
    WaylandShortcutsInhibitor &operator=(const WaylandShortcutsInhibitor &) = delete;

    // Requests the inhibition for `window`'s surface and the default seat.
    // False when nothing could be requested: not a Wayland window, or a
    // compositor without the protocol.
    bool inhibit(QWindow *window);
    // Ends the inhibition; the compositor's shortcuts work again at once.
    void release();

    bool isActive() const { return active_; }

private:
    static void onActive(void *data, zwp_keyboard_shortcuts_inhibitor_v1 *inhibitor);
    static void onInactive(void *data, zwp_keyboard_shortcuts_inhibitor_v1 *inhibitor);
    void setActive(bool active);

    Notice notice_;
    wl_display *display_ = nullptr;
    zwp_keyboard_shortcuts_inhibit_manager_v1 *manager_ = nullptr;
    bool managerLookedUp_ = false;
    zwp_keyboard_shortcuts_inhibitor_v1 *inhibitor_ = nullptr;
    bool active_ = false;
};
