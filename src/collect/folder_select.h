// The folder-select dialog's rules, apart from its window: the folder it starts in,
// the rows of its folder list, where a double-click leads, and reading the drawings of
// the selected rows. The folder shown is the current folder, `file_folder`.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "list/drawing_list.h"
#include "platform/file_system.h"
#include "script/script_sets.h"
#include "store/settings.h"

namespace dovevar {

// The radio buttons' drawing-type mode; kept for the run, not saved.
enum class FolderSelectTypes : int { kDwg = 0, kDxf = 1, kBoth = 2 };

// The folder the dialog starts in for the folder chooser's `choice` (kind 3): recent
// folder R, favourite i, or for "another folder" favourite 0, else "c:\". Nothing when
// the chooser was closed (the dialog closes at once) or the choice names no folder.
std::optional<std::u16string> folderSelectStartFolder(const Settings& settings, int choice);

// The image indices of the folder list.
struct FolderRowImage {
  static constexpr std::int32_t kDotEntry = 0;  // a name beginning with "."
  static constexpr std::int32_t kFolder = 1;
  static constexpr std::int32_t kFixedDrive = 2;
  static constexpr std::int32_t kCdRomDrive = 3;
  static constexpr std::int32_t kRemovableDrive = 4;
  static constexpr std::int32_t kNetworkDrive = 5;
  static constexpr std::int32_t kRamDisk = 6;
};

struct FolderListRow {
  std::u16string name;
  std::u16string date;  // empty for a drive
  std::int32_t image = FolderRowImage::kFolder;
};

// At a drive root (a current folder of 3 characters) the other drives' roots come
// first, "a:\" to "z:\", each drive of a known kind except the current one (compared
// without case). Then the folder's "." entry and the entries whose attributes are
// exactly the directory attribute, in listing order. A drive root lists no "." entry,
// so there its first entry is examined like the others. A folder that cannot be
// listed adds nothing.
std::vector<FolderListRow> folderListRows(FileSystem& files, std::u16string_view current);

// The current folder after a double-click on the row named `name`: a drive root goes
// there; "." and ".." go up one level; any other name goes into that folder. A folder
// whose path would not fit a path buffer is not entered: the current folder stays.
std::u16string folderAfterDoubleClick(std::u16string_view current, std::u16string_view name);

enum class FolderReadResult {
  kRead,          // rows were added and kind 3's recent folders updated: close
  kNoneSelected,  // show message 49, stay open
  kNothingFound,  // show message 22, stay open
};

// The read button: for each selected row name in order, the current folder, a
// backslash and the name is scanned for the mode's drawings (DWG, DXF, or DWG then
// DXF), rows going to the end of the list.
FolderReadResult readSelectedFolders(FileSystem& files, DrawingList& list, const ScriptSet& current,
                                     Settings& settings, const std::vector<std::u16string>& selectedNames,
                                     FolderSelectTypes types);

}  // namespace dovevar
