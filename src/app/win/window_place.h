// The main window's place and the column widths the user dragged, kept in the extras file
// between starts (extras/window_memory.h). Nothing is written when the user moved nothing.
#pragma once

#include "app/win/app_state.h"

namespace dovevar::win {

// Reads what the last session kept; called once the settings folder is known.
void recallWindowMemory(AppState& app);

// Shows the window at its kept place (on a monitor that is still there), or as `showCommand`
// says when none is kept.
void showMainWindow(AppState& app, int showCommand);

// The window was moved or sized: its place, unless maximized or minimized, is its normal one.
void noteNormalPlace(AppState& app);

// The columns of the current set, at the widths dragged for it before.
void showColumnsOfCurrentSet(AppState& app);

// The widths the shown columns have now, kept for their language and set.
void keepShownWidths(AppState& app);

// At the exit: the window's place and the widths, written when they changed.
void saveWindowMemory(AppState& app);

}  // namespace dovevar::win
