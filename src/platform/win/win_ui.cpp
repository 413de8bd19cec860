#include "platform/win/win_ui.h"

#include "platform/win/wide.h"

namespace dovevar::win {

int WinUi::messageBox(std::u16string_view text, std::u16string_view title, BoxStyle style) {
  UINT flags = MB_OK;
  if (style == BoxStyle::kYesNo) flags = MB_YESNO;
  if (style == BoxStyle::kExclamation) flags = MB_OK | MB_ICONEXCLAMATION;
  // At exit the main window is gone; the box then stands on its own.
  HWND owner = IsWindow(owner_) ? owner_ : nullptr;
  return MessageBoxW(owner, toWide(text).c_str(), toWide(title).c_str(), flags);
}

}  // namespace dovevar::win
