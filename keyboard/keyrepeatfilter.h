#pragma once

#include "keyboard/nativekeyconverter.h"

#include <cstdint>
#include <optional>
#include <vector>

// Tells the releases that a window system's auto-repeat inserts while a key is
// held from the real ones, so that a held key is one press (with its repeated
// presses) and one release, and separate strokes stay separate.
class KeyRepeatFilter
{
public:
    struct Event {
        bool pressed = false;
        uint32_t keycode = 0;
        uint64_t time = 0;          // the window system's time of the event
        bool markedRepeat = false;  // the toolkit found it to be an auto-repeat
        NativeKeyConverter::Modifiers modifiers;
    };

    enum class Mode {
        // The toolkit's auto-repeat mark decides (it makes the repeats itself).
        ToolkitMark,
        // The window system sends no releases while a key is held: every
        // release is real, whatever the toolkit guessed.
        NoRepeatReleases,
        // A held key comes as release and press pairs with one time stamp. A
        // release is held back until the next event shows what it was.
        HoldReleases,
    };

    explicit KeyRepeatFilter(Mode mode = Mode::ToolkitMark) : mode_(mode) {}

    // Forgets a release held back, and sets how releases are judged.
    void reset(Mode mode);
    Mode mode() const { return mode_; }

    // The events that `event` decides, in their order: a release held back
    // comes before it unless the two are one auto-repeat.
    std::vector<Event> feed(const Event &event);

    // The release held back, taken as real: no repeat follows it any more.
    std::optional<Event> flush();
    bool holdsRelease() const { return held_.has_value(); }

private:
    Mode mode_;
    std::optional<Event> held_;
};
