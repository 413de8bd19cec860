#include "list/list_steps.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "fakes/fake_file_system.h"
#include "fakes/script_items.h"
#include "fakes/scripted_list_dialogs.h"
#include "fakes/scripted_messages.h"
#include "list/cell_editor.h"
#include "list/cell_placement.h"
#include "list/list_editing.h"

namespace dovevar {
namespace {

// Everything a step may change: each row's cells, key and image index, in list order,
// and the sort direction of column 0.
struct Snapshot {
  std::vector<std::vector<std::u16string>> cells;
  std::vector<std::int32_t> keys;
  std::vector<std::int32_t> images;
  SortDirection firstColumnDirection;
  bool operator==(const Snapshot&) const = default;
};

// Six rows of eight value columns reading "r<row>c<column>", row keys 10, 11, ..., the
// last row a DXF drawing.
struct ListUnderSteps {
  ListUnderSteps() {
    for (int c = 0; c < 8; ++c) {
      set->items[c] = scriptItem(DisplayMode::kValue, OutputMode::kWholeCell);
      set->items[c].edit_mode = EditMode::kText;
    }
    list.rebuildColumns(*set);
    for (int r = 0; r < 6; ++r) {
      list.insertRow(r, r == 5 ? u"r5.dxf" : u"r" + digit(r), r == 5 ? 1 : 0, 10 + r);
      for (int c = 1; c < 8; ++c) list.setCell(r, c, u"r" + digit(r) + u"c" + digit(c));
    }
    messages.numberTexts();
  }
  static std::u16string digit(int n) { return std::u16string(1, char16_t(u'0' + n)); }

  Snapshot snapshot() const {
    Snapshot shot{{}, {}, {}, list.sortDirection(0)};
    for (int r = 0; r < list.rowCount(); ++r) {
      shot.cells.emplace_back();
      for (int c = 0; c < list.columnCount(); ++c) shot.cells.back().emplace_back(list.cell(r, c));
      shot.keys.push_back(list.rowKey(r));
      shot.images.push_back(list.imageIndex(r));
    }
    return shot;
  }
  std::vector<int> selected() const {
    std::vector<int> rows;
    for (int r = list.nextSelectedRow(-1); r >= 0; r = list.nextSelectedRow(r)) rows.push_back(r);
    return rows;
  }
  void inStep(StepKind kind, const std::function<void()>& change) {
    ListStep step(steps, list, kind);
    change();
  }
  void select(std::initializer_list<int> rows) {
    for (int r : rows) list.selectRow(r);
  }

