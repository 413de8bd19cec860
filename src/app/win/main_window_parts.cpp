#include "app/win/main_window_parts.h"

#include <commctrl.h>

#include <array>
#include <vector>

#include "app/command_table.h"
#include "app/dpi_scale.h"
#include "platform/win/wide.h"
#include "resource.h"
#include "script/script_sets.h"
#include "store/text_ids.h"
#include "store/text_tables.h"

namespace dovevar::win {
namespace {

constexpr int kToolbarId = 329;
constexpr int kStatusBarId = 1;
constexpr int kButtonSize = 32;
constexpr std::array<int, 4> kPaneEdges = {450, 600, 800, -1};
constexpr wchar_t kMakerPane[] = L"\"Quillmark\"";

constexpr COLORREF kButtonFace = RGB(192, 192, 192);  // the bitmap's background

// The button bitmap stretched to the window's DPI, its grey background see-through.
void showToolbarImages(AppState& app, HWND toolbar) {
  const int size = scaledToDpi(kButtonSize, app.dpi);
  // The system stretches the bitmap as it loads it.
  auto stretched = static_cast<HBITMAP>(
      LoadImageW(app.instance, MAKEINTRESOURCEW(IDB_TOOLBAR), IMAGE_BITMAP, size * kToolbarButtonCount, size, 0));
  if (stretched == nullptr) return;
  HIMAGELIST images = ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, kToolbarButtonCount, 0);
  ImageList_AddMasked(images, stretched, kButtonFace);
  DeleteObject(stretched);
  SendMessageW(toolbar, TB_SETBITMAPSIZE, 0, MAKELPARAM(size, size));
  SendMessageW(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
  if (app.toolbarImages != nullptr) ImageList_Destroy(app.toolbarImages);
  app.toolbarImages = images;
}

}  // namespace

HWND createToolbar(AppState& app) {
  std::array<TBBUTTON, kToolbarButtonCount> buttons = {};
  for (int i = 0; i < kToolbarButtonCount; ++i) {
    buttons[i].iBitmap = i;
    buttons[i].idCommand = kFirstToolbarButton + i;
    buttons[i].fsState = TBSTATE_ENABLED;
    buttons[i].fsStyle = BTNS_BUTTON;
  }
  HWND toolbar = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                                 WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS |
                                     TBSTYLE_ALTDRAG | CCS_ADJUSTABLE,
                                 0, 0, 0, 0, app.mainWindow,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(kToolbarId)),
                                 app.instance, nullptr);
  if (toolbar == nullptr) return nullptr;
  SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  if (app.dpi == kDesignDpi) {
    SendMessageW(toolbar, TB_SETBITMAPSIZE, 0, MAKELPARAM(kButtonSize, kButtonSize));
    TBADDBITMAP bitmap = {app.instance, IDB_TOOLBAR};
    SendMessageW(toolbar, TB_ADDBITMAP, kToolbarButtonCount, reinterpret_cast<LPARAM>(&bitmap));
  } else {
    showToolbarImages(app, toolbar);
  }
  SendMessageW(toolbar, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
  SendMessageW(toolbar, TB_AUTOSIZE, 0, 0);
  return toolbar;
}

namespace {

bool enabledWhen(bool running, int id) {
  const Command* command = findCommand(id);
  if (command == nullptr) return true;
  if (!running) return command->operation != Operation::kStopRun;
  return allowedDuringRun(command->operation);
}

}  // namespace

void showRunStatus(AppState& app, std::u16string_view text) {
  const std::wstring wide = toWide(text);
  SendMessageW(app.statusBar, SB_SETTEXTW, 3, reinterpret_cast<LPARAM>(wide.c_str()));
}

void showRunState(AppState& app, bool running) {
  for (int id = kFirstToolbarButton; id < kFirstToolbarButton + kToolbarButtonCount; ++id) {
    SendMessageW(app.toolbar, TB_ENABLEBUTTON, id, MAKELPARAM(enabledWhen(running, id) ? TRUE : FALSE, 0));
  }
}

void showRunState(AppState& app) { showRunState(app, app.runner.running()); }

