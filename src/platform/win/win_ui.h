#pragma once

#include <windows.h>

#include "platform/ui_port.h"

namespace dovevar::win {

// Message boxes owned by a window: the main window, or a dialog that is open.
class WinUi : public UiPort {
 public:
  explicit WinUi(HWND owner = nullptr) : owner_(owner) {}
  void setOwner(HWND owner) { owner_ = owner; }
  HWND owner() const { return owner_; }

  int messageBox(std::u16string_view text, std::u16string_view title, BoxStyle style) override;
  bool chooseFileToSave(const FileDialog& dialog, std::u16string& path) override;
  bool chooseFileToOpen(const FileDialog& dialog, std::u16string& path) override;

 private:
  bool runFileDialog(const FileDialog& dialog, bool save, std::u16string& path);
  HWND owner_;
};

}  // namespace dovevar::win
