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

std::u16string BatchRunner::scriptPath(int worker) const {
  if (cad_at_once_ <= 1) return settings_.temp_file;
  return taggedFilePath(settings_.temp_file, decimalText(worker + 1));
}

std::u16string BatchRunner::endDrawing(int worker) const {
  if (cad_at_once_ <= 1 || settings_.end_file_dwg.empty()) return settings_.end_file_dwg;
  const std::u16string& script = settings_.temp_file;
  const std::u16string& end = settings_.end_file_dwg;
  const std::size_t scriptSlash = script.rfind(u'\\');
  const std::size_t endSlash = end.rfind(u'\\');
  const std::u16string folder = scriptSlash == std::u16string::npos ? u"" : script.substr(0, scriptSlash + 1);
  const std::u16string name = endSlash == std::u16string::npos ? end : end.substr(endSlash + 1);
  return folder + taggedFilePath(name, decimalText(worker + 1));
}

// Checked for the longest of the workers' scripts, the one of the last worker.
bool BatchRunner::commandLineFits() {
  if (fitsCadCommandLine(scriptPath(std::max(cad_at_once_, 1) - 1))) return true;
  messages_.show(kMsgRunScriptPathTooLong);
  return false;
}

// Every CAD process closes its drawing by opening the end drawing; several must not open
// one file, so each gets a copy of its own. A missing end drawing is opened by none.
bool BatchRunner::beginWorkers(int count, int restMs) {
  workers_.begin(count, time_limit_seconds_, restMs, observer_);
  if (count <= 1 || settings_.end_file_dwg.empty() || !files_.exists(settings_.end_file_dwg)) return true;
  std::string bytes;
  const FileSystem::ReadOutcome read = files_.readFile(settings_.end_file_dwg, false, bytes);
  SystemError error = read.error;
  for (int worker = 0; worker < count && read == FileSystem::ReadResult::kRead; ++worker) {
    const PortResult copied = files_.replaceFile(endDrawing(worker), bytes);
    if (!copied) {
      error = copied.error;
      break;
    }
    if (worker == count - 1) return true;
  }
  messages_.showFailure(kMsgRunScriptNotCreated, error);
  return false;
}

bool BatchRunner::runRow(const ScriptSet& set, const DrawingList& list, int row, int ordinal, int worker) {
  return workers_.start(worker, settings_.autocad_file, cadCommandLine(scriptPath(worker)), row, ordinal,
                        drawingPathOfRow(set, list, row), fileNameOfRow(set, list, row));
}

void BatchRunner::rowNotRun(const ScriptSet& set, const DrawingList& list, int row, bool runEnded,
                            std::u16string_view reason) {
  if (observer_ != nullptr && row >= 0 && row < list.rowCount()) {
    observer_->rowNotRun(row, drawingPathOfRow(set, list, row), runEnded, reason);
  }
}

void BatchRunner::runEnds() {
  if (observer_ != nullptr) observer_->runEnds(workers_.stopAsked());
}

bool BatchRunner::runWholeList(const ScriptSet& set, DrawingList& list, RowChoice choice) {
  // Checked before the script is written, so that no selection is used up for nothing;
  // an empty list is told first, by the writer.
  if (list.rowCount() > 0 && !fitsCadCommandLine(settings_.temp_file)) {
    messages_.show(kMsgRunScriptPathTooLong);
    return false;
  }
  const std::vector<int> rows = rowsOfRun(list, choice);
  std::vector<std::u16string> drawings;
  for (const int row : rows) drawings.push_back(drawingPathOfRow(set, list, row));
  // Nothing to tell of no rows: the writer refuses an empty list or selection itself.
  const bool told = !rows.empty() && observer_ != nullptr;
  if (told) observer_->runBegins(RunKind::kWholeList, static_cast<int>(rows.size()), 1);
  running_ = true;
  kind_ = RunKind::kWholeList;
  ProcessRun run;
  if (writeWholeListScript(files_, messages_, set, list, choice, settings_.temp_file,
                           settings_.end_file_dwg) == ScriptOutcome::kWritten) {
    workers_.begin(1, 0, 0, nullptr);
    run = workers_.runAlone(settings_.autocad_file, cadCommandLine(settings_.temp_file));
  }
  running_ = false;
  if (told) {
    observer_->wholeListRan(rows, drawings, run);
    observer_->runEnds(workers_.stopAsked());
  }
  return run.started;
}

