// Dialog 3, the script selection, and dialog 13, the script detail dialog it opens.
#pragma once

#include <windows.h>

#include <string>

#include "platform/file_system.h"
#include "script/script_sets.h"
#include "store/text_tables.h"

namespace dovevar::win {

// What the two dialogs work on and where the Script set files live.
struct ScriptSetStore {
  ScriptSetTable& table;
  FileSystem& files;
  const std::u16string& folder;      // the settings folder
  std::u16string& lastImportedPath;  // kept for the run of the program
  const TextTables& texts;
  const int& language;  // the UI language: labels, messages and the Script set file
};

// Dialog 3: confirming a set's title makes it `currentSet`. Each time the detail dialog
// closes, all sets are written to the Script set file of the UI language.
void runScriptSelectionDialog(HINSTANCE instance, HWND owner, ScriptSetStore& store, int& currentSet);

// Dialog 13 on the edited set; its changes stay in the table for the caller to write.
void runScriptDetailDialog(HINSTANCE instance, HWND owner, ScriptSetStore& store);

}  // namespace dovevar::win
