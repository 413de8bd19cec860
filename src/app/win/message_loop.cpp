#include "app/win/message_loop.h"

#include "about/win/modeless_dialog.h"
#include "app/command_table.h"

namespace dovevar::win {
namespace {

// Esc on the main window or its children stops a run going on; boxes and dialogs keep
// their own Esc.
bool isStopKey(const AppState& app, const MSG& message) {
  return app.runner.running() && message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE &&
         message.hwnd != nullptr && GetAncestor(message.hwnd, GA_ROOT) == app.mainWindow;
}

// The list's keys are the main window's own: not the about window's, and not while an
// in-place editor has the focus, so that Delete and Ctrl+A still edit the cell's text.
bool takesListKeys(const AppState& app, const MSG& message) {
  return message.hwnd != nullptr && GetAncestor(message.hwnd, GA_ROOT) == app.mainWindow &&
         !app.cellEditor.holds(message.hwnd);
}

void handle(AppState& app, MSG& message) {
  if (isStopKey(app, message)) {
    PostMessageW(app.mainWindow, WM_COMMAND, kStopRunCommandId, 0);
    return;
  }
  if (TranslateAcceleratorW(app.mainWindow, app.accelerators, &message)) return;
  if (takesListKeys(app, message) && TranslateAcceleratorW(app.mainWindow, app.listKeys, &message)) return;
  if (isAboutWindowMessage(message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

}  // namespace

int runMessageLoop(AppState& app) {
  MSG message = {};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) handle(app, message);
  return static_cast<int>(message.wParam);
}

void handleWaitingMessages(AppState& app) {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      app.runner.requestStop(StopRequest::kNow);
      return;
    }
    handle(app, message);
  }
}

}  // namespace dovevar::win
