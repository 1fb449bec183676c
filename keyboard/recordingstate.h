#pragma once

#include "keyboard/heldkeys.h"

#include <cstdint>

// The capture state shared by the recording commands, the list view colours
// and the button selection: one process-wide instance.
struct RecordingState {
    static RecordingState &instance();

    uint8_t recordingFlag = 0; // Start .. Stop
    uint8_t keyInsertFlag = 0; // Insert one key .. next key press or Stop
    HeldKeys heldKeys;

    bool capturing() const { return recordingFlag || keyInsertFlag; }
};
