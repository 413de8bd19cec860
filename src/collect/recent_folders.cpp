#include "collect/recent_folders.h"

#include <algorithm>
#include <string>

namespace dovevar {

void updateRecentFolders(Settings& settings, int kind, std::u16string_view folder) {
  // An empty path would end the used part and hide every folder after it.
  if (kind < 0 || kind >= Settings::kCollectionKinds || folder.empty()) return;
  const std::u16string path(folder);  // `folder` may be one of the entries that move
  auto& recent = settings.file_folder_tbl[kind];
  const auto found = std::find(recent.begin(), recent.end(), path);
  const auto last = found == recent.end() ? recent.end() - 1 : found;
  std::move_backward(recent.begin(), last, last + 1);
  recent[0] = path;
  if (found != recent.end()) settings.file_folder = path;
}

}  // namespace dovevar
