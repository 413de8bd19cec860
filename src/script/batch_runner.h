// The runs of the CAD application: one run over the whole list, the restart-per-row run
// driven by one command, and the restart-per-row run driven by main-window timer 2 (the
// timer run), whose per-row step is a plain state machine here that the window calls once
// per tick. Also Notepad on the last Run script.
//
// The CAD application is the program at `autocad_file`, started with the command line
// " /b \"" + the Run script's path + "\"" and waited for: without time-out, unless a time
// limit is set for the per-row runs, after which a hung start is ended and the run goes
// on. The per-row runs may keep several CAD processes running at once, each on a Run
// script of its own (`temp_file` with the worker's number) and an end drawing of its own;
// with one, everything is as it always was. A run can be asked to stop after the starts
// that run, or at once. Every failure is shown through the interface message box and ends
// or skips the run; nothing is ever started on a script that was not written whole. A run
// observer, when one is set, is told about every row.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "list/drawing_list.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/process_port.h"
#include "script/cad_workers.h"
#include "script/run_observer.h"
#include "script/run_script.h"
#include "script/script_sets.h"
#include "store/messages.h"
#include "store/settings.h"

namespace dovevar {

// Main-window timer 2 drives the timer run, one row per tick.
inline constexpr int kRunTimerId = 2;
inline constexpr int kRunTimerIntervalMs = 500;
// The command-driven run pauses this long after each run of the CAD application.
inline constexpr int kPauseBetweenRowsMs = 500;
// The CAD command line is built in 260 code units with its terminating zero; the six
// characters around the path leave room for a `temp_file` of 253 characters.
inline constexpr std::size_t kCadCommandLineCapacity = 260;
inline constexpr std::size_t kMaxRunScriptPathLength = kCadCommandLineCapacity - 7;
// Command 37835 opens the last Run script with this program.
inline constexpr std::u16string_view kScriptViewer = u"notepad.exe";

// " /b \"" + path + "\"": the command line the CAD application receives.
std::u16string cadCommandLine(std::u16string_view scriptPath);
bool fitsCadCommandLine(std::u16string_view scriptPath);

// The status text of a restart-per-row run before a start: "3/5 a.dwg" for the third of
// the five rows the run goes through, whose file-name cell is a.dwg.
std::u16string progressText(int ordinal, int total, std::u16string_view fileName);

// What the per-row step of the timer run did with the current row.
enum class StepResult : int {
  kRunNow = 0,     // the per-row script is written: run the CAD application now
  kSkipped = 1,    // nothing to run for this row; go on with the next one
  kListEmpty = 2,  // the Drawing list is empty (message 20): the run ends
  kStopped = 3,    // no row can be run (message 57 or 59 shown): the run ends
};

class BatchRunner {
 public:
  // The settings are read at every call: `autocad_file`, `temp_file`, `end_file_dwg`.
  BatchRunner(FileSystem& files, ProcessPort& processes, Clock& clock, Messages& messages,
              const Settings& settings)
      : files_(files), processes_(processes), messages_(messages), settings_(settings),
        workers_(processes, clock, messages) {}

  // Told about every run; null for none. It must outlive the runs.
  void setObserver(RunObserver* observer) { observer_ = observer; }
  // The time limit of one start in the per-row runs, in seconds; 0 waits without one.
  void setTimeLimit(int seconds) { time_limit_seconds_ = seconds; }
  // How many CAD processes the per-row runs keep running at once, 1 to 8.
  void setCadAtOnce(int count) { cad_at_once_ = count; }

  // The Run script and the end drawing of a worker of the per-row runs: with one,
  // `temp_file` and `end_file_dwg`; with several, "atcprint.2.scr" and "endfile.2.dwg"
  // (a copy made in the Run script's folder) for the second.
  std::u16string scriptPath(int worker) const;
  std::u16string endDrawing(int worker) const;

