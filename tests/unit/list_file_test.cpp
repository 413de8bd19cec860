#include "list/list_file.h"

#include <gtest/gtest.h>

#include <functional>

#include "fakes/fake_file_system.h"
#include "list/autosave_timing.h"
#include "fakes/scripted_messages.h"
#include "fakes/scripted_ui.h"
#include "store/settings_text.h"
#include "store/text_ids.h"

namespace dovevar {
namespace {

// A set whose first `columns` items are value columns titled A, B, C...
ScriptSet setWithColumns(int columns) {
  ScriptSet set;
  for (int i = 0; i < columns; ++i) {
    set.items[i].in_use = 1;
    set.items[i].display_mode = DisplayMode::kValue;
    set.items[i].title = std::u16string(1, static_cast<char16_t>(u'A' + i));
  }
  return set;
}

class ListFiles : public ::testing::Test, protected ScriptedMessages {
 protected:
  const std::u16string path = u"C:\\work\\listview.ini";
  FakeFileSystem files;
  DrawingList list;

  void SetUp() override { list.rebuildColumns(setWithColumns(4)); }

  void addRow(std::initializer_list<const char16_t*> cells) {
    const int row = list.insertRow(list.rowCount(), u"", 0, list.rowCount());
    int column = 0;
    for (const char16_t* cell : cells) list.setCell(row, column++, cell);
  }

  std::vector<std::vector<std::u16string>> rows(const DrawingList& from) const {
    std::vector<std::vector<std::u16string>> out;
    for (int row = 0; row < from.rowCount(); ++row) {
      out.emplace_back();
      for (int column = 0; column < from.columnCount(); ++column) out.back().emplace_back(from.cell(row, column));
    }
    return out;
  }

