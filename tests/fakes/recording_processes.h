// A process port for the unit tests: records every start, every end it is told to make
// and every wait with nothing running (a pause) in one log, in the order they happen, and
// fails the starts it is told to fail. Time is a fake clock that a wait moves on: a start
// ends after the milliseconds it is given (at once unless told), or never when it hangs.
// `whileRunning` is called at each start, so a test can look at the Run script the program
// was started on, or change the world the way a user would between two runs.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "fakes/fake_clock.h"
#include "platform/process_port.h"

namespace dovevar {

class RecordingProcesses : public ProcessPort {
 public:
  enum class Kind { kStart, kStartWithoutWait, kPause, kEndNow };
  struct Event {
    Kind kind;
    std::u16string application;  // the program of a start without wait
    std::u16string commandLine;  // the arguments of a start without wait
    int milliseconds = 0;        // a pause
    bool started = false;
  };
  // How a start that succeeds goes.
  struct Behaviour {
    std::int64_t milliseconds = 0;
    std::uint32_t exitCode = 0;
    bool hangs = false;  // it never ends by itself
  };

  std::vector<Event> events;
  // Starts of these programs fail, as a missing executable does.
  std::set<std::u16string> missingPrograms;
  // The start with this number (0 = the first start of either kind) and every later one
  // fail; -1: none fails.
  int failFromStart = -1;
  std::function<void(const Event&)> whileRunning;
  // By their number among the starts (0 = the first); a start not named here takes
  // `defaultMilliseconds` and ends with exit code 0.
  std::map<int, Behaviour> behaviours;
  std::int64_t defaultMilliseconds = 0;
  // Called at each wait; true answers it as a stop asked from outside.
  std::function<bool()> duringWait;
  // The clock the waits move on: the fake's own unless a test gives its own.
  FakeClock* clock = &ownClock_;

  ProcessStart start(const std::u16string& application, const std::u16string& commandLine) override;
  ProcessWait waitForEnd(int milliseconds) override;
  void endNow(ProcessId id) override;
  PortResult startWithoutWait(const std::u16string& program, const std::u16string& arguments) override;
  // What the system says of a start that fails.
  static inline const SystemError kNotFound{2, u"The system cannot find the file specified."};

  // The starts that succeeded, of the given kind.
  std::vector<Event> runs(Kind kind = Kind::kStart) const;
  // The most starts that ran at once.
  int mostAtOnce() const { return mostAtOnce_; }
  // The log as short text, one entry per event: "run <command line>", "open <program>
  // <arguments>", "failed <command line>", "pause <ms>", "end <command line>"; for
  // comparing sequences.
  std::vector<std::u16string> log() const;

 private:
  struct Running {
    ProcessId id;
    std::u16string commandLine;
    std::int64_t endsAt;  // -1: never
    std::uint32_t exitCode;
  };
  bool record(Kind kind, const std::u16string& application, const std::u16string& commandLine);

  FakeClock ownClock_;
  std::vector<Running> running_;
  int starts_ = 0;
  int mostAtOnce_ = 0;
};

}  // namespace dovevar
