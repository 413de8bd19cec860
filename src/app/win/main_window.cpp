#include "app/win/main_window.h"

#include <commctrl.h>

#include "platform/win/wide.h"
#include "resource.h"
#include "store/main_settings_file.h"
#include "store/ui_text_file.h"
#include "store/win/language_dialog.h"

namespace dovevar::win {
namespace {

std::u16string currentDirectory() {
  wchar_t buffer[MAX_PATH] = {};
  const DWORD length = GetCurrentDirectoryW(MAX_PATH, buffer);
  if (length == 0 || length >= MAX_PATH) return {};
  return fromWide(std::wstring_view(buffer, length));
}

void onCreate(AppState& app) {
  app.settingsFolder = currentDirectory();
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  app.ui.setOwner(app.mainWindow);
  // The texts first, so that every later message speaks the user's language.
  readUiTextFile(app.files, app.messages, app.settingsFolder, app.texts);
  readMainSettings(app.files, app.messages, app.settingsFolder, app.settings);
}

void onCommand(AppState& app, int id) {
  if (id == IDM_LANGUAGE) runLanguageDialog(app.instance, app.mainWindow, app.settings.moji_type);
}

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* app = reinterpret_cast<AppState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_CREATE:
      app->mainWindow = window;
      onCreate(*app);
      return 0;
    case WM_COMMAND:
      onCommand(*app, LOWORD(wParam));
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

bool registerMainWindowClass(const AppState& app) {
  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = mainWindowProc;
  windowClass.hInstance = app.instance;
  windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  windowClass.hIconSm = LoadIconW(nullptr, IDI_APPLICATION);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = app.className.c_str();
  return RegisterClassExW(&windowClass) != 0;
}

HWND createMainWindow(AppState& app) {
  return CreateWindowExW(0, app.className.c_str(), app.windowTitle.c_str(), WS_OVERLAPPEDWINDOW,
                         CW_USEDEFAULT, 0, CW_USEDEFAULT, 0, nullptr, nullptr, app.instance, &app);
}

}  // namespace dovevar::win
