// Texts of fixed capacity. Every text of the program is stored as if in a buffer of a
// fixed number of UTF-16 code units that counts the terminating zero, so a buffer of 16
// holds 15 characters and a text ends at its first zero code unit. Where a reader cuts a
// longer text it keeps the first characters; where it ignores one the field keeps what it
// held. The decimal conversion is the one every stored number and column 3 go through.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dovevar {

// The most characters a buffer of `capacity` code units holds.
constexpr std::size_t maxLength(std::size_t capacity) { return capacity == 0 ? 0 : capacity - 1; }

// The text up to, not including, its first zero code unit.
std::u16string_view untilZero(std::u16string_view text);

// The text as a buffer of `capacity` code units receives it: up to its first zero, then
// its first maxLength(capacity) code units.
std::u16string_view cutToCapacity(std::u16string_view text, std::size_t capacity);

// True when the text (up to its first zero) fits a buffer of `capacity` code units.
bool fitsCapacity(std::u16string_view text, std::size_t capacity);

// Stores the value when it fits; a longer value is ignored and the field keeps what it
// held. Returns whether the value was stored.
bool storeIfFits(std::u16string& field, std::u16string_view value, std::size_t capacity);

// Stores as much of the value as the buffer holds.
void storeCut(std::u16string& field, std::u16string_view value, std::size_t capacity);

// The texts of a fixed table that are in use: those before its first empty one.
template <typename Texts>
std::vector<std::u16string_view> textsBeforeFirstEmpty(const Texts& texts) {
  std::vector<std::u16string_view> used;
  for (const auto& text : texts) {
    if (std::u16string_view(text).empty()) break;
    used.push_back(text);
  }
  return used;
}

// The first `limit` characters of the text; a surrogate pair that the limit would split
// is left out whole.
std::u16string_view firstCharacters(std::u16string_view text, std::size_t limit);

// What a buffer of `capacity` code units keeps of a text typed or chosen by the user: up
// to its first zero, then as many whole characters as fit.
std::u16string_view cutAtCharacter(std::u16string_view text, std::size_t capacity);

}  // namespace dovevar
