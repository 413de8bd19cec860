#include "extras/run_recorder.h"

#include <algorithm>

#include "extras/run_progress.h"

namespace dovevar {
namespace {

RowOutcome outcomeOf(const ProcessRun& run) {
  if (run.stopped) return RowOutcome::kStopped;
  if (!run.started) return RowOutcome::kNotStarted;
  return run.timedOut ? RowOutcome::kTimedOut : RowOutcome::kStarted;
}

}  // namespace

std::string_view RunRecorder::kindWord() const {
  switch (kind_) {
    case RunKind::kWholeList:
      return unattended_ ? "command line" : "one run";
    case RunKind::kPerRowCommand:
      return "per row";
    case RunKind::kTimer:
      return unattended_ ? "command line per row" : "timer";
  }
  return "";
}

void RunRecorder::show(std::u16string_view text) {
  if (status_) status_(text);
}

void RunRecorder::runBegins(RunKind kind, int total, int atOnce) {
  // A timer run started again while it runs begins a run of its own.
  if (running_) runEnds(false);
  running_ = true;
  kind_ = kind;
  runStart_ = clock_.now();
  runStartMs_ = clock_.milliseconds();
  total_ = total;
  atOnce_ = atOnce;
  ended_ = 0;
  failed_ = 0;
  runningRows_.clear();
  if (kind == RunKind::kWholeList) show(wholeListLine(language_, total));
}

void RunRecorder::rowBegins(int row, int ordinal, std::u16string_view drawing, std::u16string_view fileName) {
  runningRows_.push_back({row, std::u16string(drawing), clock_.now(), clock_.milliseconds()});
  if (atOnce_ > 1) return showRowsAtOnce();
  const std::int64_t elapsed = runningRows_.back().startMs - runStartMs_;
  show(progressLine(language_, ordinal, total_, fileName, elapsed, remainingEstimate(elapsed, ended_, total_)));
}

void RunRecorder::showRowsAtOnce() {
  const int running = static_cast<int>(runningRows_.size());
  const std::int64_t elapsed = clock_.milliseconds() - runStartMs_;
  show(rowsAtOnceLine(language_, ended_, running, total_ - ended_ - running, elapsed,
                      remainingEstimate(elapsed, ended_, total_)));
}

void RunRecorder::record(int row, std::u16string_view drawing, RowOutcome outcome, const ProcessRun& run,
                         const LocalTime& start, std::int64_t startMs, std::u16string_view note) {
  ReportRow line;
  line.run = runStart_;
  line.kind = kindWord();
  line.row = row;
  line.drawing = drawing;
  line.start = start;
  line.end = clock_.now();
  line.milliseconds = clock_.milliseconds() - startMs;
  line.outcome = outcome;
  line.exitCode = run.exitCode;
  // A start that failed says what the system said.
  line.note = outcome == RowOutcome::kNotStarted && note.empty() ? run.error.reason : std::u16string(note);
  report_.add(line);
  ++ended_;
  ++rows_;
  if (isFailure(outcome, run.exitCode)) ++failed_;
  if (outcome != RowOutcome::kStarted) ++failedStarts_;
}

void RunRecorder::rowEnds(int row, const ProcessRun& run) {
  const auto found = std::find_if(runningRows_.begin(), runningRows_.end(),
                                  [row](const Running& running) { return running.row == row; });
  if (found == runningRows_.end()) return;
  const Running ended = *found;
  runningRows_.erase(found);
  record(ended.row, ended.drawing, outcomeOf(run), run, ended.start, ended.startMs);
  flush();
  if (atOnce_ > 1) showRowsAtOnce();
}

void RunRecorder::rowNotRun(int row, std::u16string_view drawing, bool runEnded, std::u16string_view reason) {
  record(row, drawing, runEnded ? RowOutcome::kSkipped : RowOutcome::kNotStarted, {}, clock_.now(),
         clock_.milliseconds(), reason);
}

void RunRecorder::wholeListRan(const std::vector<int>& rows, const std::vector<std::u16string>& drawings,
                               const ProcessRun& run) {
  for (std::size_t i = 0; i < rows.size() && i < drawings.size(); ++i) {
    record(rows[i], drawings[i], outcomeOf(run), run, runStart_, runStartMs_);
  }
}

void RunRecorder::runEnds(bool stopped) {
  if (!running_) return;
  running_ = false;
  flush();
  const int done = ended_ - failed_;
  show(stopped ? stoppedLine(language_, done, total_ - done) : summaryLine(language_, done, failed_));
}

void RunRecorder::log(std::u16string_view note) {
  ReportRow line;
  line.run = running_ ? runStart_ : clock_.now();
  line.kind = running_ ? kindWord() : (unattended_ ? "command line" : "");
  line.outcome = RowOutcome::kLog;
  line.note = note;
  report_.add(line);
}

bool RunRecorder::flush() {
  const PortResult written = report_.flush();
  if (!written) {
    writeFailed_ = true;
    writeError_ = written.error;
  }
  return written.done;
}

bool RunRecorder::takeWriteFailure() {
  const bool failed = writeFailed_;
  writeFailed_ = false;
  return failed;
}

}  // namespace dovevar
