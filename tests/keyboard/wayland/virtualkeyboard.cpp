// A keyboard for tests under a Wayland compositor: adds a virtual keyboard to
// the seat, with the standard evdev keymap (US layout), and types what it
// reads on standard input, one command a line:
//   down CODE    a key goes down (Linux input event code)
//   up CODE      the key goes up
// Each key is followed by the modifier state it leads to, as a seat keyboard
// sends it. "ready" is printed once the keyboard exists and "ok" after each
// command, when the compositor has received it.
#include "virtual-keyboard-unstable-v1-client-protocol.h"

#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>

namespace {

struct Globals {
    wl_seat *seat = nullptr;
    zwp_virtual_keyboard_manager_v1 *manager = nullptr;
};

void onGlobal(void *data, wl_registry *registry, uint32_t name, const char *interface, uint32_t)
{
    auto *g = static_cast<Globals *>(data);
    if (!g->seat && std::strcmp(interface, wl_seat_interface.name) == 0)
        g->seat = static_cast<wl_seat *>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    else if (std::strcmp(interface, zwp_virtual_keyboard_manager_v1_interface.name) == 0)
        g->manager = static_cast<zwp_virtual_keyboard_manager_v1 *>(
            wl_registry_bind(registry, name, &zwp_virtual_keyboard_manager_v1_interface, 1));
}

void onGlobalRemove(void *, wl_registry *, uint32_t) {}

uint32_t milliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return uint32_t(now.tv_sec * 1000 + now.tv_nsec / 1000000);
}

int fail(const char *what)
{
    std::fprintf(stderr, "virtual keyboard: %s\n", what);
    return 1;
}

} // namespace

int main()
{
    wl_display *display = wl_display_connect(nullptr);
    if (!display)
        return fail("no Wayland display");
    Globals globals;
    const wl_registry_listener listener = {onGlobal, onGlobalRemove};
    wl_registry *registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, &globals);
    wl_display_roundtrip(display);
    if (!globals.seat || !globals.manager)
        return fail("the compositor offers no seat or no virtual keyboards");

    xkb_context *context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    const xkb_rule_names names = {"evdev", "pc105", "us", "", ""};
    xkb_keymap *keymap = xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
    if (!keymap)
        return fail("the evdev keymap cannot be compiled");
    xkb_state *state = xkb_state_new(keymap);
    char *text = xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1);
    const size_t size = std::strlen(text) + 1;
    const int fd = memfd_create("keymap", MFD_CLOEXEC);
    if (fd < 0 || write(fd, text, size) != ssize_t(size))
        return fail("the keymap cannot be handed over");

    zwp_virtual_keyboard_v1 *keyboard =
        zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(globals.manager, globals.seat);
    zwp_virtual_keyboard_v1_keymap(keyboard, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd, uint32_t(size));
    wl_display_roundtrip(display);
    std::printf("ready\n");
    std::fflush(stdout);

    char line[64];
    while (std::fgets(line, sizeof line, stdin)) {
        char verb[8] = {};
        unsigned code = 0;
        if (std::sscanf(line, "%7s %u", verb, &code) != 2
            || (std::strcmp(verb, "down") != 0 && std::strcmp(verb, "up") != 0))
            return fail("commands are: down CODE, up CODE");
        const bool down = verb[0] == 'd';
        zwp_virtual_keyboard_v1_key(keyboard, milliseconds(), code,
                                    down ? WL_KEYBOARD_KEY_STATE_PRESSED
                                         : WL_KEYBOARD_KEY_STATE_RELEASED);
        xkb_state_update_key(state, code + 8, down ? XKB_KEY_DOWN : XKB_KEY_UP);
        zwp_virtual_keyboard_v1_modifiers(
            keyboard, xkb_state_serialize_mods(state, XKB_STATE_MODS_DEPRESSED),
            xkb_state_serialize_mods(state, XKB_STATE_MODS_LATCHED),
            xkb_state_serialize_mods(state, XKB_STATE_MODS_LOCKED),
            xkb_state_serialize_layout(state, XKB_STATE_LAYOUT_EFFECTIVE));
        if (wl_display_roundtrip(display) < 0)
            return fail("the compositor closed the connection");
        std::printf("ok\n");
        std::fflush(stdout);
    }

    zwp_virtual_keyboard_v1_destroy(keyboard);
    wl_display_roundtrip(display);
    std::free(text);
    close(fd);
    xkb_state_unref(state);
    xkb_keymap_unref(keymap);
    xkb_context_unref(context);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return 0;
}
