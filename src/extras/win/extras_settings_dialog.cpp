#include "extras/win/extras_settings_dialog.h"

#include "extras/extras_texts.h"
#include "platform/win/control_text.h"
#include "platform/win/dialog_base.h"
#include "platform/win/wide.h"
#include "resource.h"
#include "store/settings_text.h"

namespace dovevar::win {
namespace {

// "86400", a day in seconds, is the longest limit.
constexpr int kWatchdogDigits = 5;

class ExtrasSettingsDialog : public DialogBase {
 public:
  ExtrasSettingsDialog(ExtrasSettings& settings, const Messages& messages)
      : DialogBase(messages), settings_(settings) {}

 protected:
  void onInit() override {
    SetWindowTextW(window(), text(ExtrasText::kSettingsCaption).c_str());
    SetDlgItemTextW(window(), IDC_EXTRAS_CHECK_FIRST, text(ExtrasText::kSettingsCheckFirst).c_str());
    SetDlgItemTextW(window(), IDC_EXTRAS_WATCHDOG_HEADING, text(ExtrasText::kSettingsWatchdog).c_str());
    SetDlgItemTextW(window(), IDOK, text(ExtrasText::kOk).c_str());
    SetDlgItemTextW(window(), IDCANCEL, text(ExtrasText::kCancel).c_str());
    CheckDlgButton(window(), IDC_EXTRAS_CHECK_FIRST, settings_.checkBeforeRun ? BST_CHECKED : BST_UNCHECKED);
    SendDlgItemMessageW(window(), IDC_EXTRAS_WATCHDOG, EM_LIMITTEXT, kWatchdogDigits, 0);
    SetDlgItemTextW(window(), IDC_EXTRAS_WATCHDOG, toWide(decimalText(settings_.watchdogSeconds)).c_str());
    SetDlgItemTextW(window(), IDC_EXTRAS_CAD_AT_ONCE_HEADING, text(ExtrasText::kSettingsCadAtOnce).c_str());
    SendDlgItemMessageW(window(), IDC_EXTRAS_CAD_AT_ONCE, EM_LIMITTEXT, 1, 0);
    SetDlgItemTextW(window(), IDC_EXTRAS_CAD_AT_ONCE, toWide(decimalText(settings_.cadAtOnce)).c_str());
  }

  bool onCommand(int id, int, HWND) override {
    if (id != IDOK) return false;
    settings_.checkBeforeRun = IsDlgButtonChecked(window(), IDC_EXTRAS_CHECK_FIRST) == BST_CHECKED;
    settings_.watchdogSeconds = watchdogSecondsFromText(controlText(item(IDC_EXTRAS_WATCHDOG)));
    settings_.cadAtOnce = cadAtOnceFromText(controlText(item(IDC_EXTRAS_CAD_AT_ONCE)));
    end(IDOK);
    return true;
  }

 private:
  std::wstring text(ExtrasText id) const { return toWide(extrasText(messages().language(), id)); }

  ExtrasSettings& settings_;
};

}  // namespace

bool runExtrasSettingsDialog(HINSTANCE instance, HWND owner, FileSystem& files, Messages& messages,
                             const std::u16string& settingsFolder, ExtrasSettings& settings) {
  ExtrasSettings edited = readExtrasSettings(files, settingsFolder);
  ExtrasSettingsDialog dialog(edited, messages);
  if (dialog.run(instance, owner, IDD_EXTRAS_SETTINGS) != IDOK) return false;
  if (!writeExtrasSettings(files, messages, settingsFolder, edited)) return false;
  settings = edited;
  return true;
}

}  // namespace dovevar::win