  DrawingList readBack(int32_t& set) {
    DrawingList read;
    read.rebuildColumns(setWithColumns(4));
    EXPECT_EQ(readListFile(files, messages, path, ListPass::kRows, set, read), 0);
    return read;
  }
};

TEST_F(ListFiles, AListIsWrittenRowByRowWithOnlyItsNonEmptyCells) {
  addRow({u"a.dwg", u"C:\\x", u"", u"12"});
  ASSERT_TRUE(writeListFile(files, messages, path, list, 7));
  EXPECT_EQ(files.text(path),
            u"sprct_set=7\r\nmax_cont=1\r\n0000,00=a.dwg\r\n0000,01=C:\\x\r\n0000,03=12\r\n");
}

TEST_F(ListFiles, EveryRowComesBackWithAllItsCellsInItsPlace) {
  addRow({u"a.dwg", u"C:\\x", u"", u"12"});
  addRow({u"", u"only later cells", u"", u"3"});  // column 0 empty
  addRow({u"", u"", u"", u""});                   // nothing at all
  addRow({u"b.DXF", u"", u"z", u""});
  ASSERT_TRUE(writeListFile(files, messages, path, list, 2));
  int32_t set = 0;
  const DrawingList read = readBack(set);
  EXPECT_EQ(set, 2);
  EXPECT_EQ(rows(read), rows(list));
  EXPECT_EQ(read.imageIndex(0), 1);
  EXPECT_EQ(read.imageIndex(3), 0);
}

TEST_F(ListFiles, FilesWrittenBeforeStillReadAsTheyAlwaysDid) {
  // Without its column 0 line, row 1's cells land on whatever row stands at 1: none yet.
  files.putText(path, u"sprct_set=0\r\nmax_cont=3\r\n0000,00=a.dwg\r\n0001,01=lost\r\n"
                      u"0002,00=c.dwg\r\n0002,03=kept\r\n0001,01=short\r\n1234567\r\n");
  int32_t set = 0;
  const DrawingList read = readBack(set);
  ASSERT_EQ(read.rowCount(), 2);
  EXPECT_EQ(read.cell(0, 0), u"a.dwg");
  EXPECT_EQ(read.cell(1, 0), u"c.dwg");
  // Row 2 of the file was inserted at position 2 while one row stood: it became row 1,
  // so its column 3 line (row 2) finds no row; a later row-1 line fills row 1.
  EXPECT_EQ(read.cell(1, 3), u"");
  EXPECT_EQ(read.cell(1, 1), u"short");
}

TEST_F(ListFiles, LongCellsAreWrittenAsTheWriterReadsThemAndReadBackWhole) {
  const std::u16string long500(500, u'p');
  const std::u16string long600(600, u'q');
  addRow({long500.c_str(), long600.c_str()});
  ASSERT_TRUE(writeListFile(files, messages, path, list, 0));
  int32_t set = 0;
  const DrawingList read = readBack(set);
  ASSERT_EQ(read.rowCount(), 1);
  EXPECT_EQ(read.cell(0, 0), long500);
  EXPECT_EQ(read.cell(0, 1), long600.substr(0, kListFileCellCapacity - 1));
}

// Up to row 9,999 every line is as it always was; from 10,000 on the row number takes
// the digits it needs, and every row reads back.
TEST_F(ListFiles, RowsFromTenThousandOnGetWiderNumbersAndAllComeBack) {
  constexpr int kRows = 10001;
  for (int row = 0; row < kRows; ++row) {
    list.insertRow(row, u"r" + std::u16string(decimalText(row)) + u".dwg", 1, row);
    list.setCell(row, 3, decimalText(row));
  }
  ASSERT_TRUE(writeListFile(files, messages, path, list, 0));
  const std::u16string text = files.text(path);
  EXPECT_TRUE(text.starts_with(u"sprct_set=0\r\nmax_cont=10001\r\n0000,00=r0.dwg\r\n0000,03=0\r\n"));
  EXPECT_TRUE(text.ends_with(u"\r\n9999,00=r9999.dwg\r\n9999,03=9999\r\n"
                             u"10000,00=r10000.dwg\r\n10000,03=10000\r\n"));

  int32_t set = 0;
  const DrawingList read = readBack(set);
  EXPECT_EQ(rows(read), rows(list));
}

// A damaged file, or one made to do harm: a lone CR stays out of the cell, the text
// after a lone LF is no row, and lines of another shape are passed over.
TEST_F(ListFiles, ControlCharactersAndLinesOfAnotherShapeNeverBecomeCells) {
  files.putText(path, u"sprct_set=0\r\n0000,00=a.dwg\r\n0000,01=C:\\p\rquit\x01\r\n"
                      u"0001,00=b.dwg\nrm.dwg\r\n0001,02=\tkept\r\n"
                      u"x001,00=no\r\n00001=no\r\n123,00=no\r\n0002;00=no\r\n");
  int32_t set = 0;
  const DrawingList read = readBack(set);
  ASSERT_EQ(read.rowCount(), 2);
  EXPECT_EQ(read.cell(0, 1), u"C:\\pquit");
  EXPECT_EQ(read.cell(1, 0), u"b.dw") << "the unit before a lone LF is taken for a CR, as always";
  EXPECT_EQ(read.cell(1, 2), u"\tkept");
}

TEST_F(ListFiles, TheScriptSetLineCountsWhereverItStandsAndOnlyWhenInRange) {
  files.putText(path, u"0000,00=a.dwg\r\nsprct_set=4\r\n");
  DrawingList ignored;
  int32_t set = 2;
  EXPECT_EQ(readListFile(files, messages, path, ListPass::kScriptSetOnly, set, ignored), 0);
  EXPECT_EQ(set, 4);
  EXPECT_EQ(ignored.rowCount(), 0);
  for (const char16_t* text : {u"sprct_set=20\r\n", u"sprct_set=-1\r\n", u"sprct_set=99999999999\r\n"}) {
    files.putText(path, text);
    EXPECT_EQ(readListFile(files, messages, path, ListPass::kScriptSetOnly, set, ignored), 0);
    EXPECT_EQ(set, 4);
  }
  EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(ListFiles, AMissingFileIsAnEmptyListAndAFileWithoutMarkIsReported) {
  int32_t set = 3;
  EXPECT_EQ(readListFile(files, messages, path, ListPass::kRows, set, list), 0);
  EXPECT_EQ(files.files.count(path), 1u);
  EXPECT_TRUE(ui.boxes.empty());

  addRow({u"kept.dwg"});
  files.putText(path, u"sprct_set=9\r\n0000,00=new.dwg\r\n", false);
  EXPECT_EQ(readListFile(files, messages, path, ListPass::kRows, set, list), 1);
  EXPECT_EQ(set, 3);
  EXPECT_EQ(list.rowCount(), 1);
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].title, u"ErrorFileRead");
}

TEST(CellPlacement, TheImageIndexFollowsTheDrawingKindOfTheFirstCell) {
  EXPECT_EQ(imageIndexOfDrawingName(u"plan.dwg"), 1);
  EXPECT_EQ(imageIndexOfDrawingName(u"PLAN.DWG"), 1);
  EXPECT_EQ(imageIndexOfDrawingName(u"Plan.Dwg"), 1);
  EXPECT_EQ(imageIndexOfDrawingName(u"plan.dXf"), -1);
  EXPECT_EQ(imageIndexOfDrawingName(u"dxf"), 0);
  EXPECT_EQ(imageIndexOfDrawingName(u"xf"), -1);

  DrawingList list;
  list.rebuildColumns(setWithColumns(2));
  CellPlacement placement;
  placement.place(list, 0, 0, u"a.dxf");
  placement.place(list, 1, 0, u"b.dwg");
  placement.place(list, 2, 0, u"notes.txt");  // keeps the last index given
  placement.place(list, 2, 1, u"second");
  placement.place(list, 7, 1, u"no such row");
  EXPECT_EQ(list.imageIndex(0), 0);
  EXPECT_EQ(list.imageIndex(1), 1);
  EXPECT_EQ(list.imageIndex(2), 1);
  EXPECT_EQ(list.cell(2, 1), u"second");
  EXPECT_EQ(list.rowCount(), 3);
}

TEST(ListFilePaths, OnlyLowerCaseLstPathsWithAFolderPassTheCheck) {
  EXPECT_TRUE(isListFilePath(u"C:\\lists\\a.lst"));
  EXPECT_TRUE(isListFilePath(u"C:\\a.lst"));
  EXPECT_FALSE(isListFilePath(u"C:\\lists\\a.LST"));
  EXPECT_FALSE(isListFilePath(u"C:\\lists\\a"));
  EXPECT_FALSE(isListFilePath(u"a.lst"));
  EXPECT_FALSE(isListFilePath(u"\\a.lst"));
  EXPECT_FALSE(isListFilePath(u"C:\\" + std::u16string(253, u'x') + u".lst"));
  EXPECT_TRUE(isListFilePath(u"C:\\" + std::u16string(252, u'x') + u".lst"));
}

class ListCommands : public ListFiles {
 protected:
  std::u16string folder = u"C:\\work";
  int32_t scriptSet = 2;
  std::u16string remembered;
  ListFileCommand command{files, messages, ui, folder, list, scriptSet, remembered};
  int rebuilds = 0;
  int32_t setAtRebuild = -1;

