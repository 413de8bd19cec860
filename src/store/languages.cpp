#include "store/languages.h"

namespace dovevar {

int languageFromName(std::u16string_view name) {
  for (int language = 1; language < static_cast<int>(kLanguageNames.size()); ++language) {
    if (name == kLanguageNames[language]) return language;
  }
  return 0;
}

std::u16string_view languageName(int language) {
  return language >= 0 && language < static_cast<int>(kLanguageNames.size()) ? kLanguageNames[language]
                                                                            : kLanguageNames[0];
}

}  // namespace dovevar
