#include "list/list_change.h"

namespace dovevar {
namespace {

// A text's own buffer; a short text lives inside the string itself.
std::size_t bufferBytes(const std::u16string& text) {
  static const std::size_t inside = std::u16string().capacity();
  return text.capacity() > inside ? (text.capacity() + 1) * sizeof(char16_t) : 0;
}

}  // namespace

std::size_t heldBytes(const ListChange& change) {
  std::size_t bytes = sizeof change + change.cells.capacity() * sizeof(CellText) +
                      change.places.capacity() * sizeof(std::int32_t) +
                      change.rows.capacity() * sizeof(DrawingRow) + change.order.capacity() * sizeof(std::uint32_t);
  for (const CellText& cell : change.cells) bytes += bufferBytes(cell.text);
  for (const DrawingRow& row : change.rows) bytes += bufferBytes(row.cells);
  return bytes;
}

}  // namespace dovevar
