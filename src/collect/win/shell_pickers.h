// The system's own folder browser and file picker, as the collection and the folder
// chooser open them.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "collect/collection_dialogs.h"

namespace dovevar::win {

// The folder browser for file-system folders, titled `title`, with `preselected`
// selected when it opens (empty: nothing). True with the chosen folder.
bool browseForFolder(HWND owner, std::u16string_view title, std::u16string_view preselected,
                     std::u16string& folder);

// The multi-select drawing picker. kPicked with its whole selection buffer, each text
// ended by a zero, and the offset of the first file name; kCancelled; kNotTaken when the
// dialog failed, as it does when the selection does not fit the buffer.
CollectionDialogs::PickResult pickDrawingFiles(HWND owner, const DrawingPicker& picker, std::u16string& result,
                                               std::size_t& firstNameOffset);

}  // namespace dovevar::win
