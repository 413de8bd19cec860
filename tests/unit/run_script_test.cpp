#include "script/run_script.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "fakes/fake_file_system.h"
#include "fakes/script_items.h"
#include "fakes/scripted_ui.h"
#include "store/text_ids.h"

namespace dovevar {
namespace {

// The set of the worked example of a Run script: open, (folder), first character, whole cell,
// close. Columns: 0 file name, 1 folder, 2 Yes/No, 3 layout.
std::unique_ptr<ScriptSet> workedExampleSet(std::u16string close = u"close") {
  auto set = std::make_unique<ScriptSet>();
  set->in_use = 1;
  set->items[0] = scriptItem(DisplayMode::kFileName, OutputMode::kOpenDrawing, u"open");
  set->items[1] = scriptItem(DisplayMode::kFolder, OutputMode::kNothing);
  set->items[2] = scriptItem(DisplayMode::kValue, OutputMode::kFirstCharacter);
  set->items[3] = scriptItem(DisplayMode::kValue, OutputMode::kWholeCell);
  set->items[4] = scriptItem(DisplayMode::kNoColumn, OutputMode::kCommand, std::move(close));
  return set;
}

const std::u16string kEndDrawing = u"C:\\tool\\endfile.dwg";
const std::u16string kScript = u"C:\\tool\\atcprint.scr";

// A Drawing list, the set it shows, and the ports the writer talks to. Every message
// reads "#<number>", so a test sees which one was shown.
struct World {
  std::unique_ptr<ScriptSet> set;
  DrawingList list;
  FakeFileSystem files;
  ScriptedUi ui;
  TextTables texts;
  int language = kEnglish;
  Messages messages{ui, texts, language};

  explicit World(std::unique_ptr<ScriptSet> s = workedExampleSet()) : set(std::move(s)) {
    list.rebuildColumns(*set);
    for (int n = 0; n < TextTables::kEntries; ++n) {
      const std::string digits = std::to_string(n);
      texts.messages[n][kEnglish].text = u"#" + std::u16string(digits.begin(), digits.end());
    }
    texts.labels[kLabelsC][kLabelCSaveAsTitle][kEnglish] = u"Save as";
  }

  int add(std::u16string file, std::u16string folder, std::u16string yes = u"",
          std::u16string layout = u"") {
    const int row = list.addDrawingRow(*set, file, folder, u"", 0, list.rowCount());
    list.setCell(row, 2, yes);
    list.setCell(row, 3, layout);
    return row;
  }

  std::vector<std::u16string> shown() const {
    std::vector<std::u16string> texts_shown;
    for (const auto& box : ui.boxes) texts_shown.push_back(box.text);
    return texts_shown;
  }