  bool load() {
    return loadListCommand(command, [&] {
      ++rebuilds;
      setAtRebuild = scriptSet;
    });
  }
};

TEST_F(ListCommands, SavingAsksForALstNameAndRefusesAnyOther) {
  texts.messages[kMsgListPathNotLst][kEnglish] = {u"Use .lst", u"List file"};
  addRow({u"a.dwg"});
  ui.chosenPaths = {u"C:\\lists\\A.LST", u"C:\\lists\\a.lst"};
  saveListCommand(command);
  EXPECT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(files.files.count(u"C:\\lists\\A.LST"), 0u);
  saveListCommand(command);
  EXPECT_EQ(files.text(u"C:\\lists\\a.lst"), u"sprct_set=2\r\nmax_cont=1\r\n0000,00=a.dwg\r\n");
  ASSERT_EQ(ui.fileDialogs.size(), 2u);
  EXPECT_EQ(ui.fileDialogs[0].initialPath, u"C:\\work\\*.lst");
  EXPECT_EQ(ui.fileDialogs[0].filters[0].second, u"*.lst");
}

TEST_F(ListCommands, LoadingSetsTheFilesScriptSetBeforeItPlacesTheRows) {
  files.putText(u"C:\\lists\\b.lst", u"0000,00=b.dwg\r\n0000,02=x\r\nsprct_set=4\r\n");
  ui.chosenPaths = {u"C:\\lists\\b.lst"};
  EXPECT_TRUE(load());
  EXPECT_EQ(rebuilds, 1);
  EXPECT_EQ(setAtRebuild, 4);
  EXPECT_EQ(remembered, u"C:\\lists\\b.lst");
  ASSERT_EQ(list.rowCount(), 1);
  EXPECT_EQ(list.cell(0, 2), u"x");
}

TEST_F(ListCommands, ACancelledOrRefusedLoadEndsAtOnceWithTheListUntouched) {
  EXPECT_FALSE(load());  // cancelled
  ui.chosenPaths = {u"C:\\lists\\b.txt"};
  EXPECT_FALSE(load());
  EXPECT_EQ(ui.boxes.size(), 1u);  // message 55 once, not twice
  EXPECT_EQ(rebuilds, 0);
  EXPECT_EQ(scriptSet, 2);
}

// The list is written a while after its last change, and only when it changed: the
// selection is no change, and a burst of changes waits for its end.
TEST(ListAutosave, WritesTwoSecondsAfterTheLastChangeOfRowsOrCells) {
  DrawingList list;
  list.rebuildColumns(setWithColumns(2));
  AutosaveTiming timing;
  timing.written(list.revision());
  EXPECT_FALSE(timing.due(list.revision(), 10000)) << "as read at start-up";

  list.insertRow(0, u"a.dwg", 1, 0);
  list.selectRow(0);
  EXPECT_FALSE(timing.due(list.revision(), 20000));
  list.setCell(0, 1, u"C:\\p");
  EXPECT_FALSE(timing.due(list.revision(), 21500));
  EXPECT_FALSE(timing.due(list.revision(), 23400)) << "1.9 s after the last change";
  EXPECT_TRUE(timing.due(list.revision(), 23500));
  timing.written(list.revision());
  EXPECT_FALSE(timing.due(list.revision(), 30000));

  const std::uint64_t before = list.revision();
  list.selectAll();
  list.normaliseSelection();
  EXPECT_EQ(list.revision(), before) << "the selection is not stored";
  for (const auto& change : std::vector<std::function<void()>>{
           [&] { list.sortByColumn(0); }, [&] { list.deleteSelectedRows(); }, [&] { list.deleteAllRows(); }}) {
    const std::uint64_t was = list.revision();
    change();
    EXPECT_GT(list.revision(), was);
  }
  EXPECT_TRUE(timing.unwritten(list.revision()));
}

}  // namespace
}  // namespace dovevar
