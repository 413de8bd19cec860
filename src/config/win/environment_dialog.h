#pragma once

#include <windows.h>

#include "store/messages.h"
#include "store/settings.h"

namespace dovevar::win {

// Dialog 2: the paths of the CAD installation, the prohibited printers and the two
// printer options. OK stores the controls into `settings` (refusing a path too long to
// be stored whole); Cancel and the close box store nothing.
void runEnvironmentDialog(HINSTANCE instance, HWND owner, Settings& settings, Messages& messages);

}  // namespace dovevar::win
