#include "list/cell_editor.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "fakes/fake_file_system.h"
#include "fakes/script_items.h"
#include "list/line_edit_form.h"

namespace dovevar {
namespace {

using Texts = std::vector<std::u16string>;

PrinterRecord printer(std::u16string name, const Texts& papers) {
  PrinterRecord record;
  record.name = std::move(name);
  for (std::size_t i = 0; i < papers.size(); ++i) record.papers[i] = papers[i];
  return record;
}

// The plotting layout: name, folder, a read-only date, number, text, printer, paper,
// plot style, orientation choices.
struct CellEditing : testing::Test {
  CellEditing() {
    const std::int32_t modes[] = {EditMode::kNone,    EditMode::kText,  EditMode::kNone,
                                  EditMode::kText,    EditMode::kText,  EditMode::kPrinter,
                                  EditMode::kPaper,   EditMode::kPlotStyle, EditMode::kSelectText};
    for (int k = 0; k < 9; ++k) {
      set->items[k] = scriptItem(DisplayMode::kValue, OutputMode::kWholeCell);
      set->items[k].edit_mode = modes[k];
      set->items[k].width = 100;
    }
    set->items[8].select_text = {u"Portrait", u"Landscape", u"", u"Never", u""};
    list.rebuildColumns(*set);
    for (int r = 0; r < 3; ++r) {
      list.insertRow(r, u"plan.dwg", 0, r);
      list.setCell(r, 5, u"Plotter");
      list.setCell(r, 6, u"A1");
    }
    printers.count = 3;
    printers.records[0] = printer(u"Office", {u"A4", u"A3"});
    printers.records[1] = printer(u"Plotter", {u"A0", u"A1"});
    printers.records[2] = printer(u"Plotter", {u"ISO A2", u"ISO A1"});  // the last of a name wins
  }

