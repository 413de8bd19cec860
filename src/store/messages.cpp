#include "store/messages.h"

#include "store/text_ids.h"

namespace dovevar {

int Messages::show(int number, int kind) {
  if (kind != kNotice && kind != kQuestion) return 0;
  const TextTables::Message& message = texts_.message(number, language_);
  if (kind == kNotice) {
    ui_.messageBox(message.text, message.title, UiPort::BoxStyle::kPlain);
    return 0;
  }
  const int answer = ui_.messageBox(message.text, message.title, UiPort::BoxStyle::kYesNo);
  return answer == UiPort::kYes ? UiPort::kYes : UiPort::kNo;
}

void Messages::showFailure(int number, const SystemError& reason) {
  const TextTables::Message& message = texts_.message(number, language_);
  ui_.failureBox(message.text, message.title, UiPort::BoxStyle::kPlain, reason);
}

void Messages::readFailure(std::u16string_view path) {
  std::u16string text(path);
  text += u',';
  text += label(kLabelsC, kLabelCFileNotReadable);
  ui_.messageBox(text, u"ErrorFileRead", UiPort::BoxStyle::kExclamation);
}

const std::u16string& Messages::label(int table, int number) const {
  return texts_.label(table, number, language_);
}

}  // namespace dovevar
