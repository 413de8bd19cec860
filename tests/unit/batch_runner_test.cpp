#include "script/batch_runner.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "fakes/fake_file_system.h"
#include "fakes/recording_processes.h"
#include "fakes/script_items.h"
#include "fakes/scripted_messages.h"
#include "fakes/scripted_ui.h"
#include "store/text_ids.h"

namespace dovevar {
namespace {

using Kind = RecordingProcesses::Kind;

// open, (folder), close: each row's script is three lines and the closing two.
std::unique_ptr<ScriptSet> plotSet() {
  auto set = std::make_unique<ScriptSet>();
  set->items[0] = scriptItem(DisplayMode::kFileName, OutputMode::kOpenDrawing, u"open");
  set->items[1] = scriptItem(DisplayMode::kFolder, OutputMode::kNothing);
  set->items[2] = scriptItem(DisplayMode::kNoColumn, OutputMode::kCommand, u"close");
  return set;
}

const std::u16string kCad = u"C:\\CAD\\cad.exe";
const std::u16string kScript = u"C:\\dv\\atcprint.scr";
const std::u16string kCommandLine = u" /b \"C:\\dv\\atcprint.scr\"";
const std::u16string kClosing = u"open \"C:\\dv\\endfile.dwg\"\r\nquit\r\n";

std::u16string rowScript(std::u16string_view name) {
  return u"open \"C:\\p\\" + std::u16string(name) + u"\"\r\nclose\r\n" + kClosing;
}

// The status text of the per-row runs as the runner reports them: the progress text at
// each start, an empty text at the end.
struct ProgressTexts : RunObserver {
  std::vector<std::u16string> texts;
  RunKind kind = RunKind::kWholeList;
  int total = 0;
  void runBegins(RunKind runKind, int runTotal, int) override {
    kind = runKind;
    total = runTotal;
  }
  void rowBegins(int, int ordinal, std::u16string_view, std::u16string_view fileName) override {
    texts.push_back(progressText(ordinal, total, fileName));
  }
  void rowEnds(int, const ProcessRun&) override {}
  void rowNotRun(int, std::u16string_view, bool, std::u16string_view) override {}
  void wholeListRan(const std::vector<int>&, const std::vector<std::u16string>&, const ProcessRun&) override {}
  void runEnds(bool) override {
    if (kind != RunKind::kWholeList) texts.emplace_back();
  }
};

// The runner over fake ports. Every message reads "#<number>". Each run of the CAD
// application notes the Run script it was started on.
struct Bench : ScriptedMessages {
  std::unique_ptr<ScriptSet> set = plotSet();
  DrawingList list;
  FakeFileSystem files;
  RecordingProcesses processes;
  Settings settings;
  BatchRunner runner{files, processes, *processes.clock, messages, settings};
  std::vector<std::u16string> scriptsRun;
  ProgressTexts observer;
  std::vector<std::u16string>& progress = observer.texts;

  Bench() {
    list.rebuildColumns(*set);
    for (int n = 0; n < TextTables::kEntries; ++n) {
      const std::string digits = std::to_string(n);
      texts.messages[n][kEnglish].text = u"#" + std::u16string(digits.begin(), digits.end());
    }
    settings.autocad_file = kCad;
    settings.temp_file = kScript;
    settings.end_file_dwg = u"C:\\dv\\endfile.dwg";
    processes.whileRunning = [this](const RecordingProcesses::Event& event) {
      if (event.kind == Kind::kStart) scriptsRun.push_back(files.text(kScript));
    };
    runner.setObserver(&observer);
  }

  void addRows(std::initializer_list<const char16_t*> names) {
    for (const char16_t* name : names)
      list.addDrawingRow(*set, name, u"C:\\p", u"", 0, list.rowCount());
  }

  std::vector<std::u16string> shown() const {
    std::vector<std::u16string> result;
    for (const auto& box : ui.boxes) result.push_back(box.text);
    return result;
  }

