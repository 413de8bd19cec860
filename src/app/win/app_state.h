// The application state: one object made by wWinMain and handed to the main window.
#pragma once

#include <windows.h>

#include <string>

namespace dovevar::win {

struct AppState {
  HINSTANCE instance = nullptr;
  std::wstring windowTitle;  // string 40000 until start-up has finished
  std::wstring className;    // string 109
  HWND mainWindow = nullptr;
  // The working directory when the main window is created. Every file with a fixed
  // name lives here, not beside the executable, and later changes of the current
  // directory do not move it.
  std::u16string settingsFolder;
};

}  // namespace dovevar::win
