// Files and folders dropped onto the Drawing list, from Explorer or any program that
// drops files. A drawing is added as the file picker adds it, a folder as the folder-tree
// collection adds one, but with both drawing types; what is neither is passed over and
// counted. Nothing here touches the recent folders: a drop is not a choice of folder.
#pragma once

#include <string>
#include <vector>

#include "list/drawing_list.h"
#include "platform/file_system.h"
#include "script/script_sets.h"

namespace dovevar {

struct DropOutcome {
  int firstNewRow = 0;  // the row count before the drop: the file-name rules start here
  int added = 0;
  int passedOver = 0;   // dropped paths that are no drawing and no folder, or are gone
};

// Adds rows after the last one, path by path in the order dropped. A dropped DWG or DXF
// file gives one row: its name as stored, its folder, its date text, the picker's image
// index. A dropped folder (a drive root too) is walked as the folder-tree collection
// walks it, and each of its folders gives its DWG drawings, then its DXF drawings.
DropOutcome addDroppedPaths(FileSystem& files, DrawingList& list, const ScriptSet& current,
                            const std::vector<std::u16string>& paths);

}  // namespace dovevar
