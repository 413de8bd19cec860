#include "list/list_editing.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "fakes/script_items.h"
#include "fakes/scripted_list_dialogs.h"
#include "fakes/scripted_messages.h"
#include "store/text_ids.h"

namespace dovevar {
namespace {

using Row = std::vector<std::u16string>;

// A list of eight value columns whose rows read "r<row>c<column>"; item 2 is read-only.
struct Editing : testing::Test {
  Editing() {
    for (int c = 0; c < 8; ++c) {
      set->items[c] = scriptItem(DisplayMode::kValue, OutputMode::kWholeCell);
      set->items[c].edit_mode = c == 2 ? EditMode::kNone : EditMode::kText;
    }
    list.rebuildColumns(*set);
    messages.numberTexts();
  }

  void addRows(int count) {
    for (int i = 0; i < count; ++i) {
      const int row = list.insertRow(list.rowCount(), u"", 0, list.rowCount());
      for (int c = 0; c < list.columnCount(); ++c) list.setCell(row, c, cellText(row, c));
    }
  }
  static std::u16string cellText(int row, int column) {
    return u"r" + std::u16string(1, char16_t(u'0' + row)) + u"c" + std::u16string(1, char16_t(u'0' + column));
  }
  Row row(int r) const {
    Row cells;
    for (int c = 0; c < list.columnCount(); ++c) cells.emplace_back(list.cell(r, c));
    return cells;
  }
  std::vector<int> shown() const { return messages.shownNumbers(); }
  std::vector<int> selected() const {
    std::vector<int> rows;
    for (int r = list.nextSelectedRow(-1); r >= 0; r = list.nextSelectedRow(r)) rows.push_back(r);
    return rows;
  }

