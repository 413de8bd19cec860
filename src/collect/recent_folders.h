// Each collection kind's twenty recent folders, most recent first; an empty path ends
// the used part. The current folder (`file_folder`) follows a folder that comes back.
#pragma once

#include <string_view>

#include "store/settings.h"

namespace dovevar {

// The collection kinds, each with its own recent and favourite folders.
enum CollectionKind : int {
  kOneFilePicker = 0,
  kFolderCollection = 1,
  kFolderTreeCollection = 2,
  kFolderSelectDialog = 3,
};

// Puts `path` at the top of the kind's recent folders. A path already there (compared
// exactly, case included) moves up from its place and becomes the current folder; a
// new one pushes the others down, the last one out, and leaves the current folder. An
// empty path is not remembered.
void updateRecentFolders(Settings& settings, int kind, std::u16string_view path);

}  // namespace dovevar
