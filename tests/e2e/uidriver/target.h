// The program under test, seen from outside: its process, its windows and controls,
// read and driven through window messages and, where a message carries a pointer,
// through memory allocated in the target process.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace uidriver {

struct WindowInfo {
  HWND handle = nullptr;
  std::wstring className;
  std::wstring title;
};

class Target {
 public:
  ~Target();

  // Starts the program in the folder, inside a job that ends it with the driver.
  bool start(const std::wstring& exe, const std::wstring& folder, std::wstring& error);
  bool running() const;
  bool exitCode(DWORD& code) const;  // false while it still runs
  void terminate();
  // Waits until the program waits for input again: what it had to paint is painted.
  void waitIdle() const;
  // Ends the processes of the job (the program and what it started) with this image name.
  bool endProcessesNamed(const std::wstring& imageName, std::wstring& error);
  DWORD processId() const { return processId_; }

  // Visible top-level windows of the process, in z-order.
  std::vector<WindowInfo> topWindows() const;
  HWND mainWindow(const std::wstring& className) const;

  // Text of another process's window, marshalled by the window manager.
  static std::wstring windowText(HWND window);
  static bool setWindowText(HWND window, const std::wstring& text);

  // List view, header and status bar contents, read through the target's memory.
  int columnCount(HWND list) const;
  std::wstring columnText(HWND list, int column) const;
  std::wstring cellText(HWND list, int row, int column) const;
  bool cellRect(HWND list, int row, int column, RECT& rect) const;
  bool headerRect(HWND list, int column, RECT& rect) const;
  std::wstring statusText(HWND statusBar, int pane) const;
  bool listBoxItemRect(HWND listBox, int index, RECT& rect) const;
  std::vector<std::wstring> listBoxItems(HWND listBox) const;
  std::wstring treeSelectionText(HWND tree) const;
  // Sends a message whose lParam points to a text, copied into the target first.
  LRESULT sendText(HWND window, UINT message, WPARAM wParam, const std::wstring& text) const;
  // The same with a rectangle.
  LRESULT sendRect(HWND window, UINT message, WPARAM wParam, const RECT& rect) const;

 private:
  template <typename Request>
  std::wstring remoteText(HWND window, UINT message, WPARAM wParam, const Request& request) const;

  // Copies `in` into the target, sends the message with the remote address as lParam,
  // then copies `outSize` bytes back from the same place into `out`.
  LRESULT sendWithRemoteBuffer(HWND window, UINT message, WPARAM wParam, const void* in,
                               size_t inSize, void* out, size_t outSize,
                               size_t textOffset = 0) const;

  HANDLE process_ = nullptr;
  HANDLE job_ = nullptr;
  DWORD processId_ = 0;
};

HWND findChildByClass(HWND parent, const wchar_t* className);

}  // namespace uidriver
