#include "collect/folder_chooser.h"

#include <algorithm>

#include "collect/drawing_paths.h"

namespace dovevar {

ChosenFolder folderForChoice(const Settings& settings, int kind, int choice) {
  if (kind < 0 || kind >= Settings::kCollectionKinds) return {};
  const auto& recent = settings.file_folder_tbl[kind];
  if (choice >= 0 && choice < Settings::kRecentFolders) {
    if (recent[choice].empty()) return {};
    return {ChosenFolder::Next::kUseFolder, recent[choice]};
  }
  if (choice == kChooserAnotherFolder) return {ChosenFolder::Next::kBrowse, recent[0]};
  const int favourite = choice - kChooserFirstFavourite;
  if (favourite >= 0 && favourite < Settings::kFavouriteFolders)
    return {ChosenFolder::Next::kBrowse, settings.file_folder_set[kind][favourite]};
  return {};
}

bool setFavouriteFolder(Settings& settings, int kind, int favourite, std::u16string_view folder) {
  if (kind < 0 || kind >= Settings::kCollectionKinds || favourite < 0 ||
      favourite >= Settings::kFavouriteFolders || folder.empty() || !fitsPathBuffer(folder)) {
    return false;
  }
  settings.file_folder_set[kind][favourite] = folder;
  return true;
}

std::vector<std::u16string_view> usedRecentFolders(const Settings& settings, int kind) {
  std::vector<std::u16string_view> used;
  if (kind < 0 || kind >= Settings::kCollectionKinds) return used;
  for (const std::u16string& folder : settings.file_folder_tbl[kind]) {
    if (folder.empty()) break;
    used.push_back(folder);
  }
  return used;
}

int chooserWidth(int widestTextWidth, int screenWidth) {
  return std::max(std::min(widestTextWidth + kChooserTextMargin, screenWidth), kChooserMinimumWidth);
}

std::optional<int> ChooserListArm::notify(int selection) {
  if (!armed_) {
    armed_ = true;
    return std::nullopt;
  }
  armed_ = false;
  return selection >= 0 && selection < Settings::kRecentFolders ? selection : 0;
}

}  // namespace dovevar
