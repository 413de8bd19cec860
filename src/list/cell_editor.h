// The cell editor: a text box or a drop-down opened over one cell of the Drawing list by a
// right click. While it is open the cell shows an empty text and its old text waits here;
// a commit stores what the editor holds, a cancel puts the old text back. Whatever closes
// the editor, only the first close counts: a timed commit that arrives after a cancel
// finds nothing open and is dropped.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "list/cell_choices.h"
#include "list/drawing_list.h"

namespace dovevar {

class CellEditor {
 public:
  enum class State { kNone, kTextBox, kDropDown };

  struct Opening {
    State kind = State::kNone;
    int row = -1;
    int column = -1;
    std::u16string text;                // the cell's text, for the editor to show
    std::vector<std::u16string> choices;  // the drop-down's list
  };

  // Opens over `column` of the first selected row: keeps the cell's text, empties the cell
  // and deselects every row. Nothing opens (and nothing changes) for a column whose item
  // has edit mode 0 or no item, or when no row is selected. The caller closes an editor
  // that is still open first.
  std::optional<Opening> open(DrawingList& list, const ScriptSet& current, int column,
                              const ChoiceSources& sources);

  // The text box's text into the cell. False when no text box is open.
  bool commitText(DrawingList& list, std::u16string_view text);
  // The drop-down's text into the cell; a printer chosen in column 5 also sets column 6
  // to that printer's first paper. False when no drop-down is open.
  bool commitDropDown(DrawingList& list, std::u16string_view text, const PrinterTable& printers);
  // Puts the old text back. False when no editor is open.
  bool cancel(DrawingList& list);

  State state() const { return state_; }
  int row() const { return row_; }
  int column() const { return column_; }

 private:
  void store(DrawingList& list, std::u16string_view text);

  State state_ = State::kNone;
  int row_ = -1;
  int column_ = -1;
  std::u16string saved_;
};

}  // namespace dovevar
