#include "config/first_run.h"

#include "config/environment_settings.h"
#include "config/plot_style_search.h"
#include "script/script_set_file.h"
#include "store/text_ids.h"

namespace dovevar {

void FirstRunSetUp::run() {
  messages.ui().messageBox(kSetUpText, kSetUpTitle, UiPort::BoxStyle::kPlain);
  dialogs.chooseLanguage(settings.moji_type);
  if (readScriptSets(files, messages, settingsFolder, settings.moji_type, scriptSets) != 0) {
    messages.show(kMsgScriptSetFileNotRead);
  }

  settings.autocad_file = kCadPlaceholder;
  messages.show(kMsgSetupBeforeCadPicker);
  std::u16string picked;
  if (dialogs.pickCadExecutable(pathPicker(PathField::kCadExecutable, kCadPlaceholder, messages), picked)) {
    settings.autocad_file = picked;
  }

  if (!findPlotStyleFolder(files, messages.ui(), settings)) {
    messages.show(kMsgSetupNoPlotStyleFolder);
    std::u16string folder;
    if (dialogs.browseForFolder(messages.label(kLabelsC, kLabelCChooseFolderTitle), folder)) {
      settings.ctb_file = folder;
    }
  }

  applyFirstRunDefaults(settings, settingsFolder);
  messages.show(kMsgSetupBeforeEnvironment);
  dialogs.editEnvironment();
}

void applyFirstRunDefaults(Settings& settings, std::u16string_view settingsFolder) {
  settings.temp_file = std::u16string(settingsFolder) + u"\\atcprint.scr";
  settings.end_file_dwg = std::u16string(settingsFolder) + u"\\endfile.dwg";
  settings.scrpit_type = 0;
  settings.file_set = FileNameRules();
  settings.prohibition_print = {};
  settings.print_paper_ab = 1;
  settings.prohibition_plmode = 0;
  settings.file_folder_tbl = {};
}

}  // namespace dovevar