  std::unique_ptr<ScriptSet> set = std::make_unique<ScriptSet>();
  DrawingList list;
  PrinterTable printers;
  FakeFileSystem files;
  ChoiceSources sources{printers, files, u"c:\\styles"};
  CellEditor editor;
};

TEST_F(CellEditing, AChosenPrinterSetsTheRowsPaperToItsFirstPaper) {
  list.selectRow(1);
  auto opening = editor.open(list, *set, 5, sources);
  ASSERT_TRUE(opening);
  EXPECT_EQ(opening->kind, CellEditor::State::kDropDown);
  EXPECT_EQ(opening->text, u"Plotter");
  EXPECT_EQ(opening->choices, (Texts{u"Office", u"Plotter", u"Plotter"}));
  EXPECT_EQ(list.cell(1, 5), u"");  // empty while it is edited
  EXPECT_EQ(list.selectedCount(), 0);

  ASSERT_TRUE(editor.commitDropDown(list, u"Office", printers));
  EXPECT_EQ(list.cell(1, 5), u"Office");
  EXPECT_EQ(list.cell(1, 6), u"A4");

  // The paper drop-down lists the papers of the row's printer; an unknown printer gives
  // printer 0's.
  list.selectRow(2);
  EXPECT_EQ(editor.open(list, *set, 6, sources)->choices, (Texts{u"ISO A2", u"ISO A1"}));
  editor.cancel(list);
  list.setCell(2, 5, u"plotter");
  list.selectRow(2);
  EXPECT_EQ(editor.open(list, *set, 6, sources)->choices, (Texts{u"A4", u"A3"}));
}

TEST_F(CellEditing, LateAndSecondClosesAreDroppedAndTheSavedTextComesBack) {
  list.selectRow(0);
  ASSERT_TRUE(editor.open(list, *set, 8, sources));
  EXPECT_TRUE(editor.cancel(list));
  EXPECT_EQ(list.cell(0, 8), u"");
  // The timed commit after a cancel finds nothing open.
  EXPECT_FALSE(editor.commitDropDown(list, u"", printers));
  EXPECT_FALSE(editor.commitText(list, u"typed"));
  EXPECT_EQ(list.cell(0, 6), u"A1");

  list.setCell(0, 3, u"12");
  list.selectRow(0);
  auto opening = editor.open(list, *set, 3, sources);
  ASSERT_TRUE(opening);
  EXPECT_EQ(opening->kind, CellEditor::State::kTextBox);
  EXPECT_FALSE(editor.commitDropDown(list, u"x", printers));
  std::u16string typed(126, u'9');
  typed += u"\U0001F4D0";
  EXPECT_TRUE(editor.commitText(list, typed));
  EXPECT_EQ(list.cell(0, 3), std::u16string(126, u'9'));

  // Read-only columns, unknown columns and no selection open nothing and change nothing.
  list.selectRow(0);
  EXPECT_FALSE(editor.open(list, *set, 2, sources));
  EXPECT_FALSE(editor.open(list, *set, 40, sources));
  EXPECT_EQ(list.selectedCount(), 1);
  list.selectNone();
  EXPECT_FALSE(editor.open(list, *set, 3, sources));
}

TEST_F(CellEditing, ChoiceListsByEditMode) {
  for (int i = 0; i < 150; ++i) files.addFile(u"c:\\styles", u"style" + std::u16string(1, char16_t(0x4E00 + i)) + u".ctb");
  files.addFile(u"c:\\styles", u".ctb");  // too short to be a name
  const std::vector<std::u16string> styles = plotStyleNames(files, u"c:\\styles");
  ASSERT_EQ(styles.size(), 100u);
  EXPECT_EQ(styles[99], u"style" + std::u16string(1, char16_t(0x4E00 + 99)) + u".ctb");
  EXPECT_TRUE(plotStyleNames(files, u"c:\\missing").empty());

  EXPECT_EQ(editChoices(set->items[8], u"", sources), (Texts{u"Portrait", u"Landscape"}));
  EXPECT_EQ(editChoices(set->items[7], u"", sources).size(), 100u);
  ScriptItem unknown = set->items[8];
  unknown.edit_mode = 6;
  EXPECT_TRUE(editChoices(unknown, u"", sources).empty());

  PrinterTable none;
  ChoiceSources empty{none, files, u""};
  EXPECT_TRUE(editChoices(set->items[5], u"", empty).empty());
  EXPECT_TRUE(editChoices(set->items[6], u"Plotter", empty).empty());
}

TEST_F(CellEditing, TheLineEditFormWrapsOnceAControlEndsPast700AndTiesPapersToThePrinterBeforeThem) {
  set->items[1].width = 300;
  set->items[4].width = 250;
  set->items[3].display_mode = DisplayMode::kNoColumn;  // no column, no cell
  const LineEditForm form = layOutLineEdit(*set);
  struct Expected {
    int item, cell, x, y, width, id;
  };
  const std::vector<Expected> expected = {
      {1, 1, 5, 30, 300, 501},      {4, 3, 307, 30, 250, 504},  {5, 4, 559, 30, 110, 2505},
      {6, 5, 671, 30, 110, 2506},   {7, 6, 5, 80, 110, 2507},   {8, 7, 117, 80, 110, 2508}};
  ASSERT_EQ(form.fields.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const LineEditField& f = form.fields[i];
    EXPECT_EQ((std::vector<int>{f.item, f.cell, f.x, f.y, f.width, f.id}),
              (std::vector<int>{expected[i].item, expected[i].cell, expected[i].x, expected[i].y,
                                expected[i].width, expected[i].id}))
        << "field " << i;
  }
  EXPECT_EQ(form.printerField, 2);
  EXPECT_EQ(form.paperField, 3);

  LineBuffer buffer;
  buffer.set(4, u"Office");
  EXPECT_EQ(lineEditChoices(*set, form, buffer, sources)[3], (Texts{u"A4", u"A3"}));
  buffer.set(4, u"Plotter");
  EXPECT_EQ(lineEditChoices(*set, form, buffer, sources)[3], (Texts{u"ISO A2", u"ISO A1"}));
}

TEST_F(CellEditing, ThePrinterWatchRefillsPapersOnceTheTextSettles) {
  LinePrinterWatch watch;
  // The printer the dialog opens with leaves the paper it opened with alone.
  watch.remember(u"Plotter");
  watch.notify();
  EXPECT_EQ(watch.settle(u"Plotter", printers, true).outcome, LinePrinterWatch::Outcome::kNothing);

  EXPECT_TRUE(watch.notify());
  EXPECT_FALSE(watch.notify());
  auto result = watch.settle(u"Office", printers, true);
  EXPECT_EQ(result.outcome, LinePrinterWatch::Outcome::kShowPapers);
  EXPECT_EQ(result.printer, &printers.records[0]);
  EXPECT_FALSE(watch.pending());

  // The dialog settles only after a notification started its timer.
  watch.notify();
  EXPECT_EQ(watch.settle(u"Office", printers, true).outcome, LinePrinterWatch::Outcome::kNothing);
  watch.notify();
  EXPECT_EQ(watch.settle(u"Plotter", printers, false).outcome, LinePrinterWatch::Outcome::kNothing);
  watch.notify();
  result = watch.settle(u"Typo", printers, true);
  EXPECT_EQ(result.outcome, LinePrinterWatch::Outcome::kReset);
  EXPECT_EQ(result.printer, &printers.records[0]);
}

TEST(LineEditTitle, ThePurposePicksTheLabelAndInitialValuesNameTheSet) {
  TextTables texts;
  texts.labels[kLabelsC][36][kEnglish] = u"Edit Rows";
  texts.labels[kLabelsC][38][kEnglish] = u"Initial Values - %s";
  EXPECT_EQ(lineEditTitle(texts, kEnglish, LineEditPurpose::kEditRow, u"Plot"), u"Edit Rows");
  EXPECT_EQ(lineEditTitle(texts, kEnglish, LineEditPurpose::kInitialValues, u"Plot %s"),
            u"Initial Values - Plot %s");
  EXPECT_EQ(lineEditTitle(texts, kEnglish, LineEditPurpose::kEditColumn, u"Plot"), u"");
}

}  // namespace
}  // namespace dovevar
