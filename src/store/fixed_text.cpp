#include "store/fixed_text.h"

#include "store/text_codec.h"

namespace dovevar {

std::u16string_view untilZero(std::u16string_view text) {
  const std::size_t zero = text.find(u'\0');
  return zero == std::u16string_view::npos ? text : text.substr(0, zero);
}

std::u16string_view cutToCapacity(std::u16string_view text, std::size_t capacity) {
  return untilZero(text).substr(0, maxLength(capacity));
}

bool fitsCapacity(std::u16string_view text, std::size_t capacity) {
  return untilZero(text).size() <= maxLength(capacity);
}

bool storeIfFits(std::u16string& field, std::u16string_view value, std::size_t capacity) {
  if (!fitsCapacity(value, capacity)) {
    return false;
  }
  field.assign(untilZero(value));
  return true;
}

void storeCut(std::u16string& field, std::u16string_view value, std::size_t capacity) {
  field.assign(cutToCapacity(value, capacity));
}

std::u16string_view firstCharacters(std::u16string_view text, std::size_t limit) {
  if (text.size() <= limit) return text;
  if (limit > 0 && isHighSurrogate(text[limit - 1]) && isLowSurrogate(text[limit])) --limit;
  return text.substr(0, limit);
}

std::u16string_view cutAtCharacter(std::u16string_view text, std::size_t capacity) {
  return firstCharacters(untilZero(text), maxLength(capacity));
}

}  // namespace dovevar
