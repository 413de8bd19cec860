#include "list/drawing_list.h"

#include "store/settings_text.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <utility>

#include "store/ascii_case.h"
#include "store/fixed_text.h"

namespace dovevar {
namespace {

constexpr char16_t kCellEnd = u'\0';
constexpr int kNumericColumn = 3;
constexpr std::uint8_t kSelectionFlags = RowState::kSelected | RowState::kDropHighlighted;

// The start of cell `column` in a row's joined cells, or npos when the row stores fewer cells.
std::size_t cellStart(std::u16string_view cells, int column) {
  std::size_t start = 0;
  for (int c = 0; c < column; ++c) {
    const std::size_t end = cells.find(kCellEnd, start);
    if (end == std::u16string_view::npos) {
      return std::u16string_view::npos;
    }
    start = end + 1;
  }
  return start;
}

std::u16string_view cellOf(std::u16string_view cells, int column) {
  const std::size_t start = cellStart(cells, column);
  if (start == std::u16string_view::npos) {
    return {};
  }
  const std::size_t end = cells.find(kCellEnd, start);
  return cells.substr(start, end == std::u16string_view::npos ? cells.size() - start : end - start);
}

ListChange changeOf(ListChange::Kind kind) {
  ListChange change;
  change.kind = kind;
  return change;
}

// Sorting orders a permutation of row positions; each entry carries what its comparison
// needs so that the rows themselves are touched once, when they move into the new order.

std::vector<std::uint32_t> numericOrder(const std::vector<std::u16string_view>& texts,
                                        bool ascending) {
  struct Entry {
    std::int32_t value;
    std::uint32_t row;
  };
  std::vector<Entry> entries(texts.size());
  for (std::size_t r = 0; r < texts.size(); ++r) {
    entries[r] = {settingsNumber(texts[r]), static_cast<std::uint32_t>(r)};
  }
  if (ascending) {
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.value < b.value; });
  } else {
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.value > b.value; });
  }
  std::vector<std::uint32_t> order(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    order[i] = entries[i].row;
  }
  return order;
}

// Texts compare by their folded code units. Every text first loses the prefix that all of
// them share (a folder column often begins with the same root); the next eight folded units
// are packed into two numbers that settle most comparisons, and only texts that agree there
// compare the rest, folded once into one buffer so that those comparisons stay in cache.
std::vector<std::uint32_t> textOrder(const std::vector<std::u16string_view>& texts,
                                     bool ascending) {
  constexpr std::size_t kUnitsPerHead = 4;
  constexpr std::size_t kHeadUnits = 2 * kUnitsPerHead;
  std::size_t shared = texts.empty() ? 0 : texts[0].size();
  for (std::size_t r = 1; r < texts.size() && shared > 0; ++r) {
    const std::u16string_view a = texts[0].substr(0, shared);
    const std::u16string_view b = texts[r].substr(0, shared);
    std::size_t i = 0;
    while (i < a.size() && i < b.size() && foldAsciiCase(a[i]) == foldAsciiCase(b[i])) {
      ++i;
    }
    shared = i;
  }

  struct Entry {
    std::uint64_t head;   // folded units 0 to 3 after the shared prefix, the first highest
    std::uint64_t head2;  // folded units 4 to 7
    std::uint32_t restAt;  // where the folded units after the heads start in `rests`
    std::uint32_t restLength;
    std::uint32_t row;
  };
  std::size_t restUnits = 0;
  for (const std::u16string_view text : texts) {
    if (text.size() > shared + kHeadUnits) restUnits += text.size() - shared - kHeadUnits;
  }
  std::u16string rests;
  rests.reserve(restUnits);
  std::vector<Entry> entries(texts.size());
  for (std::size_t r = 0; r < texts.size(); ++r) {
    const std::u16string_view text = texts[r].substr(shared);
    std::uint64_t heads[2] = {0, 0};
    for (std::size_t i = 0; i < kHeadUnits; ++i) {
      // A text ends before any zero unit, so a missing unit (0) sorts the shorter text first.
      std::uint64_t& head = heads[i / kUnitsPerHead];
      head = (head << 16) | (i < text.size() ? foldAsciiCase(text[i]) : 0u);
    }
    const std::size_t restAt = rests.size();
    for (std::size_t i = kHeadUnits; i < text.size(); ++i) rests += foldAsciiCase(text[i]);
    entries[r] = {heads[0], heads[1], static_cast<std::uint32_t>(restAt),
                  static_cast<std::uint32_t>(rests.size() - restAt), static_cast<std::uint32_t>(r)};
  }
  const std::u16string_view folded = rests;
  const auto compare = [folded](const Entry& a, const Entry& b) {
    if (a.head != b.head) {
      return a.head < b.head ? -1 : 1;
    }
    if (a.head2 != b.head2) {
      return a.head2 < b.head2 ? -1 : 1;
    }
    return folded.substr(a.restAt, a.restLength).compare(folded.substr(b.restAt, b.restLength));
  };
  if (ascending) {
    std::stable_sort(entries.begin(), entries.end(),
                     [&](const Entry& a, const Entry& b) { return compare(a, b) < 0; });
  } else {
    std::stable_sort(entries.begin(), entries.end(),
                     [&](const Entry& a, const Entry& b) { return compare(a, b) > 0; });
  }
  std::vector<std::uint32_t> order(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    order[i] = entries[i].row;
  }
  return order;
}

}  // namespace

