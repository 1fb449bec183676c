#pragma once

#include <xcb/xcb.h>

#include <chrono>
#include <optional>

// Watches an X display for the first drawing into a new top-level window: the
// moment a window a program opens appears on the screen. Every window created
// on the root from start() on gets a damage report; the first report to come
// is the program's first paint.
class FirstPaintWatch
{
public:
    using Clock = std::chrono::steady_clock;

    // Connects to the display named by DISPLAY.
    FirstPaintWatch();
    ~FirstPaintWatch();
    FirstPaintWatch(const FirstPaintWatch &) = delete;
    FirstPaintWatch &operator=(const FirstPaintWatch &) = delete;

    // Empty when the display or its damage extension is missing.
    const char *error() const { return error_; }

    // Forgets what came before: the next window created counts.
    void start();
    // The time of the first paint into a window created since start(), or
    // nothing when none came within `timeout`.
    std::optional<Clock::time_point> waitForFirstPaint(std::chrono::milliseconds timeout);

private:
    void drainEvents();

    xcb_connection_t *connection_ = nullptr;
    xcb_window_t root_ = 0;
    unsigned damageEventBase_ = 0;
    const char *error_ = nullptr;
};
