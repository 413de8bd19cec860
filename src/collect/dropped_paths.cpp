#include "collect/dropped_paths.h"

#include <optional>

#include "collect/date_text.h"
#include "collect/drawing_paths.h"
#include "collect/folder_tree.h"

namespace dovevar {
namespace {

bool isDriveRoot(std::u16string_view path) {
  return path.size() == 2 && path[1] == u':';
}

bool isDrawingName(std::u16string_view name) {
  return endsWithIgnoringCase(name, u".dwg") || endsWithIgnoringCase(name, u".dxf");
}

// The entry that the path names, as its folder lists it; nothing when it is not there.
std::optional<FolderEntry> entryOf(FileSystem& files, const std::u16string& path) {
  std::optional<FolderEntry> found;
  files.listFolder(path, [&found](const FolderEntry& entry) {
    found = entry;
    return false;
  });
  return found;
}

int addFolder(FileSystem& files, DrawingList& list, const ScriptSet& current, std::u16string_view folder,
              int position) {
  std::vector<TreeFolder> table = walkFolderTree(files, folder);
  return scanFolderTree(files, list, current, table, {DrawingType::kDwg, DrawingType::kDxf}, position);
}

}  // namespace

DropOutcome addDroppedPaths(FileSystem& files, DrawingList& list, const ScriptSet& current,
                            const std::vector<std::u16string>& paths) {
  DropOutcome outcome;
  outcome.firstNewRow = list.rowCount();
  int position = outcome.firstNewRow;
  for (std::u16string path : paths) {
    // "C:\" names the drive's root as "C:" does; a folder's own trailing backslash goes too.
    if (path.size() > 1 && path.back() == u'\\') path.pop_back();
    if (path.empty() || !fitsPathBuffer(path) || path.find_first_of(u"*?") != std::u16string::npos) {
      ++outcome.passedOver;
      continue;
    }
    if (isDriveRoot(path)) {
      position = addFolder(files, list, current, path, position);
      continue;
    }
    const std::optional<FolderEntry> entry = entryOf(files, path);
    if (entry && (entry->attributes & FileAttributes::kDirectory) != 0) {
      position = addFolder(files, list, current, path, position);
    } else if (entry && isDrawingName(entry->name)) {
      const std::size_t slash = path.rfind(u'\\');
      const std::u16string folder = path.substr(0, slash == std::u16string::npos ? 0 : slash);
      list.addDrawingRow(current, entry->name, folder, dateText(entry->lastWrite), drawingImageIndex(entry->name),
                         position++);
    } else {
      ++outcome.passedOver;
    }
  }
  outcome.added = position - outcome.firstNewRow;
  return outcome;
}

}  // namespace dovevar
