#include "script/fixed_text.h"

#include <limits>

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

std::int32_t decimalValue(std::u16string_view text) {
  std::size_t at = 0;
  while (at < text.size() && (text[at] == u' ' || (text[at] >= u'\t' && text[at] <= u'\r'))) {
    ++at;
  }
  bool negative = false;
  if (at < text.size() && (text[at] == u'+' || text[at] == u'-')) {
    negative = text[at] == u'-';
    ++at;
  }
  // Accumulate as a negative number so that the lowest 32-bit value needs no special case.
  constexpr std::int64_t kLowest = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t kHighest = std::numeric_limits<std::int32_t>::max();
  std::int64_t value = 0;
  for (; at < text.size() && text[at] >= u'0' && text[at] <= u'9'; ++at) {
    value = value * 10 - (text[at] - u'0');
    if (value < kLowest) {
      return negative ? std::numeric_limits<std::int32_t>::min()
                      : std::numeric_limits<std::int32_t>::max();
    }
  }
  if (negative) {
    return static_cast<std::int32_t>(value);
  }
  return static_cast<std::int32_t>(-value > kHighest ? kHighest : -value);
}

}  // namespace dovevar
