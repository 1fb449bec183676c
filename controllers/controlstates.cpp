#include "controllers/controlstates.h"

ControlStates controlStates(const ControlInputs &in)
{
    const EditorState &e = in.editor;
    const bool idle = !e.capturing();
    const bool editable = e.hasActiveButton() && idle;
    ControlStates s;
    s.start = editable;
    s.stop = e.capturing();
    // A delay and Delete also go into a running recording; an awaited single
    // key takes nothing else.
    s.delay = e.hasActiveButton() && e.capture != Capture::KeyInsert;
    s.deleteEntry = s.delay;
    s.insertKey = editable;
    s.moveUp = editable;
    s.moveDown = editable;
    s.fileAndDevice = idle;
    s.undo = idle && in.canUndo;
    s.redo = idle && in.canRedo;
    s.clipboardAndText = editable;
    s.recentFiles = idle && in.hasRecentFiles;
    s.shortcuts = idle;
    return s;
}
