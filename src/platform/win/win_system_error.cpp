#include "platform/win/win_system_error.h"

#include <string>

#include "platform/win/wide.h"

namespace dovevar::win {

SystemError systemError(DWORD code) {
  wchar_t* text = nullptr;
  const DWORD length =
      FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, code, 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
  std::wstring reason = length > 0 && text != nullptr ? std::wstring(text, length) : std::wstring();
  if (text != nullptr) LocalFree(text);
  while (!reason.empty() && (reason.back() == L'\r' || reason.back() == L'\n' || reason.back() == L' ')) {
    reason.pop_back();
  }
  if (reason.empty()) reason = L"error " + std::to_wstring(code);
  return {static_cast<std::uint32_t>(code), fromWide(reason)};
}

}  // namespace dovevar::win