void BatchRunner::runPerRowByCommand(const ScriptSet& set, DrawingList& list) {
  const int count = list.rowCount();
  if (count == 0) {
    messages_.show(kMsgListIsEmpty);
    return;
  }
  if (!commandLineFits() || !beginWorkers(cad_at_once_, kPauseBetweenRowsMs)) return;
  // The rows are taken when the run starts: the selection the user changes meanwhile
  // changes nothing of it. Each selected row is deselected once its script is written.
  const bool selectedMode = list.nextSelectedRow(-1) >= 0;
  const std::vector<int> rows = rowsOfRun(list, RowChoice::kSelectedOrAll);
  const int total = static_cast<int>(rows.size());
  if (observer_ != nullptr) observer_->runBegins(RunKind::kPerRowCommand, total, workers_.count());
  running_ = true;
  kind_ = RunKind::kPerRowCommand;
  int taken = 0;
  for (; taken < total && !workers_.stopAsked(); ++taken) {
    const int row = rows[static_cast<std::size_t>(taken)];
    const int worker = workers_.idleWorker();
    SystemError writeError;
    if (writePerRowScript(files_, messages_, set, list, row, selectedMode, scriptPath(worker), endDrawing(worker),
                          &writeError) != ScriptOutcome::kWritten) {
      rowNotRun(set, list, row, false, writeError.reason);
      ++taken;
      break;
    }
    if (!runRow(set, list, row, taken + 1, worker)) {
      ++taken;
      break;
    }
    workers_.waitUntilOneIsReady();
  }
  workers_.waitUntilAllHaveEnded();
  // A run that ended early leaves the rest of its rows.
  for (; taken < total; ++taken) rowNotRun(set, list, rows[static_cast<std::size_t>(taken)], true);
  running_ = false;
  runEnds();
}

bool BatchRunner::startTimerRun(const DrawingList& list, int restMs) {
  if (!beginWorkers(cad_at_once_, restMs)) return false;
  timer_running_ = true;
  timer_row_ = 0;
  timer_row_count_ = list.rowCount();
  timer_selected_mode_ = list.nextSelectedRow(-1) >= 0;
  timer_selection_used_up_ = false;
  if (observer_ != nullptr) observer_->runBegins(RunKind::kTimer, timer_row_count_, workers_.count());
  return true;
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
  const int worker = std::max(workers_.idleWorker(), 0);
  const ScriptOutcome outcome = writePerRowScript(files_, messages_, set, list, row, firstSelected == row,
                                                  scriptPath(worker), endDrawing(worker), &writeError);
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
  // A stop asked between two ticks leaves this row too.
  const bool stoppedBefore = workers_.stopAsked();
  bool goOn = false;
  switch (stoppedBefore ? StepResult::kStopped : perRowStep(set, list)) {
    case StepResult::kRunNow:
      goOn = runRow(set, list, row, row + 1, std::max(workers_.idleWorker(), 0));
      break;
    case StepResult::kSkipped:
      goOn = true;
      break;
    case StepResult::kListEmpty:
    case StepResult::kStopped:
      break;
  }
  ++timer_row_;
  // The next tick needs a CAD process that is free.
  if (goOn && timer_row_ < timer_row_count_) workers_.waitUntilOneIsReady();
  goOn = goOn && !workers_.stopAsked();
  if (goOn && timer_row_ < timer_row_count_) return true;
  workers_.waitUntilAllHaveEnded();
  if (!goOn) timerRunEndsEarly(set, list, stoppedBefore ? row - 1 : row);
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
