// A clock for the unit tests that moves only when told: each reading of the milliseconds
// adds `step`, and the wall clock follows the milliseconds from 2026-12-09 22:00:00.
#pragma once

#include "platform/clock.h"

namespace dovevar {

class FakeClock : public Clock {
 public:
  std::int64_t now_ms = 0;
  std::int64_t step = 0;

  LocalTime now() override {
    const std::int64_t seconds = now_ms / 1000;
    return {2026, 12, 9, 22 + static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60),
            static_cast<int>(seconds % 60)};
  }
  std::int64_t milliseconds() override {
    const std::int64_t reading = now_ms;
    now_ms += step;
    return reading;
  }
};

}  // namespace dovevar