  std::unique_ptr<ScriptSet> set = std::make_unique<ScriptSet>();
  DrawingList list;
  ListSteps steps;
  ListEditState state;
  ScriptedDialogs dialogs;
  ScriptedMessages messages;
  ListEditing editing{list, *set, state, dialogs, messages.messages};
  PrinterTable printers;
  FakeFileSystem files;
  ChoiceSources sources{printers, files, u"c:\\styles"};
};

struct Steps : testing::Test, ListUnderSteps {};

struct StepCase {
  const char* name;
  StepKind kind;
  int rows;  // what the summary counts
  std::function<void(ListUnderSteps&)> change;
};

TEST_F(Steps, EveryKindOfStepGoesBackAndComesAgainWithItsCellsPlacesAndKeys) {
  const std::vector<StepCase> cases = {
      {"drawings placed as a list file places them", StepKind::kListLoad, 2,
       [](ListUnderSteps& t) {
         CellPlacement placement;
         placement.place(t.list, 6, 0, u"new.dxf");
         placement.place(t.list, 6, 3, u"A3");
         placement.place(t.list, 2, 0, u"between.dwg");
         placement.place(t.list, 2, 7, u"x");
       }},
      {"a cell edit", StepKind::kCellEdit, 1,
       [](ListUnderSteps& t) {
         t.select({4});
         CellEditor editor;
         ASSERT_TRUE(editor.open(t.list, *t.set, 3, t.sources));
         editor.commitText(t.list, u"edited");
       }},
      {"a one-line edit over two rows", StepKind::kLineEdit, 2,
       [](ListUnderSteps& t) {
         t.select({1, 4});
         t.dialogs.onEdit = [](LineBuffer& buffer) { buffer.set(5, u"five"); };
         t.editing.editRow();
       }},
      {"a one-column edit over every row", StepKind::kColumnEdit, 6,
       [](ListUnderSteps& t) {
         t.dialogs.onEdit = [](LineBuffer& buffer) { buffer.set(3, u"A1"); };
         t.editing.editColumn();
       }},
      {"a paste", StepKind::kPaste, 2,
       [](ListUnderSteps& t) {
         t.select({0});
         t.editing.copyRow();
         t.select({2, 3});
         t.editing.pasteRow();
       }},
      {"five rows added", StepKind::kAddRows, 5,
       [](ListUnderSteps& t) {
         t.select({5});
         t.editing.addRows(5);
       }},
      {"a row moved down, then another up", StepKind::kMoveRow, 2,
       [](ListUnderSteps& t) {
         t.select({1});
         t.editing.moveRow(+1);
         t.list.selectNone();
         t.select({5});
         t.editing.moveRow(-1);
       }},
      {"the selected rows deleted", StepKind::kDelete, 3,
       [](ListUnderSteps& t) {
         t.select({0, 3, 5});
         t.editing.deleteSelectedRows(WhenNoneSelected::kTellUser);
       }},
      {"every row deleted", StepKind::kDelete, 6,
       [](ListUnderSteps& t) { t.editing.deleteSelectedRows(WhenNoneSelected::kDeleteAll); }},
      {"one row deleted", StepKind::kDelete, 1, [](ListUnderSteps& t) { t.list.deleteRow(2); }},
      {"a sort, its direction too", StepKind::kSort, 6, [](ListUnderSteps& t) { t.list.sortByColumn(0); }},
      {"rows put in, their cells set, then cells of older rows", StepKind::kCollection, 2,
       [](ListUnderSteps& t) {
         const int row = t.list.insertRow(t.list.rowCount(), u"plan.dwg", 0, 6);
         t.list.setCell(row, 1, u"C:\\plans");
         t.list.setCell(0, 4, u"rule");
         t.list.setCell(1, 4, u"rule");
       }},
  };
  for (const StepCase& step : cases) {
    SCOPED_TRACE(step.name);
    ListUnderSteps t;
    const Snapshot before = t.snapshot();
    t.inStep(step.kind, [&] { step.change(t); });
    const Snapshot after = t.snapshot();
    ASSERT_NE(before, after);
    ASSERT_EQ(t.steps.stepCount(), 1u);

    const std::uint64_t revision = t.list.revision();
    const std::optional<StepSummary> undone = t.steps.undo(t.list);
    ASSERT_TRUE(undone);
    EXPECT_EQ(undone->kind, step.kind);
    EXPECT_EQ(undone->rows, step.rows);
    EXPECT_EQ(t.snapshot(), before);
    EXPECT_GT(t.list.revision(), revision);  // the automatic list file follows
    EXPECT_FALSE(t.steps.undo(t.list));

    ASSERT_TRUE(t.steps.redo(t.list));
    EXPECT_EQ(t.snapshot(), after);
    EXPECT_FALSE(t.steps.redo(t.list));
    ASSERT_TRUE(t.steps.undo(t.list));
    EXPECT_EQ(t.snapshot(), before);
  }
}

// What leaves this list as it was is no step; nor is a change made to a copy of it.
TEST_F(Steps, WhatChangesNothingIsNoStep) {
  const std::vector<std::pair<const char*, std::function<void(ListUnderSteps&)>>> changes = {
      {"a cancelled cell editor",
       [](ListUnderSteps& t) {
         t.select({2});
         CellEditor editor;
         ASSERT_TRUE(editor.open(t.list, *t.set, 3, t.sources));
         editor.cancel(t.list);
       }},
      {"a value written over itself", [](ListUnderSteps& t) { t.list.setCell(1, 1, u"r1c1"); }},
      {"nothing at all", [](ListUnderSteps&) {}},
      {"a copy changed",
       [](ListUnderSteps& t) {
         DrawingList copy(t.list);
         copy.setCell(0, 1, u"copied");
         copy = t.list;
         copy.deleteAllRows();
       }},
  };
  for (const auto& [name, change] : changes) {
    SCOPED_TRACE(name);
    ListUnderSteps t;
    t.inStep(StepKind::kCellEdit, [&] { change(t); });
    EXPECT_EQ(t.steps.stepCount(), 0u);
    EXPECT_FALSE(t.steps.undo(t.list));
  }
}

TEST_F(Steps, TheRowsAStepPutsBackAreSelectedButASortKeepsTheSelection) {
  select({1, 4});
  inStep(StepKind::kDelete, [&] { list.deleteSelectedRows(); });
  select({0});
  ASSERT_TRUE(steps.undo(list));
  EXPECT_EQ(selected(), (std::vector<int>{1, 4}));
  EXPECT_EQ(list.focusedRow(), 1);

  list.selectNone();
  select({5});
  inStep(StepKind::kSort, [&] { list.sortByColumn(0); });  // descending: the DXF row first
  const std::optional<StepSummary> undone = steps.undo(list);
  EXPECT_EQ(undone->firstRow, -1);
  EXPECT_EQ(selected(), (std::vector<int>{5}));

  // Undoing rows put in leaves nothing to show.
  inStep(StepKind::kAddRows, [&] { list.insertRow(6, u"x", 0, 6); });
  EXPECT_EQ(steps.undo(list)->firstRow, -1);
  EXPECT_EQ(selected(), std::vector<int>{});
}

TEST_F(Steps, ANewStepDropsWhatWasUndoneAndTheCapsDropTheOldestFirst) {
  inStep(StepKind::kLineEdit, [&] { list.setCell(0, 1, u"one"); });
  inStep(StepKind::kLineEdit, [&] { list.setCell(0, 1, u"two"); });
  ASSERT_TRUE(steps.undo(list));
  inStep(StepKind::kLineEdit, [&] { list.setCell(0, 1, u"three"); });
  EXPECT_FALSE(steps.canRedo());
  ASSERT_TRUE(steps.undo(list));
  EXPECT_EQ(list.cell(0, 1), u"one");

  ListSteps three(3);
  for (int i = 0; i < 5; ++i) {
    ListStep step(three, list, StepKind::kCellEdit);
    list.setCell(1, 1, u"value " + digit(i));
  }
  EXPECT_EQ(three.stepCount(), 3u);
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(three.undo(list));
  EXPECT_FALSE(three.undo(list));
  EXPECT_EQ(list.cell(1, 1), u"value 1");

  // A cap below one step: older steps go, the newest stays whatever it holds.
  ListSteps small(100, 1);
  for (int i = 0; i < 3; ++i) {
    ListStep step(small, list, StepKind::kCellEdit);
    list.setCell(2, 2, std::u16string(100, char16_t(u'a' + i)));
  }
  EXPECT_EQ(small.stepCount(), 1u);
  EXPECT_GT(small.heldBytes(), 200u);
  ASSERT_TRUE(small.undo(list));
  EXPECT_EQ(list.cell(2, 2), std::u16string(100, u'b'));
}

TEST_F(Steps, StepsGoWhenTheColumnsChangeOrTheListChangedUnseen) {
  EXPECT_FALSE(steps.noteColumns(kEnglish, 0, list.columns()));
  EXPECT_FALSE(steps.noteColumns(kEnglish, 1, list.columns()));  // nothing to drop yet
  inStep(StepKind::kDelete, [&] { list.deleteRow(0); });
  EXPECT_FALSE(steps.noteColumns(kEnglish, 1, list.columns()));  // the same set again
  EXPECT_TRUE(steps.canUndo());

  struct Change {
    const char* name;
    int language;
    int set;
    int dropColumn;  // -1: the columns stay
  };
  for (const Change& change : {Change{"another set", kEnglish, 2, -1},
                               Change{"another language", kJapanese, 1, -1},
                               Change{"a column less", kEnglish, 1, 7}}) {
    SCOPED_TRACE(change.name);
    ListUnderSteps t;
    t.steps.noteColumns(kEnglish, 1, t.list.columns());
    t.inStep(StepKind::kDelete, [&] { t.list.deleteRow(0); });
    if (change.dropColumn >= 0) t.set->items[change.dropColumn].display_mode = DisplayMode::kNoColumn;
    t.list.rebuildColumns(*t.set);
    EXPECT_TRUE(t.steps.noteColumns(change.language, change.set, t.list.columns()));
    EXPECT_FALSE(t.steps.canUndo());
  }

  // A list loaded under other columns: the step is the rows read after the columns changed.
  inStep(StepKind::kListLoad, [&] {
    list.deleteAllRows();
    steps.noteColumns(kEnglish, 3, list.columns());
    list.insertRow(0, u"loaded.dwg", 0, 0);
  });
  EXPECT_EQ(steps.stepCount(), 1u);
  ASSERT_TRUE(steps.undo(list));
  EXPECT_EQ(list.rowCount(), 0);

  // A change no step saw makes the steps wrong: they go.
  inStep(StepKind::kCellEdit, [&] { list.insertRow(0, u"a", 0, 0); });
  list.setCell(0, 0, u"unseen");
  EXPECT_FALSE(steps.undo(list));
  EXPECT_EQ(list.cell(0, 0), u"unseen");
}

// Random steps of every kind, each undone and redone in turn: every state comes back, and
// the selection's count and focus stay those of the rows.
TEST_F(Steps, ARandomSessionUndoesAndRedoesToEveryStateItPassed) {
  std::mt19937 random(7);
  const auto below = [&random](int n) { return n <= 0 ? 0 : static_cast<int>(random() % n); };
  steps = ListSteps(1000);
  std::vector<Snapshot> states{snapshot()};
  for (int i = 0; i < 300; ++i) {
    for (int r = 0; r < list.rowCount(); ++r) {
      if (below(3) == 0) list.setRowState(r, below(2) == 0 ? RowState::kFull : RowState::kSelected);
    }
    inStep(StepKind::kCollection, [&] {
      for (int n = below(4) + 1; n > 0; --n) {
        switch (below(list.rowCount() > 30 ? 7 : 5)) {
          case 0: list.setCell(below(list.rowCount()), below(8), u"v" + digit(below(10))); break;
          case 1: list.insertRow(below(list.rowCount() + 1), u"n" + digit(below(10)), below(2), i); break;
          case 2:
            if (list.rowCount() > 0) list.sortByColumn(below(8));
            break;
          case 3: list.deleteRow(below(list.rowCount())); break;
          case 4: list.setCell(list.insertRow(list.rowCount(), u"a", 0, i), 3, u"t"); break;
          case 5: list.deleteSelectedRows(); break;
          case 6: list.deleteAllRows(); break;
        }
      }
    });
    if (steps.stepCount() == states.size()) states.push_back(snapshot());
  }
  ASSERT_GT(steps.stepCount(), 200u);
  const auto selectionHolds = [this] {
    std::vector<int> flagged;
    for (int r = 0; r < list.rowCount(); ++r) {
      if (list.isSelected(r)) flagged.push_back(r);
    }
    EXPECT_EQ(static_cast<int>(flagged.size()), list.selectedCount());
    EXPECT_EQ(selected(), flagged);
    EXPECT_LT(list.focusedRow(), list.rowCount());
  };
  const std::size_t made = states.size() - 1;
  for (std::size_t back = 1; back <= made; ++back) {
    ASSERT_TRUE(steps.undo(list));
    ASSERT_EQ(snapshot(), states[states.size() - 1 - back]) << back;
    selectionHolds();
  }
  for (std::size_t again = made; again > 0; --again) {
    ASSERT_TRUE(steps.redo(list));
    ASSERT_EQ(snapshot(), states[states.size() - again]) << again;
    selectionHolds();
  }
}

}  // namespace
}  // namespace dovevar
