// The names of the UI languages as the language dialog offers them.
#pragma once

#include <array>
#include <string_view>

namespace dovevar {

inline constexpr std::array<std::u16string_view, 4> kLanguageNames = {u"Japanese", u"English",
                                                                      u"Korean", u"Chinese"};
// The language dialog reads at most this many characters of its combo box.
inline constexpr size_t kLanguageNameLimit = 30;

// "English" gives 1, "Korean" 2, "Chinese" 3; anything else, "Japanese" too, gives 0.
// The whole text is compared, with case.
int languageFromName(std::u16string_view name);

// The name shown for a language; a language out of range is shown as Japanese.
std::u16string_view languageName(int language);

}  // namespace dovevar
