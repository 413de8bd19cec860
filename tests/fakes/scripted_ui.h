// A user interface for the unit tests: records every box it was asked to show and
// answers questions from a queue (No when the queue is empty).
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/ui_port.h"

namespace dovevar {

class ScriptedUi : public UiPort {
 public:
  struct Box {
    std::u16string text;
    std::u16string title;
    BoxStyle style;
  };
  std::vector<Box> boxes;
  std::deque<int> answers;

  int messageBox(std::u16string_view text, std::u16string_view title, BoxStyle style) override {
    boxes.push_back({std::u16string(text), std::u16string(title), style});
    if (style != BoxStyle::kYesNo) return kOk;
    if (answers.empty()) return kNo;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

}  // namespace dovevar
