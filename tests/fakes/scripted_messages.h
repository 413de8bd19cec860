// The interface messages of a test: a scripted UI that records every box, empty or
// filled text tables, and the UI language the messages speak.
#pragma once

#include <string>
#include <vector>

#include "fakes/scripted_ui.h"
#include "store/messages.h"
#include "store/text_tables.h"

namespace dovevar {

struct ScriptedMessages {
  explicit ScriptedMessages(int startLanguage = kEnglish) : language(startLanguage) {}

  ScriptedUi ui;
  TextTables texts;
  int language;
  Messages messages{ui, texts, language};

  // Each message's text becomes its number, so that shownNumbers() reads the boxes back.
  void numberTexts() {
    for (int number = 0; number < TextTables::kEntries; ++number) {
      const std::string digits = std::to_string(number);
      texts.messages[number][language].text = std::u16string(digits.begin(), digits.end());
    }
  }
  std::vector<int> shownNumbers() const {
    std::vector<int> numbers;
    for (const ScriptedUi::Box& box : ui.boxes) {
      numbers.push_back(std::stoi(std::string(box.text.begin(), box.text.end())));
    }
    return numbers;
  }
};

}  // namespace dovevar
