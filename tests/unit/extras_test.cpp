// The extensions: the check of a list, the run report and its cap, the progress and its
// estimate, the extras file, and the unattended run from the command line.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <utility>
#include <string>
#include <vector>

#include "extras/extras_settings.h"
#include "extras/extras_texts.h"
#include "extras/failed_rows.h"
#include "extras/list_check.h"
#include "extras/run_progress.h"
#include "extras/run_recorder.h"
#include "extras/run_report.h"
#include "extras/step_status.h"
#include "extras/unattended_run.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_spooler.h"
#include "fakes/recording_processes.h"
#include "fakes/script_items.h"
#include "fakes/scripted_messages.h"
#include "printers/printer_table.h"
#include "script/batch_runner.h"
#include "store/text_codec.h"

namespace dovevar {
namespace {

// File 0, Folder 1, No. 2, Date 3, Layout 4, Printer 5, Paper 6, Plot style 7: the shape
// of a plotting set.
std::unique_ptr<ScriptSet> plottingSet() {
  auto set = std::make_unique<ScriptSet>();
  set->items[0] = scriptItem(DisplayMode::kFileName, OutputMode::kOpenDrawing, u"open");
  set->items[1] = scriptItem(DisplayMode::kFolder, OutputMode::kNothing);
  set->items[2] = scriptItem(DisplayMode::kValue, OutputMode::kNothing);
  set->items[3] = scriptItem(DisplayMode::kDate, OutputMode::kNothing);
  set->items[4] = scriptItem(DisplayMode::kValue, OutputMode::kWholeCell);
  set->items[5] = scriptItem(DisplayMode::kValue, OutputMode::kWholeCell);
  set->items[5].edit_mode = EditMode::kPrinter;
  set->items[6] = scriptItem(DisplayMode::kValue, OutputMode::kWholeCell);
  set->items[6].edit_mode = EditMode::kPaper;
  set->items[7] = scriptItem(DisplayMode::kValue, OutputMode::kWholeCell);
  set->items[7].edit_mode = EditMode::kPlotStyle;
  set->items[8] = scriptItem(DisplayMode::kNoColumn, OutputMode::kCommand, u"close");
  return set;
}

struct Row {
  const char16_t* name;
  const char16_t* printer;
  const char16_t* paper;
  const char16_t* style;
};

struct CheckBench {
  std::unique_ptr<ScriptSet> set = plottingSet();
  DrawingList list;
  FakeFileSystem files;
  PrinterTable printers;

  CheckBench() {
    list.rebuildColumns(*set);
    files.putText(u"C:\\p\\a.dwg", u"");
    files.putText(u"C:\\p\\b.dwg", u"");
    files.putText(u"C:\\ctb\\mono.ctb", u"");
    printers.count = 3;
    printers.records[0].name = u"Plotter";
    printers.records[0].papers[0] = u"A1";
    printers.records[0].papers[1] = u"A3";
    printers.records[1].name = u"Banned";
    printers.records[1].papers[0] = std::u16string(kPaperProhibition);
    printers.records[2].name = u"Mute";
    printers.records[2].papers[0] = std::u16string(kPaperCannotSearch);
    printers.ready = true;
  }
  void add(const Row& row) {
    const int at = list.addDrawingRow(*set, row.name, u"C:\\p", u"", 0, list.rowCount());
    list.setCell(at, 5, row.printer);
    list.setCell(at, 6, row.paper);
    list.setCell(at, 7, row.style);
  }
  std::vector<CheckProblem> check(RowChoice choice = RowChoice::kSelectedOrAll) {
    return checkRows(*set, list, rowsOfRun(list, choice), {printers, files, u"C:\\ctb"});
  }
};

TEST(ListCheck, FindsEachKindOfProblemInItsRowAndColumn) {
  CheckBench bench;
  const std::vector<Row> rows = {
      {u"a.dwg", u"Plotter", u"A3", u"mono.ctb"},  // 1: nothing wrong
      {u"gone.dwg", u"", u"", u""},                // 2: no drawing; empty cells keep the drawing's own
      {u"b.dwg", u"Nowhere", u"A3", u""},          // 3: printer not installed (no paper check then)
      {u"b.dwg", u"Banned", u"A3", u""},           // 4: prohibited
      {u"b.dwg", u"Plotter", u"Letter", u""},      // 5: paper the printer lacks
      {u"b.dwg", u"plotter", u"A3", u"color.ctb"},  // 6: a printer name differing in case; style missing
      {u"b.dwg", u"Mute", u"Anything", u""},       // 7: papers unknown: not a problem
      {u"", u"", u"", u""},                        // 8: no file name at all
      {u"a.dwg", u"", u"", u"mono.ctb\r"},        // 9: a control character the script leaves out
  };
  for (const Row& row : rows) bench.add(row);
  const std::vector<CheckProblem> expected = {
      {1, 0, ProblemKind::kDrawingMissing, u"C:\\p\\gone.dwg", u""},
      {2, 5, ProblemKind::kPrinterMissing, u"Nowhere", u""},
      {3, 5, ProblemKind::kPrinterProhibited, u"Banned", u""},
      {4, 6, ProblemKind::kPaperMissing, u"Letter", u"Plotter"},
      {5, 5, ProblemKind::kPrinterMissing, u"plotter", u""},
      {5, 7, ProblemKind::kPlotStyleMissing, u"color.ctb", u""},
      {7, 0, ProblemKind::kDrawingMissing, u"C:\\p\\", u""},
      {8, 7, ProblemKind::kControlCharacters, u"mono.ctb", u""},
  };
  EXPECT_EQ(bench.check(), expected);
  EXPECT_EQ(rowsWithProblems(expected), (std::vector<int>{1, 2, 3, 4, 5, 7, 8}));
  EXPECT_EQ(problemText(expected[3], kEnglish), u"Paper Letter is not offered by Plotter");
  EXPECT_EQ(problemText(expected[3], kJapanese), u"用紙 Letter は Plotter にありません");
}

TEST(ListCheck, TakesTheSelectedRowsAndOnlyColumnsThatEditAsPrinterPaperOrStyle) {
  CheckBench bench;
  bench.add({u"gone1.dwg", u"", u"", u""});
  bench.add({u"gone2.dwg", u"", u"", u""});
  bench.list.selectRow(1);
  ASSERT_EQ(bench.check().size(), 1u);
  EXPECT_EQ(bench.check()[0].row, 1);
  EXPECT_EQ(bench.check(RowChoice::kAll).size(), 2u);

  // A set whose column 5 is a plain text column: its text is no printer.
  bench.set->items[5].edit_mode = EditMode::kText;
  bench.set->items[7].edit_mode = EditMode::kText;
  bench.list.selectNone();
  bench.add({u"a.dwg", u"Nowhere", u"Letter", u"none.ctb"});
  EXPECT_EQ(bench.check(RowChoice::kAll).size(), 2u) << "only the two missing drawings";

  // Without a folder column no run can start: the check says so once.
  bench.set->items[1].in_use = 0;
  const std::vector<CheckProblem> problems = bench.check();
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].kind, ProblemKind::kNoPathColumns);
  EXPECT_TRUE(rowsWithProblems(problems).empty());
}

