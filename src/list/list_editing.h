// The list editing commands: search, the row commands over the line buffer (edit, copy,
// paste, add, move), the one-column edit, layout serial numbers and initial values. Each
// works on the Drawing list and the current script set; the line edit dialog and the
// search strip are reached through ListEditDialogs, messages through Messages.
#pragma once

#include <optional>
#include <string>

#include "list/drawing_list.h"
#include "list/line_buffer.h"
#include "list/list_search.h"
#include "script/script_sets.h"
#include "store/messages.h"

namespace dovevar {

// The state the commands keep from start-up to exit.
struct ListEditState {
  LineBuffer buffer;
  SearchHistory history;
  std::u16string searchText;  // the last text searched for; the close box searches it again
};

class ListEditDialogs {
 public:
  virtual ~ListEditDialogs() = default;
  // The line edit dialog over the buffer: OK stores its fields into the buffer, Cancel and
  // the close box leave the buffer alone.
  virtual void editLine(LineEditPurpose purpose, LineBuffer& buffer) = 0;
  // The search strip: the text confirmed with its button, or nothing when it was closed.
  virtual std::optional<std::u16string> askSearchText(const SearchHistory& history) = 0;
};

// What deleting the selected rows does when none is selected: the menu command says so
// (message 4), the toolbar button empties the list without asking.
enum class WhenNoneSelected { kTellUser, kDeleteAll };

class ListEditing {
 public:
  ListEditing(DrawingList& list, ScriptSet& current, ListEditState& state,
              ListEditDialogs& dialogs, Messages& messages)
      : list_(list), set_(current), state_(state), dialogs_(dialogs), messages_(messages) {}

  void search();
  void deleteSelectedRows(WhenNoneSelected whenNone);
  void editRow();
  // False, after message 10, when no row is selected.
  bool copyRow();
  void pasteRow();
  void editColumn();
  void addRows(int count);
  // `step` +1 moves the first selected row down, -1 up.
  void moveRow(int step);
  void numberLayouts();
  void editInitialValues();

 private:
  // Writes buffer cells from column 3 up to `columns` into the row and deselects it; with
  // `filledOnly` an empty buffer cell leaves its column alone.
  void writeBufferInto(int row, int columns, bool filledOnly);
  bool bufferHasCopiedRow();

  DrawingList& list_;
  ScriptSet& set_;
  ListEditState& state_;
  ListEditDialogs& dialogs_;
  Messages& messages_;
};

// The column of the layout item: the first item titled "レイアウト" that writes its whole
// cell and shows a column. -1 when the set has none.
int layoutColumn(const ScriptSet& set);

// The next layout number: the last digit goes up by one, a 9 turns to 0 and carries to
// the left until a character that is no digit; the text never grows ("A9" gives "A0").
std::u16string nextLayoutNumber(std::u16string_view text);

}  // namespace dovevar
