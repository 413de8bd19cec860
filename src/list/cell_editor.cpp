#include "list/cell_editor.h"

#include "store/fixed_text.h"

namespace dovevar {

std::optional<CellEditor::Opening> CellEditor::open(DrawingList& list, const ScriptSet& current,
                                                    int column, const ChoiceSources& sources) {
  state_ = State::kNone;
  const int item = itemAtShownCount(current, column);
  if (item < 0 || current.items[item].edit_mode == EditMode::kNone) return std::nullopt;
  const int row = list.nextSelectedRow(-1);
  if (row < 0) return std::nullopt;

  Opening opening;
  opening.row = row_ = row;
  opening.column = column_ = column;
  saved_.assign(cutAtCharacter(list.cell(row, column), kLineBufferCellCapacity));
  opening.text = saved_;
  list.setCell(row, column, u"");
  list.selectNone();
  if (current.items[item].edit_mode == EditMode::kText) {
    opening.kind = state_ = State::kTextBox;
  } else {
    opening.kind = state_ = State::kDropDown;
    const std::u16string printer(cutAtCharacter(list.cell(row, kPrinterColumn), kLineBufferCellCapacity));
    opening.choices = editChoices(current.items[item], printer, sources);
  }
  return opening;
}

void CellEditor::store(DrawingList& list, std::u16string_view text) {
  list.setCell(row_, column_, cutAtCharacter(text, kLineBufferCellCapacity));
  state_ = State::kNone;
}

bool CellEditor::commitText(DrawingList& list, std::u16string_view text) {
  if (state_ != State::kTextBox) return false;
  store(list, text);
  return true;
}

bool CellEditor::commitDropDown(DrawingList& list, std::u16string_view text,
                                const PrinterTable& printers) {
  if (state_ != State::kDropDown) return false;
  store(list, text);
  if (column_ == kPrinterColumn) {
    const std::u16string printer(cutAtCharacter(list.cell(row_, kPrinterColumn), kLineBufferCellCapacity));
    list.setCell(row_, kPaperColumn, paperPrinter(printers, printer).papers[0]);
  }
  return true;
}

bool CellEditor::cancel(DrawingList& list) {
  if (state_ == State::kNone) return false;
  store(list, saved_);
  return true;
}

}  // namespace dovevar
