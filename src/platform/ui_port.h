// What the core asks of the user interface: message boxes now, one call per dialog as
// the subsystems that need them arrive. Implemented by platform/win/win_ui.* over
// Win32 and by tests/fakes/scripted_ui.* for the unit tests.
#pragma once

#include <string_view>

namespace dovevar {

class UiPort {
 public:
  virtual ~UiPort() = default;

  enum class BoxStyle {
    kPlain,        // OK button, no icon
    kYesNo,        // Yes and No, no icon
    kExclamation,  // OK button with the exclamation icon
  };
  // The answers are the platform's: 1 OK, 6 Yes, 7 No.
  static constexpr int kOk = 1;
  static constexpr int kYes = 6;
  static constexpr int kNo = 7;

  virtual int messageBox(std::u16string_view text, std::u16string_view title, BoxStyle style) = 0;
};

}  // namespace dovevar
