#include "platform/win/win_ui.h"

#include <commdlg.h>

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
  // The filter is pairs of zero-terminated texts, ended by one more zero.
  std::wstring filter;
  for (const auto& [name, pattern] : dialog.filters) {
    filter += toWide(name) + L'\0' + toWide(pattern) + L'\0';
  }
  filter += L'\0';
  const std::wstring title = toWide(dialog.title);
  wchar_t file[MAX_PATH] = {};
  toWide(dialog.initialPath).copy(file, MAX_PATH - 1);

  OPENFILENAMEW request = {};
  request.lStructSize = sizeof(request);
  request.hwndOwner = IsWindow(owner_) ? owner_ : nullptr;
  request.lpstrFilter = filter.c_str();
  request.nFilterIndex = static_cast<DWORD>(dialog.filterIndex);
  request.lpstrFile = file;
  request.nMaxFile = MAX_PATH;
  request.lpstrTitle = title.c_str();
  request.Flags = OFN_HIDEREADONLY;
  const BOOL chosen = save ? GetSaveFileNameW(&request) : GetOpenFileNameW(&request);
  if (!chosen) return false;
  path = fromWide(file);
  return true;
}

}  // namespace dovevar::win
