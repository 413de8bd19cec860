// Other programs as the core sees them: the CAD application, started and watched until it
// ends (several at once, each with all it starts), and Notepad, started and left alone.
// A wait attends to whatever else the caller serves meanwhile: the window's messages, or
// a request from outside to stop. The Win32 implementation is in
// platform/win/win_processes.*, the test double in tests/fakes/recording_processes.*.
#pragma once

#include <cstdint>
#include <string>

#include "platform/system_error.h"

namespace dovevar {

// How one start of a watched program went.
struct ProcessRun {
  bool started = false;
  bool timedOut = false;       // it passed its time limit and was ended
  std::uint32_t exitCode = 0;  // its own exit code, when it ended by itself
  SystemError error;           // why it did not start
  bool stopped = false;        // the user stopped the run and it was ended
};

// A started program, named by the port until it has ended.
using ProcessId = int;

struct ProcessStart {
  bool started = false;
  ProcessId id = -1;
  SystemError error;  // why it did not start
};

struct ProcessWait {
  enum class Outcome {
    kEnded,      // `id` ended by itself with `exitCode`
    kWoken,      // the time passed, or something else was attended to
    kStopAsked,  // a stop was asked from outside the program
  };
  Outcome outcome = Outcome::kWoken;
  ProcessId id = -1;
  std::uint32_t exitCode = 0;
};

class ProcessPort {
 public:
  virtual ~ProcessPort() = default;

  // Starts the program at `application` (a full path, used as given and never searched
  // for) with `commandLine` exactly as the new process receives it, and watches it. An
  // empty application name never starts anything.
  virtual ProcessStart start(const std::u16string& application, const std::u16string& commandLine) = 0;

  // Waits until one of the watched programs has ended, or for at most `milliseconds`
  // (none: -1); may come back earlier, woken. A program is given once, then forgotten.
  virtual ProcessWait waitForEnd(int milliseconds) = 0;

  // Ends a watched program with every process it started, and forgets it.
  virtual void endNow(ProcessId id) = 0;

  // Starts `program` with `arguments` and returns at once. A program named without a
  // folder is found the way the platform finds programs (its own folders, then the search
  // path). Not done when it could not be started.
  virtual PortResult startWithoutWait(const std::u16string& program, const std::u16string& arguments) = 0;
};

}  // namespace dovevar
