#pragma once

#include <windows.h>

#include <cstdint>

namespace dovevar::win {

// Dialog 14: the UI language. `language` changes only when the dialog is confirmed
// with OK; its close box leaves it as it was.
void runLanguageDialog(HINSTANCE instance, HWND owner, int32_t& language);

}  // namespace dovevar::win
