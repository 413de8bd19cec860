// Stored files and Run scripts of a 100,000-row list pass through these conversions.
#include "store/text_codec.h"

#include <benchmark/benchmark.h>

namespace {

std::u16string hundredThousandRows() {
  std::u16string text;
  for (int row = 0; row < 100000; ++row) {
    text += u"0001,03=C:\\図面\\第" + dovevar::utf8ToUtf16(std::to_string(row)) + u"号.dwg\r\n";
  }
  return text;
}

void BM_Utf16LeBytesOfAHundredThousandLines(benchmark::State& state) {
  const std::u16string text = hundredThousandRows();
  for (auto _ : state) {
    std::string bytes = dovevar::toUtf16LeBytes(text);
    benchmark::DoNotOptimize(dovevar::fromUtf16LeBytes(bytes));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size() * 2));
}
BENCHMARK(BM_Utf16LeBytesOfAHundredThousandLines)->Unit(benchmark::kMillisecond);

void BM_Utf8OfAHundredThousandLines(benchmark::State& state) {
  const std::string utf8 = dovevar::utf16ToUtf8(hundredThousandRows());
  for (auto _ : state) {
    benchmark::DoNotOptimize(dovevar::utf8ToUtf16(utf8));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * utf8.size()));
}
BENCHMARK(BM_Utf8OfAHundredThousandLines)->Unit(benchmark::kMillisecond);

}  // namespace
