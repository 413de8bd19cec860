#include "config/plot_style_search.h"

#include <vector>

#include "collect/drawing_paths.h"

namespace dovevar {
namespace {

// A text without a backslash stays whole.
std::u16string cadFolder(std::u16string_view cadExecutable) {
  const std::size_t slash = cadExecutable.rfind(u'\\');
  if (slash == std::u16string_view::npos || slash == 0) return std::u16string(cadExecutable);
  return std::u16string(cadExecutable.substr(0, slash));
}

bool isDotEntry(std::u16string_view name) { return name == u"." || name == u".."; }

// Appends the subfolders of table[position] while the table has room. A subfolder whose
// path would not fit a path buffer is passed over rather than cut into another path.
// Gives false when the table is full.
bool appendSubfolders(FileSystem& files, std::vector<std::u16string>& table, std::size_t position) {
  const std::u16string folder = table[position];
  bool room = true;
  // Every entry is examined: "." and ".." are passed over by name, so a drive root,
  // whose listing does not begin with them, loses no subfolder.
  files.listFolder(joinPath(folder, u"*"), [&](const FolderEntry& entry) {
    if ((entry.attributes & FileAttributes::kDirectory) == 0 || isDotEntry(entry.name)) return true;
    std::u16string path = joinPath(folder, entry.name);
    if (!fitsPathBuffer(path)) return true;
    table.push_back(std::move(path));
    room = table.size() < kPlotStyleFolderLimit;
    return room;
  });
  return room;
}

bool holdsPlotStyle(FileSystem& files, const std::u16string& folder) {
  bool found = false;
  // The pattern also matches names like "x.ctbx" by their short names, so the full name
  // decides.
  files.listFolder(joinPath(folder, u"*.ctb"), [&](const FolderEntry& entry) {
    found = (entry.attributes & FileAttributes::kDirectory) == 0 && !isDotEntry(entry.name) &&
            endsWithIgnoringCase(entry.name, u".ctb");
    return !found;
  });
  return found;
}

}  // namespace

bool findPlotStyleFolder(FileSystem& files, UiPort& ui, Settings& settings) {
  std::vector<std::u16string> table{cadFolder(settings.autocad_file)};
  if (!table[0].starts_with(u"c:")) {
    // The table is its own queue: folders are listed in the order they were found.
    for (std::size_t position = 0; position < table.size(); ++position) {
      if (!appendSubfolders(files, table, position)) {
        ui.messageBox(kFolderLimitText, kFolderLimitTitle, UiPort::BoxStyle::kExclamation);
        break;
      }
    }
  }
  for (const std::u16string& folder : table) {
    if (holdsPlotStyle(files, folder)) {
      settings.ctb_file = folder;
      return true;
    }
  }
  return false;
}

}  // namespace dovevar
