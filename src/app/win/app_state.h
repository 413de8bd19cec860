// The application state: one object made by wWinMain and handed to the main window.
#pragma once

#include <windows.h>

#include <string>

#include "platform/win/win_file_system.h"
#include "platform/win/win_ui.h"
#include "store/messages.h"
#include "store/settings.h"
#include "store/text_tables.h"

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

  Settings settings;
  TextTables texts;
  WinFileSystem files;
  WinUi ui;  // owned by the main window once it exists
  Messages messages{ui, texts, settings.moji_type};
};

}  // namespace dovevar::win
