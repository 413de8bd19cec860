#include "collect/win/win_collection_dialogs.h"

#include "collect/win/folder_chooser_dialog.h"
#include "collect/win/shell_pickers.h"

namespace dovevar::win {

int WinCollectionDialogs::chooseFolder(int kind) {
  return runFolderChooser(instance_, owner_, settings_, messages_, kind);
}

bool WinCollectionDialogs::browseForFolder(std::u16string_view title, std::u16string_view preselected,
                                           std::u16string& folder) {
  return win::browseForFolder(owner_, title, preselected, folder);
}

CollectionDialogs::PickResult WinCollectionDialogs::pickDrawings(const DrawingPicker& picker,
                                                                 std::u16string& result,
                                                                 std::size_t& firstNameOffset) {
  return pickDrawingFiles(owner_, picker, result, firstNameOffset);
}

}  // namespace dovevar::win
