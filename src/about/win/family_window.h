#pragma once

#include "app/win/app_state.h"

namespace dovevar::win {

// Command 30001: a new modeless product-family window (dialog 3001) that plays its
// animation until its close box is clicked.
void showFamilyWindow(AppState& app);

}  // namespace dovevar::win
