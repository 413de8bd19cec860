// The extras settings dialog: whether runs check the list first, and the time limit of
// one start in the per-row runs. OK writes the extras file.
#pragma once

#include <windows.h>

#include <string>

#include "extras/extras_settings.h"
#include "platform/file_system.h"
#include "store/messages.h"

namespace dovevar::win {

// True when the settings were changed and written.
bool runExtrasSettingsDialog(HINSTANCE instance, HWND owner, FileSystem& files, Messages& messages,
                             const std::u16string& settingsFolder, ExtrasSettings& settings);

}  // namespace dovevar::win
