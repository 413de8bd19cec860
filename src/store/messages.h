// The program's one way of telling the user something: interface messages by number
// and labels by number, in the current UI language, through the UI port.
#pragma once

#include <string>
#include <string_view>

#include "platform/ui_port.h"
#include "store/text_tables.h"

namespace dovevar {

class Messages {
 public:
  // `language` is the Settings record's `moji_type`, read at every call.
  Messages(UiPort& ui, const TextTables& texts, const int& language)
      : ui_(ui), texts_(texts), language_(language) {}

  enum Kind : int { kNotice = 0, kQuestion = 1 };

  // Kind 0: an OK box, gives 0. Kind 1: a Yes/No question, gives 6 (Yes) or 7 (No).
  // Any other kind shows nothing and gives 0.
  int show(int number, int kind = kNotice);
  // A notice of a failure: message `number` as show() gives it, with the system's reason
  // for the log lines of a night run.
  void showFailure(int number, const SystemError& reason);

  // "<path>,<label C078>" titled "ErrorFileRead" with the exclamation icon.
  void readFailure(std::u16string_view path);

  const std::u16string& label(int table, int number) const;

  UiPort& ui() { return ui_; }
  const TextTables& texts() const { return texts_; }
  const int& language() const { return language_; }

 private:
  UiPort& ui_;
  const TextTables& texts_;
  const int& language_;
};

}  // namespace dovevar
