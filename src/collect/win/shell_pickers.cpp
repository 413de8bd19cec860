#include "collect/win/shell_pickers.h"

#include <shlobj.h>

#include <vector>

#include "platform/win/file_dialog_request.h"
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

CollectionDialogs::PickResult pickDrawingFiles(HWND owner, const DrawingPicker& picker, std::u16string& result,
                                               std::size_t& firstNameOffset) {
  FileDialogRequest request(owner, picker.title, picker.filters, 1, picker.initialText,
                            DrawingPicker::kBufferCapacity, OFN_EXPLORER | OFN_ALLOWMULTISELECT);
  if (!request.open()) {
    // A cancel leaves no error; a selection too long for the buffer, or any other
    // failure of the dialog, is said, not taken for a cancel.
    return CommDlgExtendedError() == 0 ? CollectionDialogs::PickResult::kCancelled
                                       : CollectionDialogs::PickResult::kNotTaken;
  }

  // The buffer ends at its first empty text.
  const std::vector<wchar_t>& buffer = request.buffer();
  std::size_t end = 0;
  while (end + 1 < buffer.size() && !(buffer[end] == L'\0' && buffer[end + 1] == L'\0')) ++end;
  result.assign(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(end + 2));
  firstNameOffset = request.firstNameOffset();
  return CollectionDialogs::PickResult::kPicked;
}

}  // namespace dovevar::win
