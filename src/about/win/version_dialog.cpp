#include "about/win/version_dialog.h"

#include "platform/win/dialog_texts.h"
#include "app/version.h"
#include "platform/win/dialog_base.h"
#include "platform/win/wide.h"
#include "resource.h"
#include "store/text_ids.h"

namespace dovevar::win {
namespace {

class VersionDialog : public DialogBase {
 public:
  explicit VersionDialog(const Messages& messages) : DialogBase(messages) {}

 protected:
  void onInit() override {
    setCaption(window(), messages(), kLabelDVersionCaption);
    // The program's own version, whatever the template says.
    SetDlgItemTextW(window(), IDC_VERSION_TEXT, toWide(versionText()).c_str());
  }

  bool onCommand(int id, int, HWND) override {
    if (id != IDOK) return false;
    end(IDOK);
    return true;
  }

 private:
};

}  // namespace

void showVersionDialog(AppState& app) {
  VersionDialog dialog(app.messages);
  dialog.run(app.instance, app.mainWindow, IDD_VERSION);
}

}  // namespace dovevar::win