  // A run is going on (for the timer run: between its start and its end).
  bool running() const { return running_ || timer_running_; }
  // The run going on restarts the CAD application per row.
  bool runningPerRow() const { return timer_running_ || (running_ && kind_ != RunKind::kWholeList); }
  // Asked from within a run's waits: the per-row runs take no new row after a stop; a
  // stop now also ends the CAD processes that run.
  void requestStop(StopRequest request) { workers_.requestStop(request); }
  StopRequest stopRequest() const { return workers_.stopRequest(); }

  // Commands 37832 (kAll), 37830 (kSelected) and toolbar button 336 (kSelectedOrAll): the
  // whole-list script to `temp_file`, then one run when it was written. True when the CAD
  // application ran.
  bool runWholeList(const ScriptSet& set, DrawingList& list, RowChoice choice);

  // Command 37846: per row, the per-row script to `temp_file`, a run, a pause of 500 ms
  // (with several CAD processes, each pauses after its own row);
  // the rows selected at its start in list order when any is selected (each deselected
  // once its script is written), else every row. Ends at the first failure.
  void runPerRowByCommand(const ScriptSet& set, DrawingList& list);

  // Command 37851: (re)starts the timer run at row 0 with the list's row count now, and
  // notes whether rows are selected. The window then sets timer 2 to 500 ms; a run without
  // a window calls the ticks one after another and passes the timer's interval as the
  // rest of each CAD process after its row. False when the end drawings of several CAD
  // processes could not be made (message 19).
  bool startTimerRun(const DrawingList& list, int restMs = 0);
  // Timer 2, after the window has killed it: one step for the current row, the run when
  // the step says so (and, with every CAD process busy, the wait until one has ended),
  // then the next row. True when timer 2 is to be set again; false when the run has
  // ended (or was not running, or was asked to stop).
  bool timerTick(const ScriptSet& set, DrawingList& list);
  // The per-row step for the current row, without the run. While a row is selected, only
  // the first selected row is handled (and deselected); with none selected every row is,
  // except in a run that started with selected rows and has used the selection up itself:
  // there the rows below the last selected one are visited and skipped. A selection the
  // user clears during the run lets the later rows be handled.
  StepResult perRowStep(const ScriptSet& set, DrawingList& list);

  bool timerRunning() const { return timer_running_; }
  int timerRow() const { return timer_row_; }
  int timerRowCount() const { return timer_row_count_; }

  // Command 37835: Notepad on `temp_file`, not waited for; false after message 7.
  bool showExecutedScript();

 private:
  bool commandLineFits();
  // The Run script's command line of every worker fits; the end drawings of several are
  // made. Then the workers begin.
  bool beginWorkers(int count, int restMs);
  // The per-row start of a row on an idle worker, told to the observer; false when the
  // run must end.
  bool runRow(const ScriptSet& set, const DrawingList& list, int row, int ordinal, int worker);
  void rowNotRun(const ScriptSet& set, const DrawingList& list, int row, bool runEnded,
                 std::u16string_view reason = {});
  void runEnds();
  // The rows a timer run that ends early leaves unrun: after the current row, the selected
  // ones in a run of the selected rows, else all of them up to the count taken at its start.
  void timerRunEndsEarly(const ScriptSet& set, const DrawingList& list, int row);
  void endTimerRun();

  FileSystem& files_;
  ProcessPort& processes_;
  Messages& messages_;
  const Settings& settings_;
  RunObserver* observer_ = nullptr;
  int time_limit_seconds_ = 0;
  int cad_at_once_ = 1;
  CadWorkers workers_;
  bool running_ = false;  // a whole-list or command-driven run
  RunKind kind_ = RunKind::kWholeList;
  bool timer_running_ = false;
  int timer_row_ = 0;
  int timer_row_count_ = 0;
  // Rows were selected when the run started, and the run itself has since deselected the
  // last of them.
  bool timer_selected_mode_ = false;
  bool timer_selection_used_up_ = false;
};

}  // namespace dovevar
