// Captions and control texts of the dialogs from the label tables. A label the
// UI text file does not give leaves the template's own text in place, so no button or
// caption is ever left blank.
#pragma once

#include <windows.h>

#include <span>

#include "store/messages.h"

namespace dovevar::win {

void setCaption(HWND dialog, const Messages& messages, int labelD);
void setItemText(HWND dialog, int item, const Messages& messages, int labelD);

// A control and the label of the second table that captions it.
struct ControlCaption {
  int control;
  int labelD;
};
void setItemTexts(HWND dialog, const Messages& messages, std::span<const ControlCaption> captions);

}  // namespace dovevar::win
