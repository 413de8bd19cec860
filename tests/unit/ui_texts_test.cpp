// The UI text file that ships with the program: dist/ui_texts.txt, compiled the way the
// build compiles it and read back line by line the way the program reads wchar_set.ini.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "store/text_codec.h"
#include "store/text_ids.h"
#include "store/text_tables.h"
#include "store/ui_text_check.h"
#include "store/ui_text_file.h"

namespace dovevar {
namespace {

constexpr const char* kLanguageNames[kLanguageCount] = {"Japanese", "English", "Korean",
                                                        "Chinese"};

std::string shippedSource() {
  std::ifstream in(DOVEVAR_SOURCE_DIR "/dist/ui_texts.txt", std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The program's side: every CR LF line of the compiled file through the reader.
TextTables readCompiled(const std::string& bytes) {
  TextTables tables;
  std::u16string text = fromUtf16LeBytes(bytes);
  if (!text.empty() && text.front() == u'\xFEFF') text.erase(0, 1);
  for (size_t end; (end = text.find(u"\r\n")) != std::u16string::npos; text.erase(0, end + 2)) {
    parseUiTextLine(std::u16string_view(text).substr(0, end), tables);
  }
  return tables;
}

const TextTables& shippedTables() {
  static const TextTables tables = readCompiled(compileUiTextSource(shippedSource()).bytes);
  return tables;
}

std::string utf8(const std::u16string& text) { return utf16ToUtf8(text); }

TEST(UiTexts, TheShippedSourceCompilesWithoutAProblem) {
  const std::string source = shippedSource();
  ASSERT_FALSE(source.empty()) << "dist/ui_texts.txt is missing";
  for (const UiTextProblem& problem : compileUiTextSource(source).problems) {
    ADD_FAILURE() << "dist/ui_texts.txt:" << problem.line << ": " << problem.message;
  }
}

TEST(UiTexts, EveryShownMessageHasATextAndATitleInAllFourLanguages) {
  for (const int number : kUsedMessages) {
    for (int language = 0; language < kLanguageCount; ++language) {
      const TextTables::Message& message = shippedTables().message(number, language);
      EXPECT_FALSE(message.text.empty()) << "M" << number << " text, " << kLanguageNames[language];
      EXPECT_FALSE(message.title.empty())
          << "M" << number << " title, " << kLanguageNames[language];
    }
  }
}

TEST(UiTexts, EveryUsedLabelHasATextInAllFourLanguages) {
  for (int language = 0; language < kLanguageCount; ++language) {
    for (const int number : kUsedLabelsC) {
      EXPECT_FALSE(shippedTables().label(kLabelsC, number, language).empty())
          << "C" << number << ", " << kLanguageNames[language];
    }
    for (const int number : kUsedLabelsD) {
      EXPECT_FALSE(shippedTables().label(kLabelsD, number, language).empty())
          << "D" << number << ", " << kLanguageNames[language];
    }
  }
}

// A text under a number nobody looks up is a typo of a number that someone does.
TEST(UiTexts, TheFileGivesNoTextForNumbersTheProgramNeverLooksUp) {
  const auto used = [](const auto& list, int number) {
    return std::find(list.begin(), list.end(), number) != list.end();
  };
  for (int number = 0; number < TextTables::kEntries; ++number) {
    for (int language = 0; language < kLanguageCount; ++language) {
      const TextTables::Message& message = shippedTables().message(number, language);
      if (!used(kUsedMessages, number)) {
        EXPECT_TRUE(message.text.empty() && message.title.empty()) << "M" << number;
      }
      if (!used(kUsedLabelsC, number)) {
        EXPECT_TRUE(shippedTables().label(kLabelsC, number, language).empty()) << "C" << number;
      }
      if (!used(kUsedLabelsD, number)) {
        EXPECT_TRUE(shippedTables().label(kLabelsD, number, language).empty()) << "D" << number;
      }
    }
  }
}

// The detail dialog stores a mode as the number its combo box text begins with.
TEST(UiTexts, ModeNamesBeginWithTheirOwnModeNumber) {
  const struct {
    int firstLabel;
    int count;
  } modeKinds[] = {{kLabelCFirstOutputMode, kOutputModeCount},
                   {kLabelCFirstDisplayMode, kDisplayModeCount},
                   {kLabelCFirstEditMode, kEditModeCount}};
  for (const auto& kind : modeKinds) {
    for (int mode = 0; mode < kind.count; ++mode) {
      for (int language = 0; language < kLanguageCount; ++language) {
        const std::u16string& name =
            shippedTables().label(kLabelsC, kind.firstLabel + mode, language);
        const size_t digits = name.find_first_not_of(u"0123456789");
        EXPECT_EQ(utf8(name.substr(0, digits)), std::to_string(mode))
            << "C0" << kind.firstLabel + mode << " \"" << utf8(name) << "\", "
            << kLanguageNames[language];
      }
    }
  }
}

TEST(UiTexts, QuestionsAndOnlyQuestionsEndInAQuestionMark) {
  const auto asks = [](const std::u16string& text) {
    return !text.empty() && (text.back() == u'?' || text.back() == u'\xFF1F');
  };
  for (const int number : kUsedMessages) {
    const bool question = std::find(kQuestionMessages.begin(), kQuestionMessages.end(),
                                    number) != kQuestionMessages.end();
    for (int language = 0; language < kLanguageCount; ++language) {
      const std::u16string& text = shippedTables().message(number, language).text;
      EXPECT_EQ(asks(text), question) << "M" << number << " \"" << utf8(text) << "\"";
    }
  }
}

// The initial-values title is a format with one text placeholder for the set's title.
TEST(UiTexts, TheInitialValuesTitleHoldsExactlyOnePlaceForTheSetTitle) {
  for (int language = 0; language < kLanguageCount; ++language) {
    const std::u16string& title =
        shippedTables().label(kLabelsC, kLabelCInitialValuesTitle, language);
    EXPECT_EQ(std::count(title.begin(), title.end(), u'%'), 1) << utf8(title);
    EXPECT_NE(title.find(u"%s"), std::u16string::npos) << utf8(title);
  }
}

TEST(UiTexts, CompilerWritesUtf16WithByteOrderMarkAndCrLfAndDropsComments) {
  const UiTextCompilation compiled =
      compileUiTextSource("\xEF\xBB\xBF; heading\r\n\r\nC001J=図\r\nM002EB= title \n");
  EXPECT_TRUE(compiled.problems.empty());
  EXPECT_EQ(compiled.bytes.substr(0, 4), std::string("\xFF\xFE" "C\0", 4));
  EXPECT_EQ(compiled.bytes.substr(compiled.bytes.size() - 6), std::string(" \0\r\0\n\0", 6));
  EXPECT_EQ(fromUtf16LeBytes(compiled.bytes), u"\xFEFF" u"C001J=\x56F3\r\nM002EB= title \r\n");
}

TEST(UiTexts, CompilerNamesEveryLineTheReaderWouldNotTake) {
  const std::string sixtyThree(63, 'x');
  const std::string astral = "\xF0\x9F\x93\x90";  // two code units
  std::string longByOneUnit;
  for (int i = 0; i < 32; ++i) longByOneUnit += astral;

  const UiTextCompilation compiled = compileUiTextSource(
      "C000J=" + sixtyThree + "\n"        // 1: fits
      "C001J=" + sixtyThree + "x\n"       // 2: 64 characters
      "C002J=" + longByOneUnit + "\n"     // 3: 32 characters, 64 code units
      "C100J=x\n"                         // 4: above 99
      "C0a1J=x\n"                         // 5: not three digits
      "D001X=x\n"                         // 6: no such language
      "M001EC=x\n"                        // 7: no such message part
      "M001E=x\n"                         // 8: part letter missing
      "C003J:x\n"                         // 9: no '='
      " C004J=x\n"                        // 10: indented
      "C000J=again\n"                     // 11: duplicate of line 1
      "M001EA=a\nM001EB=b\nD000J=c\n"     // 12-14: three different keys
      "C005J=a\x80z\n");                  // 15: malformed UTF-8
  std::vector<int> lines;
  for (const UiTextProblem& problem : compiled.problems) lines.push_back(problem.line);
  EXPECT_EQ(lines, (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 15}));
  EXPECT_NE(compiled.problems[9].message.find("line 1"), std::string::npos);
}

}  // namespace
}  // namespace dovevar
