// The Drawing list's columns: one per column item of the current script set, in item
// order, each with the item's title as header and the item's width, left aligned. Sort
// directions belong to column positions and outlive every rebuild.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "script/script_sets.h"

namespace dovevar {

inline constexpr int kMaxListColumns = kScriptItemCount;
// Fixed column numbers, whatever the set: the paper drop-downs list the papers of the
// printer in column 5, and a printer chosen there (by the cell editor or the file-name
// rules) sets column 6 too.
inline constexpr int kPrinterColumn = 5;
inline constexpr int kPaperColumn = 6;

struct ListColumn {
  std::u16string title;
  std::int32_t width = 0;  // pixels
  int item = 0;            // the Script item the column belongs to

  bool operator==(const ListColumn&) const = default;
};

// The columns of a script set: every in-use item with a non-zero display mode, in item
// order, including the ones after the end of the active run.
std::vector<ListColumn> columnsOfSet(const ScriptSet& set);

enum class SortDirection : std::uint8_t { kNeverSorted = 0, kAscending = 1, kDescending = 2 };

// One direction per column position. Column 0 counts as already ascending at start, so its
// first sort is descending; every other column's first sort is ascending.
class SortDirections {
 public:
  SortDirections();

  // kNeverSorted for a column outside 0 to 49.
  SortDirection of(int column) const;
  // Ascending becomes descending, anything else ascending; returns the new direction.
  // A column outside 0 to 49 is left alone and reads kNeverSorted.
  SortDirection flip(int column);
  // Gives the direction the column had; an undone sort puts it back.
  SortDirection exchange(int column, SortDirection direction);

 private:
  std::array<SortDirection, kMaxListColumns> directions_;
};

}  // namespace dovevar
