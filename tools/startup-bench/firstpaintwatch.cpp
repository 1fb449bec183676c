#include "firstpaintwatch.h"

#include <xcb/damage.h>

#include <poll.h>

#include <cstdlib>

FirstPaintWatch::FirstPaintWatch()
{
    int screenNumber = 0;
    connection_ = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection_)) {
        error_ = "cannot open the X display named by DISPLAY";
        return;
    }
    const xcb_query_extension_reply_t *damage = xcb_get_extension_data(connection_, &xcb_damage_id);
    if (!damage || !damage->present) {
        error_ = "the X server has no damage extension";
        return;
    }
    damageEventBase_ = damage->first_event;
    // The extension answers only clients that said which version they speak.
    free(xcb_damage_query_version_reply(
        connection_, xcb_damage_query_version(connection_, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
        nullptr));

    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
    for (int i = 0; i < screenNumber && screens.rem; ++i)
        xcb_screen_next(&screens);
    root_ = screens.data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection_);
}

FirstPaintWatch::~FirstPaintWatch()
{
    xcb_disconnect(connection_);
}

void FirstPaintWatch::drainEvents()
{
    while (xcb_generic_event_t *event = xcb_poll_for_event(connection_))
        free(event);
}

void FirstPaintWatch::start()
{
    // A round trip: whatever the server sent before now has arrived.
    free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    drainEvents();
}

std::optional<FirstPaintWatch::Clock::time_point>
FirstPaintWatch::waitForFirstPaint(std::chrono::milliseconds timeout)
{
    const Clock::time_point deadline = Clock::now() + timeout;
    pollfd descriptor{xcb_get_file_descriptor(connection_), POLLIN, 0};
    for (;;) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection_)) {
            const uint8_t type = event->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                // Created before it is mapped and drawn: the report misses nothing.
                const auto *created = reinterpret_cast<xcb_create_notify_event_t *>(event);
                xcb_damage_create(connection_, xcb_generate_id(connection_), created->window,
                                  XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                xcb_flush(connection_);
            } else if (type == damageEventBase_ + XCB_DAMAGE_NOTIFY) {
                free(event);
                return Clock::now();
            }
            free(event);
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0 || xcb_connection_has_error(connection_))
            return std::nullopt;
        poll(&descriptor, 1, int(left.count()));
    }
}
