#include "list/drawing_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace dovevar {
namespace {

ScriptItem item(std::int32_t display_mode, std::u16string title = u"", std::u16string initial = u"",
                std::int32_t width = 80) {
  ScriptItem result;
  result.in_use = 1;
  result.display_mode = display_mode;
  result.title = std::move(title);
  result.initial_value = std::move(initial);
  result.width = width;
  return result;
}

// Columns: 0 file name, 1 folder, 2 date, 3 number value, 4 text value.
std::unique_ptr<ScriptSet> plotSet() {
  auto set = std::make_unique<ScriptSet>();
  set->items[0] = item(DisplayMode::kFileName, u"File", u"", 120);
  set->items[1] = item(DisplayMode::kFolder, u"Folder", u"", 200);
  set->items[2] = item(DisplayMode::kDate, u"Date");
  set->items[3] = item(DisplayMode::kValue, u"Copies", u"1", 40);
  set->items[4] = item(DisplayMode::kValue, u"Paper", u"A3");
  return set;
}

// A list of one column per cell text given for each row.
struct TextList {
  explicit TextList(int columns) {
    for (int c = 0; c < columns; ++c) {
      set->items[c] = item(DisplayMode::kValue);
    }
    list.rebuildColumns(*set);
  }
  void add(const std::vector<std::u16string>& cells) {
    const int row = list.insertRow(list.rowCount(), cells[0], 0, list.rowCount());
    for (int c = 1; c < static_cast<int>(cells.size()); ++c) {
      list.setCell(row, c, cells[c]);
    }
  }
  std::vector<std::u16string> column(int c) const {
    std::vector<std::u16string> texts;
    for (int r = 0; r < list.rowCount(); ++r) {
      texts.emplace_back(list.cell(r, c));
    }
    return texts;
  }
  std::unique_ptr<ScriptSet> set = std::make_unique<ScriptSet>();
  DrawingList list;
};

using Texts = std::vector<std::u16string>;

TEST(DrawingListColumns, AreTheColumnItemsOfTheSetWithTheirTitlesAndWidths) {
  auto set = plotSet();
  set->items[2].display_mode = DisplayMode::kNoColumn;
  DrawingList list;
  list.rebuildColumns(*set);
  ASSERT_EQ(list.columnCount(), 4);
  EXPECT_EQ(list.columns()[0], (ListColumn{u"File", 120, 0}));
  EXPECT_EQ(list.columns()[2], (ListColumn{u"Copies", 40, 3})) << "item 3 stands in column 2";

  list.insertRow(0, u"a.dwg", 1, 0);
  list.rebuildColumns(ScriptSet{});
  EXPECT_EQ(list.columnCount(), 0) << "a set with no item in use has no columns";
  EXPECT_EQ(list.rowCount(), 1) << "the rows stay";
  list.rebuildColumns(*set);
  EXPECT_EQ(list.cell(0, 0), u"") << "cells of dropped columns do not come back";
}

TEST(DrawingListAddRow, NewCellsFollowTheDisplayModesOfTheActiveRun) {
  auto set = plotSet();
  set->items[2].display_mode = DisplayMode::kNoColumn;
  DrawingList list;
  list.rebuildColumns(*set);
  EXPECT_EQ(list.addDrawingRow(*set, u"a.dwg", u"C:\\p", u"2024/01/02 03:04", 1, 0), 0);
  EXPECT_EQ(list.cell(0, 0), u"a.dwg");
  EXPECT_EQ(list.cell(0, 1), u"C:\\p");
  EXPECT_EQ(list.cell(0, 2), u"1") << "the date item has no column, so the value moves up";
  EXPECT_EQ(list.cell(0, 3), u"A3");
  EXPECT_EQ(list.imageIndex(0), 1);
  EXPECT_EQ(list.rowKey(0), 0);
  EXPECT_FALSE(list.isSelectedOrFocused(0));
}

TEST(DrawingListAddRow, ColumnsAfterTheEndOfTheActiveRunStayEmpty) {
  auto set = plotSet();
  set->items[2].in_use = 0;  // ends the active run; items 3 and 4 still have columns
  DrawingList list;
  list.rebuildColumns(*set);
  ASSERT_EQ(list.columnCount(), 4);
  list.addDrawingRow(*set, u"a.dwg", u"C:\\p", u"date", 0, 0);
  EXPECT_EQ(list.cell(0, 1), u"C:\\p");
  EXPECT_EQ(list.cell(0, 2), u"");
  EXPECT_EQ(list.cell(0, 3), u"");
}

TEST(DrawingListAddRow, AnActiveRunWithoutAColumnItemMakesNoRow) {
  auto set = std::make_unique<ScriptSet>();
  set->items[0] = item(DisplayMode::kNoColumn);
  set->items[2] = item(DisplayMode::kFileName);  // a column, but after the active run
  DrawingList list;
  list.rebuildColumns(*set);
  EXPECT_EQ(list.addDrawingRow(*set, u"a.dwg", u"C:\\", u"d", 1, 0), -1);
  EXPECT_EQ(list.rowCount(), 0);
}

TEST(DrawingListRows, InsertAtAPositionAppendsPastTheEndAndRefusesANegativeOne) {
  TextList t(2);
  t.add({u"a", u"1"});
  t.add({u"c", u"3"});
  EXPECT_EQ(t.list.insertRow(1, u"b", 0, 1), 1);
  EXPECT_EQ(t.list.insertRow(9, u"z", 1, 9), 3);
  EXPECT_EQ(t.list.rowKey(3), 9) << "the key is the position the caller gave";
  EXPECT_EQ(t.list.insertRow(-1, u"bad", 0, -1), -1);
  EXPECT_EQ(t.column(0), (Texts{u"a", u"b", u"c", u"z"}));
  EXPECT_EQ(t.column(1), (Texts{u"1", u"", u"3", u""}));

  EXPECT_TRUE(t.list.deleteRow(1));
  EXPECT_FALSE(t.list.deleteRow(3));
  EXPECT_EQ(t.column(0), (Texts{u"a", u"c", u"z"}));
  t.list.deleteAllRows();
  EXPECT_EQ(t.list.rowCount(), 0);
}

TEST(DrawingListCells, ACellThatDoesNotExistReadsEmptyAndIsNeverWritten) {
  TextList t(3);
  t.add({u"a", u"b", u"c"});
  EXPECT_FALSE(t.list.setCell(0, 3, u"x"));
  EXPECT_FALSE(t.list.setCell(0, -1, u"x"));
  EXPECT_FALSE(t.list.setCell(1, 0, u"x"));
  EXPECT_EQ(t.list.cell(0, 3), u"");
  EXPECT_EQ(t.list.cell(5, 0), u"");
  EXPECT_EQ(t.column(2), (Texts{u"c"}));
}

TEST(DrawingListCells, CellsChangeAloneInAnyOrderAndKeepAnyLength) {
  TextList t(4);
  t.list.insertRow(0, u"", 0, 0);
  EXPECT_TRUE(t.list.setCell(0, 3, u"last"));
  EXPECT_TRUE(t.list.setCell(0, 1, u"second"));
  EXPECT_EQ(t.list.cell(0, 2), u"");
  t.list.setCell(0, 1, u"");
  t.list.setCell(0, 0, u"first");
  EXPECT_EQ(t.list.cell(0, 0), u"first");
  EXPECT_EQ(t.list.cell(0, 1), u"");
  EXPECT_EQ(t.list.cell(0, 3), u"last");

  t.list.setCell(0, 2, t.list.cell(0, 3));  // a cell copied from its own row
  t.list.setCell(0, 0, t.list.cell(0, 0).substr(1));
  EXPECT_EQ(t.list.cell(0, 2), u"last");
  EXPECT_EQ(t.list.cell(0, 0), u"irst");

  const std::u16string long_text(1000, u'\x56F3');
  t.list.setCell(0, 1, long_text);
  EXPECT_EQ(t.list.cell(0, 1), long_text);
  EXPECT_EQ(t.list.cell(0, 2), u"last");

  t.list.setCell(0, 3, std::u16string(u"cut\0here", 8));
  EXPECT_EQ(t.list.cell(0, 3), u"cut") << "a text ends at its first zero";
}

TEST(DrawingListCells, EachReaderGetsTheCellCutToItsBuffer) {
  TextList t(1);
  t.add({std::u16string(600, u'a')});
  EXPECT_EQ(t.list.cell(0, 0, kSortCellCapacity).size(), 259u);
  EXPECT_EQ(t.list.cell(0, 0, kListFileCellCapacity).size(), 511u);
  EXPECT_EQ(t.list.cell(0, 0, kLineBufferCellCapacity).size(), 127u);
  t.list.setCell(0, 0, u"short");
  EXPECT_EQ(t.list.cell(0, 0, kLineBufferCellCapacity), u"short");
}

TEST(DrawingListSelection, SelectingSetsAllThreeFlagsAndTheFocusMovesToTheLastRowSelected) {
  TextList t(1);
  for (int i = 0; i < 6; ++i) t.add({u"r"});
  t.list.selectRow(1);
  t.list.selectRow(4);
  EXPECT_EQ(t.list.rowState(4), RowState::kFull);
  EXPECT_EQ(t.list.rowState(1), RowState::kSelected | RowState::kDropHighlighted);
  EXPECT_EQ(t.list.focusedRow(), 4);
  EXPECT_EQ(t.list.selectedCount(), 2);
  EXPECT_EQ(t.list.nextSelectedRow(-1), 1);
  EXPECT_EQ(t.list.nextSelectedRow(1), 4);
  EXPECT_EQ(t.list.nextSelectedRow(4), -1);

  t.list.deselectRow(4);
  EXPECT_EQ(t.list.rowState(4), 0);
  EXPECT_EQ(t.list.focusedRow(), -1);

  t.list.selectAll();
  EXPECT_EQ(t.list.selectedCount(), 6);
  EXPECT_EQ(t.list.focusedRow(), 5);
  t.list.selectNone();
  EXPECT_EQ(t.list.selectedCount(), 0);
  EXPECT_EQ(t.list.nextSelectedRow(-1), -1);
  for (int r = 0; r < 6; ++r) EXPECT_EQ(t.list.rowState(r), 0);
}

TEST(DrawingListSelection, TakingTheFirstSelectedRowFollowsRowsThatMoveOrAppear) {
  TextList t(1);
  for (int i = 0; i < 8; ++i) t.add({std::u16string(1, static_cast<char16_t>(u'a' + i))});
  t.list.selectRow(5);
  EXPECT_EQ(t.list.nextSelectedRow(-1), 5);
  t.list.selectRow(2);
  EXPECT_EQ(t.list.nextSelectedRow(-1), 2) << "a row selected above the last answer";
  t.list.deleteRow(0);
  EXPECT_EQ(t.list.nextSelectedRow(-1), 1) << "the selected row moved up";
  t.list.insertRow(0, u"new", 0, 0);
  EXPECT_EQ(t.list.nextSelectedRow(-1), 2);

  std::u16string visited;
  for (int r = t.list.nextSelectedRow(-1); r >= 0; r = t.list.nextSelectedRow(-1)) {
    visited += t.list.cell(r, 0);
    t.list.deselectRow(r);
  }
  EXPECT_EQ(visited, u"cf");
}

TEST(DrawingListSelection, AClickNormalisesTheSelection) {
  TextList t(1);
  for (int i = 0; i < 5; ++i) t.add({u"r"});
  // As the view leaves it after the user's clicks: a click on the empty area below the
  // rows cleared the selection but left the focus on row 2.
  t.list.setRowState(0, RowState::kDropHighlighted);
  t.list.setRowState(2, RowState::kFocused);
  t.list.setRowState(3, RowState::kSelected);
  EXPECT_EQ(t.list.selectedCount(), 1);
  EXPECT_TRUE(t.list.isSelectedOrFocused(2));

  t.list.normaliseSelection();
  EXPECT_EQ(t.list.rowState(0), 0);
  EXPECT_TRUE(t.list.isSelected(2)) << "the focused row is selected again";
  EXPECT_TRUE(t.list.isSelected(3));
  EXPECT_EQ(t.list.rowState(3), RowState::kFull);
  EXPECT_EQ(t.list.selectedCount(), 2);
  EXPECT_EQ(t.list.nextSelectedRow(-1), 2);
}

TEST(DrawingListDelete, DeletingSelectedRowsMatchesDeletingTheFirstSelectedOneByOne) {
  TextList one_by_one(1);
  TextList at_once(1);
  for (TextList* t : {&one_by_one, &at_once}) {
    for (char16_t c : std::u16string(u"abcdefg")) t->add({std::u16string(1, c)});
    for (int r : {1, 2, 5}) t->list.selectRow(r);
    t->list.setRowState(6, RowState::kFocused);
  }
  for (int r = one_by_one.list.nextSelectedRow(-1); r >= 0; r = one_by_one.list.nextSelectedRow(-1)) {
    one_by_one.list.deleteRow(r);
  }
  EXPECT_EQ(at_once.list.deleteSelectedRows(), 3);
  EXPECT_EQ(at_once.column(0), (Texts{u"a", u"d", u"e", u"g"}));
  EXPECT_EQ(one_by_one.column(0), at_once.column(0));
  EXPECT_EQ(at_once.list.focusedRow(), 3);
  EXPECT_EQ(one_by_one.list.focusedRow(), 3);
  EXPECT_EQ(at_once.list.selectedCount(), 0);
}

TEST(DrawingListSort, TwoClicksOnColumnZeroOfAFreshListSortDescendingThenAscending) {
  TextList t(2);
  t.add({u"b"});
  t.add({u"a"});
  t.add({u"c"});
  EXPECT_EQ(t.list.sortDirection(0), SortDirection::kAscending);
  EXPECT_EQ(t.list.sortDirection(1), SortDirection::kNeverSorted);
  ASSERT_TRUE(t.list.sortByColumn(0));
  EXPECT_EQ(t.column(0), (Texts{u"c", u"b", u"a"}));
  ASSERT_TRUE(t.list.sortByColumn(0));
  EXPECT_EQ(t.column(0), (Texts{u"a", u"b", u"c"}));
  ASSERT_TRUE(t.list.sortByColumn(1));
  EXPECT_EQ(t.list.sortDirection(1), SortDirection::kAscending) << "first click on another column";
}

TEST(DrawingListSort, ColumnThreeOrdersNumbersNotText) {
  TextList t(4);
  for (const char16_t* n : {u"10", u"9", u" -2", u"abc", u"9x"}) t.add({n, u"", u"", n});
  t.list.sortByColumn(3);
  EXPECT_EQ(t.column(3), (Texts{u" -2", u"abc", u"9", u"9x", u"10"}));
  t.list.sortByColumn(3);
  EXPECT_EQ(t.column(3), (Texts{u"10", u"9", u"9x", u"abc", u" -2"}))
      << "equal numbers keep their order in both directions";

  // Column 0 holds the same texts and compares them as text; its first click is descending.
  t.list.sortByColumn(0);
  t.list.sortByColumn(0);
  EXPECT_EQ(t.column(0), (Texts{u" -2", u"10", u"9", u"9x", u"abc"}));
}

TEST(DrawingListSort, OtherColumnsIgnoreCaseForAToZOnly) {
  TextList t(2);
  for (const char16_t* s : {u"b", u"abc", u"_x", u"ABC", u"B1", u"\x00E9", u"\x00C9", u"a"}) {
    t.add({u"", s});
  }
  t.list.sortByColumn(1);
  // Letters fold to lower case, so "_" (between the cases) sorts before every letter;
  // accented letters do not fold.
  EXPECT_EQ(t.column(1),
            (Texts{u"_x", u"a", u"abc", u"ABC", u"b", u"B1", u"\x00C9", u"\x00E9"}));
  t.list.sortByColumn(1);
  EXPECT_EQ(t.column(1),
            (Texts{u"\x00E9", u"\x00C9", u"B1", u"b", u"abc", u"ABC", u"a", u"_x"}));
}

// The sort settles most comparisons on packed leading units after a prefix every row
// shares; whatever the texts, the order must be that of a plain comparison of the folded
// texts, ties kept in their order.
TEST(DrawingListSort, AnyTextsSortAsAPlainFoldedComparisonWould) {
  const std::u16string alphabet = u"aAbB_z\x00E9\xFFFF" u"9";
  std::mt19937 random(7);
  TextList t(2);
  std::vector<std::u16string> texts;
  for (int i = 0; i < 600; ++i) {
    std::u16string text = random() % 2 ? u"c:\\Root\\" : u"C:\\rOOT\\";
    for (unsigned n = random() % 14; n > 0; --n) text += alphabet[random() % alphabet.size()];
    texts.push_back(text);
    t.add({text, std::u16string(1, static_cast<char16_t>(0x4E00 + i))});
  }
  const auto folded = [](std::u16string text) {
    for (char16_t& c : text) {
      if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 32);
    }
    return text;
  };
  std::vector<int> expected(texts.size());
  for (int i = 0; i < static_cast<int>(texts.size()); ++i) expected[i] = i;
  for (bool ascending : {false, true}) {  // column 0 starts ascending: the first sort descends
    std::stable_sort(expected.begin(), expected.end(), [&](int a, int b) {
      return ascending ? folded(texts[a]) < folded(texts[b]) : folded(texts[b]) < folded(texts[a]);
    });
    t.list.sortByColumn(0);
    for (int r = 0; r < static_cast<int>(expected.size()); ++r) {
      ASSERT_EQ(t.list.cell(r, 1), std::u16string(1, static_cast<char16_t>(0x4E00 + expected[r])))
          << "row " << r << (ascending ? " ascending" : " descending");
    }
  }
}

