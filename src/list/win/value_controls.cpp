#include "list/win/value_controls.h"

#include "list/drawing_list.h"
#include "platform/win/control_text.h"

namespace dovevar::win {

HWND createValueControl(HWND parent, const ValueControl& control, HFONT font,
                        const std::vector<std::u16string>& choices, std::u16string_view value) {
  const DWORD style = control.textBox
      ? WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL
      : WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL;
  HWND window = CreateWindowExW(0, control.textBox ? L"EDIT" : L"COMBOBOX", L"", style, control.x, control.y,
                                control.width, control.height, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)),
                                reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SendMessageW(window, control.textBox ? EM_LIMITTEXT : CB_LIMITTEXT, kLineBufferCellCapacity - 1, 0);
  if (!control.textBox) fillComboBox(window, choices);
  setControlText(window, value);
  return window;
}

}  // namespace dovevar::win
