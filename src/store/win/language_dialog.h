#pragma once

#include <windows.h>

#include <cstdint>

#include "store/messages.h"

namespace dovevar::win {

// Dialog 14: the UI language. `language` changes only when the dialog is confirmed
// with OK; its close box leaves it as it was.
void runLanguageDialog(HINSTANCE instance, HWND owner, int32_t& language, const Messages& messages);

}  // namespace dovevar::win
