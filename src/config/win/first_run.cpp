#include "config/win/first_run.h"

#include "collect/win/shell_pickers.h"
#include "config/first_run.h"
#include "config/win/environment_dialog.h"
#include "store/win/language_dialog.h"

namespace dovevar::win {
namespace {

class WinSetUpDialogs : public SetUpDialogs {
 public:
  explicit WinSetUpDialogs(AppState& app) : app_(app) {}

  void chooseLanguage(int32_t& language) override {
    runLanguageDialog(app_.instance, app_.mainWindow, language, app_.messages);
  }

  // The main window is not shown yet, so the picker stands on its own.
  bool pickCadExecutable(const UiPort::FileDialog& picker, std::u16string& path) override {
    WinUi unowned(nullptr);
    return unowned.chooseFileToOpen(picker, path);
  }

  bool browseForFolder(std::u16string_view title, std::u16string& folder) override {
    return win::browseForFolder(app_.mainWindow, title, u"", folder) && !folder.empty();
  }

  void editEnvironment() override {
    runEnvironmentDialog(app_.instance, app_.mainWindow, app_.settings, app_.messages);
  }

 private:
  AppState& app_;
};

}  // namespace

void runFirstRunSetUp(AppState& app) {
  WinSetUpDialogs dialogs(app);
  FirstRunSetUp{app.files, app.messages, dialogs, app.settingsFolder, app.settings, app.scriptSets}.run();
}

}  // namespace dovevar::win
