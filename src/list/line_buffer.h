// The line buffer: one row's values, cell c for Drawing list column c, shared by the row
// commands and the line edit dialog. It lives for the whole run and is never stored.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "list/drawing_list.h"

namespace dovevar {

inline constexpr int kLineBufferCellCount = 50;

struct LineBuffer {
  std::array<std::u16string, kLineBufferCellCount> cells;

  // Keeps what a cell of 128 code units holds, cut between characters; a cell outside 0
  // to 49 is not written.
  void set(int cell, std::u16string_view text);
  // Empty for a cell outside 0 to 49.
  std::u16string_view at(int cell) const;
};

// What the line edit dialog is opened for; it picks its title by it.
enum class LineEditPurpose { kEditRow = 0, kEditColumn = 1, kInitialValues = 2 };

// The columns of a set's active run: its items with a non-zero display mode, counted from
// 0 in item order up to the first item not in use.
int activeRunColumnCount(const ScriptSet& set);

}  // namespace dovevar