// An item switched off keeps its column while its display mode stays: the columns after it
// belong to the items after it, and the check reads them by their own items.
TEST(ListCheck, AColumnBelongsToItsOwnItemPastAnItemSwitchedOff) {
  CheckBench bench;
  for (int i = 8; i > 5; --i) bench.set->items[i] = bench.set->items[i - 1];
  bench.set->items[5] = scriptItem(DisplayMode::kValue, OutputMode::kWholeCell);
  bench.set->items[5].in_use = 0;
  bench.set->items[5].edit_mode = EditMode::kPlotStyle;
  bench.set->items[5].title = u"Spare";
  bench.set->items[6].title = u"Printer";
  bench.list.rebuildColumns(*bench.set);
  ASSERT_EQ(bench.list.columns()[kPrinterColumn].item, 6);

  bench.add({u"a.dwg", u"Nowhere", u"A3", u"mono.ctb"});
  const std::vector<CheckProblem> expected = {{0, 5, ProblemKind::kPrinterMissing, u"Nowhere", u""}};
  EXPECT_EQ(bench.check(), expected) << "the spare item's plot-style mode is not column 5's";
  EXPECT_EQ(problemColumnTitle(bench.list, expected[0]), u"Printer");
  EXPECT_EQ(problemColumnTitle(bench.list, {-1, -1, ProblemKind::kNoPathColumns, {}, {}}), u"");
}

TEST(RunReport, LinesAreCsvThatSpreadsheetsReadSafely) {
  ReportRow row;
  row.run = {2026, 12, 9, 23, 5, 0};
  row.kind = "per row";
  row.row = 2;
  row.drawing = u"C:\\図面\\a, \"b\".dwg";
  row.start = {2026, 12, 9, 23, 5, 1};
  row.end = {2026, 12, 9, 23, 6, 2};
  row.milliseconds = 61499;
  row.outcome = RowOutcome::kStarted;
  row.exitCode = 3;
  EXPECT_EQ(reportLine(row),
            "2026-12-09 23:05:00,per row,3,\"C:\\\xE5\x9B\xB3\xE9\x9D\xA2\\a, \"\"b\"\".dwg\","
            "2026-12-09 23:05:01,2026-12-09 23:06:02,61,started,3,\r\n");

  ReportRow log;
  log.run = row.run;
  log.kind = "one run";
  log.note = u"=HYPERLINK(\"x\")\r\nsecond line";
  EXPECT_EQ(reportLine(log), "2026-12-09 23:05:00,one run,,,,,,log,,\"'=HYPERLINK(\"\"x\"\")  second line\"\r\n");

  row.outcome = RowOutcome::kTimedOut;
  EXPECT_NE(reportLine(row).find(",timed out,,"), std::string::npos) << "no exit code for an ended process";
}

std::vector<std::string> reportLines(const FakeFileSystem& files, const std::u16string& path) {
  std::vector<std::string> lines;
  const std::string& bytes = files.files.at(path);
  EXPECT_TRUE(bytes.starts_with("\xEF\xBB\xBF" + std::string(kRunReportHeader)));
  for (std::size_t at = 3 + kRunReportHeader.size(); at < bytes.size();) {
    const std::size_t end = bytes.find("\r\n", at);
    lines.push_back(bytes.substr(at, end - at));
    at = end + 2;
  }
  return lines;
}

