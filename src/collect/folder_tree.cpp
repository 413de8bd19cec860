#include "collect/folder_tree.h"

#include "collect/drawing_paths.h"

namespace dovevar {

std::vector<TreeFolder> walkFolderTree(FileSystem& files, std::u16string_view root) {
  std::vector<TreeFolder> table;
  table.reserve(kFolderTreeCapacity);
  table.push_back({std::u16string(root), TreeFolderState::kFound});
  // The table is its own queue: folders are listed in the order they were found.
  for (std::size_t listing = 0; listing < table.size(); ++listing) {
    const std::u16string pattern = joinPath(table[listing].path, u"*");
    if (!table[listing].path.empty() && fitsPathBuffer(pattern)) {
      files.listFolder(pattern, [&](const FolderEntry& entry) {
        if (entry.attributes != FileAttributes::kDirectory || entry.name.starts_with(u'.'))
          return true;
        std::u16string path = joinPath(table[listing].path, entry.name);
        if (fitsPathBuffer(path)) table.push_back({std::move(path), TreeFolderState::kFound});
        return table.size() < kFolderTreeCapacity;
      });
    }
    table[listing].state = TreeFolderState::kListed;
    if (table.size() == kFolderTreeCapacity) break;
  }
  return table;
}

int scanFolderTree(FileSystem& files, DrawingList& list, const ScriptSet& current,
                   std::vector<TreeFolder>& table, DrawingType type, int position) {
  return scanFolderTree(files, list, current, table, {type}, position);
}

int scanFolderTree(FileSystem& files, DrawingList& list, const ScriptSet& current,
                   std::vector<TreeFolder>& table, std::initializer_list<DrawingType> types, int position) {
  for (TreeFolder& folder : table) {
    if (folder.state != TreeFolderState::kListed) continue;
    for (const DrawingType type : types) {
      if (const int next = scanFolder(files, list, current, folder.path, type, position); next != 0)
        position = next;
    }
    folder.state = TreeFolderState::kScanned;
  }
  return position;
}

}  // namespace dovevar
