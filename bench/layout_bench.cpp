// Relayout speed: the pagination and page geometry run after every change
// of the document, over the 20,000-line benchmark text. Make the text with
// bench/make_bench_text.sh; its Shift-JIS copy is read from the path in
// ZENPA_BENCH_SJIS (default /tmp/zenpa_bench/bench_sjis.txt).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "base/file_io.h"
#include "platform/recording_canvas.h"
#include "platform/text_memo.h"
#include "print/layout.h"

namespace {

using namespace zenpa;

std::vector<std::string> BenchLines() {
  const char *env = std::getenv("ZENPA_BENCH_SJIS");
  const std::string path = env != nullptr ? env : "/tmp/zenpa_bench/bench_sjis.txt";
  std::vector<std::string> lines;
  base::ReadLines(path, lines);
  return lines;
}

void Relayout(benchmark::State &state, print::PrintFormat format) {
  const platform::TextMemo memo(BenchLines());
  if (memo.LineCount() == 0) {
    state.SkipWithError("benchmark text missing: run bench/make_bench_text.sh");
    return;
  }
  platform::RecordingCanvas canvas;
  const print::LayoutInput in{format, platform::VirtualPrinterMetrics(210, 297), {}, {}, false};
  int pages = 0;
  for (auto _ : state) {
    const print::LayoutResult r = print::RunLayout(print::PrintedLines(memo), in, canvas);
    pages = r.pagination.pageCount;
    benchmark::DoNotOptimize(r.pagination.entries.data());
  }
  state.counters["lines"] = memo.LineCount();
  state.counters["pages"] = pages;
  state.counters["pages_per_s"] =
      benchmark::Counter(static_cast<double>(pages), benchmark::Counter::kIsIterationInvariantRate);
}

void BM_RelayoutPlain(benchmark::State &state) { Relayout(state, print::PrintFormat()); }

void BM_RelayoutMarksAndTabs(benchmark::State &state) {
  print::PrintFormat format;
  format.scaleMarksOn = true;
  format.tabsOn = true;
  format.tabWidth = 4;
  format.puzzle.minitext = true;
  Relayout(state, format);
}

} // namespace

BENCHMARK(BM_RelayoutPlain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RelayoutMarksAndTabs)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
