#include "platform/win/dialog_base.h"

#include "platform/win/window_guard.h"

namespace dovevar::win {

INT_PTR DialogBase::run(HINSTANCE instance, HWND owner, int id) {
  return DialogBoxParamW(instance, MAKEINTRESOURCEW(id), owner, procedure,
                         reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK DialogBase::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return guarded<INT_PTR>(FALSE, [&] { return handle(window, message, wParam, lParam); });
}

INT_PTR DialogBase::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(window, DWLP_USER, lParam);
    auto* dialog = reinterpret_cast<DialogBase*>(lParam);
    dialog->window_ = window;
    dialog->ui_.setOwner(window);
    dialog->onInit();
    return TRUE;
  }
  auto* dialog = reinterpret_cast<DialogBase*>(GetWindowLongPtrW(window, DWLP_USER));
  if (dialog == nullptr) return FALSE;
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL && HIWORD(wParam) == 0) {
        dialog->onCancel();
        return TRUE;
      }
      return dialog->onCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    case WM_NOTIFY:
      SetWindowLongPtrW(window, DWLP_MSGRESULT, dialog->onNotify(reinterpret_cast<NMHDR*>(lParam)));
      return TRUE;
    case WM_CLOSE:
      return dialog->onClose() ? TRUE : FALSE;
    case WM_TIMER:
      dialog->onTimer(wParam);
      return TRUE;
    case WM_PAINT:
      return dialog->onPaint() ? TRUE : FALSE;
    default:
      return FALSE;
  }
}

}  // namespace dovevar::win
