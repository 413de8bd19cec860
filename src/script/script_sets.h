// The twenty Script sets: named lists of fifty Script items, each item at once a Drawing
// list column and a step of the Run script. The table lives for the whole run and every
// operation works on it in place.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dovevar {

inline constexpr int kScriptSetCount = 20;
inline constexpr int kScriptItemCount = 50;
inline constexpr int kSelectTextCount = 5;

// What an item writes into the Run script for one row.
struct OutputMode {
  static constexpr std::int32_t kNothing = 0;
  static constexpr std::int32_t kOpenDrawing = 1;   // `command`, a blank, the quoted path
  static constexpr std::int32_t kCommand = 2;       // `command` alone
  static constexpr std::int32_t kFirstCharacter = 3;  // first character of the item's cell
  static constexpr std::int32_t kWholeCell = 4;       // the whole cell
  static constexpr std::int32_t kCount = 5;
};

// Whether an item is a Drawing list column and what a new row's cell holds.
struct DisplayMode {
  static constexpr std::int32_t kNoColumn = 0;
  static constexpr std::int32_t kFileName = 1;
  static constexpr std::int32_t kFolder = 2;
  static constexpr std::int32_t kDate = 3;
  static constexpr std::int32_t kValue = 4;  // starts as the item's `initial_value`
  static constexpr std::int32_t kCount = 5;
};

// What a click on the item's cell offers.
struct EditMode {
  static constexpr std::int32_t kNone = 0;
  static constexpr std::int32_t kText = 1;
  static constexpr std::int32_t kSelectText = 2;  // `select_text` s0 to s4
  static constexpr std::int32_t kPrinter = 3;
  static constexpr std::int32_t kPaper = 4;  // papers of the printer named in column 5
  static constexpr std::int32_t kPlotStyle = 5;
  static constexpr std::int32_t kCount = 6;
};

// Numbers are kept as read (any 32-bit value); texts never exceed their capacity less one.
struct ScriptItem {
  // Capacities in UTF-16 code units, the terminating zero included.
  static constexpr std::size_t kTitleCapacity = 16;
  static constexpr std::size_t kSelectTextCapacity = 16;
  static constexpr std::size_t kInitialValueCapacity = 128;
  static constexpr std::size_t kCommandCapacity = 16;
  // The detail dialog's entry fields hold one character less than the record.
  static constexpr std::size_t kDialogTextCapacity = 15;  // title, select texts, command
  static constexpr std::size_t kDialogInitialValueCapacity = 127;

  std::int32_t in_use = 0;  // non-zero: the item exists
  std::u16string title;
  std::int32_t output_mode = 0;
  std::int32_t display_mode = 0;
  std::int32_t edit_mode = 0;
  std::int32_t width = 0;
  std::array<std::u16string, kSelectTextCount> select_text;
  std::u16string initial_value;
  std::u16string command;

  bool operator==(const ScriptItem&) const = default;
};

using ScriptItems = std::array<ScriptItem, kScriptItemCount>;

struct ScriptSet {
  static constexpr std::size_t kTitleCapacity = 64;
  static constexpr std::size_t kDialogTitleCapacity = 63;

  std::int32_t in_use = 0;  // 1: its title line is written to the Script set file
  std::u16string title;
  ScriptItems items;

  bool operator==(const ScriptSet&) const = default;
};

// The table with the script detail dialog's own state beside it.
struct ScriptSetTable {
  std::array<ScriptSet, kScriptSetCount> sets;
  // The set the detail dialog edits, 0 to 19; independent of the current script set.
  int edited_set = 0;
  // Room for one set's items (not its title or flag); all zero at start.
  ScriptItems copy_buffer;
};

// The current script set is an index kept by the caller (the Settings record). An index
// outside 0 to 19 never reaches the table: it stands for set 0, the set the program starts
// with, so a damaged setting shows set 0 instead of reading outside the table.
bool isScriptSetIndex(int index);
int currentScriptSetIndex(int index);
ScriptSet& currentScriptSet(ScriptSetTable& table, int index);
const ScriptSet& currentScriptSet(const ScriptSetTable& table, int index);

// Clear all: every set's title and all 1000 items are zeroed; the sets' in_use flags, the
// edited set and the copy buffer stay.
void clearAllScriptSets(ScriptSetTable& table);
// Clear one set: its items, its title and its in_use flag.
void clearScriptSet(ScriptSet& set);
void clearScriptItems(ScriptItems& items);

// The count of leading in-use items, 0 to 50: the active run of the set.
int activeRunLength(const ScriptSet& set);

// An item gets a Drawing list column when it is in use and its display mode is non-zero,
// whatever its place relative to the active run.
bool isColumnItem(const ScriptItem& item);
// The indices of the column items, in column order.
std::vector<int> columnItems(const ScriptSet& set);

// The item of the active run with display mode 1 (file name) or 2 (folder); when several
// carry the mode, the last one counts. -1 when there is none.
int fileNameItem(const ScriptSet& set);
int folderItem(const ScriptSet& set);

// The Drawing list column the item's cell stands in: the number of column items before it.
// For an item of the active run this is the count within the active run, the column the
// Run script reads. -1 for an index outside 0 to 49.
int columnOfItem(const ScriptSet& set, int item);

// Two list rules count the items with a non-zero display mode, in use or not, instead of
// the columns: the cell editor finds the item of the edited column that way, and the
// layout numbers their column. The counts agree with the columns as long as every shown
// item is in use. The item whose count is `count`, or -1; the count of such items before
// `item`.
int itemAtShownCount(const ScriptSet& set, int count);
int shownItemsBefore(const ScriptSet& set, int item);

// A new row's cell for the item, by its display mode: 1 the file name, 2 the folder, 3 the
// date text, 4 the item's initial value. Display mode 0 has no cell, and a display mode
// outside 0 to 4 gives an empty cell.
std::u16string_view newRowCell(const ScriptItem& item, std::u16string_view file_name,
                               std::u16string_view folder, std::u16string_view date_text);

// The detail dialog's set: its previous and next buttons wrap 0 to 19.
ScriptSet& editedScriptSet(ScriptSetTable& table);
void previousEditedSet(ScriptSetTable& table);
void nextEditedSet(ScriptSetTable& table);

// Copy the edited set's 50 items into the copy buffer, or the buffer into them; the set's
// title and flag are not touched.
void copyEditedSetItems(ScriptSetTable& table);
void pasteEditedSetItems(ScriptSetTable& table);

}  // namespace dovevar
