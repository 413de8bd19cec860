#include "list/line_buffer.h"

#include "store/fixed_text.h"

namespace dovevar {
namespace {

bool isCell(int cell) { return cell >= 0 && cell < kLineBufferCellCount; }

}  // namespace

void LineBuffer::set(int cell, std::u16string_view text) {
  if (!isCell(cell)) return;
  // The text may be this very cell: cut a copy.
  std::u16string kept(cutAtCharacter(text, kLineBufferCellCapacity));
  cells[cell] = std::move(kept);
}

std::u16string_view LineBuffer::at(int cell) const {
  return isCell(cell) ? std::u16string_view(cells[cell]) : std::u16string_view();
}

int activeRunColumnCount(const ScriptSet& set) {
  const int run = activeRunLength(set);
  int columns = 0;
  for (int i = 0; i < run; ++i) {
    if (set.items[i].display_mode != DisplayMode::kNoColumn) ++columns;
  }
  return columns;
}

}  // namespace dovevar
