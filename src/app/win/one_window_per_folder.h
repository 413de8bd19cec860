// One Dovevar window per settings folder: a second start there brings the first window
// to the front instead of opening a second writer of the same files.
#pragma once

#include <windows.h>

#include <string>

namespace dovevar::win {

class OneWindowPerFolder {
 public:
  explicit OneWindowPerFolder(const std::u16string& folder);
  ~OneWindowPerFolder();
  OneWindowPerFolder(const OneWindowPerFolder&) = delete;
  OneWindowPerFolder& operator=(const OneWindowPerFolder&) = delete;

  // True when another Dovevar already has the folder: its window has been brought to
  // the front (once it shows), and this start is to end.
  bool alreadyOpen() const { return alreadyOpen_; }
  // Marks the main window as the one of the folder, for the starts that come after.
  void mark(HWND window) const;
  void unmark(HWND window) const;

 private:
  void bringForward() const;

  std::wstring mark_;
  HANDLE mutex_ = nullptr;
  bool alreadyOpen_ = false;
};

}  // namespace dovevar::win