ReportRow logRow(int n) {
  ReportRow row;
  row.kind = "one run";
  const std::string digits = std::to_string(n);
  row.note = std::u16string(digits.begin(), digits.end());
  return row;
}

// A window and a night run in one folder write the same report: each keeps the other's
// lines, whatever the order of their writes.
TEST(RunReport, TwoWritersOfOneReportKeepEachOthersLines) {
  FakeFileSystem files;
  const std::u16string path = u"C:\\dv\\Dovevar-runs.csv";
  RunReport window(files, path);
  RunReport night(files, path);
  window.add(logRow(1));
  night.add(logRow(2));
  ASSERT_TRUE(window.flush());
  ASSERT_TRUE(night.flush());
  window.add(logRow(3));
  ASSERT_TRUE(window.flush());
  const std::vector<std::string> lines = reportLines(files, path);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_TRUE(lines[0].ends_with(",log,,1"));
  EXPECT_TRUE(lines[1].ends_with(",log,,2"));
  EXPECT_TRUE(lines[2].ends_with(",log,,3"));
}

TEST(RunReport, KeepsTheLastTenThousandLinesAndNeverReplacesAFileItCannotRead) {
  FakeFileSystem files;
  const std::u16string path = u"C:\\dv\\Dovevar-runs.csv";
  {
    RunReport earlier(files, path);
    for (int n = 0; n < 9999; ++n) earlier.add(logRow(n));
    ASSERT_TRUE(earlier.flush());
  }
  RunReport report(files, path);
  report.add(logRow(10000));
  report.add(logRow(10001));
  files.unopenable.insert(path);  // a spreadsheet program holds it
  EXPECT_FALSE(report.flush());
  EXPECT_EQ(reportLines(files, path).size(), 9999u) << "the held file is left as it was";
  files.unopenable.clear();
  ASSERT_TRUE(report.flush());
  const std::vector<std::string> lines = reportLines(files, path);
  ASSERT_EQ(lines.size(), 10000u);
  EXPECT_TRUE(lines.front().ends_with(",log,,1"));
  EXPECT_TRUE(lines.back().ends_with(",log,,10001"));

  // A file of another shape under the name (saved over by a spreadsheet program) is kept
  // aside, and the report begins afresh; where it cannot be kept, nothing is replaced.
  const std::u16string aside = u"C:\\dv\\Dovevar-runs.old.csv";
  EXPECT_EQ(keptAsidePath(path), aside);
  files.files[path] = "run;kind\r\n";
  files.unwritable.insert(aside);
  RunReport fresh(files, path);
  fresh.add(logRow(7));
  EXPECT_FALSE(fresh.flush());
  EXPECT_EQ(files.files[path], "run;kind\r\n");
  files.unwritable.clear();
  ASSERT_TRUE(fresh.flush());
  EXPECT_EQ(files.files[aside], "run;kind\r\n");
  EXPECT_EQ(reportLines(files, path).size(), 1u);
}

TEST(RunProgress, EstimatesTheRestAtThePaceOfTheRowsThatEnded) {
  struct Case {
    std::int64_t elapsed;
    int ended, total;
    std::int64_t left;
  };
  for (const Case& c : {Case{10000, 0, 5, -1}, Case{10000, 1, 5, 40000}, Case{30000, 3, 4, 10000},
                        Case{30000, 4, 4, 0}, Case{30000, 5, 4, 0}}) {
    EXPECT_EQ(remainingEstimate(c.elapsed, c.ended, c.total), c.left) << c.ended << "/" << c.total;
  }
  struct Duration {
    std::int64_t ms;
    const char16_t* text;
  };
  for (const Duration& d : {Duration{-5, u"0:00"}, Duration{59999, u"0:59"}, Duration{61000, u"1:01"},
                            Duration{3599000, u"59:59"}, Duration{3600000, u"1:00:00"},
                            Duration{36061000, u"10:01:01"}}) {
    EXPECT_EQ(durationText(d.ms), d.text);
  }
  EXPECT_EQ(progressLine(kEnglish, 1, 5, u"a.dwg", 0, -1), u"1/5 a.dwg");
  EXPECT_EQ(progressLine(kEnglish, 3, 5, u"c.dwg", 64000, 42666), u"3/5 c.dwg, 1:04, about 0:42 left");
  EXPECT_EQ(progressLine(kJapanese, 3, 5, u"c.dwg", 64000, 42666), u"3/5 c.dwg、1:04、残り約 0:42");
  EXPECT_EQ(summaryLine(kEnglish, 4, 1), u"4 done, 1 failed");
  EXPECT_EQ(fillText(u"{1}{0}{2}{9}", {u"a", u"b"}), u"ba{2}{9}");
}

