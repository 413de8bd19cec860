// The Drawing list at the scale of a large folder tree: 100,000 rows of 12 columns.
// Sorting is also measured against the way a list control that is its own storage has to
// sort: its comparison receives two row keys and finds each row by a linear search.
#include <algorithm>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "fakes/scripted_messages.h"
#include "list/drawing_list.h"
#include "list/list_editing.h"
#include "list/list_steps.h"

namespace dovevar {
namespace {

constexpr int kRows = 100000;
constexpr int kColumns = 12;

std::u16string ascii(const std::string& text) { return std::u16string(text.begin(), text.end()); }

// File name, folder, date, copies (column 3, numeric) and eight value columns.
const ScriptSet& twelveColumnSet() {
  static const std::unique_ptr<ScriptSet> set = [] {
    auto s = std::make_unique<ScriptSet>();
    const std::int32_t modes[kColumns] = {1, 2, 3, 4, 4, 4, 4, 4, 4, 4, 4, 4};
    const char* values[kColumns] = {"", "", "", "1", "A3", "Plotter-01", "A3", "mono.ctb",
                                    "Landscape", "Extents", "L01", "Yes"};
    for (int i = 0; i < kColumns; ++i) {
      ScriptItem& item = s->items[i];
      item.in_use = 1;
      item.display_mode = modes[i];
      item.title = ascii("Column " + std::to_string(i));
      item.initial_value = ascii(values[i]);
      item.width = 80;
    }
    return s;
  }();
  return *set;
}

struct Drawing {
  std::u16string name;
  std::u16string folder;
  std::u16string date;
  std::u16string copies;
};

std::vector<Drawing> drawings(int count) {
  std::mt19937 random(20240601);
  std::vector<Drawing> result;
  result.reserve(count);
  char buffer[96];
  for (int i = 0; i < count; ++i) {
    const unsigned r = static_cast<unsigned>(random());
    std::snprintf(buffer, sizeof buffer, "Plan-%06u-Rev%c.dwg", r % 1000000, 'A' + r % 7);
    const std::u16string name = u"\x56F3\x9762_" + ascii(buffer);
    std::snprintf(buffer, sizeof buffer, "C:\\Projects\\Site%03u\\Drawings\\Level%02u", r % 211,
                  (r >> 8) % 40);
    const std::u16string folder = ascii(buffer);
    std::snprintf(buffer, sizeof buffer, "2024/%02u/%02u %02u:%02u", 1 + r % 12, 1 + (r >> 4) % 28,
                  (r >> 9) % 24, (r >> 14) % 60);
    result.push_back({name, folder, ascii(buffer), ascii(std::to_string((r >> 3) % 10000))});
  }
  return result;
}

const std::vector<Drawing>& hundredThousandDrawings() {
  static const std::vector<Drawing> all = drawings(kRows);
  return all;
}

void fill(DrawingList& list, const std::vector<Drawing>& source, int count) {
  const ScriptSet& set = twelveColumnSet();
  list.rebuildColumns(set);
  for (int i = 0; i < count; ++i) {
    const Drawing& d = source[i];
    list.addDrawingRow(set, d.name, d.folder, d.date, 1, i);
    list.setCell(i, 3, d.copies);
  }
}

long residentKilobytes() {
#if defined(__linux__)
  long pages = 0;
  long resident = 0;
  if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) {
      resident = 0;
    }
    std::fclose(statm);
  }
  return resident * 4;
#else
  return 0;
#endif
}

void BM_AddHundredThousandRows(benchmark::State& state) {
  const std::vector<Drawing>& source = hundredThousandDrawings();
  long grown_kb = 0;
  for (auto _ : state) {
    const long before = residentKilobytes();
    auto list = std::make_unique<DrawingList>();
    fill(*list, source, kRows);
    grown_kb = residentKilobytes() - before;
    benchmark::DoNotOptimize(list->rowCount());
    state.PauseTiming();
    list.reset();
    state.ResumeTiming();
  }
  state.counters["list_MB"] = static_cast<double>(grown_kb) / 1024.0;
  state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_AddHundredThousandRows)->Unit(benchmark::kMillisecond);

// Each measured sort starts from the same unsorted list.
void sortBenchmark(benchmark::State& state, int rows, int column) {
  DrawingList pristine;
  fill(pristine, hundredThousandDrawings(), rows);
  for (auto _ : state) {
    state.PauseTiming();
    DrawingList list = pristine;
    state.ResumeTiming();
    benchmark::DoNotOptimize(list.sortByColumn(column));
    state.PauseTiming();
    list = DrawingList();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * rows);
}

