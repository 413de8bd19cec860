// The controls a cell value is typed or chosen in, alike in the cell editor and the line
// edit dialog: a one-line text box, or a drop-down whose edit field also takes typing.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace dovevar::win {

struct ValueControl {
  bool textBox = true;
  int id = 0;
  int x = 0, y = 0, width = 0, height = 0;  // a drop-down's height counts its list dropped
};

// Made with the font, holding at most 127 characters, a drop-down with its list, then the
// value shown.
HWND createValueControl(HWND parent, const ValueControl& control, HFONT font,
                        const std::vector<std::u16string>& choices, std::u16string_view value);

}  // namespace dovevar::win
