#include "keyboard/recordingstate.h"

RecordingState &RecordingState::instance()
{
    static RecordingState state;
    return state;
}
