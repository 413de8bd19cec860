#include "store/languages.h"

#include <gtest/gtest.h>

namespace dovevar {
namespace {

TEST(LanguageDialogChoice, OnlyTheExactEnglishKoreanOrChineseNameLeavesJapanese) {
  EXPECT_EQ(languageFromName(u"English"), 1);
  EXPECT_EQ(languageFromName(u"Korean"), 2);
  EXPECT_EQ(languageFromName(u"Chinese"), 3);
  for (const char16_t* other : {u"Japanese", u"english", u"English ", u" Korean", u"", u"日本語"}) {
    EXPECT_EQ(languageFromName(other), 0);
  }
}

TEST(LanguageDialogChoice, TheComboShowsTheCurrentLanguageAndJapaneseForAnythingElse) {
  EXPECT_EQ(languageName(0), u"Japanese");
  EXPECT_EQ(languageName(3), u"Chinese");
  EXPECT_EQ(languageName(4), u"Japanese");
  EXPECT_EQ(languageName(-1), u"Japanese");
}

}  // namespace
}  // namespace dovevar
