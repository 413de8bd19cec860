// The collection commands' dialogs over Win32: the folder chooser, the system's folder
// browser and its file picker, all owned by one window.
#pragma once

#include <windows.h>

#include "collect/collection_dialogs.h"
#include "store/messages.h"
#include "store/settings.h"

namespace dovevar::win {

class WinCollectionDialogs : public CollectionDialogs {
 public:
  WinCollectionDialogs(HINSTANCE instance, HWND owner, Settings& settings, const Messages& messages)
      : instance_(instance), owner_(owner), settings_(settings), messages_(messages) {}

  int chooseFolder(int kind) override;
  bool browseForFolder(std::u16string_view title, std::u16string_view preselected,
                       std::u16string& folder) override;
  PickResult pickDrawings(const DrawingPicker& picker, std::u16string& result,
                          std::size_t& firstNameOffset) override;

 private:
  HINSTANCE instance_;
  HWND owner_;
  Settings& settings_;
  const Messages& messages_;
};

}  // namespace dovevar::win
