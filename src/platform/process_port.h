// Other programs as the core sees them: the CAD application, started and waited for, and
// Notepad, started and left alone; and the pause between two runs. The Win32
// implementation is in platform/win/win_processes.*, the test double in
// tests/fakes/recording_processes.*.
#pragma once

#include <string>

namespace dovevar {

class ProcessPort {
 public:
  virtual ~ProcessPort() = default;

  // Starts the program at `application` (a full path, used as given and never searched
  // for) with `commandLine` exactly as the new process receives it, then waits until the
  // process has ended, without time-out. False when the program could not be started; an
  // empty application name never starts anything.
  virtual bool startAndWait(const std::u16string& application,
                            const std::u16string& commandLine) = 0;

  // Starts `program` with `arguments` and returns at once. A program named without a
  // folder is found the way the platform finds programs (its own folders, then the search
  // path). False when it could not be started.
  virtual bool startWithoutWait(const std::u16string& program, const std::u16string& arguments) = 0;

  // Blocks the calling thread for the given time.
  virtual void pause(int milliseconds) = 0;
};

}  // namespace dovevar
