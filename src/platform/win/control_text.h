// Reading and setting a control's text as core text.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "platform/win/wide.h"

namespace dovevar::win {

// The whole text; the core decides how much of it is kept.
inline std::u16string controlText(HWND control) {
  const int length = GetWindowTextLengthW(control);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int read = GetWindowTextW(control, text.data(), length + 1);
  text.resize(read > 0 ? static_cast<std::size_t>(read) : 0);
  return fromWide(text);
}

inline void setControlText(HWND control, std::u16string_view text) {
  SetWindowTextW(control, toWide(text).c_str());
}

// Replaces a combo box's list. Emptying the list also empties its edit, so its text is
// set afterwards.
template <typename Texts>
void fillComboBox(HWND box, const Texts& texts) {
  SendMessageW(box, CB_RESETCONTENT, 0, 0);
  for (std::u16string_view text : texts) {
    SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(toWide(text).c_str()));
  }
}

}  // namespace dovevar::win
