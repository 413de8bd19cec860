#include "collect/picked_files.h"

#include "collect/date_text.h"
#include "collect/drawing_paths.h"

namespace dovevar {
namespace {

// The text at `start` up to its terminating zero (or the end of the result).
std::u16string_view textAt(std::u16string_view result, std::size_t start) {
  const std::u16string_view rest = result.substr(start);
  return rest.substr(0, rest.find(u'\0'));
}

}  // namespace

std::optional<PickedFiles> parsePickerResult(std::u16string_view result, std::size_t firstNameOffset) {
  if (firstNameOffset >= kPickerMaxFolderOffset || firstNameOffset > result.size()) return std::nullopt;
  PickedFiles picked;
  picked.folder = textAt(result.substr(0, firstNameOffset), 0);
  if (picked.folder.size() >= 2 && picked.folder.back() == u'\\') picked.folder.pop_back();
  for (std::size_t start = firstNameOffset; start < result.size();) {
    const std::u16string_view name = textAt(result, start);
    if (name.empty()) break;
    picked.names.emplace_back(name);
    start += name.size() + 1;
  }
  return picked;
}

int addPickedFiles(FileSystem& files, DrawingList& list, const ScriptSet& current,
                   const PickedFiles& picked, int position) {
  for (const std::u16string& name : picked.names) {
    const std::u16string path = joinPath(picked.folder, name);
    if (!fitsPathBuffer(path)) continue;
    files.listFolder(path, [&](const FolderEntry& entry) {
      list.addDrawingRow(current, entry.name, picked.folder, dateText(entry.lastWrite),
                         drawingImageIndex(name), position);
      ++position;
      return false;
    });
  }
  return position;
}

}  // namespace dovevar
