#include "script/script_sets.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>

#include "store/fixed_text.h"

namespace dovevar {
namespace {

ScriptItem columnItem(std::int32_t display_mode, std::u16string title = u"") {
  ScriptItem item;
  item.in_use = 1;
  item.display_mode = display_mode;
  item.title = std::move(title);
  return item;
}

// The table is about 300 KB; keep it off the stack.
std::unique_ptr<ScriptSetTable> newTable() { return std::make_unique<ScriptSetTable>(); }

TEST(FixedText, ATextHoldsOneCharacterLessThanItsBufferAndReadersIgnoreOrCutAsTheySay) {
  const std::u16string fifteen(15, u'x');
  const std::u16string sixteen(16, u'y');
  std::u16string field = u"old";

  EXPECT_TRUE(storeIfFits(field, fifteen, ScriptItem::kTitleCapacity));
  EXPECT_EQ(field, fifteen);
  EXPECT_FALSE(storeIfFits(field, sixteen, ScriptItem::kTitleCapacity));
  EXPECT_EQ(field, fifteen) << "an over-long value is ignored, the field keeps what it held";

  storeCut(field, fifteen, ScriptItem::kDialogTextCapacity);
  EXPECT_EQ(field, std::u16string(14, u'x')) << "the detail dialog keeps 14 characters";

  storeCut(field, std::u16string(200, u'v'), ScriptItem::kInitialValueCapacity);
  EXPECT_EQ(field.size(), 127u);
  storeCut(field, std::u16string(200, u'v'), ScriptSet::kTitleCapacity);
  EXPECT_EQ(field.size(), 63u);
}

TEST(FixedText, ATextEndsAtItsFirstZero) {
  std::u16string field;
  const std::u16string with_zero(u"ab\0cdefghijklmnopqrstu", 22);
  EXPECT_TRUE(storeIfFits(field, with_zero, ScriptItem::kTitleCapacity));
  EXPECT_EQ(field, u"ab");
  EXPECT_EQ(cutToCapacity(with_zero, 2), u"a");
}

TEST(ScriptSetActiveRun, EndsBeforeTheFirstItemNotInUse) {
  auto table = newTable();
  ScriptSet& set = table->sets[0];
  EXPECT_EQ(activeRunLength(set), 0);

  set.items[0] = columnItem(DisplayMode::kFileName);
  set.items[1] = columnItem(DisplayMode::kNoColumn);
  set.items[1].in_use = -3;  // any non-zero value counts as in use
  set.items[3] = columnItem(DisplayMode::kValue);
  EXPECT_EQ(activeRunLength(set), 2);

  for (ScriptItem& item : set.items) {
    item.in_use = 1;
  }
  EXPECT_EQ(activeRunLength(set), kScriptItemCount);
}

TEST(ScriptSetColumns, ItemsInUseWithADisplayModeGetColumnsEvenAfterAGap) {
  auto table = newTable();
  ScriptSet& set = table->sets[4];
  set.items[0] = columnItem(DisplayMode::kFileName);
  set.items[1] = columnItem(DisplayMode::kFolder);
  set.items[2] = columnItem(DisplayMode::kNoColumn);  // in use, no column
  set.items[3] = columnItem(DisplayMode::kValue);
  set.items[4] = columnItem(9);  // out of range, still a column
  // item 5 not in use: the active run ends here
  set.items[6] = columnItem(DisplayMode::kDate);

  EXPECT_EQ(columnItems(set), (std::vector<int>{0, 1, 3, 4, 6}));
  EXPECT_EQ(columnOfItem(set, 3), 2) << "item 3's values stand in column 2";
  EXPECT_EQ(columnOfItem(set, 2), 2) << "an item without a column reads the next column's place";
  EXPECT_EQ(columnOfItem(set, 6), 4);
  EXPECT_EQ(columnOfItem(set, -1), -1);
  EXPECT_EQ(columnOfItem(set, 50), -1);
}

TEST(ScriptSetPathItems, TheLastFileNameAndFolderItemOfTheActiveRunCount) {
  auto table = newTable();
  ScriptSet& set = table->sets[0];
  EXPECT_EQ(fileNameItem(set), -1);
  EXPECT_EQ(folderItem(set), -1);

  set.items[0] = columnItem(DisplayMode::kFileName);
  set.items[1] = columnItem(DisplayMode::kFolder);
  set.items[2] = columnItem(DisplayMode::kFileName);
  set.items[4] = columnItem(DisplayMode::kFolder);  // after the gap at item 3
  EXPECT_EQ(fileNameItem(set), 2);
  EXPECT_EQ(folderItem(set), 1);
}

TEST(ScriptSetNewRowCell, TheDisplayModeChoosesTheCellOfANewRow) {
  ScriptItem item = columnItem(DisplayMode::kFileName);
  item.initial_value = u"A3";
  const auto cell = [&](std::int32_t mode) {
    item.display_mode = mode;
    return std::u16string(newRowCell(item, u"plan.dwg", u"C:\\x", u"2024/05/06 07:08"));
  };
  EXPECT_EQ(cell(DisplayMode::kFileName), u"plan.dwg");
  EXPECT_EQ(cell(DisplayMode::kFolder), u"C:\\x");
  EXPECT_EQ(cell(DisplayMode::kDate), u"2024/05/06 07:08");
  EXPECT_EQ(cell(DisplayMode::kValue), u"A3");
  EXPECT_EQ(cell(DisplayMode::kNoColumn), u"");
  EXPECT_EQ(cell(5), u"") << "a display mode outside 0 to 4 gives an empty cell";
  EXPECT_EQ(cell(-1), u"");
}

TEST(ScriptSetClearing, ClearAllKeepsTheSetFlagsAndClearOneSetDropsItsFlag) {
  auto table = newTable();
  for (ScriptSet& set : table->sets) {
    set.in_use = 1;
    set.title = u"title";
    set.items[7] = columnItem(DisplayMode::kValue, u"col");
    set.items[7].select_text[4] = u"s4";
  }
  table->edited_set = 6;
  table->copy_buffer[0] = columnItem(DisplayMode::kFileName);

  clearScriptSet(table->sets[2]);
  EXPECT_EQ(table->sets[2], ScriptSet{});
  EXPECT_EQ(table->sets[3].title, u"title");

  clearAllScriptSets(*table);
  for (const ScriptSet& set : table->sets) {
    EXPECT_TRUE(set.title.empty());
    EXPECT_EQ(set.items, ScriptItems{});
  }
  EXPECT_EQ(table->sets[2].in_use, 0);
  EXPECT_EQ(table->sets[3].in_use, 1) << "clear all leaves the flags for the file's title lines";
  EXPECT_EQ(table->edited_set, 6);
  EXPECT_EQ(table->copy_buffer[0].display_mode, DisplayMode::kFileName);
}

TEST(CurrentScriptSet, AnIndexOutsideTheTableStandsForSetZero) {
  auto table = newTable();
  table->sets[0].title = u"zero";
  table->sets[19].title = u"nineteen";
  EXPECT_EQ(currentScriptSet(*table, 19).title, u"nineteen");
  for (int bad : {-1, 20, INT_MAX, INT_MIN}) {
    EXPECT_EQ(&currentScriptSet(*table, bad), &table->sets[0]) << bad;
    EXPECT_EQ(currentScriptSetIndex(bad), 0);
    EXPECT_FALSE(isScriptSetIndex(bad));
  }
}

TEST(EditedScriptSet, PreviousAndNextWrapAndADamagedIndexStaysInTheTable) {
  auto table = newTable();
  EXPECT_EQ(&editedScriptSet(*table), &table->sets[0]);
  previousEditedSet(*table);
  EXPECT_EQ(table->edited_set, 19);
  nextEditedSet(*table);
  EXPECT_EQ(table->edited_set, 0);
  table->edited_set = 19;
  nextEditedSet(*table);
  EXPECT_EQ(table->edited_set, 0);

  table->edited_set = 57;
  EXPECT_EQ(&editedScriptSet(*table), &table->sets[0]);
  nextEditedSet(*table);
  EXPECT_EQ(table->edited_set, 1);
}

TEST(SetCopyBuffer, PasteReplacesTheItemsOnlyAndAnEmptyBufferClearsThem) {
  auto table = newTable();
  ScriptSet& source = table->sets[0];
  source.title = u"source";
  source.items[0] = columnItem(DisplayMode::kFileName, u"File");
  source.items[49] = columnItem(DisplayMode::kValue, u"Last");

  table->edited_set = 3;
  table->sets[3].title = u"target";
  table->sets[3].in_use = 1;
  table->sets[3].items[5] = columnItem(DisplayMode::kDate);
  pasteEditedSetItems(*table);
  EXPECT_EQ(table->sets[3].items, ScriptItems{}) << "nothing copied since start: items cleared";

  table->edited_set = 0;
  copyEditedSetItems(*table);
  table->edited_set = 3;
  pasteEditedSetItems(*table);
  EXPECT_EQ(table->sets[3].items, source.items);
  EXPECT_EQ(table->sets[3].title, u"target");
  EXPECT_EQ(table->sets[3].in_use, 1);
}

}  // namespace
}  // namespace dovevar
