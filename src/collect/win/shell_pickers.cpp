#include "collect/win/shell_pickers.h"

#include <commdlg.h>
#include <shlobj.h>

#include <algorithm>
#include <vector>

#include "platform/win/wide.h"
#include "platform/win/window_guard.h"

namespace dovevar::win {
namespace {

// Selects the starting folder once the browser is ready for it.
int CALLBACK preselect(HWND browser, UINT message, LPARAM, LPARAM folder) {
  return guarded<int>(0, [&] {
    if (message == BFFM_INITIALIZED && folder != 0) SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, folder);
    return 0;
  });
}

// The browser is a shell window and wants the thread's apartment for as long as it is open.
class ComApartment {
 public:
  ComApartment() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComApartment() {
    if (initialised_) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool initialised_;
};

}  // namespace

bool browseForFolder(HWND owner, std::u16string_view title, std::u16string_view preselected,
                     std::u16string& folder) {
  ComApartment apartment;
  const std::wstring wideTitle = toWide(title);
  const std::wstring start = toWide(preselected);
  wchar_t displayName[MAX_PATH] = {};
  BROWSEINFOW info = {};
  info.hwndOwner = owner;
  info.pszDisplayName = displayName;
  info.lpszTitle = wideTitle.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  info.lpfn = preselect;
  info.lParam = start.empty() ? 0 : reinterpret_cast<LPARAM>(start.c_str());
  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&info);
  if (chosen == nullptr) return false;
  wchar_t path[MAX_PATH] = {};
  const bool named = SHGetPathFromIDListW(chosen, path) != FALSE;
  CoTaskMemFree(chosen);
  if (!named) return false;
  folder = fromWide(path);
  return true;
}

bool pickDrawingFiles(HWND owner, const DrawingPicker& picker, std::u16string& result,
                      std::size_t& firstNameOffset) {
  std::vector<wchar_t> buffer(DrawingPicker::kBufferCapacity, L'\0');
  const std::wstring initial = toWide(picker.initialText);
  initial.copy(buffer.data(), std::min(initial.size(), buffer.size() - 1));
  std::wstring filter;
  for (const auto& [name, pattern] : picker.filters) {
    filter += toWide(name);
    filter += L'\0';
    filter += toWide(pattern);
    filter += L'\0';
  }
  filter += L'\0';
  const std::wstring title = toWide(picker.title);

  OPENFILENAMEW dialog = {};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = buffer.data();
  dialog.nMaxFile = static_cast<DWORD>(buffer.size());
  dialog.lpstrTitle = title.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_ALLOWMULTISELECT;
  if (!GetOpenFileNameW(&dialog)) return false;

  // The buffer ends at its first empty text.
  std::size_t end = 0;
  while (end + 1 < buffer.size() && !(buffer[end] == L'\0' && buffer[end + 1] == L'\0')) ++end;
  result.assign(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(end + 2));
  firstNameOffset = dialog.nFileOffset;
  return true;
}

}  // namespace dovevar::win
