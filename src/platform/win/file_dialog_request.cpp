#include "platform/win/file_dialog_request.h"

#include <algorithm>

#include "platform/win/wide.h"

namespace dovevar::win {

FileDialogRequest::FileDialogRequest(HWND owner, std::u16string_view title, const FileFilters& filters,
                                     int filterIndex, std::u16string_view initialText, std::size_t capacity,
                                     DWORD flags)
    : title_(toWide(title)), buffer_(capacity, L'\0') {
  // The filter is pairs of zero-terminated texts, ended by one more zero.
  for (const auto& [name, pattern] : filters) filter_ += toWide(name) + L'\0' + toWide(pattern) + L'\0';
  filter_ += L'\0';
  const std::wstring initial = toWide(initialText);
  initial.copy(buffer_.data(), std::min(initial.size(), buffer_.size() - 1));

  dialog_.lStructSize = sizeof(dialog_);
  dialog_.hwndOwner = IsWindow(owner) ? owner : nullptr;
  dialog_.lpstrFilter = filter_.c_str();
  dialog_.nFilterIndex = static_cast<DWORD>(filterIndex);
  dialog_.lpstrFile = buffer_.data();
  dialog_.nMaxFile = static_cast<DWORD>(buffer_.size());
  dialog_.lpstrTitle = title_.c_str();
  // A file dialog must not move the current directory, which other paths rely on.
  dialog_.Flags = flags | OFN_NOCHANGEDIR;
}

}  // namespace dovevar::win
