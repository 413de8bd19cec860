// The time as the run report needs it: the wall clock in local time for its columns, and
// a steady count of milliseconds for durations, which a change of the wall clock during
// a night run does not disturb. The Win32 implementation is platform/win/win_clock.h.
#pragma once

#include <cstdint>

namespace dovevar {

struct WallTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual WallTime now() = 0;
  virtual std::int64_t milliseconds() = 0;
};

}  // namespace dovevar
