// The DPI a window is shown at, and the program's 96-DPI lengths scaled to it
// (app/dpi_scale.h). Every length that the windows place in pixels goes through here.
#pragma once

#include <windows.h>

namespace dovevar::win {

// GetDpiForWindow where the system has it (Windows 10 and later, per monitor); else
// the screen's, which older systems give every window.
int dpiOf(HWND window);

// A 96-DPI length at the window's DPI.
int scaled(HWND window, int designPixels);

}  // namespace dovevar::win
