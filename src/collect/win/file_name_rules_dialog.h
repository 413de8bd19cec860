#pragma once

#include <windows.h>

#include "printers/printer_table.h"
#include "store/messages.h"
#include "store/settings.h"

namespace dovevar::win {

// Dialog 12: the file-name rules. OK and the close box both store the controls into
// `rules` and close it; there is no way out without storing. The printer boxes offer
// the printer table as last built, which the dialog does not build again.
void runFileNameRulesDialog(HINSTANCE instance, HWND owner, FileNameRules& rules,
                            const PrinterTable& printers, const Messages& messages);

}  // namespace dovevar::win
