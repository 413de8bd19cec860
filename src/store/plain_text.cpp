#include "store/plain_text.h"

#include <algorithm>

namespace dovevar {

bool hasControlCharacters(std::u16string_view text) {
  return std::any_of(text.begin(), text.end(), isControlCharacter);
}

std::u16string withoutControlCharacters(std::u16string_view text) {
  std::u16string plain;
  plain.reserve(text.size());
  for (const char16_t c : text) {
    if (!isControlCharacter(c)) plain += c;
  }
  return plain;
}

}  // namespace dovevar