void BM_SortByFileNameColumn(benchmark::State& state) {
  sortBenchmark(state, static_cast<int>(state.range(0)), 0);
}
BENCHMARK(BM_SortByFileNameColumn)->Arg(2000)->Arg(10000)->Arg(kRows)->Unit(benchmark::kMillisecond);

// Every folder begins with the same 20 characters: the slowest text column.
void BM_SortByFolderColumn(benchmark::State& state) { sortBenchmark(state, kRows, 1); }
BENCHMARK(BM_SortByFolderColumn)->Unit(benchmark::kMillisecond);

void BM_SortByNumericColumn3(benchmark::State& state) { sortBenchmark(state, kRows, 3); }
BENCHMARK(BM_SortByNumericColumn3)->Unit(benchmark::kMillisecond);

void BM_SelectAllOfHundredThousandRows(benchmark::State& state) {
  DrawingList list;
  fill(list, hundredThousandDrawings(), kRows);
  for (auto _ : state) {
    list.selectAll();
    benchmark::DoNotOptimize(list.selectedCount());
  }
  state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_SelectAllOfHundredThousandRows)->Unit(benchmark::kMillisecond);

// The editing commands over the full list, their dialogs answered at once.
struct AnsweredDialogs : ListEditDialogs {
  void editLine(LineEditPurpose, LineBuffer& buffer) override {
    buffer.set(5, u"Plotter-02");
    buffer.set(6, u"A1");
  }
  std::optional<std::u16string> askSearchText(const SearchHistory&) override { return u"-0042"; }
};

struct EditedList {
  EditedList() { fill(list, hundredThousandDrawings(), kRows); }
  DrawingList list;
  ScriptSet set = twelveColumnSet();
  ListEditState state;
  AnsweredDialogs dialogs;
  ScriptedMessages messages;
  ListEditing editing{list, set, state, dialogs, messages.messages};
};

void BM_OneColumnEditOfHundredThousandSelectedRows(benchmark::State& state) {
  EditedList edited;
  for (auto _ : state) {
    state.PauseTiming();
    edited.list.selectAll();
    state.ResumeTiming();
    edited.editing.editColumn();
  }
  state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_OneColumnEditOfHundredThousandSelectedRows)->Unit(benchmark::kMillisecond);

void BM_SearchHundredThousandRows(benchmark::State& state) {
  EditedList edited;
  for (auto _ : state) {
    state.PauseTiming();
    edited.list.selectNone();
    state.ResumeTiming();
    edited.editing.search();
  }
  state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_SearchHundredThousandRows)->Unit(benchmark::kMillisecond);

// A row from the middle moved down: the rows below it shift twice.
void BM_MoveRowInHundredThousand(benchmark::State& state) {
  EditedList edited;
  for (auto _ : state) {
    edited.list.selectNone();
    edited.list.selectRow(kRows / 2);
    edited.editing.moveRow(+1);
  }
}
BENCHMARK(BM_MoveRowInHundredThousand)->Unit(benchmark::kMicrosecond);

void BM_AddFiftyRowsToHundredThousand(benchmark::State& state) {
  EditedList edited;
  edited.list.selectRow(0);
  edited.editing.copyRow();
  for (auto _ : state) {
    edited.editing.addRows(50);
    state.PauseTiming();
    while (edited.list.rowCount() > kRows) edited.list.deleteRow(edited.list.rowCount() - 1);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_AddFiftyRowsToHundredThousand)->Unit(benchmark::kMicrosecond);

// The baseline: rows held by a control that is their storage. The sort hands the comparison
// two row keys; the comparison finds each row by a linear search for its key and reads its
// cell into a buffer of 260 code units, then compares as the model does.
struct ControlRow {
  std::int32_t key;
  std::vector<std::u16string> cells;
};

int findRowByKey(const std::vector<ControlRow>& rows, std::int32_t key) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].key == key) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

int compareIgnoringAsciiCase(const char16_t* a, const char16_t* b) {
  const auto fold = [](char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c;
  };
  for (;; ++a, ++b) {
    const char16_t ca = fold(*a);
    const char16_t cb = fold(*b);
    if (ca != cb || ca == 0) {
      return ca < cb ? -1 : (ca > cb ? 1 : 0);
    }
  }
}

