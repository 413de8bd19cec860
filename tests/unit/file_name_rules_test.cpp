#include "collect/file_name_rules.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "fakes/script_items.h"

namespace dovevar {
namespace {

const RuleLabels kLabels = {u"Portrait", u"Landscape", u"Layout", u"Extents", u"Display"};

using Row = std::vector<std::u16string>;

// A Drawing list of `columns` value columns; each row holds the file name in column 0
// and "-" in every other cell, so that any write shows.
struct RulesList {
  explicit RulesList(int columns) {
    auto set = std::make_unique<ScriptSet>();
    for (int c = 0; c < columns; ++c) set->items[c] = scriptItem(DisplayMode::kValue, 0);
    list.rebuildColumns(*set);
  }
  void add(const std::u16string& name) {
    const int row = list.insertRow(list.rowCount(), name, 0, list.rowCount());
    for (int c = 1; c < list.columnCount(); ++c) list.setCell(row, c, u"-");
  }
  Row row(int r) const {
    Row cells;
    for (int c = 0; c < list.columnCount(); ++c) cells.emplace_back(list.cell(r, c));
    return cells;
  }
  DrawingList list;
};

// Four printer rules; rule 1 has no search text, rule 3 is never met.
FileNameRules printerRules() {
  FileNameRules rules;
  rules.ps = 1;
  rules.fp_ps[0] = {u"A1", u"Plotter", u"ISO A1"};
  rules.fp_ps[1] = {u"", u"Never", u"Never"};
  rules.fp_ps[2] = {u"-B", u"Laser", u"A3"};
  rules.fp_ps[3] = {u"Q9", u"Other", u"A4"};
  return rules;
}

FileNameRules orientationAndAreaRules() {
  FileNameRules rules;
  rules.ds = 1;
  rules.search_d1 = u"TATE";
  rules.search_d2 = u"YOKO";
  rules.ss = 1;
  rules.search_s1 = u"LAY";
  rules.search_s2 = u"EXT";
  rules.search_s3 = u"DSP";
  return rules;
}

TEST(FileNameRulesApply, PrinterRulesAreCaseSensitiveSubstringsAndTheLastMatchWins) {
  struct Case {
    std::u16string name;
    std::u16string printer, paper;
  };
  const std::vector<Case> cases = {
      {u"PLAN-A1.dwg", u"Plotter", u"ISO A1"},
      {u"plan-a1.dwg", u"-", u"-"},
      {u"PLAN-A1-B.dwg", u"Laser", u"A3"},  // rules 0 and 2 both match: rule 2 wins
      {u"-BA1", u"Laser", u"A3"},           // the order of the rules, not of the text
      {u"PLAN.dwg", u"-", u"-"},            // the empty search text of rule 1 matches nothing
  };
  RulesList rows(11);
  for (const Case& c : cases) rows.add(c.name);
  applyFileNameRules(rows.list, printerRules(), kLabels, 0);
  for (int r = 0; r < static_cast<int>(cases.size()); ++r) {
    SCOPED_TRACE(std::string(cases[r].name.begin(), cases[r].name.end()));
    EXPECT_EQ(rows.list.cell(r, kPrinterColumn), cases[r].printer);
    EXPECT_EQ(rows.list.cell(r, kPaperColumn), cases[r].paper);
    EXPECT_EQ(rows.list.cell(r, kRuleOrientationColumn), u"-") << "orientation rules are off";
  }
}

TEST(FileNameRulesApply, OrientationAndPlotAreaTakeTheLabelOfTheLastMatch) {
  struct Case {
    std::u16string name;
    std::u16string orientation, area;
  };
  const std::vector<Case> cases = {
      {u"TATE.dwg", u"Portrait", u"-"},
      {u"YOKO-TATE.dwg", u"Landscape", u"-"},  // both occur: landscape wins
      {u"tate-lay.dwg", u"-", u"-"},
      {u"LAY.dwg", u"-", u"Layout"},
      {u"DSP-EXT-LAY.dwg", u"-", u"Display"},
      {u"EXT-LAY.dwg", u"-", u"Extents"},
  };
  RulesList rows(11);
  for (const Case& c : cases) rows.add(c.name);
  applyFileNameRules(rows.list, orientationAndAreaRules(), kLabels, 0);
  for (int r = 0; r < static_cast<int>(cases.size()); ++r) {
    SCOPED_TRACE(std::string(cases[r].name.begin(), cases[r].name.end()));
    EXPECT_EQ(rows.list.cell(r, kRuleOrientationColumn), cases[r].orientation);
    EXPECT_EQ(rows.list.cell(r, kRulePlotAreaColumn), cases[r].area);
    EXPECT_EQ(rows.list.cell(r, kPrinterColumn), u"-") << "printer rules are off";
  }
}

TEST(FileNameRulesApply, AFlagCountsAsOnOnlyWhenItIsOne) {
  for (const std::uint16_t flag : {0, 1, 2, 0xFFFF}) {
    SCOPED_TRACE(flag);
    FileNameRules rules = printerRules();
    rules.fp_ps[0].search = u"P";
    rules.search_d1 = u"P";
    rules.search_s1 = u"P";
    rules.ps = rules.ds = rules.ss = flag;
    RulesList rows(11);
    rows.add(u"P.dwg");
    applyFileNameRules(rows.list, rules, kLabels, 0);
    const bool on = flag == 1;
    EXPECT_EQ(rows.list.cell(0, kPrinterColumn), on ? u"Plotter" : u"-");
    EXPECT_EQ(rows.list.cell(0, kRuleOrientationColumn), on ? u"Portrait" : u"-");
    EXPECT_EQ(rows.list.cell(0, kRulePlotAreaColumn), on ? u"Layout" : u"-");
  }
}

TEST(FileNameRulesApply, TheFileNameIsReadUpTo127Characters) {
  RulesList rows(11);
  rows.add(std::u16string(125, u'x') + u"A1");  // ends at character 127
  rows.add(std::u16string(126, u'x') + u"A1");  // its "1" is character 128
  applyFileNameRules(rows.list, printerRules(), kLabels, 0);
  EXPECT_EQ(rows.list.cell(0, kPrinterColumn), u"Plotter");
  EXPECT_EQ(rows.list.cell(1, kPrinterColumn), u"-");
}

TEST(FileNameRulesApply, RowsBeforeTheFirstRowAndAfterCollectionsWithoutChgOnStay) {
  RulesList rows(11);
  for (int r = 0; r < 3; ++r) rows.add(u"A1.dwg");
  FileNameRules rules = printerRules();

  applyFileNameRules(rows.list, rules, kLabels, 3);
  applyFileNameRules(rows.list, rules, kLabels, 40);
  EXPECT_EQ(rows.list.cell(2, kPrinterColumn), u"-") << "a first row at or past the end";

  applyRulesAfterCollection(rows.list, rules, kLabels, 1);
  EXPECT_EQ(rows.list.cell(2, kPrinterColumn), u"-") << "chg_on is off";

  rules.chg_on = 2;  // any value but 0 turns it on
  applyRulesAfterCollection(rows.list, rules, kLabels, 1);
  EXPECT_EQ(rows.list.cell(0, kPrinterColumn), u"-") << "a row from before the collection";
  EXPECT_EQ(rows.list.cell(1, kPrinterColumn), u"Plotter");
  EXPECT_EQ(rows.list.cell(2, kPrinterColumn), u"Plotter");
}

TEST(FileNameRulesApply, ColumnsTheListLacksAreNotWrittenAndNoOtherCellChanges) {
  FileNameRules rules = printerRules();
  const FileNameRules more = orientationAndAreaRules();
  rules.ds = more.ds;
  rules.search_d2 = more.search_d2;
  rules.ss = more.ss;
  rules.search_s3 = more.search_s3;
  for (const int columns : {1, 5, 7, 9, 10}) {
    SCOPED_TRACE(columns);
    RulesList rows(columns);
    rows.add(u"A1-YOKO-DSP.dwg");
    Row expected = rows.row(0);
    if (columns > kPrinterColumn) expected[kPrinterColumn] = u"Plotter";
    if (columns > kPaperColumn) expected[kPaperColumn] = u"ISO A1";
    if (columns > kRuleOrientationColumn) expected[kRuleOrientationColumn] = u"Landscape";
    applyFileNameRules(rows.list, rules, kLabels, 0);
    EXPECT_EQ(rows.row(0), expected);
    EXPECT_EQ(rows.list.columnCount(), columns);
    EXPECT_EQ(rows.list.cell(0, kRulePlotAreaColumn), u"");
  }
}

TEST(FileNameRulesApply, CellsMissingFromARowAreAddedWithoutDisturbingTheFileName) {
  // A row that holds only its file name gets its later cells appended while the rules
  // still look at that name.
  RulesList rows(11);
  rows.list.insertRow(0, u"A1-YOKO-DSP.dwg", 0, 0);
  FileNameRules rules = orientationAndAreaRules();
  rules.ps = 1;
  rules.fp_ps = printerRules().fp_ps;
  applyFileNameRules(rows.list, rules, kLabels, 0);
  EXPECT_EQ(rows.row(0), (Row{u"A1-YOKO-DSP.dwg", u"", u"", u"", u"", u"Plotter", u"ISO A1", u"",
                              u"Landscape", u"", u"Display"}));
}

// ---- The rules dialog ---------------------------------------------------------------

TEST(FileNameRulesDialog, TextsAreStoredCutToTheirLimitsWithoutSplittingACharacter) {
  const std::u16string face = u"\U0001F600";  // one character, two code units
  struct Case {
    std::u16string typed, stored;
  };
  const std::vector<Case> searches = {
      {u"ABCDEFGH", u"ABCDEF"},
      {u"ABCDEF", u"ABCDEF"},
      {u"ABCDE" + face, u"ABCDE"},  // the pair would straddle the cut: left out whole
      {u"ABCD" + face + u"X", u"ABCD" + face},
      {u"", u""},
  };
  for (const Case& c : searches) {
    RulesDialogValues values;
    values.search[2] = c.typed;
    values.landscape = c.typed;
    values.display = c.typed;
    FileNameRules rules;
    storeRulesDialog(values, rules);
    EXPECT_EQ(rules.fp_ps[2].search, c.stored);
    EXPECT_EQ(rules.search_d2, c.stored);
    EXPECT_EQ(rules.search_s3, c.stored);
  }

  RulesDialogValues values;
  values.printer[0] = std::u16string(125, u'p') + face;
  values.paper[3] = std::u16string(70, u'a');
  FileNameRules rules;
  storeRulesDialog(values, rules);
  EXPECT_EQ(rules.fp_ps[0].printer, std::u16string(125, u'p'));
  EXPECT_EQ(rules.fp_ps[3].paper, std::u16string(62, u'a'));
}

TEST(FileNameRulesDialog, AFlagThatIsNotZeroShowsCheckedAndIsStoredAsOne) {
  FileNameRules rules;
  rules.ps = 2;
  rules.chg_on = 7;
  storeRulesDialog(rulesDialogValues(rules), rules);
  EXPECT_EQ(rules.ps, 1);
  EXPECT_EQ(rules.ds, 0);
  EXPECT_EQ(rules.chg_on, 1);
}

PrinterTable printers() {
  PrinterTable table;
  table.count = 3;
  table.records[0].name = u"First";
  table.records[0].papers[0] = u"A4";
  table.records[1].name = u"Plotter";
  table.records[1].papers[0] = u"ISO A1";
  table.records[1].papers[1] = u"ISO A0";
  table.records[1].papers[3] = u"after a gap";
  table.records[2].name = std::u16string(64, u'n') + u"-2";
  table.records[2].papers[0] = u"B2";
  table.records[3].name = u"Beyond the count";
  return table;
}

TEST(FileNameRulesDialog, PaperBoxesListThePapersOfTheNamedPrinter) {
  const PrinterTable table = printers();
  EXPECT_EQ(findPrinter(table, u"Plotter"), &table.records[1]);
  EXPECT_EQ(findPrinter(table, u"plotter"), nullptr);
  EXPECT_EQ(findPrinter(table, u"Plot"), nullptr);
  EXPECT_EQ(findPrinter(table, u"Beyond the count"), nullptr);
  EXPECT_EQ(printerForOpening(table, u"Plotter"), &table.records[1]);
  EXPECT_EQ(printerForOpening(table, u"Gone"), &table.records[0]);
  EXPECT_EQ(printerForOpening(PrinterTable{}, u"Gone"), nullptr);

  const std::vector<std::u16string_view> papers = paperChoices(table.records[1]);
  EXPECT_EQ(papers, (std::vector<std::u16string_view>{u"ISO A1", u"ISO A0"}));
}

TEST(FileNameRulesDialog, ThePaperListFollowsAPrinterBoxOnceItsTextHasSettled) {
  const PrinterTable table = printers();
  PrinterBoxWatch watch;
  for (int rule = 0; rule < kPrinterRuleCount; ++rule) watch.remember(rule, u"First");

  EXPECT_TRUE(watch.notify(2));
  EXPECT_FALSE(watch.notify(2)) << "the timer runs already";
  EXPECT_FALSE(watch.notify(0)) << "one refresh at a time";
  EXPECT_EQ(watch.pending(), 2);
  EXPECT_EQ(watch.settle(u"First", table), nullptr) << "the text did not change";
  EXPECT_EQ(watch.pending(), -1);

  watch.notify(2);
  EXPECT_EQ(watch.settle(u"Plotter", table), &table.records[1]);
  watch.notify(2);
  EXPECT_EQ(watch.settle(u"Typed by hand", table), nullptr) << "names no printer";
  watch.notify(2);
  EXPECT_EQ(watch.settle(u"Plotter", table), &table.records[1]);

  // Names that differ only after their 64th character are different printers.
  watch.remember(1, std::u16string(64, u'n') + u"-1");
  watch.notify(1);
  EXPECT_EQ(watch.settle(table.records[2].name, table), &table.records[2]);

  EXPECT_EQ(watch.settle(u"Plotter", table), nullptr) << "nothing was pending";
}

}  // namespace
}  // namespace dovevar
