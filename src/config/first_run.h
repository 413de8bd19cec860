// The first-run set-up: when the Main settings file could not be read at start-up, the
// user chooses the interface language and the CAD executable, the plot-style folder is
// looked for below it, the other paths get their defaults in the settings folder, and
// the environment dialog shows the result for correction.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "platform/ui_port.h"
#include "script/script_sets.h"
#include "store/messages.h"
#include "store/settings.h"

namespace dovevar {

// The CAD executable until the user picks one; its folder "c:" is searched alone.
inline constexpr std::u16string_view kCadPlaceholder = u"c:\\*.exe";

// The set-up's first box, in the four languages at once; the texts are the program's own.
inline constexpr std::u16string_view kSetUpTitle = u"SetUP";
inline constexpr std::u16string_view kSetUpText =
    u"文字の設定します。\r\nSet of characters.\r\n문자 설정합니다.\r\n一组字符。";

// The dialogs the set-up opens that only the window side can show.
class SetUpDialogs {
 public:
  virtual ~SetUpDialogs() = default;
  // The language dialog; `language` changes only when it is confirmed.
  virtual void chooseLanguage(int32_t& language) = 0;
  // The CAD executable's picker, owned by no window. True with the path picked.
  virtual bool pickCadExecutable(const UiPort::FileDialog& picker, std::u16string& path) = 0;
  // The folder browser, nothing pre-selected. True with the folder chosen.
  virtual bool browseForFolder(std::u16string_view title, std::u16string& folder) = 0;
  // The environment dialog over the Settings record.
  virtual void editEnvironment() = 0;
};

struct FirstRunSetUp {
  FileSystem& files;
  Messages& messages;
  SetUpDialogs& dialogs;
  const std::u16string& settingsFolder;
  Settings& settings;
  ScriptSetTable& scriptSets;

  void run();
};

// The settings the set-up gives without asking: the Run script and the end drawing in
// the settings folder, script set 0, no file-name rules, no prohibited printers, A/B
// paper sizes only, the prohibited-printer message on, no recent folders.
void applyFirstRunDefaults(Settings& settings, std::u16string_view settingsFolder);

}  // namespace dovevar
