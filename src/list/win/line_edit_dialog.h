// Dialog 6, the line edit dialog: one field per editable column of the current script
// set, filled from the line buffer; OK stores the fields back into it.
#pragma once

#include <windows.h>

#include "list/cell_choices.h"
#include "list/line_buffer.h"
#include "list/line_edit_form.h"
#include "script/script_sets.h"
#include "store/messages.h"

namespace dovevar::win {

struct LineEditContext {
  HINSTANCE instance;
  HWND owner;
  HFONT font;
  const ScriptSet& set;
  const ChoiceSources& sources;
  const Messages& messages;
  const TextTables& texts;
  int language;
  LinePrinterWatch& watch;  // outlives the dialog
};

void runLineEditDialog(const LineEditContext& context, LineEditPurpose purpose, LineBuffer& buffer);

}  // namespace dovevar::win
