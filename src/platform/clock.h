// The time as the run report needs it: the wall clock in local time for its columns, and
// a steady count of milliseconds for durations, which a change of the wall clock during
// a night run does not disturb. The Win32 implementation is platform/win/win_clock.h.
#pragma once

#include <cstdint>

#include "platform/file_system.h"

namespace dovevar {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalTime now() = 0;
  virtual std::int64_t milliseconds() = 0;
};

}  // namespace dovevar
