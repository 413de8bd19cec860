// Letter case the way the program compares file names, sort keys and arguments: only
// the letters A to Z fold, to a to z; every other code unit stands for itself.
#pragma once

#include <string_view>

namespace dovevar {

constexpr char16_t foldAsciiCase(char16_t c) {
  return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + (u'a' - u'A')) : c;
}

constexpr bool equalIgnoringAsciiCase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (foldAsciiCase(a[i]) != foldAsciiCase(b[i])) return false;
  }
  return true;
}

}  // namespace dovevar
