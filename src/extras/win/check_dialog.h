// The list check dialog: the problems the check found, one per line, and a button that
// selects their rows in the Drawing list. Before a run it asks whether to run anyway.
#pragma once

#include <windows.h>

#include <vector>

#include "extras/list_check.h"
#include "list/drawing_list.h"

namespace dovevar::win {

enum class CheckDialogMode { kReport, kBeforeRun };

struct CheckResult {
  const std::vector<CheckProblem>& problems;
  int rowsChecked;
};

// True when the user chose to run anyway (kBeforeRun); false when the dialog was closed.
bool runCheckDialog(HINSTANCE instance, HWND owner, CheckDialogMode mode, const CheckResult& result,
                    DrawingList& list, const Messages& messages);

}  // namespace dovevar::win
