// The folder scan: one Drawing list row for every drawing of one type in one folder
// (no subfolders), in the order the folder lists them. Used by the folder and
// folder-tree collections and by the folder-select dialog.
#pragma once

#include <cstdint>
#include <string_view>

#include "list/drawing_list.h"
#include "platform/file_system.h"
#include "script/script_sets.h"

namespace dovevar {

enum class DrawingType : int { kDwg = 1, kDxf = 2 };

// The image index a scanned row gets: 1 for DWG, 0 for DXF.
std::int32_t scannedImageIndex(DrawingType type);

// Adds a row at `position`, `position` + 1, ... for each file of the type: its name as
// stored, `folder` as given, its date text. Returns the position after the last row
// added, or 0 when the folder holds no such drawing. A file is taken only when its own
// name ends in ".dwg" or ".dxf" (any case), so "x.dwgx", listed through its short name,
// is not; folders named like drawings are not taken either. An empty folder path, and
// one whose pattern would not fit a path buffer, hold no drawing. A file already in
// the list is added again.
int scanFolder(FileSystem& files, DrawingList& list, const ScriptSet& current,
               std::u16string_view folder, DrawingType type, int position);

}  // namespace dovevar