std::int32_t drawingImageIndex(std::u16string_view fileName) {
  return fileName.ends_with(u"xf") || fileName.ends_with(u"XF") ? 1 : 0;
}

// Columns ------------------------------------------------------------------------------

void DrawingList::rebuildColumns(const ScriptSet& current) {
  ++revision_;
  columns_ = columnsOfSet(current);
  const int count = columnCount();
  for (Row& row : rows_) {
    const std::size_t dropped = cellStart(row.cells, count);
    if (dropped != std::u16string::npos) {
      // Also drops the zero that ended the last kept cell.
      row.cells.erase(dropped == 0 ? 0 : dropped - 1);
    }
  }
}

// Rows ---------------------------------------------------------------------------------

int DrawingList::placeRow(int position, Row&& row) {
  if (position < 0) {
    return -1;
  }
  const int index = std::min(position, rowCount());
  if (ListChanges* const changes = notes()) {
    // Rows put in one after another below each other share one note.
    const bool follows = !changes->empty() && changes->back().kind == ListChange::Kind::kRowsIn &&
                         changes->back().places.back() < index;
    if (!follows) changes->push_back(changeOf(ListChange::Kind::kRowsIn));
    changes->back().places.push_back(index);
  }
  ++revision_;
  rows_.insert(rows_.begin() + index, std::move(row));
  if (focused_row_ >= index) {
    ++focused_row_;
  }
  return index;
}

int DrawingList::addDrawingRow(const ScriptSet& current, std::u16string_view file_name,
                               std::u16string_view folder, std::u16string_view date_text,
                               std::int32_t image_index, int position) {
  const int run = activeRunLength(current);
  const int columns = columnCount();
  int cells = 0;
  std::size_t length = 0;
  bool has_column_item = false;
  for (int i = 0; i < run; ++i) {
    const ScriptItem& item = current.items[i];
    if (item.display_mode == DisplayMode::kNoColumn) {
      continue;
    }
    has_column_item = true;
    if (cells < columns) {
      length += untilZero(newRowCell(item, file_name, folder, date_text)).size() + 1;
      ++cells;
    }
  }
  if (!has_column_item) {
    return -1;
  }
  Row row;
  row.key = position;
  row.image = image_index;
  row.cells.reserve(length);
  int column = 0;
  for (int i = 0; i < run && column < cells; ++i) {
    const ScriptItem& item = current.items[i];
    if (item.display_mode == DisplayMode::kNoColumn) {
      continue;
    }
    if (column > 0) {
      row.cells.push_back(kCellEnd);
    }
    row.cells.append(untilZero(newRowCell(item, file_name, folder, date_text)));
    ++column;
  }
  return placeRow(position, std::move(row));
}

int DrawingList::insertRow(int position, std::u16string_view first_cell, std::int32_t image_index,
                           std::int32_t row_key) {
  Row row;
  row.key = row_key;
  row.image = image_index;
  if (columnCount() > 0) {
    row.cells.assign(untilZero(first_cell));
  }
  return placeRow(position, std::move(row));
}

