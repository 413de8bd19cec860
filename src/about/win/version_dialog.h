#pragma once

#include "app/win/app_state.h"

namespace dovevar::win {

// Command 104 and its accelerators: the modal version dialog (dialog 103).
void showVersionDialog(AppState& app);

}  // namespace dovevar::win
