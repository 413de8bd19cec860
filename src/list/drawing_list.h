// The Drawing list: the program's table of drawings, one row per drawing and one column per
// column item of the current script set. The model is the storage; a list view shows it by
// asking for the row count, a cell's text and a row's state, and passes every change,
// including the selection the user makes with the mouse, back through these operations.
//
// Rows are addressed by position, 0 at the top. A row or column outside the table reads as
// empty and is never written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "list/list_change.h"
#include "list/list_columns.h"
#include "script/script_sets.h"

namespace dovevar {

// The list keeps cell texts of any length; each reader takes them into a buffer of its own.
inline constexpr std::size_t kSortCellCapacity = 260;        // sorting and searching: 259
inline constexpr std::size_t kListFileCellCapacity = 512;    // List file writer: 511
inline constexpr std::size_t kLineBufferCellCapacity = 128;  // line buffer, cell editor: 127

// Row state flags, the bit values a list control uses. The program sets and clears the
// three together; the user's clicks can leave them apart until the click normalisation.
// At most one row holds the focus: giving it to a row takes it from the row that had it.
struct RowState {
  static constexpr std::uint8_t kFocused = 1;
  static constexpr std::uint8_t kSelected = 2;
  static constexpr std::uint8_t kDropHighlighted = 8;
  static constexpr std::uint8_t kFull = kFocused | kSelected | kDropHighlighted;
};

// A row's image index: 1 for a name that ends in "xf" or "XF" (a DXF drawing), else 0.
std::int32_t drawingImageIndex(std::u16string_view fileName);

class DrawingList {
 public:
  // Columns --------------------------------------------------------------------------

  // Replaces the columns by those of the set. The rows stay; cells of columns that no
  // longer exist are dropped. Sort directions are kept.
  void rebuildColumns(const ScriptSet& current);
  int columnCount() const { return static_cast<int>(columns_.size()); }
  const std::vector<ListColumn>& columns() const { return columns_; }
  SortDirection sortDirection(int column) const { return directions_.of(column); }

  // Rows -----------------------------------------------------------------------------

  int rowCount() const { return static_cast<int>(rows_.size()); }
  // Goes up with every change to the rows or their cells (not with the selection), so a
  // copy of what is stored can tell whether it is still the list's.
  std::uint64_t revision() const { return revision_; }

  // One drawing: each column item of the set's active run gives the cell of its column by
  // its display mode; columns of items after the end of the active run stay empty. The row
  // goes to `position` (its row key). No row is made when the active run has no column
  // item. Returns the row's index, or -1 when no row was made.
  int addDrawingRow(const ScriptSet& current, std::u16string_view file_name,
                    std::u16string_view folder, std::u16string_view date_text,
                    std::int32_t image_index, int position);

  // A new, unselected row at `position` with its column 0 text; a position past the end
  // appends, a negative one inserts nothing. Returns the row's index or -1.
  int insertRow(int position, std::u16string_view first_cell, std::int32_t image_index,
                std::int32_t row_key);
  bool deleteRow(int row);
  void deleteAllRows();
  // Deletes every selected row in one pass, the same result as deleting the first selected
  // row until none is left. Returns the number deleted.
  int deleteSelectedRows();

  // The text is valid until the next change of the list. A cell text ends at its first zero
  // code unit, as every text of the program does.
  std::u16string_view cell(int row, int column) const;
  // The cell as a reader with a buffer of `capacity` code units receives it.
  std::u16string_view cell(int row, int column, std::size_t capacity) const;
  // Returns false and changes nothing when the row or the column does not exist.
  bool setCell(int row, int column, std::u16string_view text);
  std::int32_t rowKey(int row) const;
  std::int32_t imageIndex(int row) const;

  // Selection ------------------------------------------------------------------------

  std::uint8_t rowState(int row) const;
  bool isSelected(int row) const { return (rowState(row) & RowState::kSelected) != 0; }
  bool isSelectedOrFocused(int row) const;
  int focusedRow() const { return focused_row_; }
  int selectedCount() const { return selected_count_; }
  // The first selected row after `start` (-1: from the top), or -1.
  int nextSelectedRow(int start) const;

  // Full selection state on, or all three flags off.
  void selectRow(int row);
  void deselectRow(int row);
  // The state exactly as given, for selection changes the user made in the view.
  void setRowState(int row, std::uint8_t state);
  // Every row gets the full state; the focus ends on the last row.
  void selectAll();
  // Every selected row loses all three flags.
  void selectNone();
  // After a left click: every row that is selected or focused gets the full state, every
  // other row loses it. The focus ends on the last such row.
  void normaliseSelection();

  // Sorting --------------------------------------------------------------------------

  // Flips the column's direction and orders every row by its own cell in that column, read
  // up to 259 characters: column 3 by decimal value, any other column by text with the
  // letters A to Z compared without case (they fold to lower case; every other character
  // compares by its code unit). Rows that compare equal keep their order. Returns false and
  // changes nothing when the column does not exist.
  bool sortByColumn(int column);

  // Undo -----------------------------------------------------------------------------

  // While `changes` is set, every change to the rows and cells is noted there as what puts
  // it back; the selection and column rebuilds are not. Cells set in a row that the last
  // note put in are not noted: putting that back takes the row out whole. A change made
  // while nothing is set is counted instead, so that notes kept elsewhere can tell that
  // they no longer fit the list.
  void noteChangesIn(ListChanges* changes) { notes_.changes = changes; }
  std::uint64_t unnotedChanges() const { return unnoted_; }
  // Puts back what the change notes, which then notes what puts that back in turn. Rows put
  // in and rows whose cells it sets get the full selection state. Nothing is noted.
  void putBack(ListChange& change);

 private:
  using Row = DrawingRow;
  // A copy of the list notes nothing: the notes belong to the list they were set on.
  struct NotesLink {
    ListChanges* changes = nullptr;
    NotesLink() = default;
    NotesLink(const NotesLink&) {}
    NotesLink& operator=(const NotesLink&) { return *this; }
  };

  bool hasRow(int row) const { return row >= 0 && row < rowCount(); }
  int placeRow(int position, Row&& row);
  void setFlags(int row, std::uint8_t flags);
  void noteSelectedAt(int row);
  // The notes to write into, or null after counting an unnoted change.
  ListChanges* notes();
  void noteCell(int row, int column);
  void writeCell(int row, int column, std::u16string_view text);
  // The full selection state on a row put in or changed by an undo; the caller keeps the
  // first-selected hint.
  void markTouched(int row);
  // Takes the rows at the places (ascending) out, noting them.
  void removeRows(std::vector<std::int32_t> places);
  std::vector<Row> takeRows(const std::vector<std::int32_t>& places);
  void putRows(const std::vector<std::int32_t>& places, std::vector<Row>&& rows);
  std::vector<std::uint32_t> reorderRows(const std::vector<std::uint32_t>& places);

  std::vector<ListColumn> columns_;
  SortDirections directions_;
  std::vector<Row> rows_;
  std::uint64_t revision_ = 0;
  NotesLink notes_;
  std::uint64_t unnoted_ = 0;
  int selected_count_ = 0;
  int focused_row_ = -1;
  // No row above this one is selected; lets the commands that take the first selected row
  // again and again walk the list once.
  mutable int first_selected_hint_ = 0;
};

}  // namespace dovevar
