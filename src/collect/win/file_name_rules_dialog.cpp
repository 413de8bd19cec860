#include "collect/win/file_name_rules_dialog.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win/dialog_texts.h"
#include "collect/file_name_rules.h"
#include "platform/win/control_text.h"
#include "platform/win/dialog_base.h"
#include "platform/win/wide.h"
#include "resource.h"
#include "store/text_ids.h"

namespace dovevar::win {
namespace {

using Caption = ControlCaption;
constexpr std::array kCaptions = {
    Caption{IDC_RULE_PRINTER_RULES_ON, kLabelDPrinterRules},
    Caption{IDC_RULE_PRINTER_SEARCH_HEADING, kLabelDSearchTextHeading},
    Caption{IDC_RULE_PRINTER_HEADING, kLabelDPrinterHeading},
    Caption{IDC_RULE_PAPER_HEADING, kLabelDPrinterRules},
    Caption{IDC_RULE_ORIENTATION_RULES_ON, kLabelDOrientationRules},
    Caption{IDC_RULE_ORIENTATION_SEARCH_HEADING, kLabelDSearchTextHeading},
    Caption{IDC_RULE_ORIENTATION_HEADING, kLabelDOrientationRules},
    Caption{IDC_RULE_PORTRAIT, kLabelDPortrait},
    Caption{IDC_RULE_LANDSCAPE, kLabelDLandscape},
    Caption{IDC_RULE_PLOT_AREA_RULES_ON, kLabelDPlotAreaRules},
    Caption{IDC_RULE_PLOT_AREA_SEARCH_HEADING, kLabelDSearchTextHeading},
    Caption{IDC_RULE_PLOT_AREA_HEADING, kLabelDOrientationRules},
    Caption{IDC_RULE_LAYOUT, kLabelDPlotAreaLayout},
    Caption{IDC_RULE_EXTENTS, kLabelDPlotAreaExtents},
    Caption{IDC_RULE_DISPLAY, kLabelDPlotAreaDisplay},
    Caption{IDC_RULE_APPLY_ON_COLLECT, kLabelDApplyRulesOnCollect},
    Caption{IDC_RULES_OK, kLabelDOk},
};

struct CheckBox {
  int control;
  bool RulesDialogValues::*value;
};
constexpr std::array kCheckBoxes = {
    CheckBox{IDC_RULE_PRINTER_RULES_ON, &RulesDialogValues::printerRulesOn},
    CheckBox{IDC_RULE_ORIENTATION_RULES_ON, &RulesDialogValues::orientationRulesOn},
    CheckBox{IDC_RULE_PLOT_AREA_RULES_ON, &RulesDialogValues::plotAreaRulesOn},
    CheckBox{IDC_RULE_APPLY_ON_COLLECT, &RulesDialogValues::applyOnCollect},
};

// The search texts of the orientation and plot-area rules.
struct WordEdit {
  int control;
  std::u16string RulesDialogValues::*value;
};
constexpr std::array kWordEdits = {
    WordEdit{IDC_RULE_PORTRAIT_SEARCH, &RulesDialogValues::portrait},
    WordEdit{IDC_RULE_LANDSCAPE_SEARCH, &RulesDialogValues::landscape},
    WordEdit{IDC_RULE_LAYOUT_SEARCH, &RulesDialogValues::layout},
    WordEdit{IDC_RULE_EXTENTS_SEARCH, &RulesDialogValues::extents},
    WordEdit{IDC_RULE_DISPLAY_SEARCH, &RulesDialogValues::display},
};

class FileNameRulesDialog : public DialogBase {
 public:
  FileNameRulesDialog(FileNameRules& rules, const PrinterTable& printers, const Messages& messages)
      : DialogBase(messages), rules_(rules), printers_(printers) {}

 protected:
  void onInit() override {
    setCaption(window(), messages(), kLabelDRulesCaption);
    setItemTexts(window(), messages(), kCaptions);
    show(rulesDialogValues(rules_));
  }

  bool onCommand(int id, int code, HWND) override {
    if (id == IDC_RULES_OK) {
      if (code == BN_CLICKED) storeAndClose();
      return true;
    }
    const int rule = id - IDC_RULE_PRINTER_0;
    if (rule < 0 || rule >= kPrinterRuleCount) return false;
    if (watch_.notify(rule)) {
      SetTimer(window(), PrinterBoxWatch::kTimerId, PrinterBoxWatch::kTimerMs, nullptr);
    }
    return true;
  }

  void onTimer(UINT_PTR id) override {
    if (id != PrinterBoxWatch::kTimerId) return;
    KillTimer(window(), id);
    const int rule = watch_.pending();
    if (rule < 0) return;
    const PrinterRecord* printer = watch_.settle(controlText(item(IDC_RULE_PRINTER_0 + rule)), printers_);
    if (printer != nullptr) showPapers(rule, printer, printer->papers[0]);
  }

  // Escape and Enter leave the dialog open; only the close box stores and closes.
  void onCancel() override {}
  bool onClose() override {
    storeAndClose();
    return true;
  }

 private:
  void storeAndClose() {
    storeRulesDialog(read(), rules_);
    end(IDOK);
  }

  void showPapers(int rule, const PrinterRecord* printer, std::u16string_view paper) {
    HWND box = item(IDC_RULE_PAPER_0 + rule);
    fillComboBox(box, printer != nullptr ? paperChoices(*printer) : std::vector<std::u16string_view>{});
    setControlText(box, paper);
  }

  void show(const RulesDialogValues& values) {
    for (const CheckBox& box : kCheckBoxes) {
      CheckDlgButton(window(), box.control, values.*box.value ? BST_CHECKED : BST_UNCHECKED);
    }
    const std::vector<std::u16string_view> names = printerNames(printers_);
    for (int rule = 0; rule < kPrinterRuleCount; ++rule) {
      setControlText(item(IDC_RULE_SEARCH_0 + rule), values.search[rule]);
      HWND printerBox = item(IDC_RULE_PRINTER_0 + rule);
      fillComboBox(printerBox, names);
      setControlText(printerBox, values.printer[rule]);
      showPapers(rule, printerForOpening(printers_, values.printer[rule]), values.paper[rule]);
      watch_.remember(rule, controlText(printerBox));
    }
    for (const WordEdit& edit : kWordEdits) setControlText(item(edit.control), values.*edit.value);
  }

  RulesDialogValues read() const {
    RulesDialogValues values;
    for (const CheckBox& box : kCheckBoxes) {
      values.*box.value = IsDlgButtonChecked(window(), box.control) == BST_CHECKED;
    }
    for (int rule = 0; rule < kPrinterRuleCount; ++rule) {
      values.search[rule] = controlText(item(IDC_RULE_SEARCH_0 + rule));
      values.printer[rule] = controlText(item(IDC_RULE_PRINTER_0 + rule));
      values.paper[rule] = controlText(item(IDC_RULE_PAPER_0 + rule));
    }
    for (const WordEdit& edit : kWordEdits) values.*edit.value = controlText(item(edit.control));
    return values;
  }

  FileNameRules& rules_;
  const PrinterTable& printers_;
  PrinterBoxWatch watch_;
};

}  // namespace

void runFileNameRulesDialog(HINSTANCE instance, HWND owner, FileNameRules& rules,
                            const PrinterTable& printers, const Messages& messages) {
  FileNameRulesDialog dialog(rules, printers, messages);
  dialog.run(instance, owner, IDD_FILE_NAME_RULES);
}

}  // namespace dovevar::win