  // Ticks of timer 2 until the run ends; gives the step results in order.
  std::vector<StepResult> tickToTheEnd(const std::function<void(int)>& beforeTick = {}) {
    std::vector<StepResult> results;
    for (int tick = 0; runner.timerRunning() && tick < 100; ++tick) {
      if (beforeTick) beforeTick(tick);
      const int row = runner.timerRow();
      const std::size_t runsBefore = scriptsRun.size();
      const std::size_t boxesBefore = ui.boxes.size();
      const bool again = runner.timerTick(*set, list);
      EXPECT_EQ(again, runner.timerRunning());
      EXPECT_EQ(runner.timerRow(), row + 1);
      // Result of the step, as the tick's effects show it.
      if (scriptsRun.size() > runsBefore) {
        results.push_back(StepResult::kRunNow);
      } else if (ui.boxes.size() > boxesBefore && ui.boxes.back().text == u"#20") {
        results.push_back(StepResult::kListEmpty);
      } else {
        results.push_back(StepResult::kSkipped);
      }
    }
    return results;
  }
};

// ---- The CAD application's command line ---------------------------------------------------

TEST(CadCommandLine, IsBlankSlashBBlankAndTheQuotedScriptPath) {
  EXPECT_EQ(cadCommandLine(u"C:\\dv\\atcprint.scr"), u" /b \"C:\\dv\\atcprint.scr\"");
  EXPECT_TRUE(fitsCadCommandLine(std::u16string(253, u'x')));
  EXPECT_FALSE(fitsCadCommandLine(std::u16string(254, u'x')));
  EXPECT_EQ(cadCommandLine(std::u16string(253, u'x')).size() + 1, kCadCommandLineCapacity);
}

// ---- One run over the whole list ----------------------------------------------------------

TEST(WholeListRun, WritesTheScriptThenRunsTheCadApplicationOnceAndWaits) {
  Bench bench;
  bench.addRows({u"a.dwg", u"b.dwg"});

  EXPECT_TRUE(bench.runner.runWholeList(*bench.set, bench.list, RowChoice::kAll));
  ASSERT_EQ(bench.processes.events.size(), 1u);
  EXPECT_EQ(bench.processes.events[0].kind, Kind::kStart);
  EXPECT_EQ(bench.processes.events[0].application, kCad);
  EXPECT_EQ(bench.processes.events[0].commandLine, kCommandLine);
  EXPECT_EQ(bench.scriptsRun, std::vector<std::u16string>{u"open \"C:\\p\\a.dwg\"\r\nclose\r\n"
                                                          u"open \"C:\\p\\b.dwg\"\r\nclose\r\n" +
                                                          kClosing});
  EXPECT_TRUE(bench.ui.boxes.empty());
  EXPECT_TRUE(bench.progress.empty()) << "a single run shows no row progress";
}

TEST(WholeListRun, ToolbarChoiceRunsTheSelectedRowsOrElseAll) {
  Bench bench;
  bench.addRows({u"a.dwg", u"b.dwg", u"c.dwg"});
  bench.list.selectRow(2);
  EXPECT_TRUE(bench.runner.runWholeList(*bench.set, bench.list, RowChoice::kSelectedOrAll));
  EXPECT_TRUE(bench.runner.runWholeList(*bench.set, bench.list, RowChoice::kSelectedOrAll));
  ASSERT_EQ(bench.scriptsRun.size(), 2u);
  EXPECT_EQ(bench.scriptsRun[0], u"open \"C:\\p\\c.dwg\"\r\nclose\r\n" + kClosing);
  EXPECT_EQ(bench.scriptsRun[1].substr(0, 19), u"open \"C:\\p\\a.dwg\"\r\n");
}

TEST(WholeListRun, AScriptThatWasNotWrittenIsNeverRun) {
  Bench bench;
  bench.addRows({u"a.dwg"});
  bench.files.unwritable.insert(kScript);
  EXPECT_FALSE(bench.runner.runWholeList(*bench.set, bench.list, RowChoice::kAll));
  EXPECT_EQ(bench.shown(), std::vector<std::u16string>{u"#19"});

  bench.files.unwritable.clear();
  bench.ui.boxes.clear();
  EXPECT_FALSE(bench.runner.runWholeList(*bench.set, bench.list, RowChoice::kSelected));
  EXPECT_EQ(bench.shown(), std::vector<std::u16string>{u"#21"});

  bench.ui.boxes.clear();
  bench.set->items[1].display_mode = DisplayMode::kValue;  // no folder item any more
  EXPECT_FALSE(bench.runner.runWholeList(*bench.set, bench.list, RowChoice::kAll));
  EXPECT_EQ(bench.shown(), std::vector<std::u16string>{u"#57"});
  EXPECT_TRUE(bench.processes.events.empty());
}

TEST(WholeListRun, ACadApplicationThatCannotStartShowsMessage6) {
  Bench bench;
  bench.addRows({u"a.dwg"});
  bench.processes.missingPrograms.insert(kCad);
  EXPECT_FALSE(bench.runner.runWholeList(*bench.set, bench.list, RowChoice::kAll));
  EXPECT_EQ(bench.shown(), std::vector<std::u16string>{u"#6"});
  EXPECT_EQ(bench.processes.log(), std::vector<std::u16string>{u"failed" + kCommandLine});

  bench.ui.boxes.clear();
  bench.settings.autocad_file.clear();
  EXPECT_FALSE(bench.runner.runWholeList(*bench.set, bench.list, RowChoice::kAll));
  EXPECT_EQ(bench.shown(), std::vector<std::u16string>{u"#6"});
}

TEST(WholeListRun, AScriptPathTooLongForTheCommandLineIsRefusedBeforeAnythingIsWritten) {
  Bench bench;
  bench.addRows({u"a.dwg"});
  bench.list.selectRow(0);
  bench.settings.temp_file = u"C:\\" + std::u16string(251, u'x');  // 254 characters
  EXPECT_FALSE(bench.runner.runWholeList(*bench.set, bench.list, RowChoice::kSelected));
  EXPECT_EQ(bench.shown(), std::vector<std::u16string>{u"#59"});
  EXPECT_TRUE(bench.files.files.empty());
  EXPECT_TRUE(bench.list.isSelected(0)) << "the selection is not used up for nothing";
  EXPECT_TRUE(bench.processes.events.empty());

  bench.ui.boxes.clear();
  bench.list.deleteAllRows();
  EXPECT_FALSE(bench.runner.runWholeList(*bench.set, bench.list, RowChoice::kAll));
  EXPECT_EQ(bench.shown(), std::vector<std::u16string>{u"#20"}) << "an empty list is told first";

  bench.ui.boxes.clear();
  bench.addRows({u"a.dwg"});
  bench.list.selectRow(0);
  bench.settings.temp_file.pop_back();  // 253 characters fit
  EXPECT_TRUE(bench.runner.runWholeList(*bench.set, bench.list, RowChoice::kSelected));
  EXPECT_EQ(bench.processes.events.at(0).commandLine, u" /b \"" + bench.settings.temp_file + u"\"");
  EXPECT_TRUE(bench.ui.boxes.empty());
}

// ---- Restart per row by one command --------------------------------------------------------

TEST(RestartPerRowByCommand, RunsEveryRowInOrderWithAPauseAfterEachRun) {
  Bench bench;
  bench.addRows({u"a.dwg", u"a.dwg", u"b.dwg"});

  bench.runner.runPerRowByCommand(*bench.set, bench.list);
  const std::u16string run = u"run" + kCommandLine;
  EXPECT_EQ(bench.processes.log(),
            (std::vector<std::u16string>{run, u"pause 500", run, u"pause 500", run, u"pause 500"}));
  EXPECT_EQ(bench.scriptsRun, (std::vector<std::u16string>{rowScript(u"a.dwg"), rowScript(u"a.dwg"),
                                                           rowScript(u"b.dwg")}))
      << "per-row scripts open and close every row, even rows of the same drawing";
  EXPECT_EQ(bench.progress,
            (std::vector<std::u16string>{u"1/3 a.dwg", u"2/3 a.dwg", u"3/3 b.dwg", u""}));
  EXPECT_TRUE(bench.ui.boxes.empty());
}

TEST(RestartPerRowByCommand, WithTwoOfFiveSelectedRunsThoseTwoInListOrderAndDeselectsThem) {
  Bench bench;
  bench.addRows({u"a.dwg", u"b.dwg", u"c.dwg", u"d.dwg", u"e.dwg"});
  bench.list.selectRow(3);
  bench.list.selectRow(1);

  bench.runner.runPerRowByCommand(*bench.set, bench.list);
  EXPECT_EQ(bench.scriptsRun,
            (std::vector<std::u16string>{rowScript(u"b.dwg"), rowScript(u"d.dwg")}));
  EXPECT_EQ(bench.processes.runs().size(), 2u);
  EXPECT_EQ(bench.list.selectedCount(), 0);
  EXPECT_EQ(bench.progress, (std::vector<std::u16string>{u"1/2 b.dwg", u"2/2 d.dwg", u""}));

  // The window lives during the run: a row the user selects meanwhile is not run.
  bench.list.selectRow(4);
  bench.list.selectRow(2);
  bench.scriptsRun.clear();
  bench.processes.whileRunning = [&bench](const RecordingProcesses::Event&) {
    bench.scriptsRun.push_back(bench.files.text(kScript));
    bench.list.selectRow(0);
  };
  bench.runner.runPerRowByCommand(*bench.set, bench.list);
  EXPECT_EQ(bench.scriptsRun, (std::vector<std::u16string>{rowScript(u"c.dwg"), rowScript(u"e.dwg")}));
}

TEST(RestartPerRowByCommand, EndsWhenTheCadApplicationCannotStart) {
  Bench bench;
  bench.addRows({u"a.dwg", u"b.dwg"});
  bench.list.selectRow(0);
  bench.list.selectRow(1);
  bench.processes.failFromStart = 1;

  bench.runner.runPerRowByCommand(*bench.set, bench.list);
  EXPECT_EQ(bench.processes.log(), (std::vector<std::u16string>{u"run" + kCommandLine, u"pause 500",
                                                                u"failed" + kCommandLine}));
  EXPECT_EQ(bench.shown(), std::vector<std::u16string>{u"#6"});
  EXPECT_EQ(bench.progress, (std::vector<std::u16string>{u"1/2 a.dwg", u"2/2 b.dwg", u""}));
}

TEST(RestartPerRowByCommand, EndsWhenTheScriptCannotBeWrittenAndRunsNothingOnIt) {
  Bench bench;
  bench.addRows({u"a.dwg", u"b.dwg"});
  bench.list.selectRow(0);
  bench.files.unwritable.insert(kScript);

  bench.runner.runPerRowByCommand(*bench.set, bench.list);
  EXPECT_TRUE(bench.processes.events.empty());
  EXPECT_EQ(bench.shown(), std::vector<std::u16string>{u"#19"});
  EXPECT_TRUE(bench.list.isSelected(0)) << "a row that did not run stays selected";
  EXPECT_EQ(bench.progress, std::vector<std::u16string>{u""});
}

TEST(RestartPerRowByCommand, RefusesAnEmptyListAndATooLongScriptPath) {
  Bench bench;
  bench.settings.temp_file = std::u16string(254, u'x');
  bench.runner.runPerRowByCommand(*bench.set, bench.list);
  EXPECT_EQ(bench.shown(), std::vector<std::u16string>{u"#20"});

  bench.ui.boxes.clear();
  bench.addRows({u"a.dwg"});
  bench.runner.runPerRowByCommand(*bench.set, bench.list);
  EXPECT_EQ(bench.shown(), std::vector<std::u16string>{u"#59"});
  EXPECT_TRUE(bench.processes.events.empty());
  EXPECT_TRUE(bench.files.files.empty());
}

TEST(RestartPerRowByCommand, ARowWithATooLongLineEndsTheRunBeforeItsStart) {
  Bench bench;
  bench.addRows({u"a.dwg"});
  bench.list.addDrawingRow(*bench.set, std::u16string(259, u'n'), std::u16string(259, u'f'), u"", 0,
                           1);
  bench.addRows({u"c.dwg"});

  bench.runner.runPerRowByCommand(*bench.set, bench.list);
  EXPECT_EQ(bench.scriptsRun, std::vector<std::u16string>{rowScript(u"a.dwg")});
  EXPECT_EQ(bench.shown(), std::vector<std::u16string>{u"#58"});
}

// ---- The timer run ------------------------------------------------------------------------

TEST(TimerRun, VisitsEveryRowOnePerTickAndEndsAfterTheLast) {
  Bench bench;
  bench.addRows({u"a.dwg", u"b.dwg", u"c.dwg"});
  bench.runner.startTimerRun(bench.list);
  EXPECT_TRUE(bench.runner.timerRunning());
  EXPECT_EQ(bench.runner.timerRow(), 0);
  EXPECT_EQ(bench.runner.timerRowCount(), 3);
  EXPECT_TRUE(bench.processes.events.empty()) << "the start only sets the timer";

  EXPECT_EQ(bench.tickToTheEnd(), (std::vector<StepResult>(3, StepResult::kRunNow)));
  EXPECT_EQ(bench.scriptsRun, (std::vector<std::u16string>{rowScript(u"a.dwg"), rowScript(u"b.dwg"),
                                                           rowScript(u"c.dwg")}));
  EXPECT_TRUE(bench.processes.runs(Kind::kPause).empty()) << "the timer, not a sleep, paces it";
  EXPECT_EQ(bench.progress,
            (std::vector<std::u16string>{u"1/3 a.dwg", u"2/3 b.dwg", u"3/3 c.dwg", u""}));
  EXPECT_FALSE(bench.runner.timerTick(*bench.set, bench.list)) << "a stray tick does nothing";
  EXPECT_EQ(bench.scriptsRun.size(), 3u);
}

TEST(TimerRun, WithTwoOfFiveSelectedTheOtherThreeAreVisitedAndSkipped) {
  Bench bench;
  bench.addRows({u"a.dwg", u"b.dwg", u"c.dwg", u"d.dwg", u"e.dwg"});
  bench.list.selectRow(1);
  bench.list.selectRow(3);
  bench.runner.startTimerRun(bench.list);

  EXPECT_EQ(
      bench.tickToTheEnd(),
      (std::vector<StepResult>{StepResult::kSkipped, StepResult::kRunNow, StepResult::kSkipped,
                               StepResult::kRunNow, StepResult::kSkipped}));
  // Row 4 comes after the run has used its selection up: the literal step would run it
  // as a row of an unselected list; the text's own edge case, and the user, want it skipped.
  EXPECT_EQ(bench.scriptsRun,
            (std::vector<std::u16string>{rowScript(u"b.dwg"), rowScript(u"d.dwg")}));
  EXPECT_EQ(bench.list.selectedCount(), 0);
  EXPECT_TRUE(bench.ui.boxes.empty());
}

TEST(TimerRun, ASelectionTheUserClearsDuringASelectedRunLetsTheLaterRowsBeHandled) {
  Bench bench;
  bench.addRows({u"a.dwg", u"b.dwg", u"c.dwg", u"d.dwg"});
  bench.list.selectRow(0);
  bench.list.selectRow(3);
  bench.runner.startTimerRun(bench.list);
  const auto results = bench.tickToTheEnd([&](int tick) {
    if (tick == 1) bench.list.selectNone();
  });
  EXPECT_EQ(results, (std::vector<StepResult>{StepResult::kRunNow, StepResult::kRunNow,
                                              StepResult::kRunNow, StepResult::kRunNow}));
}

TEST(TimerRun, ASelectionAboveTheCurrentRowSkipsEveryLaterRowAndClearingItResumes) {
  Bench bench;
  bench.addRows({u"a.dwg", u"b.dwg", u"c.dwg", u"d.dwg", u"e.dwg", u"f.dwg"});
  bench.runner.startTimerRun(bench.list);
  const auto results = bench.tickToTheEnd([&](int tick) {
    if (tick == 1) bench.list.selectRow(0);  // the user selects a row above, between ticks
    if (tick == 4) bench.list.selectNone();
  });
  EXPECT_EQ(results, (std::vector<StepResult>{StepResult::kRunNow, StepResult::kSkipped,
                                              StepResult::kSkipped, StepResult::kSkipped,
                                              StepResult::kRunNow, StepResult::kRunNow}));
  EXPECT_EQ(bench.scriptsRun, (std::vector<std::u16string>{rowScript(u"a.dwg"), rowScript(u"e.dwg"),
                                                           rowScript(u"f.dwg")}));
}

TEST(TimerRun, RowsAddedDuringTheRunAreBeyondTheCountTakenAtItsStart) {
  Bench bench;
  bench.addRows({u"a.dwg", u"b.dwg"});
  bench.runner.startTimerRun(bench.list);
  bench.tickToTheEnd([&](int tick) {
    if (tick == 0) bench.addRows({u"c.dwg", u"d.dwg"});
  });
  EXPECT_EQ(bench.scriptsRun,
            (std::vector<std::u16string>{rowScript(u"a.dwg"), rowScript(u"b.dwg")}));
}

TEST(TimerRun, RowsDeletedDuringTheRunAreSkippedNotRunAsEmptyPaths) {
  Bench bench;
  bench.addRows({u"a.dwg", u"b.dwg", u"c.dwg"});
  bench.runner.startTimerRun(bench.list);
  const auto results = bench.tickToTheEnd([&](int tick) {
    if (tick == 1) bench.list.deleteRow(2);
  });
  EXPECT_EQ(results, (std::vector<StepResult>{StepResult::kRunNow, StepResult::kRunNow,
                                              StepResult::kSkipped}));
  EXPECT_EQ(bench.scriptsRun,
            (std::vector<std::u16string>{rowScript(u"a.dwg"), rowScript(u"b.dwg")}));
}

TEST(TimerRun, AnEmptyListTakesOneTickThatEndsTheRunWithMessage20) {
  Bench bench;
  bench.runner.startTimerRun(bench.list);
  EXPECT_TRUE(bench.runner.timerRunning());
  EXPECT_EQ(bench.runner.perRowStep(*bench.set, bench.list), StepResult::kListEmpty);
  bench.ui.boxes.clear();

  EXPECT_EQ(bench.tickToTheEnd(), std::vector<StepResult>{StepResult::kListEmpty});
  EXPECT_EQ(bench.shown(), std::vector<std::u16string>{u"#20"});
  EXPECT_EQ(bench.progress, std::vector<std::u16string>{u""});
}

TEST(TimerRun, TheListEmptiedDuringTheRunEndsItAtTheNextTick) {
  Bench bench;
  bench.addRows({u"a.dwg", u"b.dwg", u"c.dwg"});
  bench.runner.startTimerRun(bench.list);
  const auto results = bench.tickToTheEnd([&](int tick) {
    if (tick == 1) bench.list.deleteAllRows();
  });
  EXPECT_EQ(results, (std::vector<StepResult>{StepResult::kRunNow, StepResult::kListEmpty}));
}

TEST(TimerRun, ACadApplicationThatCannotStartEndsTheRun) {
  Bench bench;
  bench.addRows({u"a.dwg", u"b.dwg", u"c.dwg"});
  bench.processes.failFromStart = 1;
  bench.runner.startTimerRun(bench.list);
  EXPECT_TRUE(bench.runner.timerTick(*bench.set, bench.list));
  EXPECT_FALSE(bench.runner.timerTick(*bench.set, bench.list));
  EXPECT_FALSE(bench.runner.timerRunning());
  EXPECT_EQ(bench.shown(), std::vector<std::u16string>{u"#6"});
  EXPECT_EQ(bench.processes.events.size(), 2u);
  EXPECT_EQ(bench.progress, (std::vector<std::u16string>{u"1/3 a.dwg", u"2/3 b.dwg", u""}));
}

TEST(TimerRun, AScriptThatCannotBeWrittenSkipsTheRowAndTheRunGoesOn) {
  Bench bench;
  bench.addRows({u"a.dwg", u"b.dwg"});
  bench.files.unwritable.insert(kScript);
  bench.runner.startTimerRun(bench.list);
  EXPECT_EQ(bench.runner.perRowStep(*bench.set, bench.list), StepResult::kSkipped);
  EXPECT_EQ(bench.shown(), std::vector<std::u16string>{u"#19"});

  bench.ui.boxes.clear();
  const auto results = bench.tickToTheEnd([&](int tick) {
    if (tick == 1) bench.files.unwritable.clear();
  });
  EXPECT_EQ(results, (std::vector<StepResult>{StepResult::kSkipped, StepResult::kRunNow}));
  EXPECT_EQ(bench.shown(), std::vector<std::u16string>{u"#19"});
  EXPECT_EQ(bench.scriptsRun, std::vector<std::u16string>{rowScript(u"b.dwg")});
}

TEST(TimerRun, ASetWithoutPathItemsOrATooLongScriptPathEndsTheRun) {
  Bench bench;
  bench.addRows({u"a.dwg", u"b.dwg"});
  bench.settings.temp_file = std::u16string(254, u'x');
  bench.runner.startTimerRun(bench.list);
  EXPECT_EQ(bench.runner.perRowStep(*bench.set, bench.list), StepResult::kStopped);
  EXPECT_FALSE(bench.runner.timerTick(*bench.set, bench.list));
  EXPECT_EQ(bench.shown(), (std::vector<std::u16string>{u"#59", u"#59"}));

  bench.ui.boxes.clear();
  bench.settings.temp_file = kScript;
  bench.set->items[0].display_mode = DisplayMode::kValue;  // no file-name item any more
  bench.runner.startTimerRun(bench.list);
  EXPECT_FALSE(bench.runner.timerTick(*bench.set, bench.list));
  EXPECT_EQ(bench.shown(), std::vector<std::u16string>{u"#57"});
  EXPECT_TRUE(bench.processes.events.empty());
}

TEST(TimerRun, StartingAgainWhileRunningRestartsFromRowZeroWithANewCount) {
  Bench bench;
  bench.addRows({u"a.dwg", u"b.dwg", u"c.dwg"});
  bench.runner.startTimerRun(bench.list);
  EXPECT_TRUE(bench.runner.timerTick(*bench.set, bench.list));
  EXPECT_TRUE(bench.runner.timerTick(*bench.set, bench.list));
  bench.addRows({u"d.dwg"});
  bench.runner.startTimerRun(bench.list);
  EXPECT_EQ(bench.runner.timerRow(), 0);
  EXPECT_EQ(bench.runner.timerRowCount(), 4);
  bench.tickToTheEnd();
  EXPECT_EQ(bench.scriptsRun, (std::vector<std::u16string>{
                                  rowScript(u"a.dwg"), rowScript(u"b.dwg"), rowScript(u"a.dwg"),
                                  rowScript(u"b.dwg"), rowScript(u"c.dwg"), rowScript(u"d.dwg")}));
}

TEST(TimerRun, ThePerRowStepGivesItsResultCodes) {
  Bench bench;
  bench.addRows({u"a.dwg", u"b.dwg"});
  bench.list.selectRow(1);
  bench.runner.startTimerRun(bench.list);
  EXPECT_EQ(static_cast<int>(bench.runner.perRowStep(*bench.set, bench.list)), 1);
  EXPECT_TRUE(bench.files.files.empty()) << "a skipped row writes nothing";
  bench.runner.timerTick(*bench.set, bench.list);  // on to row 1
  EXPECT_EQ(static_cast<int>(bench.runner.perRowStep(*bench.set, bench.list)), 0);
  EXPECT_EQ(bench.files.text(kScript), rowScript(u"b.dwg"));
  EXPECT_FALSE(bench.list.isSelected(1));
  bench.list.deleteAllRows();
  EXPECT_EQ(static_cast<int>(bench.runner.perRowStep(*bench.set, bench.list)), 2);
  EXPECT_TRUE(bench.processes.events.empty()) << "the step itself starts nothing";
}

// ---- Notepad ---------------------------------------------------------------------------------

TEST(ShowExecutedScript, StartsNotepadOnTheScriptWithoutWaitingWhetherOrNotItExists) {
  Bench bench;
  EXPECT_TRUE(bench.runner.showExecutedScript());
  ASSERT_EQ(bench.processes.events.size(), 1u);
  EXPECT_EQ(bench.processes.events[0].kind, Kind::kStartWithoutWait);
  EXPECT_EQ(bench.processes.events[0].application, u"notepad.exe");
  EXPECT_EQ(bench.processes.events[0].commandLine, u"\"C:\\dv\\atcprint.scr\"");
  EXPECT_TRUE(bench.ui.boxes.empty());

  bench.processes.missingPrograms.insert(u"notepad.exe");
  EXPECT_FALSE(bench.runner.showExecutedScript());
  EXPECT_EQ(bench.shown(), std::vector<std::u16string>{u"#7"});
}

TEST(RunProgress, TheTextIsOrdinalSlashTotalAndTheFileName) {
  EXPECT_EQ(progressText(3, 5, u"a.dwg"), u"3/5 a.dwg");
  EXPECT_EQ(progressText(12, 100, u""), u"12/100 ");
}

}  // namespace
}  // namespace dovevar
