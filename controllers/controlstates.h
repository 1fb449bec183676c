#pragma once

#include "controllers/editorstate.h"

// The facts the enabled state of the window's controls depends on.
struct ControlInputs {
    EditorState editor;
    bool canUndo = false;
    bool canRedo = false;
    bool hasRecentFiles = false;
};

// Which controls can be used.
struct ControlStates {
    bool start = false;
    bool stop = false;
    bool delay = false;
    bool insertKey = false;
    bool moveUp = false;
    bool moveDown = false;
    bool deleteEntry = false;     // the Delete button and the Delete action
    bool fileAndDevice = false;   // New, Open, Save, Save as, readout, transmit
    bool undo = false;
    bool redo = false;
    bool clipboardAndText = false; // cut, copy, paste, select all, type text
    bool recentFiles = false;
    bool shortcuts = false;
};

ControlStates controlStates(const ControlInputs &in);
