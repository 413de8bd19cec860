// The folder-tree collection's walk: a breadth-first table of at most 32 folders, the
// root first, then every listed folder's drawings in table order.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "collect/folder_scan.h"
#include "list/drawing_list.h"
#include "platform/file_system.h"
#include "script/script_sets.h"

namespace dovevar {

inline constexpr std::size_t kFolderTreeCapacity = 32;

enum class TreeFolderState : int { kFound = 0, kListed = 1, kScanned = 2 };

struct TreeFolder {
  std::u16string path;
  TreeFolderState state = TreeFolderState::kFound;
};

// Lists the root, then each found folder in table order, appending its subfolders:
// entries whose attributes are exactly the directory attribute and whose names do not
// begin with "." (which passes over "." and ".."). Every entry is examined, so a drive
// root, whose listing has no "." entry to begin with, loses no subfolder. A subfolder
// whose path would not fit a path buffer is not entered. When the table reaches 32
// folders, listing stops at once; folders found but not yet listed stay kFound. A
// folder that cannot be listed counts as listed, with no subfolders.
std::vector<TreeFolder> walkFolderTree(FileSystem& files, std::u16string_view root);

// Scans every kListed folder in table order, marking it kScanned. Rows start at
// `position`; returns the position after the last row added (`position` when none).
int scanFolderTree(FileSystem& files, DrawingList& list, const ScriptSet& current,
                   std::vector<TreeFolder>& table, DrawingType type, int position);
// The same with several types, each folder giving its drawings of each type in turn.
int scanFolderTree(FileSystem& files, DrawingList& list, const ScriptSet& current,
                   std::vector<TreeFolder>& table, std::initializer_list<DrawingType> types, int position);

}  // namespace dovevar
