#include "app/win/one_window_per_folder.h"

#include "platform/win/wide.h"
#include "store/path_key.h"

namespace dovevar::win {
namespace {

constexpr wchar_t kWindowClass[] = L"DOVEVAR";
// The first start may still be reading its files when the second comes.
constexpr ULONGLONG kWaitForWindowMs = 5000;

struct Search {
  const wchar_t* mark;
  HWND found = nullptr;
};

BOOL CALLBACK findMarked(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  wchar_t className[16] = {};
  GetClassNameW(window, className, 16);
  if (wcscmp(className, kWindowClass) != 0 || GetPropW(window, search->mark) == nullptr) return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

OneWindowPerFolder::OneWindowPerFolder(const std::u16string& folder)
    : mark_(L"Dovevar.folder." + toWide(pathKey(folder))) {
  const std::wstring name = L"Local\\" + mark_;
  mutex_ = CreateMutexW(nullptr, FALSE, name.c_str());
  alreadyOpen_ = mutex_ != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
  if (alreadyOpen_) bringForward();
}

OneWindowPerFolder::~OneWindowPerFolder() {
  if (mutex_ != nullptr) CloseHandle(mutex_);
}

void OneWindowPerFolder::mark(HWND window) const { SetPropW(window, mark_.c_str(), window); }

void OneWindowPerFolder::unmark(HWND window) const { RemovePropW(window, mark_.c_str()); }

void OneWindowPerFolder::bringForward() const {
  const ULONGLONG start = GetTickCount64();
  Search search{mark_.c_str()};
  while (EnumWindows(findMarked, reinterpret_cast<LPARAM>(&search)), search.found == nullptr) {
    if (GetTickCount64() - start > kWaitForWindowMs) return;
    Sleep(50);
  }
  if (IsIconic(search.found)) ShowWindow(search.found, SW_RESTORE);
  SetForegroundWindow(search.found);
}

}  // namespace dovevar::win
