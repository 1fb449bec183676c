#pragma once

#include "config/buttontable.h"

#include <cstdint>

// What the keys pressed now go into: nothing, a recording (Start .. Stop) or
// one key stroke (Insert one key .. the next key press or Stop).
enum class Capture : uint8_t { None, Recording, KeyInsert };

// What the editor works on, apart from the configuration itself: the button
// whose script is shown and edited, and what is being captured into it.
struct EditorState {
    uint8_t activeButton = NoButton;
    Capture capture = Capture::None;
    // A recording filled the button; the user is told once the key has been
    // handled (no box may run inside the key hook).
    bool buttonFull = false;

    bool hasActiveButton() const { return activeButton != NoButton; }
    bool capturing() const { return capture != Capture::None; }
};
