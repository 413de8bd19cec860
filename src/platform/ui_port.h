// What the core asks of the user interface: message boxes now, one call per dialog as
// the subsystems that need them arrive. Implemented by platform/win/win_ui.* over
// Win32 and by tests/fakes/scripted_ui.* for the unit tests.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/system_error.h"

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
  // A box about a failure that the system gave its reason for. On screen the box shows its
  // text as it stands; where boxes become log lines, the reason follows the text.
  virtual int failureBox(std::u16string_view text, std::u16string_view title, BoxStyle style,
                         const SystemError& /*reason*/) {
    return messageBox(text, title, style);
  }

  // The common open and save dialogs: a title, filter pairs (name, pattern), the
  // filter chosen first (from 1), and the file-name text the dialog starts with.
  // The dialogs add no extension and ask nothing before replacing.
  struct FileDialog {
    std::u16string title;
    std::vector<std::pair<std::u16string, std::u16string>> filters;
    int filterIndex = 1;
    std::u16string initialPath;
  };
  // Give true with the chosen path, false when the user cancelled.
  virtual bool chooseFileToSave(const FileDialog& dialog, std::u16string& path) = 0;
  virtual bool chooseFileToOpen(const FileDialog& dialog, std::u16string& path) = 0;
};

}  // namespace dovevar