TEST(DrawingListSort, OnlyTheFirst259CharactersCount) {
  TextList t(4);
  const std::u16string common(259, u'p');
  t.add({common + u"b", u"", u"", u"00000000000000000000000000000000000000000000000000000" + common});
  t.add({common + u"a", u"", u"", common});
  t.list.sortByColumn(0);
  t.list.sortByColumn(0);
  EXPECT_EQ(t.list.cell(0, 0).back(), u'b') << "equal within 259 characters: order kept";

  TextList n(4);
  n.add({u"", u"", u"", std::u16string(258, u' ') + u"7"});
  n.add({u"", u"", u"", std::u16string(259, u' ') + u"5"});
  n.list.sortByColumn(3);
  EXPECT_EQ(n.list.cell(0, 3).back(), u'5') << "the 5 lies beyond the reader and counts as 0";
}

TEST(DrawingListSort, EveryRowMovesWholeAndIsComparedByItsOwnCells) {
  TextList t(3);
  for (const char16_t* s : {u"d", u"b", u"e"}) t.add({s, std::u16string(u"1") + s, s});
  t.list.deleteRow(0);
  t.list.insertRow(0, u"c", 7, 0);  // key 0 again: keys repeat after deletes and inserts
  t.list.setCell(0, 1, u"1c");
  t.list.insertRow(3, u"a", 5, 0);
  t.list.setCell(3, 1, u"1a");
  t.list.selectRow(2);   // "e"
  t.list.setRowState(0, RowState::kFocused);  // "c"

  ASSERT_TRUE(t.list.sortByColumn(1));
  EXPECT_EQ(t.column(0), (Texts{u"a", u"b", u"c", u"e"}));
  EXPECT_EQ(t.column(1), (Texts{u"1a", u"1b", u"1c", u"1e"}));
  EXPECT_EQ(t.column(2), (Texts{u"", u"b", u"", u"e"}));
  EXPECT_EQ(t.list.imageIndex(0), 5);
  EXPECT_EQ(t.list.imageIndex(2), 7);
  EXPECT_EQ(t.list.focusedRow(), 2) << "the focus travels with its row";
  EXPECT_EQ(t.list.nextSelectedRow(-1), 3) << "so does the selection";
  EXPECT_EQ(t.list.selectedCount(), 1);
}

TEST(DrawingListSort, AColumnThatDoesNotExistIsNotSortedAndKeepsItsDirection) {
  TextList t(2);
  t.add({u"b"});
  t.add({u"a"});
  EXPECT_FALSE(t.list.sortByColumn(2));
  EXPECT_FALSE(t.list.sortByColumn(-1));
  EXPECT_EQ(t.list.sortDirection(2), SortDirection::kNeverSorted);
  EXPECT_EQ(t.column(0), (Texts{u"b", u"a"}));

  t.list.sortByColumn(1);
  t.list.rebuildColumns(*t.set);
  EXPECT_EQ(t.list.sortDirection(1), SortDirection::kAscending) << "directions outlive a rebuild";
}

}  // namespace
}  // namespace dovevar
