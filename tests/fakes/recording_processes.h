// A process port for the unit tests: records every start and every pause in one log, in
// the order they happen, and fails the starts it is told to fail. A start "runs" by
// calling `whileRunning`, so a test can look at the Run script the program was started
// on, or change the world the way a user would between two runs.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/process_port.h"

namespace dovevar {

class RecordingProcesses : public ProcessPort {
 public:
  enum class Kind { kStartAndWait, kStartWithoutWait, kPause };
  struct Event {
    Kind kind;
    std::u16string application;  // the program of a start without wait
    std::u16string commandLine;  // the arguments of a start without wait
    int milliseconds = 0;        // a pause
    bool started = false;
    int timeLimitSeconds = 0;   // a start and wait
  };

  std::vector<Event> events;
  // Starts of these programs fail, as a missing executable does.
  std::set<std::u16string> missingPrograms;
  // The start with this number (0 = the first start of either kind) and every later one
  // fail; -1: none fails.
  int failFromStart = -1;
  // Called for each start that succeeds, before it "ends".
  std::function<void(const Event&)> whileRunning;
  // What the waited-for starts that succeed give back, by their number among the starts
  // (0 = the first); a start not named here ends with exit code 0.
  std::map<int, ProcessRun> outcomes;

  ProcessRun startAndWait(const std::u16string& application, const std::u16string& commandLine,
                          int timeLimitSeconds) override;
  PortResult startWithoutWait(const std::u16string& program, const std::u16string& arguments) override;
  // What the system says of a start that fails.
  static inline const SystemError kNotFound{2, u"The system cannot find the file specified."};
  void pause(int milliseconds) override;

  // The starts that succeeded, of the given kind.
  std::vector<Event> runs(Kind kind = Kind::kStartAndWait) const;
  // The log as short text, one entry per event: "run <command line>", "open <program>
  // <arguments>", "failed <command line>", "pause <ms>"; for comparing sequences.
  std::vector<std::u16string> log() const;

 private:
  bool start(Kind kind, const std::u16string& application, const std::u16string& commandLine);
  int starts_ = 0;
};

}  // namespace dovevar
