#include "store/win/language_dialog.h"

#include "platform/win/dialog_base.h"
#include "platform/win/wide.h"
#include "resource.h"
#include "store/languages.h"

namespace dovevar::win {
namespace {

class LanguageDialog : public DialogBase {
 public:
  LanguageDialog(int32_t& language, const Messages& messages) : DialogBase(messages), language_(language) {}

 protected:
  void onInit() override {
    HWND combo = item(IDC_LANGUAGE_COMBO);
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (std::u16string_view name : kLanguageNames) {
      SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(toWide(name).c_str()));
    }
    SetWindowTextW(combo, toWide(languageName(language_)).c_str());
  }

  bool onCommand(int id, int, HWND) override {
    if (id != IDC_LANGUAGE_OK) return false;
    wchar_t name[kLanguageNameLimit + 1] = {};
    GetDlgItemTextW(window(), IDC_LANGUAGE_COMBO, name, kLanguageNameLimit + 1);
    language_ = languageFromName(fromWide(name));
    end(IDOK);
    return true;
  }

 private:
  int32_t& language_;
};

}  // namespace

void runLanguageDialog(HINSTANCE instance, HWND owner, int32_t& language, const Messages& messages) {
  LanguageDialog dialog(language, messages);
  dialog.run(instance, owner, IDD_LANGUAGE);
}

}  // namespace dovevar::win
