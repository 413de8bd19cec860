#include "collect/folder_scan.h"

#include <string>

#include "collect/date_text.h"
#include "collect/drawing_paths.h"

namespace dovevar {

std::int32_t scannedImageIndex(DrawingType type) { return type == DrawingType::kDwg ? 1 : 0; }

int scanFolder(FileSystem& files, DrawingList& list, const ScriptSet& current,
               std::u16string_view folder, DrawingType type, int position) {
  const std::u16string_view extension = type == DrawingType::kDwg ? u".dwg" : u".dxf";
  const std::u16string pattern = joinPath(folder, u"*" + std::u16string(extension));
  if (folder.empty() || !fitsPathBuffer(pattern)) return 0;
  const int first = position;
  files.listFolder(pattern, [&](const FolderEntry& entry) {
    if ((entry.attributes & FileAttributes::kDirectory) == 0 &&
        endsWithIgnoringCase(entry.name, extension)) {
      list.addDrawingRow(current, entry.name, folder, dateText(entry.lastWrite),
                         scannedImageIndex(type), position);
      ++position;
    }
    return true;
  });
  return position == first ? 0 : position;
}

}  // namespace dovevar
