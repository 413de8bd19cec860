#include "extras/win/check_dialog.h"

#include <commctrl.h>

#include "extras/extras_texts.h"
#include "platform/win/dialog_base.h"
#include "platform/win/list_view_cells.h"
#include "platform/win/wide.h"
#include "platform/win/window_dpi.h"
#include "resource.h"
#include "store/settings_text.h"

namespace dovevar::win {
namespace {

constexpr int kRowWidth = 44;
constexpr int kColumnWidth = 110;
constexpr int kProblemWidth = 420;

class CheckDialog : public DialogBase {
 public:
  CheckDialog(CheckDialogMode mode, const CheckResult& result, DrawingList& list, const Messages& messages)
      : DialogBase(messages), mode_(mode), result_(result), list_(list), language_(messages.language()) {}

 protected:
  void onInit() override {
    SetWindowTextW(window(), text(ExtrasText::kCheckCaption).c_str());
    SetDlgItemTextW(window(), IDC_CHECK_SUMMARY, summary().c_str());
    SetDlgItemTextW(window(), IDC_CHECK_SELECT_ROWS, text(ExtrasText::kSelectRows).c_str());
    SetDlgItemTextW(window(), IDOK, text(ExtrasText::kRunAnyway).c_str());
    const bool beforeRun = mode_ == CheckDialogMode::kBeforeRun;
    SetDlgItemTextW(window(), IDCANCEL, text(beforeRun ? ExtrasText::kCancel : ExtrasText::kClose).c_str());
    // Without a run to go on with, there is no button for it.
    if (!beforeRun) DestroyWindow(item(IDOK));
    EnableWindow(item(IDC_CHECK_SELECT_ROWS), !rowsWithProblems(result_.problems).empty());
    fillGrid();
    // Nothing runs by a stray Enter: the focus starts on Cancel or Close.
    SendMessageW(window(), DM_SETDEFID, IDCANCEL, 0);
    SetFocus(item(IDCANCEL));
  }

  bool onCommand(int id, int, HWND) override {
    switch (id) {
      case IDOK:
        if (mode_ == CheckDialogMode::kBeforeRun) end(IDOK);
        return true;
      case IDC_CHECK_SELECT_ROWS:
        list_.selectNone();
        for (const int row : rowsWithProblems(result_.problems)) list_.selectRow(row);
        return true;
      default:
        return false;
    }
  }

 private:
  std::wstring text(ExtrasText id) const { return toWide(extrasText(language_, id)); }

  std::wstring summary() const {
    const std::u16string rows = decimalText(result_.rowsChecked);
    std::u16string line =
        result_.problems.empty()
            ? fillText(extrasText(language_, ExtrasText::kCheckFoundNone), {rows})
            : fillText(extrasText(language_, ExtrasText::kCheckFoundProblems),
                       {decimalText(static_cast<int>(result_.problems.size())), rows});
    if (mode_ == CheckDialogMode::kBeforeRun) {
      line += u" ";
      line += extrasText(language_, ExtrasText::kCheckAskToRun);
    }
    return toWide(line);
  }

  void fillGrid() {
    HWND grid = item(IDC_CHECK_GRID);
    SendMessageW(grid, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    insertColumn(grid, 0, scaled(window(), kRowWidth), extrasText(language_, ExtrasText::kHeadingRow));
    insertColumn(grid, 1, scaled(window(), kColumnWidth), extrasText(language_, ExtrasText::kHeadingColumn));
    insertColumn(grid, 2, scaled(window(), kProblemWidth), extrasText(language_, ExtrasText::kHeadingProblem));
    int line = 0;
    for (const CheckProblem& problem : result_.problems) {
      LVITEMW row = {};
      row.mask = LVIF_TEXT;
      row.iItem = line;
      std::wstring number = problem.row >= 0 ? toWide(decimalText(problem.row + 1)) : L"-";
      row.pszText = number.data();
      SendMessageW(grid, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&row));
      setCellText(grid, line, 1, problemColumnTitle(list_, problem));
      setCellText(grid, line, 2, problemText(problem, language_));
      ++line;
    }
  }

  CheckDialogMode mode_;
  const CheckResult& result_;
  DrawingList& list_;
  int language_;
};

}  // namespace

bool runCheckDialog(HINSTANCE instance, HWND owner, CheckDialogMode mode, const CheckResult& result,
                    DrawingList& list, const Messages& messages) {
  CheckDialog dialog(mode, result, list, messages);
  return dialog.run(instance, owner, IDD_LIST_CHECK) == IDOK;
}

}  // namespace dovevar::win
