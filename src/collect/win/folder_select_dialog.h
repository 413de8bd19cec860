#pragma once

#include <windows.h>

#include "collect/folder_select.h"
#include "list/drawing_list.h"
#include "platform/file_system.h"
#include "script/script_sets.h"
#include "store/settings.h"
#include "store/text_tables.h"

namespace dovevar::win {

// Dialog 9: browse drives and folders from the current folder and read the drawings of
// the selected folders into the Drawing list. `types` is the drawing-type mode, kept
// from one opening to the next.
void runFolderSelectDialog(HINSTANCE instance, HWND owner, FileSystem& files, DrawingList& list,
                           const ScriptSet& current, Settings& settings, const TextTables& texts,
                           FolderSelectTypes& types);

}  // namespace dovevar::win
