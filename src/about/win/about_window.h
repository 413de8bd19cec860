#pragma once

#include "app/win/app_state.h"

namespace dovevar::win {

// Command 53: a new modeless about window (dialog 1) with its picture, every time.
void showAboutWindow(AppState& app);

}  // namespace dovevar::win