  std::unique_ptr<ScriptSet> set = std::make_unique<ScriptSet>();
  DrawingList list;
  ListEditState state;
  ScriptedDialogs dialogs;
  ScriptedMessages messages;
  ListEditing editing{list, *set, state, dialogs, messages.messages};
};

TEST_F(Editing, SearchSelectsMatchingRowsAndKeepsAHistoryOfNewTexts) {
  addRows(4);
  list.setCell(1, 0, u"plan-ABC.dwg");
  list.setCell(3, 0, u"plan-abc.dwg");
  list.selectRow(2);
  dialogs.searchText = u"ABC";
  editing.search();
  EXPECT_EQ(selected(), (std::vector<int>{1, 2}));  // earlier selections stay

  // AB begins an entry already: the history does not grow.
  dialogs.searchText = u"AB";
  editing.search();
  EXPECT_EQ(usedEntries(state.history), (std::vector<std::u16string_view>{u"ABC"}));

  // The close box searches the last text again; an empty text selects every row and
  // never enters the history.
  list.selectNone();
  dialogs.searchText.reset();
  editing.search();
  EXPECT_EQ(selected(), (std::vector<int>{1}));
  dialogs.searchText = u"";
  editing.search();
  EXPECT_EQ(selected(), (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(usedEntries(state.history).size(), 1u);

  // Eleven entries at most, the newest first.
  for (char16_t c = u'a'; c < u'a' + 12; ++c) rememberSearch(state.history, std::u16string(3, c));
  const auto used = usedEntries(state.history);
  ASSERT_EQ(used.size(), 11u);
  EXPECT_EQ(used[0], u"lll");
  EXPECT_EQ(used[10], u"bbb");
}

TEST_F(Editing, OneLineEditWritesTheFirstSelectedRowFromColumn3IntoEverySelectedRow) {
  addRows(5);
  const Row row4 = row(4);
  list.selectRow(1);
  list.selectRow(4);
  dialogs.onEdit = [](LineBuffer& buffer) {
    buffer.set(0, u"ignored");
    buffer.set(3, u"edited");
  };
  editing.editRow();
  EXPECT_EQ(dialogs.purposes, std::vector<LineEditPurpose>{LineEditPurpose::kEditRow});
  EXPECT_EQ(dialogs.shownBuffers[0].at(5), u"r1c5");
  EXPECT_EQ(row(1)[0], u"r1c0");
  EXPECT_EQ(row(1)[3], u"edited");
  EXPECT_EQ((Row{row(4)[0], row(4)[1], row(4)[2]}), (Row{row4[0], row4[1], row4[2]}));
  EXPECT_EQ(row(4)[3], u"edited");
  EXPECT_EQ(row(4)[7], u"r1c7");
  EXPECT_TRUE(selected().empty());

  // Cancel: row 1's own values still go to every selected row.
  list.selectRow(2);
  list.selectRow(3);
  dialogs.onEdit = nullptr;
  editing.editRow();
  EXPECT_EQ(row(3)[4], u"r2c4");
  EXPECT_EQ(row(3)[0], u"r3c0");

  editing.editRow();
  EXPECT_EQ(shown(), std::vector<int>{kMsgEditRowWithoutSelection});
}

TEST_F(Editing, OneColumnEditWritesOnlyFilledFieldsIntoEveryRowAndRestoresTheBuffer) {
  addRows(3);
  state.buffer.set(4, u"copied");
  list.selectRow(0);
  dialogs.onEdit = [](LineBuffer& buffer) {
    EXPECT_TRUE(buffer.at(4).empty());  // the fields start empty
    buffer.set(6, u"A3");
  };
  editing.editColumn();
  for (int r = 0; r < 3; ++r) {
    Row expected;
    for (int c = 0; c < 8; ++c) expected.push_back(c == 6 ? u"A3" : cellText(r, c));
    EXPECT_EQ(row(r), expected);
  }
  EXPECT_TRUE(selected().empty());
  EXPECT_EQ(state.buffer.at(4), u"copied");

  dialogs.onEdit = nullptr;
  const Row before = row(1);
  editing.editColumn();
  EXPECT_EQ(row(1), before);
}

TEST_F(Editing, CopyPasteAndAddRows) {
  // Nothing selected and nothing copied: message 10, then 12, and no row.
  editing.addRows(5);
  EXPECT_EQ(shown(), (std::vector<int>{kMsgCopyRowWithoutSelection, kMsgNothingCopied}));
  EXPECT_EQ(list.rowCount(), 0);

  addRows(3);
  list.setCell(1, 0, u"plan.DXF");
  list.selectRow(1);
  ASSERT_TRUE(editing.copyRow());
  EXPECT_TRUE(selected().empty());

  // Paste skips the read-only column 2.
  list.selectRow(0);
  list.selectRow(2);
  editing.pasteRow();
  EXPECT_EQ(row(2), (Row{u"plan.DXF", u"r1c1", u"r2c2", u"r1c3", u"r1c4", u"r1c5", u"r1c6", u"r1c7"}));
  EXPECT_TRUE(selected().empty());

  // Added rows take the buffer whole, their position as key, the DXF image.
  editing.addRows(5);
  ASSERT_EQ(list.rowCount(), 8);
  EXPECT_EQ(row(7), (Row{u"plan.DXF", u"r1c1", u"r1c2", u"r1c3", u"r1c4", u"r1c5", u"r1c6", u"r1c7"}));
  EXPECT_EQ(list.rowKey(7), 7);
  EXPECT_EQ(list.imageIndex(7), 1);
  EXPECT_TRUE(selected().empty());

  // Paste needs a selection and a copied fifth cell.
  messages.ui.boxes.clear();
  editing.pasteRow();
  state.buffer.set(4, u"");
  list.selectRow(0);
  editing.pasteRow();
  EXPECT_EQ(shown(), (std::vector<int>{kMsgPasteOrNumberWithoutSelection, kMsgNothingCopied}));
  EXPECT_EQ(selected(), std::vector<int>{0});
}

TEST_F(Editing, AMovedRowKeepsEveryCellAndStaysSelected) {
  set->items[0].display_mode = DisplayMode::kFileName;
  list.rebuildColumns(*set);
  addRows(4);
  list.setCell(1, 0, u"moved.dxf");
  const Row moved = row(1);
  list.selectRow(1);
  list.selectRow(3);
  editing.moveRow(+1);
  EXPECT_EQ(row(2), moved);
  EXPECT_EQ(list.cell(1, 0), u"r2c0");
  EXPECT_EQ(list.imageIndex(2), 1);
  EXPECT_EQ(list.rowKey(2), 2);
  EXPECT_EQ(selected(), (std::vector<int>{2, 3}));

  // The last row moved down, and the first moved up, stay where they are.
  list.selectNone();
  list.selectRow(3);
  editing.moveRow(+1);
  EXPECT_EQ(list.cell(3, 0), u"r3c0");
  list.selectNone();
  list.selectRow(0);
  editing.moveRow(-1);
  EXPECT_EQ(list.cell(0, 0), u"r0c0");
  EXPECT_EQ(list.rowCount(), 4);

  list.selectNone();
  editing.moveRow(-1);
  EXPECT_EQ(shown(), std::vector<int>{kMsgMoveWithoutSelection});
}

TEST_F(Editing, LayoutNumbersCountUpWithinRunsOfAdjacentSelectedRows) {
  set->items[5].title = u"レイアウト";
  addRows(10);
  const std::u16string cells[] = {u"", u"", u"L01", u"x", u"y", u"", u"", u"M5", u"z", u""};
  for (int r = 0; r < 10; ++r) list.setCell(r, 5, cells[r]);
  for (int r : {2, 3, 4, 7, 8}) list.selectRow(r);
  editing.numberLayouts();
  std::vector<std::u16string> after;
  for (int r : {2, 3, 4, 7, 8}) after.emplace_back(list.cell(r, 5));
  EXPECT_EQ(after, (std::vector<std::u16string>{u"L01", u"L02", u"L03", u"M5", u"M6"}));
  EXPECT_TRUE(selected().empty());

  // Rows that are not adjacent keep their cells.
  list.selectRow(2);
  list.selectRow(4);
  editing.numberLayouts();
  EXPECT_EQ(list.cell(4, 5), u"L03");

  for (const auto& [text, next] : std::vector<std::pair<std::u16string, std::u16string>>{
           {u"A9", u"A0"}, {u"99", u"00"}, {u"L19", u"L20"}, {u"7x", u"7x"}, {u"", u""}}) {
    EXPECT_EQ(nextLayoutNumber(text), next) << std::string(text.begin(), text.end());
  }

  set->items[5].output_mode = OutputMode::kFirstCharacter;  // no longer the layout item
  list.selectRow(0);
  editing.numberLayouts();
  EXPECT_EQ(shown(), std::vector<int>{kMsgNoLayoutColumn});
}

TEST_F(Editing, InitialValuesGoThroughTheDialogIntoTheItemsUncut) {
  set->items[3].initial_value = std::u16string(127, u'v');
  set->items[4].display_mode = DisplayMode::kDate;
  state.buffer.set(4, u"kept");
  dialogs.onEdit = [](LineBuffer&) {};  // OK without edits
  editing.editInitialValues();
  EXPECT_EQ(dialogs.purposes, std::vector<LineEditPurpose>{LineEditPurpose::kInitialValues});
  EXPECT_EQ(set->items[3].initial_value, std::u16string(127, u'v'));
  EXPECT_EQ(set->items[4].initial_value, u"");  // not a value item: the buffer is not its

  dialogs.onEdit = [](LineBuffer& buffer) { buffer.set(5, u"A1"); };
  editing.editInitialValues();
  EXPECT_EQ(set->items[5].initial_value, u"A1");
}

TEST(LineBuffer, LongTextsAreCutBetweenCharacters) {
  LineBuffer buffer;
  std::u16string text(126, u'x');
  text += u"\U0001F4D0";  // a pair that would straddle the 127th unit
  text += u"tail";
  buffer.set(0, text);
  EXPECT_EQ(buffer.at(0), std::u16string(126, u'x'));
  buffer.set(1, std::u16string(300, u'y'));
  EXPECT_EQ(buffer.at(1).size(), 127u);
  buffer.set(50, u"outside");
  EXPECT_TRUE(buffer.at(50).empty());
}

}  // namespace
}  // namespace dovevar