bool DrawingList::deleteRow(int row) {
  if (!hasRow(row)) {
    return false;
  }
  removeRows({row});
  return true;
}

void DrawingList::deleteAllRows() {
  std::vector<std::int32_t> places(rows_.size());
  for (std::size_t r = 0; r < rows_.size(); ++r) places[r] = static_cast<std::int32_t>(r);
  removeRows(std::move(places));
}

int DrawingList::deleteSelectedRows() {
  std::vector<std::int32_t> places;
  places.reserve(selected_count_);
  for (int r = 0; r < rowCount(); ++r) {
    if ((rows_[r].flags & RowState::kSelected) != 0) places.push_back(r);
  }
  const int deleted = static_cast<int>(places.size());
  removeRows(std::move(places));
  return deleted;
}

void DrawingList::removeRows(std::vector<std::int32_t> places) {
  ++revision_;
  std::vector<Row> taken = takeRows(places);
  ListChanges* const changes = notes();
  if (changes == nullptr || places.empty()) return;
  ListChange& change = changes->emplace_back(changeOf(ListChange::Kind::kRowsOut));
  change.places = std::move(places);
  change.rows = std::move(taken);
}

std::u16string_view DrawingList::cell(int row, int column) const {
  if (!hasRow(row) || column < 0 || column >= columnCount()) {
    return {};
  }
  return cellOf(rows_[row].cells, column);
}

std::u16string_view DrawingList::cell(int row, int column, std::size_t capacity) const {
  return cutToCapacity(cell(row, column), capacity);
}

bool DrawingList::setCell(int row, int column, std::u16string_view text) {
  if (!hasRow(row) || column < 0 || column >= columnCount()) {
    return false;
  }
  noteCell(row, column);
  ++revision_;
  writeCell(row, column, text);
  return true;
}

void DrawingList::writeCell(int row, int column, std::u16string_view text) {
  text = untilZero(text);
  std::u16string& cells = rows_[row].cells;
  std::u16string own_copy;
  const std::less<const char16_t*> before;
  if (!text.empty() && !before(text.data(), cells.data()) &&
      before(text.data(), cells.data() + cells.size())) {
    // The text is part of this row; growing the row could move it.
    own_copy.assign(text);
    text = own_copy;
  }
  std::size_t start = 0;
  for (int c = 0; c < column; ++c) {
    const std::size_t end = cells.find(kCellEnd, start);
    if (end == std::u16string::npos) {
      // Cells c + 1 to column are missing and read as empty.
      if (!text.empty()) {
        cells.append(static_cast<std::size_t>(column - c), kCellEnd);
        cells.append(text);
      }
      return;
    }
    start = end + 1;
  }
  const std::size_t end = cells.find(kCellEnd, start);
  cells.replace(start, (end == std::u16string::npos ? cells.size() : end) - start, text);
}

std::int32_t DrawingList::rowKey(int row) const { return hasRow(row) ? rows_[row].key : 0; }

std::int32_t DrawingList::imageIndex(int row) const { return hasRow(row) ? rows_[row].image : 0; }

// Selection ----------------------------------------------------------------------------

std::uint8_t DrawingList::rowState(int row) const {
  if (!hasRow(row)) {
    return 0;
  }
  return static_cast<std::uint8_t>(rows_[row].flags | (row == focused_row_ ? RowState::kFocused : 0));
}

bool DrawingList::isSelectedOrFocused(int row) const {
  return (rowState(row) & (RowState::kSelected | RowState::kFocused)) != 0;
}

int DrawingList::nextSelectedRow(int start) const {
  if (selected_count_ == 0) {
    return -1;
  }
  const int from = std::max(start + 1, 0);
  const bool from_hint = from <= first_selected_hint_;
  for (int r = std::max(from, first_selected_hint_); r < rowCount(); ++r) {
    if ((rows_[r].flags & RowState::kSelected) != 0) {
      if (from_hint) {
        first_selected_hint_ = r;
      }
      return r;
    }
  }
  return -1;
}

void DrawingList::noteSelectedAt(int row) { first_selected_hint_ = std::min(first_selected_hint_, row); }

