// Rebuilding rows cell by cell, as the List file reader does: column 0 makes the row,
// later columns fill it.
#pragma once

#include <cstdint>
#include <string_view>

#include "list/drawing_list.h"

namespace dovevar {

struct CellPlacement {
  // The image index given to the last inserted row; a column 0 text that names no
  // drawing kind keeps it.
  std::int32_t lastImageIndex = 0;

  // Column 0 inserts a new row at `row` with the text (the position is its row key);
  // any other column sets that cell of the existing row.
  void place(DrawingList& list, int row, int column, std::u16string_view text);
};

// 1 for a text ending in "dwg", "DWG" or "Dwg", 0 for "dxf", "DXF" or "Dxf", else -1.
int imageIndexOfDrawingName(std::u16string_view text);

}  // namespace dovevar
