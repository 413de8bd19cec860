// Conversions between the core's UTF-16 text and the byte forms it meets outside:
// UTF-8 (sources, logs, test scenarios) and UTF-16 little-endian (stored files).
#pragma once

#include <string>
#include <string_view>

namespace dovevar {

// The two halves of a character beyond the basic plane, as UTF-16 holds it.
inline bool isHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
inline bool isLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// Malformed sequences become U+FFFD; nothing is dropped silently.
std::u16string utf8ToUtf16(std::string_view utf8);

// An unpaired surrogate becomes U+FFFD.
std::string utf16ToUtf8(std::u16string_view utf16);

// Code units from little-endian bytes; an odd last byte cannot form a unit and is dropped.
std::u16string fromUtf16LeBytes(std::string_view bytes);

std::string toUtf16LeBytes(std::u16string_view text);
// Appends the code units to the bytes, little-endian: the writers of long files build
// their bytes this way, without a text of their own first.
void appendUtf16Le(std::string& bytes, std::u16string_view text);

}  // namespace dovevar