void DrawingList::setFlags(int row, std::uint8_t flags) {
  Row& target = rows_[row];
  const bool was = (target.flags & RowState::kSelected) != 0;
  const bool is = (flags & RowState::kSelected) != 0;
  target.flags = flags & kSelectionFlags;
  if (is && !was) {
    ++selected_count_;
    noteSelectedAt(row);
  } else if (was && !is) {
    --selected_count_;
  }
}

void DrawingList::selectRow(int row) { setRowState(row, RowState::kFull); }

void DrawingList::deselectRow(int row) { setRowState(row, 0); }

void DrawingList::setRowState(int row, std::uint8_t state) {
  if (!hasRow(row)) {
    return;
  }
  setFlags(row, state);
  if ((state & RowState::kFocused) != 0) {
    focused_row_ = row;
  } else if (focused_row_ == row) {
    focused_row_ = -1;
  }
}

void DrawingList::selectAll() {
  for (Row& row : rows_) {
    row.flags = kSelectionFlags;
  }
  selected_count_ = rowCount();
  focused_row_ = rowCount() - 1;
  first_selected_hint_ = 0;
}

void DrawingList::selectNone() {
  for (int r = nextSelectedRow(-1); r >= 0; r = nextSelectedRow(r)) {
    deselectRow(r);
  }
}

void DrawingList::normaliseSelection() {
  int last = -1;
  int selected = 0;
  for (int r = 0; r < rowCount(); ++r) {
    if (isSelectedOrFocused(r)) {
      rows_[r].flags = kSelectionFlags;
      last = r;
      ++selected;
    } else {
      rows_[r].flags = 0;
    }
  }
  selected_count_ = selected;
  focused_row_ = last;
  first_selected_hint_ = 0;
}

// Sorting ------------------------------------------------------------------------------

bool DrawingList::sortByColumn(int column) {
  if (column < 0 || column >= columnCount()) {
    return false;
  }
  const SortDirection before = directions_.of(column);
  const bool ascending = directions_.flip(column) == SortDirection::kAscending;
  std::vector<std::u16string_view> texts(rows_.size());
  for (std::size_t r = 0; r < rows_.size(); ++r) {
    texts[r] = cutToCapacity(cellOf(rows_[r].cells, column), kSortCellCapacity);
  }
  std::vector<std::uint32_t> order =
      column == kNumericColumn ? numericOrder(texts, ascending) : textOrder(texts, ascending);
  const int count = rowCount();

  std::vector<Row> sorted;
  sorted.reserve(rows_.size());
  int focused = -1;
  for (int i = 0; i < count; ++i) {
    if (static_cast<int>(order[i]) == focused_row_) {
      focused = i;
    }
    sorted.push_back(std::move(rows_[order[i]]));
  }
  rows_.swap(sorted);
  ++revision_;
  focused_row_ = focused;
  first_selected_hint_ = 0;
  // An empty list has nothing to put back; its column's direction alone is no change.
  if (ListChanges* const changes = notes(); changes != nullptr && count > 0) {
    // Row i came from order[i], which is where it goes back to.
    ListChange& change = changes->emplace_back(changeOf(ListChange::Kind::kOrder));
    change.order = std::move(order);
    change.column = column;
    change.direction = before;
  }
  return true;
}

// Undo ---------------------------------------------------------------------------------

ListChanges* DrawingList::notes() {
  if (notes_.changes == nullptr) ++unnoted_;
  return notes_.changes;
}

void DrawingList::noteCell(int row, int column) {
  ListChanges* const changes = notes();
  if (changes == nullptr) return;
  if (!changes->empty() && changes->back().kind == ListChange::Kind::kRowsIn) {
    const std::vector<std::int32_t>& places = changes->back().places;
    if (std::binary_search(places.begin(), places.end(), row)) return;
  }
  if (changes->empty() || changes->back().kind != ListChange::Kind::kCells) {
    changes->push_back(changeOf(ListChange::Kind::kCells));
  }
  changes->back().cells.push_back({row, column, std::u16string(cell(row, column))});
}

void DrawingList::markTouched(int row) {
  if ((rows_[row].flags & RowState::kSelected) == 0) ++selected_count_;
  rows_[row].flags = kSelectionFlags;
}

