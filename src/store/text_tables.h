// The interface texts: two label tables and the message table, each entry holding one
// text per UI language. They are filled once from the UI text file at start-up; a
// change of language only chooses another column.
#pragma once

#include <array>
#include <string>

namespace dovevar {

// The UI language (`moji_type`).
enum UiLanguage : int { kJapanese = 0, kEnglish = 1, kKorean = 2, kChinese = 3 };
constexpr int kLanguageCount = 4;

constexpr bool isUiLanguage(int language) { return language >= 0 && language < kLanguageCount; }

// Label Cnnn is entry nnn of the first table, label Dnnn of the second.
enum LabelTable : int { kLabelsC = 0, kLabelsD = 1 };

struct TextTables {
  static constexpr int kEntries = 100;
  // A table text is a buffer of 64 code units: at most 63 characters.
  static constexpr size_t kTextCapacity = 64;

  struct Message {
    std::u16string text;
    std::u16string title;
  };

  std::array<std::array<std::array<std::u16string, kLanguageCount>, kEntries>, 2> labels;
  std::array<std::array<Message, kLanguageCount>, kEntries> messages;

  void clear();

  // The entry's text in the language; empty for a table, number or language out of
  // range, and for an entry the UI text file does not give (no fall-back language).
  const std::u16string& label(int table, int number, int language) const;
  const Message& message(int number, int language) const;
};

}  // namespace dovevar