// A per-row run watched by the recorder, over fake ports: each start takes 10 s.
struct RecordedRun : ScriptedMessages {
  std::unique_ptr<ScriptSet> set = plottingSet();
  DrawingList list;
  FakeFileSystem files;
  RecordingProcesses processes;
  FakeClock clock;
  Settings settings;
  RunReport report{files, u"C:\\dv\\Dovevar-runs.csv"};
  RunRecorder recorder{report, clock, language};
  BatchRunner runner{files, processes, clock, messages, settings};
  std::vector<std::u16string> status;

  RecordedRun() {
    list.rebuildColumns(*set);
    for (const char16_t* name : {u"a.dwg", u"b.dwg", u"c.dwg"}) {
      list.addDrawingRow(*set, name, u"C:\\p", u"", 0, list.rowCount());
    }
    settings.autocad_file = u"C:\\CAD\\cad.exe";
    settings.temp_file = u"C:\\dv\\atcprint.scr";
    runner.setObserver(&recorder);
    recorder.setStatusSink([this](std::u16string_view text) { status.emplace_back(text); });
    processes.clock = &clock;
    processes.defaultMilliseconds = 10000;
  }
  std::vector<std::string> outcomes() {
    std::vector<std::string> found;
    for (const std::string& line : reportLines(files, report.path())) {
      // row, drawing ... outcome, exit code: the fields after the times
      std::vector<std::string> fields;
      for (std::size_t at = 0;;) {
        const std::size_t comma = line.find(',', at);
        fields.push_back(line.substr(at, comma - at));
        if (comma == std::string::npos) break;
        at = comma + 1;
      }
      found.push_back(fields[2] + " " + fields[6] + "s " + fields[7] + " " + fields[8]);
    }
    return found;
  }
};

TEST(RecordedRuns, TheWatchdogEndsAHungRowAndTheRunGoesOn) {
  RecordedRun run;
  run.runner.setTimeLimit(30);
  run.processes.behaviours[1] = {0, 0, true};      // the second start hangs
  run.processes.behaviours[2] = {10000, 3, false};  // the third ends with exit code 3
  run.runner.runPerRowByCommand(*run.set, run.list);

  ASSERT_EQ(run.processes.runs().size(), 3u) << "the row after the hung one still runs";
  EXPECT_EQ(run.outcomes(), (std::vector<std::string>{"1 10s started 0", "2 30s timed out ", "3 10s started 3"}));
  // The pace counts the pauses between rows too.
  EXPECT_EQ(run.status, (std::vector<std::u16string>{u"1/3 a.dwg", u"2/3 b.dwg, 0:10, about 0:21 left",
                                                     u"3/3 c.dwg, 0:41, about 0:20 left",
                                                     u"1 done, 2 failed"}));
  EXPECT_FALSE(run.recorder.everyRowStarted());
  EXPECT_TRUE(run.ui.boxes.empty()) << "a timed-out row shows no box";
}

TEST(RecordedRuns, RowsThatDidNotRunAreReportedAndAWholeListRunSharesOneStart) {
  RecordedRun run;
  run.processes.failFromStart = 1;
  run.runner.runPerRowByCommand(*run.set, run.list);
  EXPECT_EQ(run.outcomes(), (std::vector<std::string>{"1 10s started 0", "2 0s did not start ",
                                                      "3 0s skipped "}));
  EXPECT_TRUE(reportLines(run.files, run.report.path())[1].ends_with(
      ",did not start,,The system cannot find the file specified."))
      << "a start that failed says what the system said";

  RecordedRun whole;
  whole.list.selectRow(0);
  whole.list.selectRow(2);
  whole.runner.runWholeList(*whole.set, whole.list, RowChoice::kSelected);
  EXPECT_EQ(whole.outcomes(), (std::vector<std::string>{"1 10s started 0", "3 10s started 0"}));
  EXPECT_EQ(whole.status, (std::vector<std::u16string>{u"2 rows in one run", u"2 done, 0 failed"}));
  EXPECT_TRUE(whole.recorder.everyRowStarted());

  // The timer run passes over a row whose script line is too long, and goes on.
  RecordedRun timer;
  timer.list.setCell(1, 0, std::u16string(255, u'n'));
  timer.list.setCell(1, 1, std::u16string(255, u'f'));
  timer.runner.startTimerRun(timer.list);
  while (timer.runner.timerTick(*timer.set, timer.list)) {
  }
  EXPECT_EQ(timer.outcomes(), (std::vector<std::string>{"1 10s started 0", "2 0s did not start ",
                                                        "3 10s started 0"}));
}

