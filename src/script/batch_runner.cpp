#include "script/batch_runner.h"

#include <algorithm>
#include <string>
#include <vector>

#include "store/settings_text.h"
#include "store/text_ids.h"

namespace dovevar {
namespace {

std::u16string_view fileNameOfRow(const ScriptSet& set, const DrawingList& list, int row) {
  const int item = fileNameItem(set);
  if (item < 0) return {};
  return list.cell(row, columnOfItem(set, item), kRunScriptPathCellCapacity);
}

}  // namespace

std::u16string cadCommandLine(std::u16string_view scriptPath) {
  std::u16string line = u" /b \"";
  line.append(scriptPath);
  line += u'"';
  return line;
}

bool fitsCadCommandLine(std::u16string_view scriptPath) {
  return scriptPath.size() <= kMaxRunScriptPathLength;
}

std::u16string progressText(int ordinal, int total, std::u16string_view fileName) {
  std::u16string text = decimalText(ordinal) + u"/" + decimalText(total) + u" ";
  text.append(fileName);
  return text;
}

bool BatchRunner::commandLineFits() {
  if (fitsCadCommandLine(settings_.temp_file)) return true;
  messages_.show(kMsgRunScriptPathTooLong);
  return false;
}

ProcessRun BatchRunner::runCadApplication(int timeLimitSeconds) {
  if (!commandLineFits()) return {};
  const ProcessRun run =
      processes_.startAndWait(settings_.autocad_file, cadCommandLine(settings_.temp_file), timeLimitSeconds);
  if (!run.started) messages_.showFailure(kMsgCadNotStarted, run.error);
  return run;
}

bool BatchRunner::runRow(const ScriptSet& set, const DrawingList& list, int row, int ordinal) {
  if (observer_ != nullptr) {
    observer_->rowBegins(row, ordinal, drawingPathOfRow(set, list, row), fileNameOfRow(set, list, row));
  }
  const ProcessRun run = runCadApplication(time_limit_seconds_);
  if (observer_ != nullptr) observer_->rowEnds(run);
  return run.started;
}

void BatchRunner::rowNotRun(const ScriptSet& set, const DrawingList& list, int row, bool runEnded,
                            std::u16string_view reason) {
  if (observer_ != nullptr && row >= 0 && row < list.rowCount()) {
    observer_->rowNotRun(row, drawingPathOfRow(set, list, row), runEnded, reason);
  }
}

// A run that ended early leaves the rest of its rows: the ones still selected below, or
// every row below.
void BatchRunner::skipRowsAfter(const ScriptSet& set, const DrawingList& list, int row, bool selectedMode,
                                int count) {
  for (int next = selectedMode ? list.nextSelectedRow(row) : row + 1; next >= 0 && next < count;
       next = selectedMode ? list.nextSelectedRow(next) : next + 1) {
    rowNotRun(set, list, next, true);
  }
}

void BatchRunner::runEnds() {
  if (observer_ != nullptr) observer_->runEnds();
}

bool BatchRunner::runWholeList(const ScriptSet& set, DrawingList& list, RowChoice choice) {
  // Checked before the script is written, so that no selection is used up for nothing;
  // an empty list is told first, by the writer.
  if (list.rowCount() > 0 && !commandLineFits()) return false;
  const std::vector<int> rows = rowsOfRun(list, choice);
  if (rows.empty() || observer_ == nullptr) {
    // Nothing to tell: the writer refuses an empty list or an empty selection itself.
    return writeWholeListScript(files_, messages_, set, list, choice, settings_.temp_file,
                                settings_.end_file_dwg) == ScriptOutcome::kWritten &&
           runCadApplication().started;
  }
  std::vector<std::u16string> drawings;
  for (const int row : rows) drawings.push_back(drawingPathOfRow(set, list, row));
  observer_->runBegins(RunKind::kWholeList, static_cast<int>(rows.size()));
  ProcessRun run;
  if (writeWholeListScript(files_, messages_, set, list, choice, settings_.temp_file,
                           settings_.end_file_dwg) == ScriptOutcome::kWritten) {
    run = runCadApplication();
  }
  observer_->wholeListRan(rows, drawings, run);
  observer_->runEnds();
  return run.started;
}

void BatchRunner::runPerRowByCommand(const ScriptSet& set, DrawingList& list) {
  const int count = list.rowCount();
  if (count == 0) {
    messages_.show(kMsgListIsEmpty);
    return;
  }
  if (!commandLineFits()) return;
  const bool selectedMode = list.nextSelectedRow(-1) >= 0;
  const int total = selectedMode ? list.selectedCount() : count;
  if (observer_ != nullptr) observer_->runBegins(RunKind::kPerRowCommand, total);
  for (int taken = 0;; ++taken) {
    const int row = selectedMode ? list.nextSelectedRow(-1) : taken;
    if (selectedMode ? row < 0 : row >= count) break;
    SystemError writeError;
    if (writePerRowScript(files_, messages_, set, list, row, selectedMode, settings_.temp_file,
                          settings_.end_file_dwg, &writeError) != ScriptOutcome::kWritten) {
      rowNotRun(set, list, row, false, writeError.reason);
      skipRowsAfter(set, list, row, selectedMode, count);
      break;
    }
    if (!runRow(set, list, row, taken + 1)) {
      skipRowsAfter(set, list, row, selectedMode, count);
      break;
    }
    processes_.pause(kPauseBetweenRowsMs);
  }
  runEnds();
}

void BatchRunner::startTimerRun(const DrawingList& list) {
  timer_running_ = true;
  timer_row_ = 0;
  timer_row_count_ = list.rowCount();
  timer_selected_mode_ = list.nextSelectedRow(-1) >= 0;
  timer_selection_used_up_ = false;
  if (observer_ != nullptr) observer_->runBegins(RunKind::kTimer, timer_row_count_);
}

StepResult BatchRunner::perRowStep(const ScriptSet& set, DrawingList& list) {
  const int row = timer_row_;
  if (list.rowCount() == 0) {
    messages_.show(kMsgListIsEmpty);
    return StepResult::kListEmpty;
  }
  const int firstSelected = list.nextSelectedRow(-1);
  if (firstSelected >= 0 && firstSelected != row) return StepResult::kSkipped;
  // A run of the selected rows that has run the last of them leaves the rows below alone.
  if (firstSelected < 0 && timer_selection_used_up_) return StepResult::kSkipped;
  // A row deleted since the run started has no drawing to run.
  if (row >= list.rowCount()) return StepResult::kSkipped;
  if (!commandLineFits()) return StepResult::kStopped;
  SystemError writeError;
  const ScriptOutcome outcome =
      writePerRowScript(files_, messages_, set, list, row, firstSelected == row,
                        settings_.temp_file, settings_.end_file_dwg, &writeError);
  if (outcome == ScriptOutcome::kWritten && timer_selected_mode_ && firstSelected == row &&
      list.nextSelectedRow(-1) < 0) {
    timer_selection_used_up_ = true;
  }
  if (outcome != ScriptOutcome::kWritten) rowNotRun(set, list, row, false, writeError.reason);
  switch (outcome) {
    case ScriptOutcome::kWritten:
      return StepResult::kRunNow;
    case ScriptOutcome::kNoPathItems:
      return StepResult::kStopped;
    default:
      return StepResult::kSkipped;  // this row's file or line: the next row may do
  }
}

bool BatchRunner::timerTick(const ScriptSet& set, DrawingList& list) {
  if (!timer_running_) return false;
  const int row = timer_row_;
  bool goOn = false;
  switch (perRowStep(set, list)) {
    case StepResult::kRunNow:
      goOn = runRow(set, list, row, row + 1);
      break;
    case StepResult::kSkipped:
      goOn = true;
      break;
    case StepResult::kListEmpty:
    case StepResult::kStopped:
      break;
  }
  ++timer_row_;
  if (goOn && timer_row_ < timer_row_count_) return true;
  if (!goOn) timerRunEndsEarly(set, list, row);
  endTimerRun();
  return false;
}

void BatchRunner::timerRunEndsEarly(const ScriptSet& set, const DrawingList& list, int row) {
  const int end = std::min(timer_row_count_, list.rowCount());
  for (int next = row + 1; next < end; ++next) {
    if (!timer_selected_mode_ || list.isSelected(next)) rowNotRun(set, list, next, true);
  }
}

void BatchRunner::endTimerRun() {
  timer_running_ = false;
  runEnds();
}

bool BatchRunner::showExecutedScript() {
  std::u16string arguments = u"\"";
  arguments += settings_.temp_file;
  arguments += u'"';
  const PortResult started = processes_.startWithoutWait(std::u16string(kScriptViewer), arguments);
  if (started) return true;
  messages_.showFailure(kMsgScriptViewerNotStarted, started.error);
  return false;
}

}  // namespace dovevar
