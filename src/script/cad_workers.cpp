#include "script/cad_workers.h"

#include <algorithm>

#include "store/ascii_case.h"
#include "store/text_ids.h"

namespace dovevar {

void CadWorkers::begin(int count, int timeLimitSeconds, int restMs, RunObserver* observer) {
  workers_.assign(static_cast<std::size_t>(std::clamp(count, 1, kMaxCadAtOnce)), Worker{});
  time_limit_seconds_ = timeLimitSeconds;
  rest_ms_ = restMs;
  observer_ = observer;
  stop_ = StopRequest::kNone;
}

int CadWorkers::idleWorker() const {
  const std::int64_t now = clock_.milliseconds();
  for (std::size_t i = 0; i < workers_.size(); ++i) {
    if (!workers_[i].running && workers_[i].restsUntil <= now) return static_cast<int>(i);
  }
  return -1;
}

int CadWorkers::runningCount() const {
  return static_cast<int>(std::count_if(workers_.begin(), workers_.end(), [](const Worker& w) { return w.running; }));
}

bool CadWorkers::runsDrawing(std::u16string_view drawing) const {
  return std::any_of(workers_.begin(), workers_.end(), [drawing](const Worker& w) {
    return w.running && equalIgnoringAsciiCase(w.drawing, drawing);
  });
}

bool CadWorkers::start(int worker, const std::u16string& application, const std::u16string& commandLine, int row,
                       int ordinal, std::u16string_view drawing, std::u16string_view fileName) {
  // Two CAD processes on one drawing would fight over it: the later start waits.
  while (runsDrawing(drawing) && stop_ != StopRequest::kNow) waitOnce(-1);
  if (observer_ != nullptr) observer_->rowBegins(row, ordinal, drawing, fileName);
  Worker& w = workers_[static_cast<std::size_t>(worker)];
  w.row = row;
  // Stopped while it waited for that drawing: it never starts.
  if (stop_ == StopRequest::kNow) {
    ProcessRun run;
    run.stopped = true;
    ended(w, run);
    return false;
  }
  const ProcessStart started = processes_.start(application, commandLine);
  if (!started.started) {
    messages_.showFailure(kMsgCadNotStarted, started.error);
    ProcessRun run;
    run.error = started.error;
    ended(w, run);
    return false;
  }
  w.running = true;
  w.id = started.id;
  w.drawing = drawing;
  w.deadline = time_limit_seconds_ > 0 ? clock_.milliseconds() + std::int64_t{time_limit_seconds_} * 1000 : -1;
  return true;
}

void CadWorkers::ended(Worker& worker, const ProcessRun& run) {
  worker.running = false;
  worker.restsUntil = run.started ? clock_.milliseconds() + rest_ms_ : 0;
  if (observer_ != nullptr) observer_->rowEnds(worker.row, run);
}

void CadWorkers::endEveryStart() {
  for (Worker& worker : workers_) {
    if (!worker.running) continue;
    processes_.endNow(worker.id);
    ProcessRun run;
    run.started = true;
    run.stopped = true;
    ended(worker, run);
  }
}

void CadWorkers::waitOnce(std::int64_t until) {
  if (stop_ == StopRequest::kNow) {
    endEveryStart();
    return;
  }
  const std::int64_t now = clock_.milliseconds();
  std::int64_t next = until;
  for (const Worker& worker : workers_) {
    if (worker.running && worker.deadline >= 0 && (next < 0 || worker.deadline < next)) next = worker.deadline;
  }
  const int milliseconds = next < 0 ? -1 : static_cast<int>(std::max<std::int64_t>(next - now, 0));
  const ProcessWait waited = processes_.waitForEnd(milliseconds);
  if (waited.outcome == ProcessWait::Outcome::kStopAsked && stop_ == StopRequest::kNone) {
    stop_ = StopRequest::kAfterCurrent;
  }
  for (Worker& worker : workers_) {
    if (!worker.running) continue;
    ProcessRun run;
    run.started = true;
    if (waited.outcome == ProcessWait::Outcome::kEnded && waited.id == worker.id) {
      run.exitCode = waited.exitCode;
      ended(worker, run);
    } else if (worker.deadline >= 0 && clock_.milliseconds() >= worker.deadline) {
      // A hung CAD process would hold the rest of the run: it is ended with all it started.
      processes_.endNow(worker.id);
      run.timedOut = true;
      ended(worker, run);
    }
  }
  if (stop_ == StopRequest::kNow) endEveryStart();
}

void CadWorkers::waitUntilOneIsReady() {
  while (idleWorker() < 0 && !stopAsked()) {
    std::int64_t until = -1;
    for (const Worker& worker : workers_) {
      if (!worker.running && (until < 0 || worker.restsUntil < until)) until = worker.restsUntil;
    }
    waitOnce(until);
  }
}

void CadWorkers::waitUntilAllHaveEnded() {
  while (runningCount() > 0) waitOnce(-1);
}

ProcessRun CadWorkers::runAlone(const std::u16string& application, const std::u16string& commandLine) {
  ProcessRun run;
  const ProcessStart started = processes_.start(application, commandLine);
  if (!started.started) {
    messages_.showFailure(kMsgCadNotStarted, started.error);
    run.error = started.error;
    return run;
  }
  run.started = true;
  for (;;) {
    if (stop_ == StopRequest::kNow) {
      processes_.endNow(started.id);
      run.stopped = true;
      return run;
    }
    const ProcessWait waited = processes_.waitForEnd(-1);
    if (waited.outcome == ProcessWait::Outcome::kEnded && waited.id == started.id) {
      run.exitCode = waited.exitCode;
      return run;
    }
  }
}

void CadWorkers::requestStop(StopRequest request) {
  if (request > stop_) stop_ = request;
}

}  // namespace dovevar
