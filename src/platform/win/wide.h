// The one place where core text (UTF-16 in std::u16string) meets the Win32 string type.
// On Windows wchar_t is a UTF-16 code unit, so the conversion is a copy.
#pragma once

#include <string>
#include <string_view>

namespace dovevar::win {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Win32 builds only");

inline std::wstring toWide(std::u16string_view text) {
  return std::wstring(text.begin(), text.end());
}

inline std::u16string fromWide(std::wstring_view text) {
  return std::u16string(text.begin(), text.end());
}

}  // namespace dovevar::win