void greyMenuForRun(const AppState& app, HMENU popup) {
  const int count = GetMenuItemCount(popup);
  for (int i = 0; i < count; ++i) {
    const UINT id = GetMenuItemID(popup, i);
    if (id == static_cast<UINT>(-1)) continue;  // a submenu or a separator
    bool enabled = enabledWhen(app.runner.running(), static_cast<int>(id));
    if (id == kUndoCommandId) enabled = enabled && app.steps.canUndo();
    if (id == kRedoCommandId) enabled = enabled && app.steps.canRedo();
    EnableMenuItem(popup, static_cast<UINT>(i), MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
  }
}

bool answerToolTip(AppState& app, NMHDR* header) {
  if (header->code != TTN_GETDISPINFOW) return false;
  const int label = toolTipLabel(static_cast<int>(header->idFrom));
  if (label < 0) return false;
  auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
  static std::wstring text;  // must outlive this message
  text = toWide(app.messages.label(kLabelsC, label));
  info->lpszText = text.data();
  info->hinst = nullptr;
  return true;
}

HWND createStatusBar(AppState& app) {
  HWND bar = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0,
                             0, 0, app.mainWindow,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(kStatusBarId)),
                             app.instance, nullptr);
  if (bar != nullptr) showStatusPanes(app, bar);
  return bar;
}

void showStatusPanes(const AppState& app, HWND bar) {
  std::array<int, kPaneEdges.size()> edges = kPaneEdges;
  for (int& edge : edges) {
    if (edge > 0) edge = scaledToDpi(edge, app.dpi);
  }
  SendMessageW(bar, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

void refreshStatusBar(AppState& app) {
  if (app.statusBar == nullptr) return;
  const std::wstring folder = toWide(app.settings.file_folder);
  const std::wstring title = toWide(currentScriptSet(app.scriptSets, app.settings.scrpit_type).title);
  SendMessageW(app.statusBar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(folder.c_str()));
  SendMessageW(app.statusBar, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(title.c_str()));
  SendMessageW(app.statusBar, SB_SETTEXTW, 2, reinterpret_cast<LPARAM>(kMakerPane));
}

HFONT createEditorFont(int dpi) {
  return CreateFontW(scaledToDpi(12, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"MS UI Gothic");
}

void attachMenu(AppState& app) {
  app.menu = nullptr;
  if (isUiLanguage(app.settings.moji_type)) {
    app.menu = LoadMenuW(app.instance, MAKEINTRESOURCEW(IDR_MENU_JAPANESE + app.settings.moji_type));
  }
  SetMenu(app.mainWindow, app.menu);
}

void replaceMenu(AppState& app) {
  SetMenu(app.mainWindow, nullptr);
  if (app.menu != nullptr) DestroyMenu(app.menu);
  app.menu = nullptr;
  attachMenu(app);
}

void showAtDpi(AppState& app, int dpi, const RECT* suggested) {
  app.cellEditor.close();
  const std::vector<int> widths = app.listView.designWidths();
  app.dpi = dpi;
  app.listView.setDpi(dpi);
  app.listView.showColumns(widths);
  HFONT old = app.editorFont;
  app.editorFont = createEditorFont(dpi);
  if (old != nullptr) DeleteObject(old);
  if (app.toolbar != nullptr) {
    showToolbarImages(app, app.toolbar);
    SendMessageW(app.toolbar, TB_AUTOSIZE, 0, 0);
  }
  if (app.statusBar != nullptr) showStatusPanes(app, app.statusBar);
  if (suggested != nullptr) {
    SetWindowPos(app.mainWindow, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  RECT client = {};
  GetClientRect(app.mainWindow, &client);
  layOut(app, MAKELPARAM(client.right, client.bottom));
}

void layOut(AppState& app, LPARAM size) {
  if (app.toolbar != nullptr) SendMessageW(app.toolbar, WM_SIZE, 0, size);
  const int width = LOWORD(size);
  const int height = HIWORD(size);
  if (HWND list = app.listView.window()) {
    MoveWindow(list, 0, scaledToDpi(40, app.dpi), width, height - scaledToDpi(60, app.dpi), TRUE);
    SendMessageW(list, LVM_ARRANGE, LVA_DEFAULT, 0);
  }
  if (app.statusBar != nullptr) SendMessageW(app.statusBar, WM_SIZE, 0, size);
  InvalidateRect(app.mainWindow, nullptr, TRUE);
  UpdateWindow(app.mainWindow);
}

}  // namespace dovevar::win
