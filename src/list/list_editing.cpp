#include "list/list_editing.h"

#include <algorithm>
#include <vector>

#include "store/fixed_text.h"
#include "store/text_ids.h"

namespace dovevar {
namespace {

constexpr int kFirstEditedColumn = 3;  // the row edits never write the first three columns
constexpr int kCopiedRowMark = 4;      // an empty cell 4 means nothing was copied
constexpr std::u16string_view kLayoutTitle = u"レイアウト";

// The items of the active run that show a column, in column order.
std::vector<int> activeRunColumnItems(const ScriptSet& set) {
  std::vector<int> items;
  const int run = activeRunLength(set);
  for (int i = 0; i < run; ++i) {
    if (set.items[i].display_mode != DisplayMode::kNoColumn) items.push_back(i);
  }
  return items;
}

}  // namespace

int layoutColumn(const ScriptSet& set) {
  for (int i = 0; i < kScriptItemCount; ++i) {
    const ScriptItem& item = set.items[i];
    if (item.display_mode != DisplayMode::kNoColumn && item.title == kLayoutTitle &&
        item.output_mode == OutputMode::kWholeCell) {
      return shownItemsBefore(set, i);
    }
  }
  return -1;
}

std::u16string nextLayoutNumber(std::u16string_view text) {
  std::u16string next(text);
  for (std::size_t i = next.size(); i-- > 0;) {
    if (next[i] >= u'0' && next[i] <= u'8') {
      ++next[i];
      break;
    }
    if (next[i] != u'9') break;
    next[i] = u'0';
  }
  return next;
}

void ListEditing::search() {
  if (const std::optional<std::u16string> text = dialogs_.askSearchText(state_.history)) {
    state_.searchText.assign(cutAtCharacter(*text, kSearchTextCapacity));
    rememberSearch(state_.history, state_.searchText);
  }
  selectRowsContaining(list_, state_.searchText);
}

void ListEditing::deleteSelectedRows(WhenNoneSelected whenNone) {
  if (list_.selectedCount() > 0) {
    list_.deleteSelectedRows();
  } else if (whenNone == WhenNoneSelected::kDeleteAll) {
    list_.deleteAllRows();
  } else {
    messages_.show(kMsgDeleteWithoutSelection);
  }
}

void ListEditing::writeBufferInto(int row, int columns, bool filledOnly) {
  for (int c = kFirstEditedColumn; c < columns; ++c) {
    if (filledOnly && state_.buffer.at(c).empty()) continue;
    list_.setCell(row, c, state_.buffer.at(c));
  }
  list_.deselectRow(row);
}

void ListEditing::editRow() {
  const int first = list_.nextSelectedRow(-1);
  if (first < 0) {
    messages_.show(kMsgEditRowWithoutSelection);
    return;
  }
  const int columns = activeRunColumnCount(set_);
  for (int c = 0; c < columns; ++c) state_.buffer.set(c, list_.cell(first, c));
  dialogs_.editLine(LineEditPurpose::kEditRow, state_.buffer);
  for (int row = list_.nextSelectedRow(-1); row >= 0; row = list_.nextSelectedRow(row)) {
    writeBufferInto(row, columns, false);
  }
}

bool ListEditing::copyRow() {
  const int first = list_.nextSelectedRow(-1);
  if (first < 0) {
    messages_.show(kMsgCopyRowWithoutSelection);
    return false;
  }
  const int columns = activeRunColumnCount(set_);
  for (int c = 0; c < columns; ++c) state_.buffer.set(c, list_.cell(first, c));
  list_.selectNone();
  return true;
}

bool ListEditing::bufferHasCopiedRow() {
  if (!state_.buffer.at(kCopiedRowMark).empty()) return true;
  messages_.show(kMsgNothingCopied);
  return false;
}

void ListEditing::pasteRow() {
  if (list_.selectedCount() == 0) {
    messages_.show(kMsgPasteOrNumberWithoutSelection);
    return;
  }
  if (!bufferHasCopiedRow()) return;
  const std::vector<int> items = activeRunColumnItems(set_);
  for (int row = list_.nextSelectedRow(-1); row >= 0; row = list_.nextSelectedRow(row)) {
    for (int c = 0; c < static_cast<int>(items.size()); ++c) {
      if (set_.items[items[c]].edit_mode != EditMode::kNone) list_.setCell(row, c, state_.buffer.at(c));
    }
    list_.deselectRow(row);
  }
}

void ListEditing::editColumn() {
  const int columns = activeRunColumnCount(set_);
  LineBuffer backup;
  for (int c = 0; c < columns; ++c) backup.cells[c] = std::exchange(state_.buffer.cells[c], {});
  dialogs_.editLine(LineEditPurpose::kEditColumn, state_.buffer);
  for (int row = 0; row < list_.rowCount(); ++row) writeBufferInto(row, columns, true);
  for (int c = 0; c < columns; ++c) state_.buffer.cells[c] = std::move(backup.cells[c]);
}

void ListEditing::addRows(int count) {
  copyRow();  // without a selection the rows copy what the buffer holds
  if (!bufferHasCopiedRow()) return;
  const std::int32_t image = drawingImageIndex(state_.buffer.at(0));
  for (int i = 0; i < count; ++i) {
    const int position = list_.rowCount();
    const int row = list_.insertRow(position, state_.buffer.at(0), image, position);
    for (int c = 1; c < list_.columnCount() && c < kLineBufferCellCount; ++c) {
      list_.setCell(row, c, state_.buffer.at(c));
    }
  }
}

void ListEditing::moveRow(int step) {
  const int from = list_.nextSelectedRow(-1);
  if (from < 0) {
    messages_.show(kMsgMoveWithoutSelection);
    return;
  }
  std::vector<std::u16string> cells;
  for (int c = 0; c < list_.columnCount(); ++c) {
    cells.emplace_back(cutAtCharacter(list_.cell(from, c), kSortCellCapacity));
  }
  const int nameItem = fileNameItem(set_);
  const std::u16string_view name =
      nameItem >= 0 ? cutAtCharacter(list_.cell(from, columnOfItem(set_, nameItem)), kSortCellCapacity)
                    : u"";
  const std::int32_t image = drawingImageIndex(name);
  const int rows = list_.rowCount();
  list_.deleteRow(from);
  const int to = std::clamp(from + step, 0, rows - 1);
  const int row = list_.insertRow(to, cells.empty() ? u"" : cells[0], image, to);
  for (int c = 1; c < static_cast<int>(cells.size()); ++c) list_.setCell(row, c, cells[c]);
  list_.selectRow(row);
}

void ListEditing::numberLayouts() {
  if (list_.selectedCount() == 0) {
    messages_.show(kMsgPasteOrNumberWithoutSelection);
    return;
  }
  const int column = layoutColumn(set_);
  if (column < 0) {
    messages_.show(kMsgNoLayoutColumn);
    return;
  }
  std::u16string number;
  int previous = -2;
  for (int row = list_.nextSelectedRow(-1); row >= 0; row = list_.nextSelectedRow(row)) {
    if (row != previous + 1) {
      // A new run of adjacent rows starts from its first row's own number.
      number.assign(cutAtCharacter(list_.cell(row, column), kLineBufferCellCapacity));
    } else {
      number = nextLayoutNumber(number);
      list_.setCell(row, column, number);
    }
    list_.deselectRow(row);
    previous = row;
  }
}

void ListEditing::editInitialValues() {
  const std::vector<int> items = activeRunColumnItems(set_);
  for (int c = 0; c < static_cast<int>(items.size()); ++c) {
    const ScriptItem& item = set_.items[items[c]];
    if (item.display_mode == DisplayMode::kValue) state_.buffer.set(c, item.initial_value);
  }
  dialogs_.editLine(LineEditPurpose::kInitialValues, state_.buffer);
  for (int c = 0; c < static_cast<int>(items.size()); ++c) {
    ScriptItem& item = set_.items[items[c]];
    if (item.display_mode == DisplayMode::kValue) item.initial_value = state_.buffer.at(c);
  }
}

}  // namespace dovevar
