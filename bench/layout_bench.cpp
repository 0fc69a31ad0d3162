// Relayout speed: the pagination and page geometry run after every change
// of the document, over the 20,000-line benchmark text. Make the text with
// bench/make_bench_text.sh (see bench_text.h). The canvas is the recording
// one, so the figure is the engine's own cost; a second run reuses the line
// widths as the editor does after a keystroke. A marked run puts a size,
// spacing or indent mark before every 25th line.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench_text.h"
#include "platform/recording_canvas.h"
#include "platform/text_memo.h"
#include "print/layout.h"

namespace {

using namespace zenpa;

// The benchmark text with a mark line before every 25th line.
std::vector<std::string> MarkedLines() {
  static const std::vector<std::string> marks = {"p++ %20", "p-", "p= %=", "p+++++ m50",
                                                 "p---- %50"};
  std::vector<std::string> lines;
  const std::vector<std::string> text = bench::BenchLines();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i % 25 == 0)
      lines.push_back(marks[i / 25 % marks.size()]);
    lines.push_back(text[i]);
  }
  return lines;
}

void Relayout(benchmark::State &state, settings::PrintFormat format, bool keepWidths,
              bool marked = false) {
  platform::TextMemo memo(marked ? MarkedLines() : bench::BenchLines());
  if (memo.LineCount() == 0) {
    state.SkipWithError("benchmark text missing: run bench/make_bench_text.sh");
    return;
  }
  platform::RecordingCanvas canvas;
  print::LineWidthCache widths;
  print::LayoutInput in{format, platform::VirtualPrinterMetrics(210, 297), {}, {}, false};
  in.widths = keepWidths ? &widths : nullptr;
  int pages = 0;
  int edit = 0;
  for (auto _ : state) {
    // One line changes between runs, as after a keystroke.
    const int line = edit++ % memo.LineCount();
    memo.ReplaceLine(line, memo.Line(line) + "x");
    const print::LayoutResult r = print::RunLayout(print::PrintedLines(memo), in, canvas);
    pages = r.pagination.pageCount;
    benchmark::DoNotOptimize(r.pagination.entries.data());
  }
  state.counters["lines"] = memo.LineCount();
  state.counters["pages"] = pages;
  state.counters["pages_per_s"] =
      benchmark::Counter(static_cast<double>(pages), benchmark::Counter::kIsIterationInvariantRate);
}

settings::PrintFormat MarksAndTabs() {
  settings::PrintFormat format;
  format.scaleMarksOn = true;
  format.tabsOn = true;
  format.tabWidth = 4;
  format.puzzle.minitext = true;
  return format;
}

void BM_Relayout(benchmark::State &state) { Relayout(state, settings::PrintFormat(), false); }
void BM_RelayoutKeptWidths(benchmark::State &state) {
  Relayout(state, settings::PrintFormat(), true);
}
void BM_RelayoutMarksAndTabs(benchmark::State &state) { Relayout(state, MarksAndTabs(), true); }
void BM_RelayoutMarkedDocument(benchmark::State &state) {
  Relayout(state, MarksAndTabs(), true, true);
}

} // namespace

BENCHMARK(BM_Relayout)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RelayoutKeptWidths)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RelayoutMarksAndTabs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RelayoutMarkedDocument)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