TEST(RecordedRuns, FourCadProcessesRunAtOnceEachOnAScriptAndAnEndDrawingOfItsOwn) {
  RecordedRun run;
  for (const char16_t* name : {u"d.dwg", u"e.dwg", u"f.dwg", u"g.dwg", u"h.dwg"}) {
    run.list.addDrawingRow(*run.set, name, u"C:\\p", u"", 0, run.list.rowCount());
  }
  run.settings.end_file_dwg = u"C:\\ends\\endfile.dwg";
  run.files.putText(run.settings.end_file_dwg, u"drawing");
  std::set<std::u16string> scripts;
  run.processes.whileRunning = [&run, &scripts](const RecordingProcesses::Event& event) {
    scripts.insert(event.commandLine);
    // Each worker's script closes on its own copy of the end drawing.
    const std::u16string script = event.commandLine.substr(5, event.commandLine.size() - 6);
    const std::u16string number = script.substr(script.size() - 5, 1);
    EXPECT_NE(run.files.text(script).find(u"open \"C:\\dv\\endfile." + number + u".dwg\""), std::u16string::npos);
  };
  run.runner.setCadAtOnce(4);
  run.runner.runPerRowByCommand(*run.set, run.list);

  EXPECT_EQ(run.processes.mostAtOnce(), 4);
  EXPECT_EQ(scripts.size(), 4u);
  EXPECT_TRUE(scripts.count(u" /b \"C:\\dv\\atcprint.4.scr\""));
  EXPECT_EQ(run.files.text(u"C:\\dv\\endfile.3.dwg"), u"drawing");
  EXPECT_EQ(run.outcomes().size(), 8u);
  EXPECT_LT(run.clock.now_ms, 25000) << "two rounds of 10 s, not eight";
  EXPECT_EQ(run.status.front(), u"0 done, 1 running, 7 left");
  EXPECT_EQ(run.status.back(), u"8 done, 0 failed");
  EXPECT_TRUE(run.recorder.everyRowStarted());

  // Two rows of one drawing never run at once; a tick of the timer run starts its row
  // while the other worker's still runs.
  struct Case {
    int atOnce;
    bool sameDrawing;
    bool timerRun;
  };
  for (const Case& c : {Case{3, true, false}, Case{2, false, true}}) {
    RecordedRun other;
    if (c.sameDrawing) other.list.setCell(2, 0, u"a.dwg");
    other.runner.setCadAtOnce(c.atOnce);
    if (!c.timerRun) other.runner.runPerRowByCommand(*other.set, other.list);
    for (bool goOn = c.timerRun && other.runner.startTimerRun(other.list); goOn;) {
      goOn = other.runner.timerTick(*other.set, other.list);
    }
    EXPECT_EQ(other.processes.mostAtOnce(), 2) << c.atOnce;
    EXPECT_EQ(other.outcomes().size(), 3u) << c.atOnce;
  }
}

// The user stops a run: after the drawing that runs, the rest are skipped; a stop now
// ends the CAD application and records it as stopped.
TEST(RecordedRuns, AStoppedRunEndsAfterTheCurrentDrawingOrAtOnce) {
  struct Case {
    StopRequest request;
    std::vector<std::string> outcomes;
    std::u16string status;
  };
  const std::vector<Case> cases = {
      {StopRequest::kAfterCurrent, {"1 10s started 0", "2 10s started 0", "3 0s skipped "},
       u"Stopped: 2 done, 1 not done"},
      {StopRequest::kNow, {"1 10s started 0", "2 0s stopped ", "3 0s skipped "}, u"Stopped: 1 done, 2 not done"},
  };
  for (const Case& c : cases) {
    RecordedRun run;
    // The user asks while the second drawing runs.
    run.processes.whileRunning = [&run, &c](const RecordingProcesses::Event&) {
      if (run.processes.runs().size() == 2) run.runner.requestStop(c.request);
    };
    run.runner.runPerRowByCommand(*run.set, run.list);
    EXPECT_EQ(run.outcomes(), c.outcomes);
    EXPECT_EQ(run.status.back(), c.status);
    EXPECT_EQ(run.processes.runs().size(), 2u);
    EXPECT_FALSE(run.runner.running());
  }

  RecordedRun whole;
  whole.processes.whileRunning = [&whole](const RecordingProcesses::Event&) {
    whole.runner.requestStop(StopRequest::kNow);
  };
  whole.runner.runWholeList(*whole.set, whole.list, RowChoice::kAll);
  EXPECT_EQ(whole.outcomes(), (std::vector<std::string>{"1 0s stopped ", "2 0s stopped ", "3 0s stopped "}));
  EXPECT_EQ(whole.processes.log().back(), u"end /b \"C:\\dv\\atcprint.scr\"");

  // A timer run asked to stop between two ticks ends at the next one.
  RecordedRun timer;
  timer.runner.startTimerRun(timer.list);
  EXPECT_TRUE(timer.runner.timerTick(*timer.set, timer.list));
  timer.runner.requestStop(StopRequest::kAfterCurrent);
  EXPECT_FALSE(timer.runner.timerTick(*timer.set, timer.list));
  EXPECT_EQ(timer.outcomes(), (std::vector<std::string>{"1 10s started 0", "2 0s skipped ", "3 0s skipped "}));
}

