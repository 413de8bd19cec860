// Control characters (below U+0020, the tab apart) have no place in a cell or a script
// line: a lone CR or LF inside a Run script line could be taken by the CAD application
// for the end of one command and the start of another.
#pragma once

#include <string>
#include <string_view>

namespace dovevar {

constexpr bool isControlCharacter(char16_t c) { return c < u' ' && c != u'\t'; }

bool hasControlCharacters(std::u16string_view text);
// The text with its control characters left out.
std::u16string withoutControlCharacters(std::u16string_view text);

}  // namespace dovevar
