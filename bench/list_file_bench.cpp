// A List file of a long list: the writer's lines and bytes, and the reader's two passes.
#include <benchmark/benchmark.h>

#include "fakes/one_file.h"
#include "list/list_file.h"
#include "store/settings_text.h"

namespace {

using namespace dovevar;

ScriptSet twelveColumns() {
  ScriptSet set;
  for (int i = 0; i < 12; ++i) {
    set.items[i].in_use = 1;
    set.items[i].display_mode = DisplayMode::kValue;
  }
  return set;
}

DrawingList listOf(int rows) {
  DrawingList list;
  list.rebuildColumns(twelveColumns());
  for (int row = 0; row < rows; ++row) {
    list.insertRow(row, u"C:\\drawings\\project\\sheet-" + std::u16string(6, u'0' + row % 10) + u".dwg", 1, row);
    for (int column = 1; column < 12; ++column) list.setCell(row, column, u"ISO A3 (297 x 420 mm)");
  }
  return list;
}

struct Quiet {
  QuietUi ui;
  TextTables texts;
  int language = 0;
  Messages messages{ui, texts, language};
};

// Every row is written, however long the list; state.range(0) is the list.
void BM_ListFileWrite(benchmark::State& state) {
  const DrawingList list = listOf(static_cast<int>(state.range(0)));
  OneFile file;
  Quiet quiet;
  for (auto _ : state) writeListFile(file, quiet.messages, u"C:\\l.lst", list, 3);
  state.counters["file_MB"] = static_cast<double>(file.bytes.size()) / 1e6;
}
BENCHMARK(BM_ListFileWrite)->Arg(10000)->Arg(31000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Both passes of the reader, as a start or a load makes them.
void BM_ListFileRead(benchmark::State& state) {
  const ScriptSet set = twelveColumns();
  Quiet quiet;
  OneFile file;
  writeListFile(file, quiet.messages, u"C:\\l.lst", listOf(static_cast<int>(state.range(0))), 3);
  for (auto _ : state) {
    DrawingList read;
    read.rebuildColumns(set);
    int32_t scriptSet = 0;
    readListFile(file, quiet.messages, u"C:\\l.lst", ListPass::kScriptSetOnly, scriptSet, read);
    readListFile(file, quiet.messages, u"C:\\l.lst", ListPass::kRows, scriptSet, read);
    benchmark::DoNotOptimize(read.rowCount());
  }
}
BENCHMARK(BM_ListFileRead)->Arg(10000)->Arg(31000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
