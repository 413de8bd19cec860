// The CAD processes of one run: up to a set number at once, each started on a Run script
// of its own and watched until it ends, passes its time limit or is stopped. A wait
// records every start that ends meanwhile, so that the report has each row's own end,
// and attends to what the process port serves besides (the window's messages). With one
// worker a run starts, waits and pauses exactly as it did before there were several.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "platform/process_port.h"
#include "script/run_observer.h"
#include "store/messages.h"

namespace dovevar {

inline constexpr int kMaxCadAtOnce = 8;

// What a running run is asked to do by the user (or, for a night run, by "/stop").
enum class StopRequest { kNone, kAfterCurrent, kNow };

class CadWorkers {
 public:
  CadWorkers(ProcessPort& processes, Clock& clock, Messages& messages)
      : processes_(processes), clock_(clock), messages_(messages) {}

  // A run begins with `count` workers (1 to 8), each start with the time limit, each
  // worker resting `restMs` after its start has ended before it takes the next; the
  // observer, when there is one, is told every start and end.
  void begin(int count, int timeLimitSeconds, int restMs, RunObserver* observer);
  int count() const { return static_cast<int>(workers_.size()); }
  // A worker with nothing running that has rested; -1 when there is none.
  int idleWorker() const;
  int runningCount() const;

  // Starts the CAD application on `row` on the idle `worker`, after any other worker that
  // has the same drawing open has ended. Message 6 when it cannot start; false then.
  bool start(int worker, const std::u16string& application, const std::u16string& commandLine, int row,
             int ordinal, std::u16string_view drawing, std::u16string_view fileName);
  // Waits until a worker is idle and has rested (with one worker: until its start has
  // ended, and the rest after it), or a stop is asked.
  void waitUntilOneIsReady();
  void waitUntilAllHaveEnded();

  // One start for the whole list, waited for without a time limit and told to nobody; a
  // stop now ends it.
  ProcessRun runAlone(const std::u16string& application, const std::u16string& commandLine);

  void requestStop(StopRequest request);
  StopRequest stopRequest() const { return stop_; }
  bool stopAsked() const { return stop_ != StopRequest::kNone; }

 private:
  struct Worker {
    bool running = false;
    ProcessId id = -1;
    int row = -1;
    std::u16string drawing;
    std::int64_t deadline = -1;  // -1: no time limit
    std::int64_t restsUntil = 0;
  };

  bool runsDrawing(std::u16string_view drawing) const;
  // One wait of the port, until `until` at the latest (-1: no end); records what ended,
  // ends what passed its time limit and, on a stop now, everything.
  void waitOnce(std::int64_t until);
  void ended(Worker& worker, const ProcessRun& run);
  void endEveryStart();

  ProcessPort& processes_;
  Clock& clock_;
  Messages& messages_;
  RunObserver* observer_ = nullptr;
  std::vector<Worker> workers_;
  int time_limit_seconds_ = 0;
  int rest_ms_ = 0;
  StopRequest stop_ = StopRequest::kNone;
};

}  // namespace dovevar
