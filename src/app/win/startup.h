#pragma once

#include <string>

#include "app/win/app_state.h"

namespace dovevar::win {

// The process's current directory, the settings folder of a start.
std::u16string currentDirectory();

// While the main window is being created: every stored file is read and every child
// made, in a fixed order, before the window is first shown.
void startUp(AppState& app);

// While the main window is being destroyed: the list goes to "listview.ini".
void saveListAtExit(AppState& app);

// After the message loop: the Main settings file.
void saveSettingsAtExit(AppState& app);
// Log-off, restart or shut-down: what an exit writes, and the run report's waiting lines.
void saveAtSessionEnd(AppState& app);

// The columns of the current script set, on screen.
void rebuildColumns(AppState& app);

}  // namespace dovevar::win
