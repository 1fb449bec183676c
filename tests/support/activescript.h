#pragma once

#include "app/mainwindow.h"
#include "support/tablecontent.h"

// The active button's script in a window, as entryCodes() gives it
// ("2:12,3:12"); empty when no button is active.
inline QString activeEntryCodes(const MainWindow &window)
{
    const EditorState &state = window.edits().state();
    return state.hasActiveButton() ? entryCodes(window.document().table().content(state.activeButton))
                                   : QString();
}

// How many entries the active button holds.
inline int activeLength(const MainWindow &window)
{
    return window.document().table().content(window.edits().state().activeButton).length;
}
