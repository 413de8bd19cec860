#pragma once

#include <windows.h>

#include "platform/spooler.h"
#include "printers/printer_table.h"
#include "store/settings.h"
#include "store/text_tables.h"

namespace dovevar::win {

// Dialog 5: builds the printer table again, with the dialog as the owner of the
// build's messages, and shows it as a grid of one row per printer with its paper
// names. The rebuilt table stays. Only the close box closes it.
void runPrinterListDialog(HINSTANCE instance, HWND owner, PrinterTable& table, Spooler& spooler,
                          const Settings& settings, const TextTables& texts);

}  // namespace dovevar::win