  ScriptOutcome writeAll(RowChoice choice = RowChoice::kAll) {
    return writeWholeListScript(files, messages, *set, list, choice, kScript, kEndDrawing);
  }
  std::u16string script() const { return files.text(kScript); }
};

std::string bytesOf(std::u16string_view text) { return runScriptBytes(text); }

const std::u16string kClosing = u"open \"C:\\tool\\endfile.dwg\"\r\nquit\r\n";

// ---- The worked example ------------------------------------------------------------

TEST(RunScriptWorkedExample, TwoDrawingsGiveTenLinesAfterTheByteOrderMark) {
  World world;
  world.add(u"a.dwg", u"C:\\plans", u"Yes", u"Model");
  world.add(u"b.dwg", u"C:\\plans\\", u"No", u"Layout1");

  EXPECT_EQ(world.writeAll(), ScriptOutcome::kWritten);

  std::string expected("\xFF\xFE", 2);
  for (const char* line :
       {"open \"C:\\plans\\a.dwg\"", "Y", "Model", "close", "open \"C:\\plans\\b.dwg\"", "N",
        "Layout1", "close", "open \"C:\\tool\\endfile.dwg\"", "quit"}) {
    for (const char* c = line; *c != 0; ++c) expected += {*c, '\0'};
    expected += std::string("\r\0\n\0", 4);
  }
  EXPECT_EQ(world.files.files.at(kScript), expected);
  EXPECT_TRUE(world.ui.boxes.empty());
}

TEST(RunScriptWorkedExample, RowsOfTheSameDrawingShareOneOpenAndOneClose) {
  World world;
  world.add(u"a.dwg", u"C:\\plans", u"Yes", u"Model");
  world.add(u"a.dwg", u"C:\\plans", u"No", u"Layout1");

  EXPECT_EQ(world.writeAll(), ScriptOutcome::kWritten);
  EXPECT_EQ(
      world.files.files.at(kScript),
      bytesOf(u"open \"C:\\plans\\a.dwg\"\r\nY\r\nModel\r\nN\r\nLayout1\r\nclose\r\n" + kClosing));
}

// ---- The close look-ahead and the last-opened check ---------------------------------

TEST(CloseLookAhead, OnlyTheExactCommandCloseIsLeftOut) {
  for (const std::u16string close : {u"Close", u"close ", u"CLOSE"}) {
    World world(workedExampleSet(close));
    world.add(u"a.dwg", u"C:\\plans");
    world.add(u"a.dwg", u"C:\\plans");
    ASSERT_EQ(world.writeAll(), ScriptOutcome::kWritten);
    EXPECT_EQ(world.script(), u"open \"C:\\plans\\a.dwg\"\r\n\r\n\r\n" + close + u"\r\n\r\n\r\n" +
                                  close + u"\r\n" + kClosing)
        << "command " << std::string(close.begin(), close.end());
  }
}

TEST(CloseLookAhead, TheItemsAfterALeftOutCloseAreSkippedForThatRow) {
  auto set = workedExampleSet();
  set->items[5] = scriptItem(DisplayMode::kNoColumn, OutputMode::kCommand, u"after");
  World world(std::move(set));
  world.add(u"a.dwg", u"C:\\p", u"Y", u"M");
  world.add(u"a.dwg", u"C:\\p", u"N", u"L");

  ASSERT_EQ(world.writeAll(), ScriptOutcome::kWritten);
  EXPECT_EQ(world.script(),
            u"open \"C:\\p\\a.dwg\"\r\nY\r\nM\r\nN\r\nL\r\nclose\r\nafter\r\n" + kClosing);
}

TEST(CloseLookAhead, SameDrawingsApartAreOpenedAndClosedAgainAndPathsCompareByCase) {
  World world;
  world.add(u"a.dwg", u"C:\\p");
  world.add(u"b.dwg", u"C:\\p");
  world.add(u"a.dwg", u"C:\\p");
  world.add(u"A.dwg", u"C:\\p");
  world.add(u"A.dwg", u"C:\\p\\");  // the same path as the row above

  ASSERT_EQ(world.writeAll(), ScriptOutcome::kWritten);
  EXPECT_EQ(world.script(),
            u"open \"C:\\p\\a.dwg\"\r\n\r\n\r\nclose\r\n"
            u"open \"C:\\p\\b.dwg\"\r\n\r\n\r\nclose\r\n"
            u"open \"C:\\p\\a.dwg\"\r\n\r\n\r\nclose\r\n"
            u"open \"C:\\p\\A.dwg\"\r\n\r\n\r\n\r\n\r\nclose\r\n" +
                kClosing);
}

TEST(CloseLookAhead, TheLastRowAlwaysCloses) {
  World world;
  world.add(u"a.dwg", u"C:\\p");
  ASSERT_EQ(world.writeAll(), ScriptOutcome::kWritten);
  EXPECT_EQ(world.script(), u"open \"C:\\p\\a.dwg\"\r\n\r\n\r\nclose\r\n" + kClosing);
}

// ---- Selected rows --------------------------------------------------------------------

TEST(SelectedRowsScript, TakesTheSelectedRowsInListOrderAndUsesTheSelectionUp) {
  World world;
  for (const char16_t* name : {u"a.dwg", u"b.dwg", u"c.dwg", u"d.dwg"}) world.add(name, u"C:\\p");
  world.list.selectRow(3);
  world.list.selectRow(1);

  EXPECT_EQ(world.writeAll(RowChoice::kSelected), ScriptOutcome::kWritten);
  EXPECT_EQ(world.script(),
            u"open \"C:\\p\\b.dwg\"\r\n\r\n\r\nclose\r\n"
            u"open \"C:\\p\\d.dwg\"\r\n\r\n\r\nclose\r\n" +
                kClosing);
  EXPECT_EQ(world.list.selectedCount(), 0);
  EXPECT_EQ(world.list.focusedRow(), -1);
  for (int r = 0; r < 4; ++r) EXPECT_EQ(world.list.rowState(r), 0) << r;
}

TEST(SelectedRowsScript, TheCloseLookAheadComparesWithTheNextRowOfTheListSelectedOrNot) {
  World world;
  world.add(u"a.dwg", u"C:\\p");
  world.add(u"a.dwg", u"C:\\p");
  world.add(u"b.dwg", u"C:\\p");
  world.list.selectRow(0);
  world.list.selectRow(2);

  ASSERT_EQ(world.writeAll(RowChoice::kSelected), ScriptOutcome::kWritten);
  // Row 0's close is left out for row 1, which is not in the script: the drawing stays
  // open until b.dwg is opened. That is the rule as the text gives it.
  EXPECT_EQ(world.script(),
            u"open \"C:\\p\\a.dwg\"\r\n\r\n\r\n"
            u"open \"C:\\p\\b.dwg\"\r\n\r\n\r\nclose\r\n" +
                kClosing);
}

TEST(SelectedRowsScript, ADrawingClosedBeforeAnotherSelectedRowOfItIsOpenedAgain) {
  World world;
  world.add(u"a.dwg", u"C:\\p");
  world.add(u"b.dwg", u"C:\\p");
  world.add(u"a.dwg", u"C:\\p");
  world.list.selectRow(0);
  world.list.selectRow(2);

  ASSERT_EQ(world.writeAll(RowChoice::kSelected), ScriptOutcome::kWritten);
  EXPECT_EQ(world.script(),
            u"open \"C:\\p\\a.dwg\"\r\n\r\n\r\nclose\r\n"
            u"open \"C:\\p\\a.dwg\"\r\n\r\n\r\nclose\r\n" +
                kClosing);
}

TEST(SelectedRowsScript, ChoiceOneWithoutSelectionIsRefusedAndLeavesTheFileEmpty) {
  World world;
  world.add(u"a.dwg", u"C:\\p");
  world.files.putText(kScript, u"old script\r\n");

  EXPECT_EQ(world.writeAll(RowChoice::kSelected), ScriptOutcome::kNoSelection);
  EXPECT_EQ(world.shown(), std::vector<std::u16string>{u"#21"});
  EXPECT_EQ(world.files.files.at(kScript), "");
}

TEST(SelectedRowsScript, ChoiceTwoTakesTheSelectedRowsOrElseAll) {
  World world;
  world.add(u"a.dwg", u"C:\\p");
  world.add(u"b.dwg", u"C:\\p");
  ASSERT_EQ(world.writeAll(RowChoice::kSelectedOrAll), ScriptOutcome::kWritten);
  EXPECT_EQ(world.script(),
            u"open \"C:\\p\\a.dwg\"\r\n\r\n\r\nclose\r\n"
            u"open \"C:\\p\\b.dwg\"\r\n\r\n\r\nclose\r\n" +
                kClosing);

  world.list.selectRow(1);
  ASSERT_EQ(world.writeAll(RowChoice::kSelectedOrAll), ScriptOutcome::kWritten);
  EXPECT_EQ(world.script(), u"open \"C:\\p\\b.dwg\"\r\n\r\n\r\nclose\r\n" + kClosing);
  EXPECT_EQ(world.list.selectedCount(), 0);
}

TEST(SelectedRowsScript, ChoiceZeroIgnoresAndKeepsTheSelection) {
  World world;
  world.add(u"a.dwg", u"C:\\p");
  world.add(u"b.dwg", u"C:\\p");
  world.list.selectRow(1);
  ASSERT_EQ(world.writeAll(RowChoice::kAll), ScriptOutcome::kWritten);
  EXPECT_EQ(world.script(),
            u"open \"C:\\p\\a.dwg\"\r\n\r\n\r\nclose\r\n"
            u"open \"C:\\p\\b.dwg\"\r\n\r\n\r\nclose\r\n" +
                kClosing);
  EXPECT_TRUE(world.list.isSelected(1));
}

// ---- Lines of the output modes ------------------------------------------------------

TEST(OutputModeLines, EmptyCellsUnderModesThreeAndFourGiveEmptyLines) {
  World world;
  world.add(u"a.dwg", u"C:\\p", u"", u"");
  ASSERT_EQ(world.writeAll(), ScriptOutcome::kWritten);
  EXPECT_EQ(world.files.files.at(kScript),
            bytesOf(u"open \"C:\\p\\a.dwg\"\r\n\r\n\r\nclose\r\n" + kClosing));
}

// A cell that holds a CR or LF would give the CAD application a second command.
TEST(OutputModeLines, ControlCharactersOfACellNeverReachTheScript) {
  World world;
  world.add(u"a\r.dwg", u"C:\\p\n", u"Yes", u"Model\rquit\t1");
  ASSERT_EQ(world.writeAll(), ScriptOutcome::kWritten);
  EXPECT_EQ(world.script(), u"open \"C:\\p\\a.dwg\"\r\nY\r\nModelquit\t1\r\nclose\r\n" + kClosing);
}

TEST(OutputModeLines, CellsAreReadUpTo127CharactersAndTheFirstCharacterKeepsSurrogatePairs) {
  World world;
  world.add(u"a.dwg", u"C:\\p", u"\U0001F600x", std::u16string(200, u'w'));
  ASSERT_EQ(world.writeAll(), ScriptOutcome::kWritten);
  EXPECT_EQ(world.script(), u"open \"C:\\p\\a.dwg\"\r\n\U0001F600\r\n" + std::u16string(127, u'w') +
                                u"\r\nclose\r\n" + kClosing);
}

TEST(OutputModeLines, AnItemWithoutColumnReadsTheColumnItemBeforeIt) {
  auto set = std::make_unique<ScriptSet>();
  set->items[0] = scriptItem(DisplayMode::kNoColumn, OutputMode::kWholeCell);  // no column before
  set->items[1] = scriptItem(DisplayMode::kFileName, OutputMode::kNothing);
  set->items[2] = scriptItem(DisplayMode::kFolder, OutputMode::kNothing);
  set->items[3] = scriptItem(DisplayMode::kValue, OutputMode::kNothing);
  set->items[4] = scriptItem(DisplayMode::kNoColumn, OutputMode::kFirstCharacter);
  set->items[5] = scriptItem(DisplayMode::kNoColumn, OutputMode::kWholeCell);
  set->items[6] = scriptItem(DisplayMode::kNoColumn, 7, u"odd mode");  // writes nothing
  set->items[8] = scriptItem(DisplayMode::kNoColumn, OutputMode::kCommand, u"after the run");
  World world(std::move(set));
  const int row = world.add(u"a.dwg", u"C:\\p");
  world.list.setCell(row, 2, u"Plot");

  ASSERT_EQ(world.writeAll(), ScriptOutcome::kWritten);
  EXPECT_EQ(world.script(), u"\r\nP\r\nPlot\r\n" + kClosing);
}

// ---- Drawing paths ---------------------------------------------------------------------

TEST(DrawingPath, ABackslashJoinsFolderAndNameUnlessTheFolderEndsInOne) {
  EXPECT_EQ(drawingPath(u"C:\\plans", u"a.dwg"), u"C:\\plans\\a.dwg");
  EXPECT_EQ(drawingPath(u"C:\\plans\\", u"a.dwg"), u"C:\\plans\\a.dwg");
  EXPECT_EQ(drawingPath(u"C:\\", u"a.dwg"), u"C:\\a.dwg");
  EXPECT_EQ(drawingPath(u"\\", u"a.dwg"), u"\\\\a.dwg");
  EXPECT_EQ(drawingPath(u"", u"a.dwg"), u"\\a.dwg");
}

TEST(DrawingPath, TheScriptUsesTheFolderRulesAndCellsOfUpTo259Characters) {
  World world;
  world.add(u"a.dwg", u"C:\\");
  world.add(u"b.dwg", u"\\");
  world.add(u"c.dwg", u"");
  const std::u16string longFolder(300, u'f');
  world.add(u"d.dwg", longFolder);
  const auto composed =
      composeWholeListScript(*world.set, world.list, RowChoice::kAll, kEndDrawing);
  ASSERT_EQ(composed.outcome, ScriptOutcome::kWritten);
  EXPECT_EQ(runScriptText(composed),
            u"open \"C:\\a.dwg\"\r\n\r\n\r\nclose\r\n"
            u"open \"\\\\b.dwg\"\r\n\r\n\r\nclose\r\n"
            u"open \"\\c.dwg\"\r\n\r\n\r\nclose\r\n"
            u"open \"" +
                longFolder.substr(0, 259) + u"\\d.dwg\"\r\n\r\n\r\nclose\r\n" + kClosing);
  EXPECT_EQ(drawingPathOfRow(*world.set, world.list, 2), u"\\c.dwg");
}

// ---- The per-row script -----------------------------------------------------------------

TEST(PerRowScript, WritesEveryLineOfTheRowWithoutLookAhead) {
  World world;
  world.add(u"a.dwg", u"C:\\p", u"Yes", u"Model");
  world.add(u"a.dwg", u"C:\\p", u"No", u"Layout1");
  world.list.selectRow(1);

  EXPECT_EQ(writePerRowScript(world.files, world.messages, *world.set, world.list, 0, false,
                              kScript, kEndDrawing),
            ScriptOutcome::kWritten);
  EXPECT_EQ(world.files.files.at(kScript),
            bytesOf(u"open \"C:\\p\\a.dwg\"\r\nY\r\nModel\r\nclose\r\n" + kClosing));
  EXPECT_TRUE(world.list.isSelected(1));

  EXPECT_EQ(writePerRowScript(world.files, world.messages, *world.set, world.list, 1, true, kScript,
                              kEndDrawing),
            ScriptOutcome::kWritten);
  EXPECT_EQ(world.script(), u"open \"C:\\p\\a.dwg\"\r\nN\r\nLayout1\r\nclose\r\n" + kClosing);
  EXPECT_EQ(world.list.rowState(1), 0) << "the row's selection is used up";
}

// ---- Refusals and failures -------------------------------------------------------------

TEST(RunScriptRefusals, AnEmptyListShowsMessage20AndLeavesTheFileEmpty) {
  World world;
  world.files.putText(kScript, u"old\r\n");
  EXPECT_EQ(world.writeAll(), ScriptOutcome::kListEmpty);
  EXPECT_EQ(world.shown(), std::vector<std::u16string>{u"#20"});
  EXPECT_EQ(world.files.files.at(kScript), "");
}

TEST(RunScriptRefusals, AFileThatCannotBeWrittenShowsMessage19AndKeepsTheSelection) {
  World world;
  world.add(u"a.dwg", u"C:\\p");
  world.list.selectRow(0);
  world.files.putText(kScript, u"old\r\n");
  world.files.unwritable.insert(kScript);

  EXPECT_EQ(world.writeAll(RowChoice::kSelected), ScriptOutcome::kNotCreated);
  EXPECT_EQ(world.shown(), std::vector<std::u16string>{u"#19"});
  EXPECT_EQ(world.script(), u"old\r\n");
  EXPECT_TRUE(world.list.isSelected(0));

  world.ui.boxes.clear();
  world.list.deleteAllRows();
  EXPECT_EQ(world.writeAll(), ScriptOutcome::kNotCreated)
      << "as in the original, a file that cannot be created is reported before the empty list";
  EXPECT_EQ(world.shown(), std::vector<std::u16string>{u"#19"});
}

TEST(RunScriptRefusals, ASetWithoutFileNameOrFolderItemWritesNoScript) {
  for (const std::int32_t missing : {DisplayMode::kFileName, DisplayMode::kFolder}) {
    auto set = workedExampleSet();
    for (auto& entry : set->items) {
      if (entry.display_mode == missing) entry.display_mode = DisplayMode::kValue;
    }
    World world(std::move(set));
    world.add(u"a.dwg", u"C:\\p");
    world.list.selectRow(0);

    EXPECT_EQ(world.writeAll(RowChoice::kSelected), ScriptOutcome::kNoPathItems);
    EXPECT_EQ(world.shown(), std::vector<std::u16string>{u"#57"});
    EXPECT_EQ(world.files.files.at(kScript), "");
    EXPECT_TRUE(world.list.isSelected(0));
    EXPECT_EQ(writePerRowScript(world.files, world.messages, *world.set, world.list, 0, true,
                                kScript, kEndDrawing),
              ScriptOutcome::kNoPathItems);
    EXPECT_TRUE(world.list.isSelected(0));
  }
}

TEST(RunScriptRefusals, AFileNameItemAfterTheEndOfTheActiveRunDoesNotCount) {
  auto set = workedExampleSet();
  set->items[0].display_mode = DisplayMode::kValue;
  set->items[6] = scriptItem(DisplayMode::kFileName, OutputMode::kNothing);  // after the gap at 5
  World world(std::move(set));
  world.add(u"a.dwg", u"C:\\p");
  EXPECT_EQ(world.writeAll(), ScriptOutcome::kNoPathItems);
}

TEST(RunScriptRefusals, ALineOver509CharactersRefusesTheWholeScript) {
  World world;
  // "open" + blank + quote + path + quote: a path of 502 characters makes 509.
  const std::u16string folder(259, u'f');
  world.add(std::u16string(502 - 260, u'n'), folder);
  ASSERT_EQ(world.writeAll(), ScriptOutcome::kWritten);
  EXPECT_EQ(world.script().find(u"\r\n"), 509u);

  world.add(std::u16string(503 - 260, u'n'), folder);
  world.list.selectRow(0);
  EXPECT_EQ(world.writeAll(RowChoice::kSelectedOrAll), ScriptOutcome::kWritten);
  world.list.selectRow(1);
  EXPECT_EQ(world.writeAll(RowChoice::kSelectedOrAll), ScriptOutcome::kLineTooLong);
  EXPECT_EQ(world.shown(), std::vector<std::u16string>{u"#58"});
  EXPECT_EQ(world.files.files.at(kScript), "") << "nothing of the script is written";
  EXPECT_TRUE(world.list.isSelected(1));

  EXPECT_EQ(writePerRowScript(world.files, world.messages, *world.set, world.list, 1, true, kScript,
                              kEndDrawing),
            ScriptOutcome::kLineTooLong);
  EXPECT_TRUE(world.list.isSelected(1));
}

// ---- Save script file --------------------------------------------------------------------

TEST(SaveScriptFile, TheChosenNameGetsTheExtensionScr) {
  EXPECT_EQ(withScrExtension(u"C:\\out"), u"C:\\out.scr");
  EXPECT_EQ(withScrExtension(u"C:\\out.txt"), u"C:\\out.scr");
  EXPECT_EQ(withScrExtension(u"C:\\out.scr"), u"C:\\out.scr");
  EXPECT_EQ(withScrExtension(u"C:\\out.tar.gz"), u"C:\\out.tar.scr");
  EXPECT_EQ(withScrExtension(u"C:\\my.dir\\out"), u"C:\\my.dir\\out.scr");
  EXPECT_EQ(withScrExtension(u"C:/my.dir/out"), u"C:/my.dir/out.scr");
  EXPECT_EQ(withScrExtension(u"out."), u"out.scr");
}

TEST(SaveScriptFile, AsksForANameWritesTheScriptThereAndShowsMessage15) {
  World world;
  world.add(u"a.dwg", u"C:\\p");
  world.files.putText(u"C:\\out\\plot.scr", u"old\r\n");
  world.ui.chosenPaths.push_back(u"C:\\out\\plot.txt");

  EXPECT_EQ(saveScriptFile(world.files, world.messages, *world.set, world.list, RowChoice::kAll,
                           u"C:\\dv", kEndDrawing),
            SaveScriptResult::kSaved);
  ASSERT_EQ(world.ui.fileDialogs.size(), 1u);
  const UiPort::FileDialog& dialog = world.ui.fileDialogs[0];
  EXPECT_EQ(dialog.title, u"Save as");
  ASSERT_EQ(dialog.filters.size(), 2u);
  EXPECT_EQ(dialog.filters[0],
            (std::pair<std::u16string, std::u16string>{u"ScrFile(*.scr)", u"*.scr"}));
  EXPECT_EQ(dialog.filters[1],
            (std::pair<std::u16string, std::u16string>{u"AllFile(*.*)", u"*.*"}));
  EXPECT_EQ(dialog.filterIndex, 1);
  EXPECT_EQ(dialog.initialPath, u"C:\\dv\\*.scr");
  EXPECT_EQ(world.files.text(u"C:\\out\\plot.scr"),
            u"open \"C:\\p\\a.dwg\"\r\n\r\n\r\nclose\r\n" + kClosing)
      << "an existing file is replaced without a question";
  EXPECT_EQ(world.files.files.count(u"C:\\out\\plot.txt"), 0u);
  EXPECT_EQ(world.shown(), std::vector<std::u16string>{u"#15"});
}

TEST(SaveScriptFile, CancelShowsNothingAndAFailureIsNotReportedAsSaved) {
  World world;
  world.add(u"a.dwg", u"C:\\p");
  EXPECT_EQ(saveScriptFile(world.files, world.messages, *world.set, world.list, RowChoice::kAll,
                           u"C:\\dv", kEndDrawing),
            SaveScriptResult::kCancelled);
  EXPECT_TRUE(world.ui.boxes.empty());
  EXPECT_TRUE(world.files.files.empty());

  world.ui.chosenPaths.push_back(u"C:\\out\\plot");
  world.files.unwritable.insert(u"C:\\out\\plot.scr");
  EXPECT_EQ(saveScriptFile(world.files, world.messages, *world.set, world.list, RowChoice::kAll,
                           u"C:\\dv", kEndDrawing),
            SaveScriptResult::kFailed);
  EXPECT_EQ(world.shown(), std::vector<std::u16string>{u"#19"});

  world.ui.boxes.clear();
  world.ui.chosenPaths.push_back(u"C:\\out\\selected");
  EXPECT_EQ(saveScriptFile(world.files, world.messages, *world.set, world.list,
                           RowChoice::kSelected, u"C:\\dv", kEndDrawing),
            SaveScriptResult::kFailed);
  EXPECT_EQ(world.shown(), std::vector<std::u16string>{u"#21"});
  EXPECT_EQ(world.files.files.at(u"C:\\out\\selected.scr"), "");
}

}  // namespace
}  // namespace dovevar
