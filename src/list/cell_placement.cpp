#include "list/cell_placement.h"

namespace dovevar {

int imageIndexOfDrawingName(std::u16string_view text) {
  if (text.size() < 3) return -1;
  const std::u16string_view ending = text.substr(text.size() - 3);
  if (ending == u"dwg" || ending == u"DWG" || ending == u"Dwg") return 1;
  if (ending == u"dxf" || ending == u"DXF" || ending == u"Dxf") return 0;
  return -1;
}

void CellPlacement::place(DrawingList& list, int row, int column, std::u16string_view text) {
  if (column != 0) {
    list.setCell(row, column, text);
    return;
  }
  if (const int image = imageIndexOfDrawingName(text); image >= 0) lastImageIndex = image;
  list.insertRow(row, text, lastImageIndex, row);
}

}  // namespace dovevar