// Only the last run counts, and of it every row that did not end by itself with 0.
TEST(FailedRows, TheLastRunsRowsThatDidNotEndWellAreSelectedByTheirDrawing) {
  const std::string report =
      "\xEF\xBB\xBF" + std::string(kRunReportHeader) +
      "2026-12-09 21:00:00,per row,1,C:\\p\\old.dwg,x,x,1,timed out,,\r\n"
      "2026-12-09 22:00:00,per row,1,C:\\p\\a.dwg,x,x,1,started,0,\r\n"
      "2026-12-09 22:00:00,per row,2,\"C:\\p\\b,1.dwg\",x,x,1,started,3,\r\n"
      "2026-12-09 22:00:00,per row,3,C:\\P\\C.DWG,x,x,30,timed out,,\r\n"
      "2026-12-09 22:00:00,per row,,,,,,log,,\"something, said\"\r\n"
      "2026-12-09 23:00:00,command line,1,C:\\p\\night.dwg,x,x,1,did not start,,\r\n"
      "2026-12-09 22:00:00,per row,4,'-d.dwg,x,x,0,did not start,,\r\n"
      "2026-12-09 22:00:00,per row,5,C:\\p\\e.dwg,x,x,0,stopped,,\r\n"
      "2026-12-09 22:00:00,per row,6,C:\\p\\f.dwg,x,x,0,skipped,,\r\n";
  EXPECT_EQ(failedDrawingsOfLastRun(report), (std::vector<std::u16string>{u"C:\\p\\b,1.dwg", u"C:\\P\\C.DWG",
                                                                        u"-d.dwg", u"C:\\p\\e.dwg", u"C:\\p\\f.dwg"}));
  EXPECT_TRUE(failedDrawingsOfLastRun(std::string(kRunReportHeader)).empty());
  EXPECT_TRUE(failedDrawingsOfLastRun("2026-12-09 22:00:00,per row,1,C:\\p\\a.dwg,x,x,1,started,0,\r\n").empty());

  CheckBench bench;
  for (const char16_t* name : {u"a.dwg", u"c.dwg", u"e.dwg"}) {
    bench.list.addDrawingRow(*bench.set, name, u"C:\\p", u"", 0, bench.list.rowCount());
  }
  bench.list.selectRow(0);
  EXPECT_EQ(selectRowsOfDrawings(*bench.set, bench.list, failedDrawingsOfLastRun(report)), 2);
  EXPECT_FALSE(bench.list.isSelected(0));
  EXPECT_TRUE(bench.list.isSelected(1)) << "letter case aside";
  EXPECT_TRUE(bench.list.isSelected(2));
}

TEST(StepStatus, TellsTheStepAndItsRowsInTheUiLanguage) {
  struct Case {
    int language;
    StepDirection direction;
    std::optional<StepSummary> step;
    std::u16string_view text;
  };
  const std::vector<Case> cases = {
      {kEnglish, StepDirection::kUndo, StepSummary{StepKind::kColumnEdit, 400}, u"Undo: one-column edit, 400 rows"},
      {kEnglish, StepDirection::kRedo, StepSummary{StepKind::kDelete, 1}, u"Redo: delete, 1 row"},
      {kJapanese, StepDirection::kUndo, StepSummary{StepKind::kListLoad, 12}, u"元に戻しました: リスト読込、12 行"},
      {kEnglish, StepDirection::kUndo, std::nullopt, u"Nothing to undo"},
      {kChinese, StepDirection::kRedo, std::nullopt, u"没有可重做的操作"},
  };
  for (const Case& c : cases) EXPECT_EQ(stepStatusText(c.language, c.direction, c.step), c.text);
  // Every step has a name of its own in every language.
  const int kinds = static_cast<int>(StepKind::kListLoad) + 1;
  for (int language = 0; language < 4; ++language) {
    std::set<std::u16string> texts;
    for (int kind = 0; kind < kinds; ++kind) {
      texts.insert(stepStatusText(language, StepDirection::kUndo, StepSummary{static_cast<StepKind>(kind), 2}));
    }
    EXPECT_EQ(texts.size(), static_cast<std::size_t>(kinds)) << language;
    for (const std::u16string& text : texts) EXPECT_EQ(text.find(u'{'), std::u16string::npos) << language;
  }
}

TEST(ExtrasSettings, AreOffUnlessTheFileSaysOtherwise) {
  struct Case {
    std::u16string text;
    bool mark;
    ExtrasSettings expected;
  };
  const std::vector<Case> cases = {
      {u"check_before_run=1\r\nwatchdog_seconds=120\r\n", true, {true, 120, 1, {}}},
      {u"check_before_run=1\r\nwatchdog_seconds=120\r\n", false, {}},
      {u"check_before_run=2\r\nwatchdog_seconds=-5\r\n", true, {}},
      {u"watchdog_seconds=abc\r\nwatchdog_seconds=86401\r\n", true, {}},
      {u"watchdog_seconds=9\r\nwatchdog_seconds=86400\r\ncheck_before_run=1", true, {false, 86400, 1, {}}},
      {u"cad_at_once=4\r\n", true, {false, 0, 4, {}}},
      {u"cad_at_once=8\r\ncad_at_once=9\r\n", true, {}},
      {u"cad_at_once=0\r\n", true, {}},
  };
  for (const Case& c : cases) {
    std::string bytes = (c.mark ? std::string("\xFF\xFE") : std::string()) + toUtf16LeBytes(c.text);
    EXPECT_EQ(parseExtrasSettings(bytes), c.expected) << utf16ToUtf8(c.text);
  }
  ScriptedMessages messages;
  FakeFileSystem files;
  EXPECT_EQ(readExtrasSettings(files, u"C:\\dv"), ExtrasSettings{});
  ASSERT_TRUE(writeExtrasSettings(files, messages.messages, u"C:\\dv", {true, 45, 1, {}}));
  EXPECT_EQ(readExtrasSettings(files, u"C:\\dv"), (ExtrasSettings{true, 45, 1, {}}));
  EXPECT_EQ(files.text(u"C:\\dv\\Dovevar-extras.ini"), u"check_before_run=1\r\nwatchdog_seconds=45\r\n")
      << "one CAD process at once is not written, so the file is as it was";
  ASSERT_TRUE(writeExtrasSettings(files, messages.messages, u"C:\\dv", {false, 0, 6, {}}));
  EXPECT_EQ(readExtrasSettings(files, u"C:\\dv"), (ExtrasSettings{false, 0, 6, {}}));
}

