// The run report at its cap: a per-row run writes the whole file after every row, so the
// cost of one row's record is one flush of 10,000 lines; and a whole-list run of 10,000
// rows records them all at once.
#include <benchmark/benchmark.h>

#include "fakes/one_file.h"
#include "extras/run_report.h"

namespace {

using namespace dovevar;

ReportRow rowOf(int n) {
  ReportRow row;
  row.run = {2026, 12, 9, 23, 0, 0};
  row.kind = "per row";
  row.row = n;
  row.drawing = u"C:\\drawings\\project\\図面-" + std::u16string(6, u'0' + n % 10) + u".dwg";
  row.start = row.end = row.run;
  row.milliseconds = 42000;
  row.outcome = RowOutcome::kStarted;
  return row;
}

void BM_RunReportOneRowAtTheCap(benchmark::State& state) {
  OneFile files;
  const std::u16string path = u"C:\\dv\\Dovevar-runs.csv";
  {
    RunReport full(files, path);
    for (int n = 0; n < static_cast<int>(kRunReportLineLimit); ++n) full.add(rowOf(n));
    full.flush();
  }
  RunReport report(files, path);
  int n = 0;
  for (auto _ : state) {
    report.add(rowOf(n++));
    benchmark::DoNotOptimize(report.flush());
  }
}
BENCHMARK(BM_RunReportOneRowAtTheCap)->Unit(benchmark::kMillisecond);

void BM_RunReportWholeListRun(benchmark::State& state) {
  for (auto _ : state) {
    OneFile files;
    RunReport report(files, u"C:\\dv\\Dovevar-runs.csv");
    for (int n = 0; n < state.range(0); ++n) report.add(rowOf(n));
    benchmark::DoNotOptimize(report.flush());
  }
}
BENCHMARK(BM_RunReportWholeListRun)->Arg(10000)->Arg(31000)->Unit(benchmark::kMillisecond);

}  // namespace
