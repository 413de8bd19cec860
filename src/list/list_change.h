// What one change to the Drawing list did, noted as what puts it back: the texts cells
// held, the rows taken out with their places, where rows were put in, an order. Putting a
// change back turns it into the change that puts that back in turn, so the same record
// serves undo and redo, and a step costs what it changed, not a copy of the list.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "list/list_columns.h"

namespace dovevar {

// One row of the Drawing list as the list keeps it.
struct DrawingRow {
  std::u16string cells;  // cell texts joined by zero code units; missing cells are empty
  std::int32_t key = 0;
  std::int32_t image = 0;
  std::uint8_t flags = 0;  // selected and drop-highlighted; the focus is the list's
};

struct CellText {
  std::int32_t row = 0;
  std::int32_t column = 0;
  std::u16string text;
};

struct ListChange {
  enum class Kind : std::uint8_t {
    kCells,    // `cells`: the texts to put back
    kRowsIn,   // `places`: where rows stand that were put in, ascending
    kRowsOut,  // `places`: where the `rows` taken out stood, ascending
    kOrder,    // `order`: the place each row goes back to; `column`'s sort direction was `direction`
  };

  Kind kind = Kind::kCells;
  std::vector<CellText> cells;
  std::vector<std::int32_t> places;
  std::vector<DrawingRow> rows;
  std::vector<std::uint32_t> order;
  std::int32_t column = -1;
  SortDirection direction = SortDirection::kNeverSorted;
};

using ListChanges = std::vector<ListChange>;

// The memory a change holds, its texts' buffers included.
std::size_t heldBytes(const ListChange& change);

}  // namespace dovevar
