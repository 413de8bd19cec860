#pragma once

#include <windows.h>

#include "store/messages.h"
#include "store/settings.h"

namespace dovevar::win {

// Dialog 16: the recent folders of a collection kind, its five favourites and "choose
// another folder". Gives the chooser's last choice (collect/folder_chooser.h). Setting a
// favourite with its "･･･" button writes it into `settings` at once.
int runFolderChooser(HINSTANCE instance, HWND owner, Settings& settings, const Messages& messages,
                     int kind);

}  // namespace dovevar::win