TEST(UnattendedRun, TheCommandLineNamesAListAndMayAskForRowByRow) {
  using K = StartRequest::Kind;
  struct Case {
    std::vector<std::u16string> arguments;
    K kind;
    std::u16string list;
    bool perRow;
  };
  const std::vector<Case> cases = {
      {{}, K::kWindow, u"", false},
      {{u"night.lst"}, K::kWindow, u"", false},
      {{u"/run", u"night.lst"}, K::kUnattended, u"night.lst", false},
      {{u"/RUN", u"/PerRow", u"C:\\l\\night.lst"}, K::kUnattended, u"C:\\l\\night.lst", true},
      {{u"/run"}, K::kBadArguments, u"", false},
      {{u"/run", u"a.lst", u"b.lst"}, K::kBadArguments, u"a.lst", false},
      {{u"/run", u"a.lst", u"/perrow", u"/perrow"}, K::kBadArguments, u"a.lst", true},
      {{u"/run", u"a.lst", u"/fast"}, K::kBadArguments, u"a.lst", false},
      {{u"/run", u"a.lst", u"/perrow", u"/part", u"2/3"}, K::kUnattended, u"a.lst", true},
      {{u"/run", u"a.lst", u"/part", u"4/3"}, K::kBadArguments, u"a.lst", false},
      {{u"/run", u"a.lst", u"/part", u"0/3"}, K::kBadArguments, u"a.lst", false},
      {{u"/run", u"a.lst", u"/part"}, K::kBadArguments, u"a.lst", false},
      {{u"/run", u"a.lst", u"/part", u"2-3"}, K::kBadArguments, u"a.lst", false},
      {{u"/STOP"}, K::kStop, u"", false},
      {{u"/stop", u"now"}, K::kWindow, u"", false},
  };
  for (const Case& c : cases) {
    const StartRequest request = parseStartArguments(c.arguments);
    EXPECT_EQ(request.kind, c.kind) << c.arguments.size();
    if (c.kind == K::kUnattended) {
      EXPECT_EQ(request.listPath, c.list);
      EXPECT_EQ(request.perRow, c.perRow);
    }
  }
}

// A settings folder as the program leaves it, with a List file of three drawings.
struct NightRun {
  FakeFileSystem files;
  RecordingProcesses processes;
  FakeSpooler spooler;
  FakeClock clock;
  const std::u16string folder = u"C:\\dv";

  NightRun() {
    files.putText(u"C:\\dv\\wchar_set.ini", u"");
    files.putText(u"C:\\dv\\Dovevar.ini",
                  u"moji_type=1\r\nautocad_file=C:\\CAD\\cad.exe\r\ntemp_file=C:\\dv\\atcprint.scr\r\n");
    files.putText(u"C:\\dv\\sprct_set_e.ini",
                  u"00,00.m=1\r\n00,00.p=1\r\n00,00.o=1\r\n00,00.k=open\r\n00,01.m=1\r\n00,01.p=2\r\n"
                  u"00,02.m=1\r\n00,02.p=4\r\n00,02.o=4\r\n");
    files.putText(u"C:\\dv\\night.lst",
                  u"sprct_set=0\r\nmax_cont=3\r\n0000,00=a.dwg\r\n0000,01=C:\\p\r\n0001,00=b.dwg\r\n"
                  u"0001,01=C:\\p\r\n0002,00=c.dwg\r\n0002,01=C:\\p\r\n");
    processes.clock = &clock;
    processes.defaultMilliseconds = 1000;
  }
  int run(std::vector<std::u16string> arguments) {
    return runUnattended({files, processes, spooler, clock}, folder, parseStartArguments(arguments));
  }
  std::string report() { return files.files[u"C:\\dv\\Dovevar-runs.csv"]; }
};

