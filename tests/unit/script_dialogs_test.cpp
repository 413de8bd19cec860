// The script selection and script detail dialogs' rules, story by story.
#include <gtest/gtest.h>

#include <memory>

#include "fakes/fake_file_system.h"
#include "fakes/scripted_messages.h"
#include "script/script_detail.h"
#include "script/script_selection.h"
#include "script/script_set_file.h"
#include "store/text_codec.h"
#include "store/text_ids.h"

namespace dovevar {
namespace {

ScriptItem namedItem(std::u16string title, std::int32_t in_use = 1) {
  ScriptItem item;
  item.in_use = in_use;
  item.title = std::move(title);
  item.display_mode = DisplayMode::kValue;
  return item;
}

class ScriptDialogs : public ::testing::Test, protected ScriptedMessages {
 protected:
  ScriptDialogs() : ScriptedMessages(kEnglish) { numberTexts(); }

  // The table is about 300 KB; keep it off the stack.
  std::unique_ptr<ScriptSetTable> table = std::make_unique<ScriptSetTable>();
  ModeLabels labels;

  void SetUp() override {
    for (int mode = 0; mode < EditMode::kCount; ++mode) {
      const std::u16string number(1, static_cast<char16_t>(u'0' + mode));
      if (mode < OutputMode::kCount) labels.output[mode] = number + u":out";
      if (mode < DisplayMode::kCount) labels.display[mode] = number + u":show";
      labels.edit[mode] = number + u":edit";
    }
  }

