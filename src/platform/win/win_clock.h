// The clock over kernel32: GetLocalTime and GetTickCount64.
#pragma once

#include <windows.h>

#include "platform/clock.h"

namespace dovevar::win {

class WinClock : public Clock {
 public:
  LocalTime now() override {
    SYSTEMTIME local = {};
    GetLocalTime(&local);
    return {local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond};
  }
  std::int64_t milliseconds() override { return static_cast<std::int64_t>(GetTickCount64()); }
};

}  // namespace dovevar::win
