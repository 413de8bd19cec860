// A user interface for the unit tests: records every box and file dialog it was asked
// to show, answers questions from a queue (No when the queue is empty) and file
// dialogs from another (cancel when empty).
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
  std::vector<FileDialog> fileDialogs;
  std::deque<std::u16string> chosenPaths;  // an empty text cancels

  bool chooseFileToSave(const FileDialog& dialog, std::u16string& path) override {
    return choose(dialog, path);
  }
  bool chooseFileToOpen(const FileDialog& dialog, std::u16string& path) override {
    return choose(dialog, path);
  }

  int messageBox(std::u16string_view text, std::u16string_view title, BoxStyle style) override {
    boxes.push_back({std::u16string(text), std::u16string(title), style});
    if (style != BoxStyle::kYesNo) return kOk;
    if (answers.empty()) return kNo;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }

 private:
  bool choose(const FileDialog& dialog, std::u16string& path) {
    fileDialogs.push_back(dialog);
    if (chosenPaths.empty()) return false;
    path = chosenPaths.front();
    chosenPaths.pop_front();
    return !path.empty();
  }
};

}  // namespace dovevar