  // Titles of the items the detail dialog lists.
  std::vector<std::u16string> listed(const ScriptDetail& detail) const {
    std::vector<std::u16string> titles;
    for (int row = 0; row < detail.rowCount(); ++row) titles.push_back(detail.editedSet().items[row].title);
    return titles;
  }
  void fillEditedSet(std::initializer_list<std::u16string> titles) {
    int i = 0;
    for (const std::u16string& title : titles) editedScriptSet(*table).items[i++] = namedItem(title);
  }
};

// ---- Script selection ------------------------------------------------------------------

TEST_F(ScriptDialogs, TheJapaneseListStopsAtAnEmptyTitleButEveryTitleCanBeTyped) {
  table->sets[0].title = u"Plot";
  table->sets[1].title = u"Save";
  table->sets[3].title = u"Hidden";
  EXPECT_EQ(scriptSetChoices(*table, kJapanese), (std::vector<std::u16string_view>{u"Plot", u"Save"}));
  const std::vector<std::u16string_view> english = scriptSetChoices(*table, kEnglish);
  ASSERT_EQ(english.size(), 20u);
  EXPECT_EQ(english[2], u"");
  EXPECT_EQ(english[3], u"Hidden");

  EXPECT_EQ(chooseScriptSet(*table, messages, u"Hidden"), 3);
  EXPECT_TRUE(shownNumbers().empty());
}

TEST_F(ScriptDialogs, ATitleChoosesTheFirstSetThatHasItExactly) {
  table->sets[4].title = u"Plot A3";
  table->sets[9].title = u"Plot A3";
  EXPECT_EQ(chooseScriptSet(*table, messages, u"Plot A3"), 4);
  EXPECT_EQ(chooseScriptSet(*table, messages, u"plot a3"), std::nullopt);
  EXPECT_EQ(chooseScriptSet(*table, messages, u"Plot A3 "), std::nullopt);
  EXPECT_EQ(chooseScriptSet(*table, messages, u""), std::nullopt);
  EXPECT_EQ(shownNumbers(), (std::vector<int>{kMsgSetTitleUnknown, kMsgSetTitleUnknown, kMsgSetTitleEmpty}));

  ui.answers = {UiPort::kNo, UiPort::kYes};
  EXPECT_FALSE(leaveScriptSelection(messages));
  EXPECT_TRUE(leaveScriptSelection(messages));
}

TEST_F(ScriptDialogs, AFailedWriteOfTheScriptSetFileKeepsTheOldFile) {
  FakeFileSystem files;
  const std::u16string path = u"C:\\work\\sprct_set_e.ini";
  files.putText(path, u"T00=old\r\n");
  files.unwritable.insert(path);
  table->sets[0] = {1, u"new", {}};
  EXPECT_FALSE(writeScriptSets(files, messages, u"C:\\work", kEnglish, *table));
  EXPECT_EQ(shownNumbers(), std::vector<int>{kMsgSettingsFileNotOpened});
  EXPECT_EQ(files.text(path), u"T00=old\r\n");
}

// ---- Entry fields ----------------------------------------------------------------------

TEST_F(ScriptDialogs, FieldsAreCutToWhatTheDialogAcceptsAtACharacterBoundary) {
  ItemFields fields;
  fields.title = u"ABCDEFGHIJKLM\U0001F5A8X";  // the pair would be characters 14 and 15
  fields.command = std::u16string(40, u'k');
  fields.initial_value = std::u16string(200, u'v');
  fields.select_text[4] = u"12345678901234567890";
  const ScriptItem item = itemFromFields(fields);
  EXPECT_EQ(item.title, u"ABCDEFGHIJKLM");
  EXPECT_EQ(item.command, std::u16string(14, u'k'));
  EXPECT_EQ(item.initial_value, std::u16string(126, u'v'));
  EXPECT_EQ(item.select_text[4], u"12345678901234");

  ScriptDetail detail(*table, messages);
  detail.storeSetFields({true, std::u16string(70, u's')});
  EXPECT_EQ(table->sets[0].title, std::u16string(62, u's'));
  EXPECT_EQ(table->sets[0].in_use, 1);
}

TEST_F(ScriptDialogs, ModeAndWidthTextsAreTheNumberTheyBeginWith) {
  struct Case {
    std::u16string text;
    std::int32_t mode;
  };
  for (const Case& c : {Case{u"3", 3}, Case{u"3:Printer", 3}, Case{u"Printer", 0}, Case{u" 12px", 12},
                        Case{u"", 0}, Case{u"-1", -1}, Case{u"0000000000000017", 0}}) {
    ItemFields fields;
    fields.edit_mode = c.text;
    fields.width = c.text;
    const ScriptItem item = itemFromFields(fields);
    EXPECT_EQ(item.edit_mode, c.mode) << "text " << utf16ToUtf8(c.text);
    EXPECT_EQ(item.width, c.mode) << "text " << utf16ToUtf8(c.text);
  }
}

TEST_F(ScriptDialogs, AnItemReadIntoTheFieldsStoresBackUnchangedAndBadModesShowError) {
  ScriptItem item = namedItem(u"Paper");
  item.output_mode = OutputMode::kWholeCell;
  item.edit_mode = EditMode::kPaper;
  item.width = 120;
  item.select_text = {u"A3", u"", u"", u"", u"B4"};
  item.initial_value = u"A3";
  item.command = u"-plot";
  EXPECT_EQ(itemFromFields(itemFields(item, labels)), item);

  const auto cells = itemListCells(item, labels);
  EXPECT_EQ(cells[0], u"ON");
  EXPECT_EQ(cells[2], u"4:out");
  EXPECT_EQ(cells[4], u"4:edit");
  EXPECT_EQ(cells[5], u"120");
  EXPECT_EQ(cells[10], u"B4");
  EXPECT_EQ(cells[12], u"-plot");

  item.in_use = 0;
  item.output_mode = 5;
  item.display_mode = -1;
  item.edit_mode = 6;
  const auto bad = itemListCells(item, labels);
  EXPECT_EQ(bad[0], u"OFF");
  EXPECT_EQ(bad[2], u"Error");
  EXPECT_EQ(bad[3], u"Error");
  EXPECT_EQ(bad[4], u"Error");
  EXPECT_EQ(itemFields(item, labels).edit_mode, u"Error");
}

// ---- Item operations -------------------------------------------------------------------

TEST_F(ScriptDialogs, AnItemStoredOffIsListedUntilTheNextRefillAndEndsTheActiveRun) {
  fillEditedSet({u"File", u"Folder", u"Paper"});
  ScriptDetail detail(*table, messages);
  ItemFields off;
  off.title = u"Off";
  EXPECT_EQ(detail.newItem(off).kind, ListChange::kInsertRow);
  EXPECT_EQ(listed(detail), (std::vector<std::u16string>{u"File", u"Folder", u"Paper", u"Off"}));
  const ListChange moved = detail.moveItem(0, -1);  // the first item up: only a refill
  EXPECT_EQ(moved.kind, ListChange::kRefill);
  EXPECT_EQ(moved.row, 0);
  EXPECT_EQ(listed(detail), (std::vector<std::u16string>{u"File", u"Folder", u"Paper"}));

  // Rewriting the middle item OFF hides it and everything after it; the data stays.
  ItemFields folder = *detail.readItem(1, labels);
  folder.in_use = false;
  EXPECT_EQ(detail.rewriteItem(1, folder).kind, ListChange::kReplaceRow);
  detail.moveItem(0, -1);
  EXPECT_EQ(listed(detail), std::vector<std::u16string>{u"File"});
  EXPECT_EQ(activeRunLength(detail.editedSet()), 1);
  EXPECT_EQ(detail.editedSet().items[2].title, u"Paper");
}

TEST_F(ScriptDialogs, DeleteAndMoveWorkOnTheFirstSelectedRowAndNeedOne) {
  fillEditedSet({u"A", u"B", u"C"});
  ScriptDetail detail(*table, messages);
  const ListChange down = detail.moveItem(2, +1);  // the last item down stays
  EXPECT_EQ(down.row, 2);
  EXPECT_EQ(detail.moveItem(2, -1).row, 1);
  EXPECT_EQ(listed(detail), (std::vector<std::u16string>{u"A", u"C", u"B"}));
  EXPECT_EQ(detail.deleteItem(0).kind, ListChange::kRemoveRow);
  EXPECT_EQ(listed(detail), (std::vector<std::u16string>{u"C", u"B"}));
  EXPECT_EQ(detail.editedSet().items[2], ScriptItem{});
  EXPECT_TRUE(shownNumbers().empty());

  EXPECT_EQ(detail.readItem(-1, labels), std::nullopt);
  EXPECT_EQ(detail.rewriteItem(-1, {}).kind, ListChange::kNone);
  EXPECT_EQ(detail.deleteItem(-1).kind, ListChange::kNone);
  EXPECT_EQ(detail.moveItem(-1, +1).kind, ListChange::kNone);
  EXPECT_EQ(shownNumbers(), std::vector<int>(4, kMsgNoItemSelected));
  EXPECT_EQ(listed(detail), (std::vector<std::u16string>{u"C", u"B"}));
}

TEST_F(ScriptDialogs, FiftyListedItemsTakeNoMore) {
  for (ScriptItem& item : editedScriptSet(*table).items) item = namedItem(u"x");
  ScriptDetail detail(*table, messages);
  EXPECT_EQ(detail.newItem({}).kind, ListChange::kNone);
  EXPECT_EQ(shownNumbers(), std::vector<int>{kMsgSetHasFiftyItems});
}

// ---- Sets ------------------------------------------------------------------------------

TEST_F(ScriptDialogs, SteppingStoresTheSetFieldsAndWrapsAtBothEnds) {
  table->sets[19].items[0] = namedItem(u"last");
  ScriptDetail detail(*table, messages);
  detail.stepSet({true, u"Typed"}, -1);
  EXPECT_EQ(table->edited_set, 19);
  EXPECT_EQ(table->sets[0].title, u"Typed");
  EXPECT_EQ(table->sets[0].in_use, 1);
  EXPECT_EQ(listed(detail), std::vector<std::u16string>{u"last"});
  detail.stepSet(detail.setFields(), +1);
  EXPECT_EQ(table->edited_set, 0);
  EXPECT_EQ(detail.rowCount(), 0);
}

TEST_F(ScriptDialogs, PasteAndClearRunOnlyAfterYesThenNo) {
  fillEditedSet({u"A", u"B"});
  editedScriptSet(*table).title = u"Kept";
  editedScriptSet(*table).in_use = 1;
  ScriptDetail detail(*table, messages);
  ui.answers = {UiPort::kNo, UiPort::kYes, UiPort::kYes};
  EXPECT_EQ(detail.pasteItems().kind, ListChange::kNone);
  EXPECT_EQ(detail.pasteItems().kind, ListChange::kNone);
  EXPECT_EQ(detail.rowCount(), 2);

  ui.answers = {UiPort::kYes, UiPort::kNo};  // nothing copied since start: the items go
  EXPECT_EQ(detail.pasteItems().kind, ListChange::kRefill);
  EXPECT_EQ(detail.editedSet().items, ScriptItems{});
  EXPECT_EQ(detail.editedSet().title, u"Kept");

  fillEditedSet({u"A"});
  detail.copyItems();
  ui.answers = {UiPort::kYes, UiPort::kNo};
  detail.clearSet();
  EXPECT_EQ(detail.editedSet(), ScriptSet{});
  EXPECT_EQ(detail.rowCount(), 0);
  ui.answers = {UiPort::kYes, UiPort::kNo};
  detail.pasteItems();
  EXPECT_EQ(listed(detail), std::vector<std::u16string>{u"A"});
  EXPECT_EQ(shownNumbers(), (std::vector<int>{kMsgAskPasteItems, kMsgAskPasteItems, kMsgAskCancelPaste,
                                              kMsgAskPasteItems, kMsgAskCancelPaste, kMsgAskClearSet,
                                              kMsgAskCancelClear, kMsgAskPasteItems, kMsgAskCancelPaste}));
}

TEST_F(ScriptDialogs, AnImportNamesTheSetAfterItsFileAndAFailedOneChangesNothing) {
  FakeFileSystem files;
  std::u16string lastImported;
  fillEditedSet({u"Old"});
  ScriptDetail detail(*table, messages);

  files.putText(u"D:\\x\\plans.old.dat", u"0.m=1\r\n0.t=New\r\n1.m=1\r\n");
  ui.chosenPaths = {u"D:\\x\\plans.old.dat"};
  ui.answers = {UiPort::kYes, UiPort::kNo};
  EXPECT_EQ(detail.importItems(files, u"C:\\work", lastImported), u"plans.old");
  EXPECT_EQ(listed(detail), (std::vector<std::u16string>{u"New", u""}));

  files.putText(u"D:\\x\\ansi.dat", u"0.m=1\r\n", false);
  ui.chosenPaths = {u"D:\\x\\ansi.dat"};
  ui.answers = {UiPort::kYes, UiPort::kNo};
  EXPECT_EQ(detail.importItems(files, u"C:\\work", lastImported), std::nullopt);
  EXPECT_EQ(listed(detail), (std::vector<std::u16string>{u"New", u""}));
  EXPECT_EQ(lastImported, u"D:\\x\\plans.old.dat");
  EXPECT_EQ(ui.boxes.back().text, u"45") << "after the read-failure report";

  ui.boxes.clear();
  ui.answers = {UiPort::kYes, UiPort::kNo};  // the export's file dialog is cancelled
  detail.exportItems(files, u"C:\\work");
  EXPECT_EQ(shownNumbers(), (std::vector<int>{kMsgAskExportItems, kMsgAskCancelExport, kMsgExportNotDone}));
}

}  // namespace
}  // namespace dovevar
