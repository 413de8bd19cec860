#include "collect/folder_select.h"

#include "collect/date_text.h"
#include "collect/drawing_paths.h"
#include "collect/folder_chooser.h"
#include "collect/folder_scan.h"
#include "collect/recent_folders.h"
#include "store/ascii_case.h"

namespace dovevar {
namespace {

constexpr std::u16string_view kFallbackFolder = u"c:\\";

bool isDriveRoot(std::u16string_view name) {
  return name.size() == 3 && name[1] == u':' && name[2] == u'\\';
}

std::optional<std::int32_t> driveImage(DriveType type) {
  switch (type) {
    case DriveType::kFixed: return FolderRowImage::kFixedDrive;
    case DriveType::kCdRom: return FolderRowImage::kCdRomDrive;
    case DriveType::kRemovable: return FolderRowImage::kRemovableDrive;
    case DriveType::kNetwork: return FolderRowImage::kNetworkDrive;
    case DriveType::kRamDisk: return FolderRowImage::kRamDisk;
    case DriveType::kNone: break;
  }
  return std::nullopt;
}

void addDriveRows(FileSystem& files, std::u16string_view current, std::vector<FolderListRow>& rows) {
  for (char16_t letter = u'a'; letter <= u'z'; ++letter) {
    const std::u16string root{letter, u':', u'\\'};
    if (letter == foldAsciiCase(current[0])) continue;
    if (const auto image = driveImage(files.driveType(root))) rows.push_back({root, u"", *image});
  }
}

// "." and ".." go up one level: the folder is cut at its last backslash that is not
// its first character, and a drive ("c:") keeps its backslash.
std::u16string parentFolder(std::u16string_view current) {
  const std::size_t cut = current.rfind(u'\\');
  if (cut == std::u16string_view::npos || cut == 0) return std::u16string(current);
  std::u16string parent(current.substr(0, cut));
  if (parent.size() == 2) parent += u'\\';
  return parent;
}

// A drive letter alone becomes its root; a drive root or an empty folder takes the
// name as it is; any other folder takes a backslash first.
std::u16string subfolder(std::u16string_view current, std::u16string_view name) {
  std::u16string path(current);
  if (path.size() == 1) {
    path += u":\\";
  } else if (path.size() == 2 || path.size() > 3) {
    path += u'\\';
  }
  path += name;
  return path;
}

}  // namespace

std::optional<std::u16string> folderSelectStartFolder(const Settings& settings, int choice) {
  const auto& favourites = settings.file_folder_set[kFolderSelectDialog];
  const int favourite = choice == kChooserAnotherFolder ? 0 : choice - kChooserFirstFavourite;
  std::u16string folder;
  if (choice >= 0 && choice < Settings::kRecentFolders) {
    folder = settings.file_folder_tbl[kFolderSelectDialog][choice];
  } else if (favourite >= 0 && favourite < Settings::kFavouriteFolders) {
    folder = favourites[favourite];
  } else {
    return std::nullopt;
  }
  // An empty entry would list the current drive's root; start where "another
  // folder" without a favourite starts.
  if (folder.empty()) folder = kFallbackFolder;
  return folder;
}

std::vector<FolderListRow> folderListRows(FileSystem& files, std::u16string_view current) {
  std::vector<FolderListRow> rows;
  if (current.empty()) return rows;
  if (current.size() == 3) addDriveRows(files, current, rows);
  const std::u16string pattern = joinPath(current, u"*");
  if (!fitsPathBuffer(pattern)) return rows;
  files.listFolder(pattern, [&](const FolderEntry& entry) {
    if (entry.name == u"." || entry.attributes == FileAttributes::kDirectory) {
      const bool dot = entry.name.starts_with(u'.');
      rows.push_back({entry.name, dateText(entry.lastWrite),
                      dot ? FolderRowImage::kDotEntry : FolderRowImage::kFolder});
    }
    return true;
  });
  return rows;
}

std::u16string folderAfterDoubleClick(std::u16string_view current, std::u16string_view name) {
  if (isDriveRoot(name)) return std::u16string(name);
  if (name == u"." || name == u"..") return parentFolder(current);
  std::u16string next = subfolder(current, name);
  return fitsPathBuffer(next) ? next : std::u16string(current);
}

FolderReadResult readSelectedFolders(FileSystem& files, DrawingList& list, const ScriptSet& current,
                                     Settings& settings, const std::vector<std::u16string>& selectedNames,
                                     FolderSelectTypes types) {
  if (selectedNames.empty()) return FolderReadResult::kNoneSelected;
  const int first = list.rowCount();
  int position = first;
  const auto scan = [&](const std::u16string& folder, DrawingType type) {
    if (const int next = scanFolder(files, list, current, folder, type, position); next != 0)
      position = next;
  };
  for (const std::u16string& name : selectedNames) {
    const std::u16string folder = joinPath(settings.file_folder, name);
    if (types != FolderSelectTypes::kDxf) scan(folder, DrawingType::kDwg);
    if (types != FolderSelectTypes::kDwg) scan(folder, DrawingType::kDxf);
  }
  if (position == first) return FolderReadResult::kNothingFound;
  updateRecentFolders(settings, kFolderSelectDialog, settings.file_folder);
  return FolderReadResult::kRead;
}

}  // namespace dovevar
