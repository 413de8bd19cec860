#pragma once

#include "app/win/app_state.h"

namespace dovevar::win {

// The set-up of a settings folder that has no readable Main settings file. The
// set-up's dialogs (language, CAD executable, plot-style folder, Run script, end
// drawing) arrive with the configuration dialogs; until then a fresh folder starts
// with the defaults.
void runFirstRunSetUp(AppState& app);

}  // namespace dovevar::win
