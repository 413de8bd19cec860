#include "about/win/modeless_dialog.h"

#include "platform/win/window_guard.h"

namespace dovevar::win {
namespace {

// Marks the windows whose keyboard messages isAboutWindowMessage routes.
constexpr wchar_t kModelessMark[] = L"Dovevar.ModelessDialog";

}  // namespace

HWND ModelessDialog::open(std::unique_ptr<ModelessDialog> dialog, HINSTANCE instance, HWND owner,
                          int id) {
  HWND window = CreateDialogParamW(instance, MAKEINTRESOURCEW(id), owner, procedure,
                                   reinterpret_cast<LPARAM>(dialog.get()));
  if (window == nullptr) return nullptr;
  dialog.release();  // the window owns it now and frees it at WM_NCDESTROY
  ShowWindow(window, SW_SHOW);
  return window;
}

INT_PTR CALLBACK ModelessDialog::procedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  return guarded<INT_PTR>(FALSE, [&] { return route(window, message, wParam, lParam); });
}

INT_PTR ModelessDialog::route(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(window, DWLP_USER, lParam);
    SetPropW(window, kModelessMark, window);
    auto* dialog = reinterpret_cast<ModelessDialog*>(lParam);
    dialog->window_ = window;
    dialog->onInit();
    return TRUE;
  }
  auto* dialog = reinterpret_cast<ModelessDialog*>(GetWindowLongPtrW(window, DWLP_USER));
  if (dialog == nullptr) return FALSE;
  if (message == WM_NCDESTROY) {
    RemovePropW(window, kModelessMark);
    SetWindowLongPtrW(window, DWLP_USER, 0);
    delete dialog;
    return FALSE;
  }
  return dialog->handle(message, wParam);
}

INT_PTR ModelessDialog::handle(UINT message, WPARAM wParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL) {
        close();
        return TRUE;
      }
      return onCommand(LOWORD(wParam)) ? TRUE : FALSE;
    case WM_TIMER:
      onTimer(wParam);
      return TRUE;
    case WM_ERASEBKGND:
      if (!paintsWholeClient()) return FALSE;
      SetWindowLongPtrW(window_, DWLP_MSGRESULT, 1);
      return TRUE;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window_, &paint);
      onPaint(dc);
      EndPaint(window_, &paint);
      return TRUE;
    }
    default:
      return FALSE;
  }
}

bool isAboutWindowMessage(MSG& message) {
  if (message.hwnd == nullptr) return false;
  HWND root = GetAncestor(message.hwnd, GA_ROOT);
  if (root == nullptr || GetPropW(root, kModelessMark) == nullptr) return false;
  return IsDialogMessageW(root, &message) != FALSE;
}

}  // namespace dovevar::win
