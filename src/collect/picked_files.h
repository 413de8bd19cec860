// The one-file picker's result: a folder and the names picked in it, and the rows they
// make. The picker gives either one full path, or the folder followed by several
// names; each text ends with a zero and an empty text ends the list. Both forms are
// read the same way, from the offset of the first file name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "list/drawing_list.h"
#include "platform/file_system.h"
#include "script/script_sets.h"

namespace dovevar {

// A first-file-name offset this large means a folder part too long for a path buffer.
inline constexpr std::size_t kPickerMaxFolderOffset = 260;

struct PickedFiles {
  std::u16string folder;  // no trailing backslash, unless it is one character long
  std::vector<std::u16string> names;
};

// Nothing when the offset is 260 or more, or lies outside the result.
std::optional<PickedFiles> parsePickerResult(std::u16string_view result, std::size_t firstNameOffset);


// A row at `position`, `position` + 1, ... for each picked file that still exists: its
// name as stored on disk, the folder, its date text. A name that no longer exists, or
// whose full path would not fit a path buffer, is passed over. Returns the position
// after the last row added.
int addPickedFiles(FileSystem& files, DrawingList& list, const ScriptSet& current,
                   const PickedFiles& picked, int position);

}  // namespace dovevar
