#pragma once

#include "app/win/app_state.h"

namespace dovevar::win {

// The set-up of a settings folder that has no readable Main settings file, run while
// the main window is being created: language, CAD executable, plot-style folder, the
// default paths, then the environment dialog. What the user chose is written to the
// Main settings file at exit.
void runFirstRunSetUp(AppState& app);

}  // namespace dovevar::win
