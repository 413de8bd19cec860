// A thin base for modeless dialogs: the object lives as long as its window and deletes
// itself when the window is destroyed. Open windows are marked so that the message loop
// can give them their keyboard messages (isAboutWindowMessage).
#pragma once

#include <windows.h>

#include <memory>

namespace dovevar::win {

class ModelessDialog {
 public:
  virtual ~ModelessDialog() = default;

  // Creates and shows dialog template `id`; gives null when it could not be made.
  static HWND open(std::unique_ptr<ModelessDialog> dialog, HINSTANCE instance, HWND owner, int id);

 protected:
  virtual void onInit() {}
  // Gives true when the command was handled. Cancel (close box, Escape) closes.
  virtual bool onCommand(int /*id*/) { return false; }
  virtual void onTimer(UINT_PTR /*id*/) {}
  virtual void onPaint(HDC dc) = 0;
  // A dialog that covers its whole client area when it paints skips the erase, which
  // would only make it flicker.
  virtual bool paintsWholeClient() const { return false; }

  void close() { DestroyWindow(window_); }
  HWND window() const { return window_; }

 private:
  static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static INT_PTR route(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR handle(UINT message, WPARAM wParam);
  HWND window_ = nullptr;
};

// Gives the message to the modeless about or product-family window it is meant for;
// true when that window took it, and the loop must then not dispatch it again.
bool isAboutWindowMessage(MSG& message);

}  // namespace dovevar::win
