// The three collection commands: a folder's drawings, a folder tree's drawings, and
// drawings picked one by one. Each asks the folder chooser first, collects, and
// remembers the folder among its kind's recent folders. Each gives the first new row,
// from which the caller applies the file-name rules when `file_set.chg_on` is set, or
// nothing when the command ended without collecting (a dialog was cancelled).
#pragma once

#include <optional>

#include "collect/collection_dialogs.h"
#include "collect/folder_chooser.h"
#include "collect/folder_scan.h"
#include "list/drawing_list.h"
#include "platform/file_system.h"
#include "script/script_sets.h"
#include "store/messages.h"
#include "store/settings.h"

namespace dovevar {

// The drawing type the picker's filters offer first.
enum class PickerFirstFilter : int { kDwg = 0, kDxf = 1 };

class DrawingCollection {
 public:
  DrawingCollection(FileSystem& files, CollectionDialogs& dialogs, Messages& messages,
                    Settings& settings, DrawingList& list)
      : files_(files), dialogs_(dialogs), messages_(messages), settings_(settings), list_(list) {}

  // Every drawing of the type in one folder. Message 2 when there is none; the folder
  // joins the recent folders only when something was found.
  std::optional<int> collectFolder(const ScriptSet& current, DrawingType type);

  // Every drawing of the type in a folder and its subfolders (folder_tree.h). A root
  // chosen in the browser also becomes the current folder. The root joins the recent
  // folders whether or not anything was found, and nothing is shown when nothing was.
  std::optional<int> collectFolderTree(const ScriptSet& current, DrawingType type);

  // The drawings picked in the file picker (picked_files.h); their folder joins the
  // recent folders.
  std::optional<int> pickDrawings(const ScriptSet& current, PickerFirstFilter first);

 private:
  // The folder of a folder or folder-tree collection: a recent folder as it is
  // (kUseFolder), or the one chosen in the browser (kBrowse); kCancel when cancelled.
  ChosenFolder chooseFolder(int kind, DrawingType type);

  FileSystem& files_;
  CollectionDialogs& dialogs_;
  Messages& messages_;
  Settings& settings_;
  DrawingList& list_;
};

}  // namespace dovevar
