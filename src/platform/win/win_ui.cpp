#include "platform/win/win_ui.h"

#include "platform/win/file_dialog_request.h"
#include "platform/win/wide.h"

namespace dovevar::win {

int WinUi::messageBox(std::u16string_view text, std::u16string_view title, BoxStyle style) {
  UINT flags = MB_OK;
  if (style == BoxStyle::kYesNo) flags = MB_YESNO;
  if (style == BoxStyle::kExclamation) flags = MB_OK | MB_ICONEXCLAMATION;
  // At exit the main window is gone; the box then stands on its own.
  HWND owner = IsWindow(owner_) ? owner_ : nullptr;
  return MessageBoxW(owner, toWide(text).c_str(), toWide(title).c_str(), flags);
}

bool WinUi::chooseFileToSave(const FileDialog& dialog, std::u16string& path) {
  return runFileDialog(dialog, true, path);
}

bool WinUi::chooseFileToOpen(const FileDialog& dialog, std::u16string& path) {
  return runFileDialog(dialog, false, path);
}

bool WinUi::runFileDialog(const FileDialog& dialog, bool save, std::u16string& path) {
  FileDialogRequest request(owner_, dialog.title, dialog.filters, dialog.filterIndex, dialog.initialPath, MAX_PATH,
                            OFN_HIDEREADONLY);
  if (!(save ? request.save() : request.open())) return false;
  path = fromWide(request.buffer().data());
  return true;
}

}  // namespace dovevar::win
