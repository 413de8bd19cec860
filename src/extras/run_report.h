// The run report, Dovevar-runs.csv in the settings folder: one line per row of every run
// (the drawing, when it started and ended, how long it took and how it went) and log
// lines for what went wrong around the rows. UTF-8 with a byte-order mark, so that
// spreadsheet programs read Japanese names, and only the last 10,000 lines are kept.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "platform/file_system.h"

namespace dovevar {

inline constexpr std::u16string_view kRunReportFileName = u"Dovevar-runs.csv";
inline constexpr std::size_t kRunReportLineLimit = 10000;
inline constexpr std::string_view kRunReportHeader =
    "run,kind,row,drawing,start,end,seconds,outcome,exit code,note\r\n";

enum class RowOutcome {
  kStarted,     // the CAD application ran on the row and ended; its exit code is noted
  kTimedOut,    // it passed the watchdog's time limit and was ended
  kNotStarted,  // no CAD application ran on the row: its script or the start failed
  kSkipped,     // the run ended before it came to the row
  kStopped,     // the user stopped the run and its CAD application was ended
  kLog,         // not a row: the note says what happened
};

// "started", "timed out", "did not start", "skipped", "stopped", "log".
std::string_view outcomeWord(RowOutcome outcome);

// A failed row keeps a run's summary and an unattended run's exit code from being clean.
bool isFailure(RowOutcome outcome, std::uint32_t exitCode);

struct ReportRow {
  LocalTime run;         // when the run began: the rows of one run share it
  std::string_view kind;  // "all rows", "per row", "timer", ...
  int row = -1;         // the list row from 0; -1 for a log line
  std::u16string drawing;
  LocalTime start;
  LocalTime end;
  std::int64_t milliseconds = 0;
  RowOutcome outcome = RowOutcome::kLog;
  std::uint32_t exitCode = 0;  // written for kStarted only
  std::u16string note;
};

// "2026-12-09 23:10:05".
std::string reportTimeText(const LocalTime& time);

// One line of the file, UTF-8, ended by CR LF. A field holding a comma, a quote or a line
// end is quoted; line ends become blanks; a text that a spreadsheet would take for a
// formula (=, +, -, @ first) gets an apostrophe before it.
std::string reportLine(const ReportRow& row);

// The fields of one line of the file as a spreadsheet reads them: quoted fields lose
// their quotes, doubled quotes inside them become one.
std::vector<std::string> reportFields(std::string_view line);

// Where a file of another shape under the report's name is kept: "Dovevar-runs.old.csv".
std::u16string keptAsidePath(const std::u16string& path);

class RunReport {
 public:
  RunReport(FileSystem& files, std::u16string path) : files_(files), path_(std::move(path)) {}

  void add(const ReportRow& row);

  // Writes the file whole: the lines in it now, then the new ones, the last 10,000 in
  // all. The file is read again at every flush, with other processes kept out, so that
  // a night run and a window in the same folder keep each other's lines. A file that
  // exists but cannot be read (another program holds it) is never replaced: not done, and
  // the new lines wait for the next flush. A file that is not a report is first kept
  // aside.
  PortResult flush();

  const std::u16string& path() const { return path_; }

 private:
  PortResult readAndReplace();

  FileSystem& files_;
  std::u16string path_;
  std::deque<std::string> pending_;  // lines not written yet, each with its CR LF
};

}  // namespace dovevar
