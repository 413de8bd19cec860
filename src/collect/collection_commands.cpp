#include "collect/collection_commands.h"

#include <string>
#include <utility>

#include "collect/drawing_paths.h"
#include "collect/folder_tree.h"
#include "collect/picked_files.h"
#include "collect/recent_folders.h"
#include "extras/extras_texts.h"
#include "store/text_ids.h"

namespace dovevar {
namespace {

const std::pair<std::u16string, std::u16string> kDwgFilter{u"DwgFile(*.dwg)", u"*.dwg"};
const std::pair<std::u16string, std::u16string> kDxfFilter{u"DxfFile(*.dxf)", u"*.dxf"};

}  // namespace

ChosenFolder DrawingCollection::chooseFolder(int kind, DrawingType type) {
  ChosenFolder chosen = folderForChoice(settings_, kind, dialogs_.chooseFolder(kind));
  if (chosen.next != ChosenFolder::Next::kBrowse) return chosen;
  const int title = type == DrawingType::kDwg ? kLabelCDwgFolderTitle : kLabelCDxfFolderTitle;
  std::u16string folder;
  // A browser that gives no path (or one too long to hold) chose no folder: an empty
  // one would read the current drive's root.
  if (!dialogs_.browseForFolder(messages_.label(kLabelsC, title), chosen.folder, folder) ||
      folder.empty() || !fitsPathBuffer(folder))
    return {};
  chosen.folder = std::move(folder);
  return chosen;
}

std::optional<int> DrawingCollection::collectFolder(const ScriptSet& current, DrawingType type) {
  const int first = list_.rowCount();
  const ChosenFolder folder = chooseFolder(kFolderCollection, type);
  if (folder.next == ChosenFolder::Next::kCancel) return std::nullopt;
  if (scanFolder(files_, list_, current, folder.folder, type, first) == 0) {
    messages_.show(kMsgFolderHasNoDrawings);
  } else {
    updateRecentFolders(settings_, kFolderCollection, folder.folder);
  }
  return first;
}

std::optional<int> DrawingCollection::collectFolderTree(const ScriptSet& current, DrawingType type) {
  const int first = list_.rowCount();
  const ChosenFolder root = chooseFolder(kFolderTreeCollection, type);
  if (root.next == ChosenFolder::Next::kCancel) return std::nullopt;
  if (root.next == ChosenFolder::Next::kBrowse) settings_.file_folder = root.folder;
  std::vector<TreeFolder> table = walkFolderTree(files_, root.folder);
  scanFolderTree(files_, list_, current, table, type, first);
  updateRecentFolders(settings_, kFolderTreeCollection, root.folder);
  return first;
}

std::optional<int> DrawingCollection::pickDrawings(const ScriptSet& current, PickerFirstFilter first) {
  const int firstRow = list_.rowCount();
  const ChosenFolder chosen =
      folderForChoice(settings_, kOneFilePicker, dialogs_.chooseFolder(kOneFilePicker));
  if (chosen.next == ChosenFolder::Next::kCancel) return std::nullopt;
  const bool dwgFirst = first == PickerFirstFilter::kDwg;
  DrawingPicker picker;
  picker.title = messages_.label(kLabelsC, kLabelCDrawingPickerTitle);
  picker.initialText = joinPath(chosen.folder, dwgFirst ? u"*.dwg" : u"*.dxf");
  picker.filters = dwgFirst ? std::vector{kDwgFilter, kDxfFilter} : std::vector{kDxfFilter, kDwgFilter};
  std::u16string result;
  std::size_t firstNameOffset = 0;
  const CollectionDialogs::PickResult pick = dialogs_.pickDrawings(picker, result, firstNameOffset);
  if (pick == CollectionDialogs::PickResult::kNotTaken) {
    messages_.ui().messageBox(extrasText(messages_.language(), ExtrasText::kPickNotTaken), u"Dovevar",
                              UiPort::BoxStyle::kExclamation);
  }
  if (pick != CollectionDialogs::PickResult::kPicked) return std::nullopt;
  const std::optional<PickedFiles> picked = parsePickerResult(result, firstNameOffset);
  if (!picked) return std::nullopt;
  addPickedFiles(files_, list_, current, *picked, list_.rowCount());
  updateRecentFolders(settings_, kOneFilePicker, picked->folder);
  return firstRow;
}

}  // namespace dovevar
