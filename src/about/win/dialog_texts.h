// Captions and control texts of the about windows from the label tables. A label the
// UI text file does not give leaves the template's own text in place, so no button or
// caption is ever left blank.
#pragma once

#include <windows.h>

#include "store/messages.h"

namespace dovevar::win {

void setCaption(HWND dialog, const Messages& messages, int labelD);
void setItemText(HWND dialog, int item, const Messages& messages, int labelD);

}  // namespace dovevar::win
