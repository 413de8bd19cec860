// The Run script of a long list: every row's lines, the close look-ahead and the bytes.
#include <benchmark/benchmark.h>

#include "fakes/script_items.h"
#include "list/drawing_list.h"
#include "script/run_script.h"

namespace {

using namespace dovevar;

// open, folder, a value column written whole, close.
ScriptSet plotSet() {
  ScriptSet set;
  set.in_use = 1;
  set.items[0] = scriptItem(DisplayMode::kFileName, OutputMode::kOpenDrawing, u"open");
  set.items[1] = scriptItem(DisplayMode::kFolder, OutputMode::kNothing);
  set.items[2] = scriptItem(DisplayMode::kValue, OutputMode::kWholeCell);
  set.items[3] = scriptItem(DisplayMode::kNoColumn, OutputMode::kCommand, u"close");
  return set;
}

void BM_WholeListScriptOfAHundredThousandRows(benchmark::State& state) {
  const ScriptSet set = plotSet();
  DrawingList list;
  list.rebuildColumns(set);
  for (int row = 0; row < 100000; ++row) {
    list.addDrawingRow(set, u"sheet-" + std::u16string(5, u'0' + row % 10) + u".dwg",
                       u"C:\\drawings\\project", u"", 1, row);
    list.setCell(row, 2, u"ISO A3 (297 x 420 mm)");
  }
  for (auto _ : state) {
    const ComposedScript script = composeWholeListScript(set, list, RowChoice::kAll, u"C:\\end.dwg");
    benchmark::DoNotOptimize(script.bytes.size());
  }
}
BENCHMARK(BM_WholeListScriptOfAHundredThousandRows)->Unit(benchmark::kMillisecond);

}  // namespace
