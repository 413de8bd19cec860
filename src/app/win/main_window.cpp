#include "app/win/main_window.h"

#include <commctrl.h>
#include <shellapi.h>

#include <stdexcept>

#include "app/win/commands.h"
#include "app/win/main_window_parts.h"
#include "app/win/startup.h"
#include "app/win/window_place.h"
#include "platform/win/window_guard.h"
#include "resource.h"
#include "store/text_ids.h"

namespace dovevar::win {
namespace {

// A right click on a cell: with printers ready the cell editor opens over the clicked
// column of the first selected row; before that, the user is told and the printer table
// is built.
void onListRightClick(AppState& app, const NMITEMACTIVATE* click) {
  if (!app.printers.ready) {
    app.messages.show(kMsgPrintersNotReady);
    buildPrinterTable(app.printers, app.spooler, app.settings, app.messages);
    return;
  }
  LVHITTESTINFO hit = {};
  hit.pt = click->ptAction;
  SendMessageW(app.listView.window(), LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
  if (hit.iSubItem < 0) return;
  const ChoiceSources sources = choiceSources(app);
  app.cellEditor.open(app.mainWindow, app.editorFont,
                      currentScriptSet(app.scriptSets, app.settings.scrpit_type), hit.iSubItem, sources);
}

LRESULT onNotify(AppState& app, NMHDR* header) {
  if (answerToolTip(app, header)) return 0;
  if (header->idFrom != DrawingListView::kControlId) return 0;
  LRESULT result = 0;
  if (app.listView.onNotify(header, result)) return result;
  // A run reads the rows as they are: no sort and no cell editor meanwhile.
  const bool refused = app.runner.running() && (header->code == LVN_COLUMNCLICK || header->code == NM_RCLICK);
  if (refused) {
    MessageBeep(MB_OK);
    return 0;
  }
  switch (header->code) {
    case LVN_COLUMNCLICK: {
      const auto* click = reinterpret_cast<NMLISTVIEW*>(header);
      app.cellEditor.close();
      bool sorted = false;
      {
        ListStep step(app.steps, app.list, StepKind::kSort);
        sorted = app.list.sortByColumn(click->iSubItem);
      }
      if (!sorted) app.messages.show(kMsgSortFailed);
      app.listView.showRows();
      return 0;
    }
    case NM_RCLICK:
      onListRightClick(app, reinterpret_cast<NMITEMACTIVATE*>(header));
      return 0;
    case NM_CLICK:
      app.cellEditor.onListClick();
      app.list.normaliseSelection();
      app.listView.showRows();
      return 0;
    default:
      return 0;
  }
}

void onPaint(AppState& app, HWND window) {
  PAINTSTRUCT paint;
  BeginPaint(window, &paint);
  refreshStatusBar(app);
  EndPaint(window, &paint);
}

LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* app = reinterpret_cast<AppState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (app == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_CREATE:
      app->mainWindow = window;
      startUp(*app);
      return 0;
    case WM_DPICHANGED:
      showAtDpi(*app, HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_MOVE:
      noteNormalPlace(*app);
      return 0;
    case WM_SIZE:
      noteNormalPlace(*app);
      layOut(*app, lParam);
      return 0;
    case WM_PAINT:
      onPaint(*app, window);
      return 0;
    case WM_COMMAND: {
      if (app->throwOnCommand != 0 && LOWORD(wParam) == app->throwOnCommand) {
        throw std::runtime_error("the test hook's command");
      }
      if (app->cellEditor.onCommand(window, LOWORD(wParam), HIWORD(wParam))) return 0;
      // A command never runs under an open editor: what it reads is stored first. During
      // a run a command it does not allow is refused, as its greyed entry is.
      const Command* command = findCommand(LOWORD(wParam));
      if (command != nullptr && app->runner.running() && !allowedDuringRun(command->operation)) {
        MessageBeep(MB_OK);
        return 0;
      }
      if (command != nullptr) app->cellEditor.close();
      MainCommands commands(*app);
      if (dispatchCommand(LOWORD(wParam), commands)) return 0;
      break;
    }
    case WM_TIMER:
      if (wParam == kRunTimerId) runTimerStep(*app);
      if (wParam == CellEditorView::kCommitTimerId) app->cellEditor.onCommitTimer(window, app->printers);
      if (wParam == ListAutosave::kTimerId) {
        app->autosave.tick(app->list, app->settings.scrpit_type, static_cast<std::int64_t>(GetTickCount64()));
      }
      return 0;
    case WM_NOTIFY:
      return onNotify(*app, reinterpret_cast<NMHDR*>(lParam));
    case WM_INITMENUPOPUP:
      greyMenuForRun(*app, reinterpret_cast<HMENU>(wParam));
      return 0;
    case WM_CLOSE:
      if (!app->runner.running()) break;
      askToCloseDuringRun(*app);
      return 0;
    case WM_QUERYENDSESSION:
      // Nothing is lost by ending: the notice that follows writes what an exit writes.
      return TRUE;
    case WM_ENDSESSION:
      // Windows ends the process once this returns: no WM_DESTROY, no end of the loop.
      if (wParam != FALSE) saveAtSessionEnd(*app);
      return 0;
    case WM_DROPFILES: {
      const auto drop = reinterpret_cast<HDROP>(wParam);
      const DroppedPaths paths = pathsOfDrop(drop);
      DragFinish(drop);
      takeDroppedFiles(*app, paths);
      return 0;
    }
    case kFilesDroppedMessage:
      for (const DroppedPaths& paths : app->fileDrop->takeDrops()) takeDroppedFiles(*app, paths);
      return 0;
    case WM_DESTROY:
      if (app->fileDrop != nullptr) app->fileDrop->detach();
      saveWindowMemory(*app);
      if (app->oneWindow != nullptr) app->oneWindow->unmark(window);
      saveListAtExit(*app);
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return guarded<LRESULT>(0, [&] { return handleMessage(window, message, wParam, lParam); });
}

}  // namespace

bool registerMainWindowClass(const AppState& app) {
  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = mainWindowProc;
  windowClass.hInstance = app.instance;
  windowClass.hIcon = LoadIconW(app.instance, MAKEINTRESOURCEW(IDI_DOVEVAR));
  windowClass.hIconSm = LoadIconW(app.instance, MAKEINTRESOURCEW(IDI_DOVEVAR_SMALL));
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