std::vector<DrawingRow> DrawingList::takeRows(const std::vector<std::int32_t>& places) {
  std::vector<Row> taken;
  taken.reserve(places.size());
  const int first = places.empty() ? rowCount() : places.front();
  int kept = first;
  int focused = focused_row_ < first ? focused_row_ : -1;
  std::size_t next = 0;
  for (int r = first; r < rowCount(); ++r) {
    if (next < places.size() && places[next] == r) {
      ++next;
      if ((rows_[r].flags & RowState::kSelected) != 0) --selected_count_;
      taken.push_back(std::move(rows_[r]));
      continue;
    }
    if (r == focused_row_) focused = kept;
    if (kept != r) rows_[kept] = std::move(rows_[r]);
    ++kept;
  }
  rows_.erase(rows_.begin() + kept, rows_.end());
  focused_row_ = focused;
  // The rows above the first taken out have not moved.
  first_selected_hint_ = std::min(first_selected_hint_, first);
  return taken;
}

void DrawingList::putRows(const std::vector<std::int32_t>& places, std::vector<Row>&& rows) {
  const int first = std::min(places.empty() ? rowCount() : places.front(), rowCount());
  std::vector<Row> after(std::make_move_iterator(rows_.begin() + first), std::make_move_iterator(rows_.end()));
  rows_.erase(rows_.begin() + first, rows_.end());
  rows_.reserve(rows_.size() + after.size() + rows.size());
  int focused = focused_row_ < first ? focused_row_ : -1;
  std::size_t next = 0;
  std::size_t kept = 0;
  while (next < rows.size() || kept < after.size()) {
    const int at = rowCount();
    if (next < rows.size() && (places[next] <= at || kept == after.size())) {
      rows[next].flags = 0;  // as it was taken out; it is no row of the list yet
      rows_.push_back(std::move(rows[next++]));
      markTouched(at);
    } else {
      if (first + static_cast<int>(kept) == focused_row_) focused = at;
      rows_.push_back(std::move(after[kept++]));
    }
  }
  focused_row_ = focused;
  first_selected_hint_ = std::min(first_selected_hint_, first);
}

std::vector<std::uint32_t> DrawingList::reorderRows(const std::vector<std::uint32_t>& places) {
  std::vector<Row> ordered(rows_.size());
  std::vector<std::uint32_t> back(rows_.size());
  for (std::size_t i = 0; i < places.size() && i < rows_.size(); ++i) {
    ordered[places[i]] = std::move(rows_[i]);
    back[places[i]] = static_cast<std::uint32_t>(i);
  }
  if (focused_row_ >= 0) focused_row_ = static_cast<int>(places[focused_row_]);
  rows_.swap(ordered);
  first_selected_hint_ = 0;
  return back;
}

void DrawingList::putBack(ListChange& change) {
  ++revision_;
  switch (change.kind) {
    case ListChange::Kind::kCells: {
      // Later notes of the same cell go back first; the reversed list redoes in turn. The
      // note's own buffer takes the text it replaces.
      std::u16string now;
      int first = rowCount();
      for (auto entry = change.cells.rbegin(); entry != change.cells.rend(); ++entry) {
        if (!hasRow(entry->row) || entry->column >= columnCount()) continue;
        now.assign(cell(entry->row, entry->column));
        writeCell(entry->row, entry->column, entry->text);
        entry->text.assign(now);
        markTouched(entry->row);
        first = std::min(first, static_cast<int>(entry->row));
      }
      noteSelectedAt(first);
      std::reverse(change.cells.begin(), change.cells.end());
      return;
    }
    case ListChange::Kind::kRowsIn:
      change.rows = takeRows(change.places);
      change.kind = ListChange::Kind::kRowsOut;
      return;
    case ListChange::Kind::kRowsOut:
      putRows(change.places, std::move(change.rows));
      change.rows = {};
      change.kind = ListChange::Kind::kRowsIn;
      return;
    case ListChange::Kind::kOrder:
      change.order = reorderRows(change.order);
      change.direction = directions_.exchange(change.column, change.direction);
      return;
  }
}

}  // namespace dovevar
