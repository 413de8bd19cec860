// Other programs as the core sees them: the CAD application, started and waited for, and
// Notepad, started and left alone; and the pause between two runs. The Win32
// implementation is in platform/win/win_processes.*, the test double in
// tests/fakes/recording_processes.*.
#pragma once

#include <cstdint>
#include <string>

#include "platform/system_error.h"

namespace dovevar {

// How one start of a waited-for program went.
struct ProcessRun {
  bool started = false;
  bool timedOut = false;       // it passed its time limit and was ended
  std::uint32_t exitCode = 0;  // its own exit code, when it ended by itself
  SystemError error;           // why it did not start
};

class ProcessPort {
 public:
  virtual ~ProcessPort() = default;

  // Starts the program at `application` (a full path, used as given and never searched
  // for) with `commandLine` exactly as the new process receives it, then waits until the
  // process has ended: without time-out when `timeLimitSeconds` is 0, else for that long,
  // after which the process is ended. Not started when the program could not be started;
  // an empty application name never starts anything.
  virtual ProcessRun startAndWait(const std::u16string& application,
                                  const std::u16string& commandLine, int timeLimitSeconds) = 0;

  // Starts `program` with `arguments` and returns at once. A program named without a
  // folder is found the way the platform finds programs (its own folders, then the search
  // path). Not done when it could not be started.
  virtual PortResult startWithoutWait(const std::u16string& program, const std::u16string& arguments) = 0;

  // Blocks the calling thread for the given time.
  virtual void pause(int milliseconds) = 0;
};

}  // namespace dovevar
