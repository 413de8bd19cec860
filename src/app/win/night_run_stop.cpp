#include "app/win/night_run_stop.h"

#include "platform/win/wide.h"
#include "store/path_key.h"

namespace dovevar::win {
namespace {

std::wstring eventName(const std::u16string& folder) { return L"Local\\Dovevar.stop." + toWide(pathKey(folder)); }

}  // namespace

// Set once, the event wakes one wait and is reset by it.
NightRunStop::NightRunStop(const std::u16string& folder)
    : event_(CreateEventW(nullptr, FALSE, FALSE, eventName(folder).c_str())) {}

NightRunStop::~NightRunStop() {
  if (event_ != nullptr) CloseHandle(event_);
}

bool askNightRunToStop(const std::u16string& folder) {
  const HANDLE event = OpenEventW(EVENT_MODIFY_STATE, FALSE, eventName(folder).c_str());
  if (event == nullptr) return false;
  const bool told = SetEvent(event) != FALSE;
  CloseHandle(event);
  return told;
}

}  // namespace dovevar::win
