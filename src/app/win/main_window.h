#pragma once

#include "app/win/app_state.h"

namespace dovevar::win {

bool registerMainWindowClass(const AppState& app);

// Runs the start-up sequence while the window is created; returns null on failure.
HWND createMainWindow(AppState& app);

}  // namespace dovevar::win
