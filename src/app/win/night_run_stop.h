// "Dovevar.exe /stop": a night run waits on an event named after its settings folder,
// and a start with "/stop" in that folder sets it, so that the night run stops after the
// drawings it runs. Task Scheduler's "End" ends the process instead.
#pragma once

#include <windows.h>

#include <string>

namespace dovevar::win {

class NightRunStop {
 public:
  explicit NightRunStop(const std::u16string& folder);
  NightRunStop(const NightRunStop&) = delete;
  NightRunStop& operator=(const NightRunStop&) = delete;
  ~NightRunStop();

  // Null when the system could not make it: the night run then cannot be stopped so.
  HANDLE event() const { return event_; }

 private:
  HANDLE event_ = nullptr;
};

// True when a night run in the folder was told to stop; false when none runs there.
bool askNightRunToStop(const std::u16string& folder);

}  // namespace dovevar::win