TEST(UnattendedRun, RunsTheListAndExitsOneWhenARowDidNotStart) {
  NightRun night;
  EXPECT_EQ(night.run({u"/run", u"night.lst"}), kUnattendedDone);
  EXPECT_EQ(night.processes.runs().size(), 1u);
  EXPECT_EQ(night.processes.runs()[0].commandLine, u" /b \"C:\\dv\\atcprint.night.scr\"")
      << "a night run beside an open window keeps to a Run script of its own";
  EXPECT_EQ(night.files.files.count(u"C:\\dv\\atcprint.scr"), 0u);
  EXPECT_EQ(nightRunScriptPath(u"C:\\dv.x\\run"), u"C:\\dv.x\\run.night");
  const std::string whole = night.report();
  EXPECT_NE(whole.find("command line,3,C:\\p\\c.dwg"), std::string::npos) << whole;

  // Row by row, the second row's script line too long for the CAD application.
  NightRun perRow;
  perRow.files.putText(u"C:\\dv\\night.lst",
                       u"sprct_set=0\r\nmax_cont=3\r\n0000,00=a.dwg\r\n0000,01=C:\\p\r\n0001,00=" +
                           std::u16string(250, u'n') + u"\r\n0001,01=C:\\" + std::u16string(250, u'f') +
                           u"\r\n0002,00=c.dwg\r\n0002,01=C:\\p\r\n");
  perRow.files.putText(u"C:\\dv\\Dovevar-extras.ini", u"watchdog_seconds=60\r\n");
  perRow.processes.behaviours[1] = {0, 0, true};
  EXPECT_EQ(perRow.run({u"/run", u"/perrow", u"C:\\dv\\night.lst"}), kUnattendedFailed);
  EXPECT_EQ(perRow.processes.runs().size(), 2u);
  EXPECT_EQ(perRow.processes.log().back(), u"end /b \"C:\\dv\\atcprint.night.scr\"") << "ended at its time limit";
  const std::string report = perRow.report();
  EXPECT_NE(report.find("command line per row,2,C:\\fff"), std::string::npos) << report;
  EXPECT_NE(report.find(",did not start,,"), std::string::npos) << report;
  EXPECT_NE(report.find(",log,,"), std::string::npos) << "the refusal's message is a log line";
  EXPECT_EQ(perRow.files.files.count(u"C:\\dv\\listview.ini"), 0u) << "nothing of the window's is written";
}

// Three workstations share one list: the second takes rows 2, 5, 8, ...; "/stop" in the
// folder stops a night run after the drawing it runs.
TEST(UnattendedRun, APartTakesEveryNthRowAndAStopEndsAfterTheCurrentDrawing) {
  EXPECT_EQ(rowsOfPart(8, 2, 3), (std::vector<int>{1, 4, 7}));
  EXPECT_EQ(rowsOfPart(2, 3, 3), std::vector<int>{});
  EXPECT_EQ(parseStartArguments({u"/run", u"a.lst", u"/part", u"2/3"}).parts, 3);

  NightRun part;
  EXPECT_EQ(part.run({u"/run", u"night.lst", u"/perrow", u"/part", u"2/2"}), kUnattendedDone);
  ASSERT_EQ(part.processes.runs().size(), 1u);
  EXPECT_NE(part.report().find("command line per row,2,C:\\p\\b.dwg"), std::string::npos) << part.report();
  EXPECT_EQ(part.report().find("c.dwg"), std::string::npos) << "the other part's rows are not recorded";
  NightRun wholePart;
  EXPECT_EQ(wholePart.run({u"/run", u"night.lst", u"/part", u"1/2"}), kUnattendedDone);
  const std::u16string script = wholePart.files.text(u"C:\\dv\\atcprint.night.scr");
  EXPECT_NE(script.find(u"c.dwg"), std::u16string::npos);
  EXPECT_EQ(script.find(u"b.dwg"), std::u16string::npos);

  NightRun stopped;
  stopped.processes.duringWait = [asked = false]() mutable { return !std::exchange(asked, true); };
  EXPECT_EQ(stopped.run({u"/run", u"night.lst", u"/perrow"}), kUnattendedFailed);
  EXPECT_EQ(stopped.processes.runs().size(), 1u);
  EXPECT_NE(stopped.report().find("command line per row,1,C:\\p\\a.dwg"), std::string::npos);
  EXPECT_NE(stopped.report().find(",3,C:\\p\\c.dwg,2026-12-09 22:00:01,2026-12-09 22:00:01,0,skipped"),
            std::string::npos)
      << stopped.report();
}

TEST(UnattendedRun, AMissingListOrSettingsFileRunsNothingAndSaysWhy) {
  NightRun night;
  EXPECT_EQ(night.run({u"/run", u"other.lst"}), kUnattendedFailed);
  EXPECT_EQ(night.files.files.count(u"C:\\dv\\other.lst"), 0u) << "no empty List file is made";
  EXPECT_NE(night.report().find("the List file could not be loaded: C:\\dv\\other.lst"), std::string::npos);

  NightRun fresh;
  fresh.files.files.erase(u"C:\\dv\\Dovevar.ini");
  EXPECT_EQ(fresh.run({u"/run", u"night.lst"}), kUnattendedFailed);
  EXPECT_TRUE(fresh.processes.events.empty());
  EXPECT_NE(fresh.report().find("Dovevar.ini could not be read"), std::string::npos);

  // A file another program holds: the log line says so in the system's words.
  NightRun held;
  held.files.unopenable.insert(u"C:\\dv\\Dovevar.ini");
  EXPECT_EQ(held.run({u"/run", u"night.lst"}), kUnattendedFailed);
  EXPECT_NE(held.report().find(" (The process cannot access the file because it is being used by another "
                               "process.)"),
            std::string::npos)
      << held.report();
}

}  // namespace
}  // namespace dovevar
