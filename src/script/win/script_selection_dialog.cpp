#include "script/win/script_dialogs.h"

#include <array>

#include "platform/win/dialog_texts.h"
#include "platform/win/control_text.h"
#include "platform/win/dialog_base.h"
#include "platform/win/win_ui.h"
#include "resource.h"
#include "script/script_selection.h"
#include "script/script_set_file.h"
#include "store/text_ids.h"

namespace dovevar::win {
namespace {

constexpr std::array kCaptions = {
    ControlCaption{IDC_SCRIPT_SET_HEADING, kLabelDScriptSetHeading},
    ControlCaption{IDC_SCRIPT_SELECT_OK, kLabelDOk},
    ControlCaption{IDC_SCRIPT_SELECT_CANCEL, kLabelDCancel},
    ControlCaption{IDC_SCRIPT_DETAILS, kLabelDScriptDetails},
};

class ScriptSelectionDialog : public DialogBase {
 public:
  ScriptSelectionDialog(HINSTANCE instance, ScriptSetStore& store, int& currentSet)
      : DialogBase(store.texts, store.language), instance_(instance), store_(store), currentSet_(currentSet) {}

 protected:
  void onInit() override {
    fill();
  }

  bool onCommand(int id, int code, HWND) override {
    if (code != BN_CLICKED) return false;
    switch (id) {
      case IDC_SCRIPT_SELECT_OK:
      case IDOK:  // Enter confirms the typed title
        confirm();
        return true;
      case IDC_SCRIPT_SELECT_CANCEL:
        if (leaveScriptSelection(messages())) end(IDCANCEL);
        return true;
      case IDC_SCRIPT_DETAILS:
        runScriptDetailDialog(instance_, window(), store_);
        writeScriptSets(store_.files, messages(), store_.folder, store_.language, store_.table);
        fill();
        return true;
      default:
        return false;
    }
  }

 private:
  // Captions, the titles, and the current set's title in the edit field.
  void fill() {
    setCaption(window(), messages(), kLabelDScriptSelectionCaption);
    setItemTexts(window(), messages(), kCaptions);
    HWND box = item(IDC_SCRIPT_SET_TITLE);
    fillComboBox(box, scriptSetChoices(store_.table, store_.language));
    setControlText(box, currentScriptSet(store_.table, currentSet_).title);
  }

  void confirm() {
    if (const std::optional<int> chosen =
            chooseScriptSet(store_.table, messages(), controlText(item(IDC_SCRIPT_SET_TITLE)))) {
      currentSet_ = *chosen;
      end(IDOK);
    }
  }

  HINSTANCE instance_;
  ScriptSetStore& store_;
  int& currentSet_;
};

}  // namespace

void runScriptSelectionDialog(HINSTANCE instance, HWND owner, ScriptSetStore& store, int& currentSet) {
  ScriptSelectionDialog dialog(instance, store, currentSet);
  dialog.run(instance, owner, IDD_SCRIPT_SELECTION);
}

}  // namespace dovevar::win
