#include "store/ui_text_file.h"

#include "store/settings_text.h"

namespace dovevar {
namespace {

// Characters 2 to 4 as a number, or -1 when they are not three digits.
int entryNumber(std::u16string_view line) {
  int number = 0;
  for (size_t i = 1; i <= 3; ++i) {
    if (line[i] < u'0' || line[i] > u'9') return -1;
    number = number * 10 + (line[i] - u'0');
  }
  return number;
}

bool fits(std::u16string_view text) { return text.size() < TextTables::kTextCapacity; }

}  // namespace

int languageOfLetter(char16_t letter) {
  switch (letter) {
    case u'J': return kJapanese;
    case u'E': return kEnglish;
    case u'K': return kKorean;
    case u'C': return kChinese;
    default: return -1;
  }
}

void parseUiTextLine(std::u16string_view line, TextTables& tables) {
  if (line.size() < 6) return;
  const int number = entryNumber(line);
  const int language = languageOfLetter(line[4]);
  if (number < 0 || number >= TextTables::kEntries || language < 0) return;

  if (line[0] == u'C' || line[0] == u'D') {
    const std::u16string_view text = line.substr(6);
    if (fits(text)) tables.labels[line[0] == u'C' ? kLabelsC : kLabelsD][number][language] = text;
    return;
  }
  if (line[0] == u'M' && line.size() >= 7 && (line[5] == u'A' || line[5] == u'B')) {
    const std::u16string_view text = line.substr(7);
    if (!fits(text)) return;
    TextTables::Message& message = tables.messages[number][language];
    (line[5] == u'A' ? message.text : message.title) = text;
  }
}

void readUiTextFile(FileSystem& files, Messages& messages, const std::u16string& folder,
                    TextTables& tables) {
  SettingsFileRules rules;
  rules.createIfMissing = true;
  readSettingsText(files, messages, settingsFilePath(folder, kUiTextFileName), rules,
                   [&] { tables.clear(); },
                   [&](std::u16string_view line) { parseUiTextLine(line, tables); });
}

}  // namespace dovevar
