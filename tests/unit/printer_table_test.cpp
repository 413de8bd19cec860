#include "printers/printer_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_spooler.h"
#include "fakes/scripted_messages.h"
#include "fakes/scripted_ui.h"
#include "store/text_ids.h"

namespace dovevar {
namespace {

std::vector<std::u16string> numbered(const std::u16string& stem, int count) {
  std::vector<std::u16string> names;
  for (int i = 1; i <= count; ++i) {
    std::string digits = std::to_string(i);
    names.push_back(stem + std::u16string(digits.begin(), digits.end()));
  }
  return names;
}

std::vector<std::u16string> papersOf(const PrinterRecord& record) {
  std::vector<std::u16string> papers;
  for (const std::u16string& paper : record.papers) {
    if (paper.empty()) break;
    papers.push_back(paper);
  }
  return papers;
}

class PrinterTableBuild : public ::testing::Test, protected ScriptedMessages {
 protected:
  FakeSpooler spooler;
  Settings settings;
  PrinterTable table;

  void SetUp() override { numberTexts(); }

  std::vector<int> shown() const { return shownNumbers(); }

  void build() { buildPrinterTable(table, spooler, settings, messages); }
};

TEST_F(PrinterTableBuild, PrintersAndTheirPapersAreKeptInTheSystemsOrder) {
  spooler.add(u"Plotter", {u"ISO A1", u"ARCH D", u"Letter"});
  spooler.add(u"Office", {u"A4"});
  build();
  EXPECT_TRUE(table.ready);
  ASSERT_EQ(table.count, 2);
  EXPECT_EQ(table.records[0].name, u"Plotter");
  EXPECT_EQ(papersOf(table.records[0]), (std::vector<std::u16string>{u"ISO A1", u"ARCH D", u"Letter"}));
  EXPECT_EQ(table.records[1].name, u"Office");
  EXPECT_EQ(papersOf(table.records[1]), std::vector<std::u16string>{u"A4"});
  EXPECT_TRUE(table.records[2].name.empty());
  EXPECT_TRUE(shown().empty());
}

TEST_F(PrinterTableBuild, TheAbFilterKeepsOnlyNamesWithAnAOrBSizeAndLeavesThemAsTheDriverWroteThem) {
  const std::vector<std::u16string> mixed = {u"A4",     u"ISO A3 (297 x 420 mm)", u"JIS b5",
                                             u"Letter", u"Tabloid",               u"ARCH D",
                                             u"Custom 1A0"};
  spooler.add(u"Mixed", mixed);
  settings.print_paper_ab = 1;
  build();
  EXPECT_EQ(papersOf(table.records[0]),
            (std::vector<std::u16string>{u"A4", u"ISO A3 (297 x 420 mm)", u"JIS b5", u"Custom 1A0"}));

  settings.print_paper_ab = 0;
  build();
  EXPECT_EQ(papersOf(table.records[0]), mixed);
}

TEST_F(PrinterTableBuild, TheAbSizeTestLooksAtTheFirst63CodeUnitsOnly) {
  EXPECT_TRUE(hasAbPaperSize(u"a4"));
  EXPECT_TRUE(hasAbPaperSize(u"Envelope B9"));
  EXPECT_FALSE(hasAbPaperSize(u"A"));
  EXPECT_FALSE(hasAbPaperSize(u"ANSI C"));
  EXPECT_FALSE(hasAbPaperSize(u"C5 Envelope"));
  EXPECT_FALSE(hasAbPaperSize(u""));
  EXPECT_TRUE(hasAbPaperSize(std::u16string(61, u'x') + u"A4"));
  EXPECT_FALSE(hasAbPaperSize(std::u16string(62, u'x') + u"A4"));
}

TEST_F(PrinterTableBuild, APrinterWithoutUsablePapersShowsThereIsNoKind) {
  spooler.add(u"US only", {u"Letter", u"Tabloid", u"ARCH D"});
  spooler.add(u"No papers");
  spooler.add(u"Silent driver", {u"A4"}).firstCount = -1;
  settings.print_paper_ab = 1;
  build();
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(papersOf(table.records[i]), std::vector<std::u16string>{u"There is no kind"}) << i;
  }
  EXPECT_TRUE(shown().empty());
}

TEST_F(PrinterTableBuild, AProhibitedPrinterKeepsItsRecordWithTheSinglePaperProhibition) {
  spooler.add(u"Office", {u"A4"});
  spooler.add(u"Plotter", {u"A1", u"A0"});
  spooler.add(u"Draft", {u"A3"});
  settings.prohibition_print[3] = u"Plotter";
  settings.prohibition_print[7] = u"draft";  // names are compared case and all
  build();
  EXPECT_EQ(table.count, 3);
  EXPECT_EQ(table.records[1].name, u"Plotter");
  EXPECT_EQ(papersOf(table.records[1]), std::vector<std::u16string>{u"Prohibition"});
  EXPECT_EQ(papersOf(table.records[2]), std::vector<std::u16string>{u"A3"});
  EXPECT_EQ(shown(), std::vector<int>{kMsgProhibitedPrinterFound});
  EXPECT_EQ(spooler.paperQueries, (std::vector<std::u16string>{u"Office", u"Draft"}));

  ui.boxes.clear();
  settings.prohibition_plmode = 1;
  build();
  EXPECT_EQ(papersOf(table.records[1]), std::vector<std::u16string>{u"Prohibition"});
  EXPECT_TRUE(shown().empty());
}

TEST_F(PrinterTableBuild, ANameOf128CodeUnitsOrMoreLeavesTheRecordNamelessButItsPapersAreRead) {
  const std::u16string longest(127, u'p');
  const std::u16string tooLong(128, u'q');
  spooler.add(longest, {u"A4"});
  spooler.add(tooLong, {u"A3"});
  settings.prohibition_print[0] = tooLong.substr(0, 63);
  build();
  EXPECT_EQ(table.records[0].name, longest);
  EXPECT_EQ(table.records[1].name, u"");
  // The empty prohibited slots never match the empty name.
  EXPECT_EQ(papersOf(table.records[1]), std::vector<std::u16string>{u"A3"});
  EXPECT_TRUE(shown().empty());
}

TEST_F(PrinterTableBuild, Only30PrintersAreKeptAndThePrinterBoxListsThoseSame30) {
  for (const std::u16string& name : numbered(u"Printer ", 31)) spooler.add(name, {u"A4"});
  build();
  EXPECT_EQ(table.count, 30);
  EXPECT_EQ(table.records[29].name, u"Printer 30");
  EXPECT_EQ(spooler.paperQueries.size(), 30u);
  EXPECT_TRUE(shown().empty());

  // Every name the box offers finds a printer of the table with its papers.
  const std::vector<std::u16string_view> names = printerNames(table);
  ASSERT_EQ(names.size(), 30u);
  for (std::u16string_view name : names) {
    EXPECT_EQ(paperChoices(paperPrinter(table, name)), std::vector<std::u16string_view>{u"A4"});
  }
}

TEST_F(PrinterTableBuild, The63rdStoredNameFillsTheListWithMessage25EvenWhenItWasTheLast) {
  spooler.add(u"Exactly 63", numbered(u"Paper ", 63));
  spooler.add(u"62 only", numbered(u"Paper ", 62));
  spooler.add(u"65 papers", numbered(u"Paper ", 65));
  build();
  EXPECT_EQ(papersOf(table.records[0]), numbered(u"Paper ", 63));
  EXPECT_EQ(papersOf(table.records[1]), numbered(u"Paper ", 62));
  EXPECT_EQ(papersOf(table.records[2]), numbered(u"Paper ", 63));
  EXPECT_EQ(shown(), (std::vector<int>{kMsgPaperListFull, kMsgPaperListFull}));

  // Once per printer concerned, at every build.
  build();
  EXPECT_EQ(shown().size(), 4u);
}

TEST_F(PrinterTableBuild, The63SlotsCountKeptNamesOnlyWhenTheFilterIsOn) {
  std::vector<std::u16string> papers = {u"Letter", u"Legal"};
  for (const std::u16string& name : numbered(u"A", 63)) papers.push_back(name);
  spooler.add(u"Filtered", papers);
  settings.print_paper_ab = 1;
  build();
  EXPECT_EQ(papersOf(table.records[0]), numbered(u"A", 63));
  EXPECT_EQ(shown(), std::vector<int>{kMsgPaperListFull});
}

TEST_F(PrinterTableBuild, ADriverWhosePaperCountChangesBetweenTheQueriesIsReadWithItsFirstCount) {
  spooler.add(u"Shrinking", {u"A4", u"A3"}).firstCount = 4;
  spooler.add(u"Growing", {u"A4", u"A3", u"A2", u"A1"}).firstCount = 2;
  build();
  EXPECT_EQ(papersOf(table.records[0]), (std::vector<std::u16string>{u"A4", u"A3"}));
  EXPECT_EQ(table.records[0].papers[2], u"");
  EXPECT_EQ(papersOf(table.records[1]), (std::vector<std::u16string>{u"A4", u"A3"}));
  EXPECT_EQ(shown(), (std::vector<int>{kMsgPaperCountChanged, kMsgPaperCountChanged}));
}

TEST_F(PrinterTableBuild, NoMemoryForPaperNamesShowsCannotSearch) {
  spooler.add(u"Huge driver", {u"A4"}).noMemory = true;
  spooler.add(u"Next", {u"A3"});
  build();
  EXPECT_EQ(papersOf(table.records[0]), std::vector<std::u16string>{u"Cannot search"});
  EXPECT_EQ(papersOf(table.records[1]), std::vector<std::u16string>{u"A3"});
  EXPECT_EQ(shown(), std::vector<int>{kMsgNoMemoryForPaperNames});
}

TEST_F(PrinterTableBuild, ARebuildLeavesNothingOfTheOldTable) {
  spooler.add(u"Office", {u"A4", u"A3", u"B5"});
  spooler.add(u"Plotter", {u"A1"});
  build();
  spooler.printers.clear();
  spooler.add(u"Office", {u"Letter"});
  build();
  EXPECT_EQ(table.count, 1);
  EXPECT_EQ(papersOf(table.records[0]), std::vector<std::u16string>{u"Letter"});
  EXPECT_EQ(table.records[0].papers[1], u"");
  EXPECT_EQ(table.records[1].name, u"");
  EXPECT_EQ(table.records[1].papers[0], u"");
}

TEST_F(PrinterTableBuild, WithNoPrintersTheTableIsEmptyAndReady) {
  build();
  EXPECT_EQ(table.count, 0);
  EXPECT_TRUE(table.ready);
  EXPECT_TRUE(shown().empty());
}

TEST_F(PrinterTableBuild, WhenPrintersCannotBeListedTheTableIsEmptiedButKeepsItsCountAndReadiness) {
  spooler.add(u"Office", {u"A4"});
  spooler.add(u"Plotter", {u"A1"});
  build();
  table.ready = false;  // as start-up leaves it
  spooler.listingFails = true;
  build();
  EXPECT_EQ(shown(), std::vector<int>{kMsgPrintersNotListed});
  EXPECT_EQ(table.count, 2);
  EXPECT_FALSE(table.ready);
  EXPECT_EQ(table.records[0].name, u"");
  EXPECT_EQ(table.records[1].papers[0], u"");

  table.ready = true;
  build();
  EXPECT_TRUE(table.ready);
}

TEST_F(PrinterTableBuild, ThePrinterCheckBuildsOnlyWhenTheTableIsNotReady) {
  spooler.add(u"Office", {u"A4"});
  printerCheck(table, spooler, settings, messages);
  EXPECT_TRUE(table.ready);
  EXPECT_EQ(table.records[0].name, u"Office");

  spooler.add(u"Plotter", {u"A1"});
  printerCheck(table, spooler, settings, messages);
  EXPECT_EQ(table.count, 1);
  EXPECT_EQ(spooler.paperQueries.size(), 1u);

  table.ready = false;
  printerCheck(table, spooler, settings, messages);
  EXPECT_EQ(table.count, 2);
}

}  // namespace
}  // namespace dovevar
