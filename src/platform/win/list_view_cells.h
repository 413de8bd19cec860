// Filling a report-view list view that holds its own rows (the dialogs' grids; the
// Drawing list asks for its texts instead).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <string_view>

#include "platform/win/wide.h"

namespace dovevar::win {

inline void insertColumn(HWND list, int index, int width, std::u16string_view title) {
  std::wstring text = toWide(title);
  LVCOLUMNW column = {};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.cx = width;
  column.pszText = text.data();
  column.iSubItem = index;
  SendMessageW(list, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
}

inline void setCellText(HWND list, int row, int column, std::u16string_view text) {
  std::wstring wide = toWide(text);
  LVITEMW item = {};
  item.iSubItem = column;
  item.pszText = wide.data();
  SendMessageW(list, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
}

}  // namespace dovevar::win
