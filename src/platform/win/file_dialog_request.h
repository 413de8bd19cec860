// The common open and save dialogs as both of the program's pickers ask for them: the
// filter pairs as one text of zero-ended parts, the title, and a buffer for what the
// user picks that starts with the initial text.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace dovevar::win {

using FileFilters = std::vector<std::pair<std::u16string, std::u16string>>;

class FileDialogRequest {
 public:
  // `capacity` code units for the picked names, the terminating zeros counted; the
  // initial text is cut to fit.
  FileDialogRequest(HWND owner, std::u16string_view title, const FileFilters& filters, int filterIndex,
                    std::u16string_view initialText, std::size_t capacity, DWORD flags);
  FileDialogRequest(const FileDialogRequest&) = delete;
  FileDialogRequest& operator=(const FileDialogRequest&) = delete;

  // Shows the dialog; false when the user cancelled or the dialog failed.
  bool open() { return GetOpenFileNameW(&dialog_) != FALSE; }
  bool save() { return GetSaveFileNameW(&dialog_) != FALSE; }

  const std::vector<wchar_t>& buffer() const { return buffer_; }
  std::size_t firstNameOffset() const { return dialog_.nFileOffset; }

 private:
  std::wstring filter_;
  std::wstring title_;
  std::vector<wchar_t> buffer_;
  OPENFILENAMEW dialog_ = {};
};

}  // namespace dovevar::win