void BM_BaselineSortFindingRowsByKey(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  const std::vector<Drawing>& source = hundredThousandDrawings();
  std::vector<ControlRow> control;
  for (int i = 0; i < rows; ++i) {
    const Drawing& d = source[i];
    control.push_back({i, {d.name, d.folder, d.date, d.copies, u"A3", u"Plotter-01", u"A3",
                           u"mono.ctb", u"Landscape", u"Extents", u"L01", u"Yes"}});
  }
  std::vector<std::int32_t> pristine_keys(rows);
  for (int i = 0; i < rows; ++i) pristine_keys[i] = i;

  for (auto _ : state) {
    std::vector<std::int32_t> keys = pristine_keys;
    std::stable_sort(keys.begin(), keys.end(), [&](std::int32_t ka, std::int32_t kb) {
      char16_t a[260];
      char16_t b[260];
      const std::u16string& ta = control[findRowByKey(control, ka)].cells[0];
      const std::u16string& tb = control[findRowByKey(control, kb)].cells[0];
      a[ta.copy(a, 259)] = 0;
      b[tb.copy(b, 259)] = 0;
      return compareIgnoringAsciiCase(a, b) < 0;
    });
    benchmark::DoNotOptimize(keys.data());
  }
  state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_BaselineSortFindingRowsByKey)->Arg(2000)->Arg(10000)->Unit(benchmark::kMillisecond);

// Undo and redo at list scale: the change is made once over 100,000 rows, then put back
// and done again; only the direction named is timed.
enum class Timed { kUndo, kRedo };

void BM_UndoRedoAtListScale(benchmark::State& state, Timed timed, StepKind kind, void (*change)(EditedList&)) {
  EditedList edited;
  ListSteps steps;
  edited.list.selectAll();
  {
    ListStep step(steps, edited.list, kind);
    change(edited);
  }
  for (auto _ : state) {
    if (timed == Timed::kRedo) state.PauseTiming();
    benchmark::DoNotOptimize(steps.undo(edited.list));
    if (timed == Timed::kRedo) state.ResumeTiming();
    if (timed == Timed::kUndo) state.PauseTiming();
    benchmark::DoNotOptimize(steps.redo(edited.list));
    if (timed == Timed::kUndo) state.ResumeTiming();
  }
  state.counters["undo_MB"] = static_cast<double>(steps.heldBytes()) / (1024.0 * 1024.0);
  state.SetItemsProcessed(state.iterations() * kRows);
}

void editColumn(EditedList& edited) { edited.editing.editColumn(); }
void deleteEveryRow(EditedList& edited) { edited.editing.deleteSelectedRows(WhenNoneSelected::kTellUser); }

BENCHMARK_CAPTURE(BM_UndoRedoAtListScale, undo_one_column_edit, Timed::kUndo, StepKind::kColumnEdit, editColumn)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_UndoRedoAtListScale, redo_one_column_edit, Timed::kRedo, StepKind::kColumnEdit, editColumn)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_UndoRedoAtListScale, undo_delete, Timed::kUndo, StepKind::kDelete, deleteEveryRow)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_UndoRedoAtListScale, redo_delete, Timed::kRedo, StepKind::kDelete, deleteEveryRow)
    ->Unit(benchmark::kMillisecond);

// A working session of 100 steps over the 100,000 rows, each kind in turn: the most the
// steps ever held, and how many were kept at the end.
void BM_HundredStepsOverHundredThousandRows(benchmark::State& state) {
  std::size_t most = 0;
  std::size_t kept = 0;
  for (auto _ : state) {
    EditedList edited;
    ListSteps steps;
    const std::vector<Drawing>& more = hundredThousandDrawings();
    for (int i = 0; i < 100; ++i) {
      DrawingList& list = edited.list;
      switch (i % 5) {
        case 0: {
          ListStep step(steps, list, StepKind::kColumnEdit);
          edited.editing.editColumn();
          break;
        }
        case 1: {
          ListStep step(steps, list, StepKind::kSort);
          list.sortByColumn(i % kColumns);
          break;
        }
        case 2: {
          for (int r = i; r < list.rowCount(); r += 100) list.selectRow(r);
          ListStep step(steps, list, StepKind::kDelete);
          list.deleteSelectedRows();
          break;
        }
        case 3: {
          ListStep step(steps, list, StepKind::kCollection);
          for (int n = 0; n < 1000; ++n) {
            const Drawing& d = more[(i * 1000 + n) % kRows];
            list.addDrawingRow(twelveColumnSet(), d.name, d.folder, d.date, 1, list.rowCount());
          }
          break;
        }
        case 4: {
          ListStep step(steps, list, StepKind::kCellEdit);
          list.setCell(i * 37 % list.rowCount(), 4, u"A0");
          break;
        }
      }
      most = std::max(most, steps.heldBytes());
    }
    kept = steps.stepCount();
  }
  state.counters["most_undo_MB"] = static_cast<double>(most) / (1024.0 * 1024.0);
  state.counters["steps_kept"] = static_cast<double>(kept);
}
BENCHMARK(BM_HundredStepsOverHundredThousandRows)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace dovevar
