// A thin base for modal dialogs: keeps `this` in the dialog's user data and routes the
// messages a dialog cares about to virtual functions. A dialog's file only moves
// values between its controls and plain structs; the rules live in the core.
#pragma once

#include <windows.h>

#include "platform/win/win_ui.h"
#include "store/messages.h"

namespace dovevar::win {

class DialogBase {
 public:
  // The dialog's boxes speak the texts and the language given.
  DialogBase(const TextTables& texts, const int& language) : messages_(ui_, texts, language) {}
  explicit DialogBase(const Messages& messages) : DialogBase(messages.texts(), messages.language()) {}
  virtual ~DialogBase() = default;
  DialogBase(const DialogBase&) = delete;
  DialogBase& operator=(const DialogBase&) = delete;

  // Runs the dialog template `id`; gives the value passed to end(), or -1.
  INT_PTR run(HINSTANCE instance, HWND owner, int id);

 protected:
  virtual void onInit() {}
  // Gives true when the command was handled.
  virtual bool onCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }
  virtual LRESULT onNotify(NMHDR* /*header*/) { return 0; }
  virtual void onTimer(UINT_PTR /*id*/) {}
  // WM_PAINT; gives true when the dialog painted, false for the default painting.
  virtual bool onPaint() { return false; }
  // The close box and Escape: ends with IDCANCEL unless overridden.
  virtual void onCancel() { end(IDCANCEL); }
  // The close box alone, before the dialog turns it into the IDCANCEL that Escape sends
  // as well. Gives true when handled; false lets it go on to onCancel.
  virtual bool onClose() { return false; }

  void end(INT_PTR result) { EndDialog(window_, result); }
  HWND window() const { return window_; }
  HWND item(int id) const { return GetDlgItem(window_, id); }

  // Message boxes and file pickers owned by the dialog: while one is open the dialog is
  // disabled, so nothing in it can be pressed twice.
  Messages& messages() { return messages_; }
  const Messages& messages() const { return messages_; }
  UiPort& ui() { return ui_; }

 private:
  static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static INT_PTR handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HWND window_ = nullptr;
  WinUi ui_;
  Messages messages_;
};

}  // namespace dovevar::win
