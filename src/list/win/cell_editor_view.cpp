#include "list/win/cell_editor_view.h"

#include <commctrl.h>

#include "list/win/value_controls.h"
#include "platform/win/control_text.h"
#include "platform/win/window_dpi.h"
#include "resource.h"

namespace dovevar::win {
namespace {

constexpr int kTextBoxHeight = 16;
constexpr int kDropDownHeight = 80;  // with its list dropped

}  // namespace

void CellEditorView::open(HWND mainWindow, HFONT font, const ScriptSet& current, int column,
                          const ChoiceSources& sources) {
  close();
  HWND list = view_.window();
  const int row = list_.nextSelectedRow(-1);
  RECT place = {};
  place.left = LVIR_BOUNDS;
  if (row < 0 || SendMessageW(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&place)) == FALSE) return;
  steps_.begin(list_, StepKind::kCellEdit);
  const std::optional<CellEditor::Opening> opening = editor_.open(list_, current, column, sources);
  if (!opening) {
    steps_.end(list_);
    return;
  }
  view_.showRows();

  // Over the cell, in the main window's client area.
  for (int c = 0; c < column; ++c) place.left += static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, c, 0));
  place.right = place.left + static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0));
  MapWindowPoints(list, mainWindow, reinterpret_cast<POINT*>(&place), 2);

  const bool textBox = opening->kind == CellEditor::State::kTextBox;
  const ValueControl control{textBox, textBox ? IDC_CELL_TEXT_BOX : IDC_CELL_DROP_DOWN, place.left, place.top,
                             place.right - place.left,
                             scaled(mainWindow, textBox ? kTextBoxHeight : kDropDownHeight)};
  control_ = createValueControl(mainWindow, control, font, opening->choices, opening->text);
  // The editor lies over the list: the list goes below it so that it cannot paint over it.
  SetWindowPos(list, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowPos(control_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetFocus(control_);
}

void CellEditorView::destroyControl() {
  HWND control = control_;
  control_ = nullptr;  // destroying it sends a focus loss, which finds nothing open
  const bool hadFocus = GetFocus() == control || IsChild(control, GetFocus());
  DestroyWindow(control);
  if (hadFocus) SetFocus(view_.window());
  steps_.end(list_);
  view_.showRows();
}

bool CellEditorView::onCommand(HWND mainWindow, int id, int code) {
  if (id == IDC_CELL_TEXT_BOX) {
    if (code == EN_KILLFOCUS && control_ != nullptr && editor_.state() == CellEditor::State::kTextBox) {
      editor_.commitText(list_, controlText(control_));
      destroyControl();
    }
    return true;
  }
  if (id == IDC_CELL_DROP_DOWN) {
    if (code == CBN_SELCHANGE) SetTimer(mainWindow, kCommitTimerId, kCommitDelayMs, nullptr);
    if (code == CBN_KILLFOCUS) onListClick();
    return true;
  }
  return false;
}

void CellEditorView::onCommitTimer(HWND mainWindow, const PrinterTable& printers) {
  KillTimer(mainWindow, kCommitTimerId);
  // A drop-down cancelled before the timer has nothing left to commit.
  if (control_ == nullptr || editor_.state() != CellEditor::State::kDropDown) return;
  editor_.commitDropDown(list_, controlText(control_), printers);
  destroyControl();
}

void CellEditorView::onListClick() {
  if (control_ == nullptr || editor_.state() != CellEditor::State::kDropDown) return;
  editor_.cancel(list_);
  destroyControl();
}

void CellEditorView::close() {
  if (control_ == nullptr) return;
  if (editor_.state() == CellEditor::State::kTextBox) {
    editor_.commitText(list_, controlText(control_));
    destroyControl();
  } else {
    onListClick();
  }
}

}  // namespace dovevar::win
