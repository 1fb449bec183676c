#include "keyboard/keyrepeatfilter.h"

void KeyRepeatFilter::reset(Mode mode)
{
    mode_ = mode;
    held_.reset();
}

std::vector<KeyRepeatFilter::Event> KeyRepeatFilter::feed(const Event &event)
{
    std::vector<Event> decided;
    if (held_) {
        // The server makes the two halves of a repeat at one moment.
        const bool repeat = event.pressed && event.keycode == held_->keycode
                         && event.time == held_->time;
        if (!repeat)
            decided.push_back(*held_);
        held_.reset();
        if (repeat) {
            decided.push_back(event);
            return decided;
        }
    }
    if (!event.pressed) {
        switch (mode_) {
        case Mode::NoRepeatReleases:
            break;
        case Mode::ToolkitMark:
            if (event.markedRepeat)
                return decided;
            break;
        case Mode::HoldReleases:
            // A mark is only ever set on a repeat; without one, wait and see.
            if (!event.markedRepeat)
                held_ = event;
            return decided;
        }
    }
    decided.push_back(event);
    return decided;
}

std::optional<KeyRepeatFilter::Event> KeyRepeatFilter::flush()
{
    std::optional<Event> release = held_;
    held_.reset();
    return release;
}
