// Page composition speed: a print run of the 20,000-line benchmark text
// through the renderer, with a canvas that measures like the recording one
// but keeps nothing, so the figure is the engine's own cost per page (the
// PDF writer's cost comes on top: time "zenpa print --pdf" for that). Make
// the text with bench/make_bench_text.sh; its Shift-JIS copy is read from
// ZENPA_BENCH_SJIS (default /tmp/zenpa_bench/bench_sjis.txt).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "base/file_io.h"
#include "platform/recording_canvas.h"
#include "print/layout.h"
#include "print/render.h"

namespace {

using namespace zenpa;

std::vector<std::string> BenchLines() {
  const char *env = std::getenv("ZENPA_BENCH_SJIS");
  const std::string path = env != nullptr ? env : "/tmp/zenpa_bench/bench_sjis.txt";
  std::vector<std::string> lines;
  base::ReadLines(path, lines);
  return lines;
}

// Measures like RecordingCanvas and counts the text calls.
class CountingCanvas : public platform::RecordingCanvas {
public:
  void DrawText(int, int, std::string_view) override { ++texts; }
  void DrawTextAdvances(int, int, std::string_view, std::span<const int>,
                        const platform::Rect &) override {
    ++texts;
  }
  void DrawLine(int, int, int, int) override {}
  void DrawRect(const platform::Rect &) override {}
  void FillRect(const platform::Rect &, std::uint32_t) override {}
  long long texts = 0;
};

class CountingSheets : public print::SheetOutput {
public:
  void StartSheet(int) override {}
  platform::Canvas &SheetCanvas() override { return canvas; }
  CountingCanvas canvas;
};

void Compose(benchmark::State &state, settings::PrintFormat format) {
  const std::vector<std::string> text = BenchLines();
  if (text.empty()) {
    state.SkipWithError("benchmark text missing: run bench/make_bench_text.sh");
    return;
  }
  const print::PrintedLines lines(text);
  platform::RecordingCanvas measure;
  const print::LayoutResult layout = print::RunLayout(
      lines, {format, platform::VirtualPrinterMetrics(210, 297), {}, {}, false}, measure);
  const print::MarkReader marks(print::MarkRulesOf(format), {});
  const print::RenderInput in{format,
                              layout.geometry,
                              marks,
                              lines,
                              {},
                              layout.pagination.widestWidth,
                              layout.pagination.widestText.size(),
                              {"bench", "2026/12/06"}};
  int pages = 0;
  for (auto _ : state) {
    CountingSheets out;
    pages = print::RenderRun(in, {print::RunKind::NomalPrint, {}, 1, 1}, out).pages;
    benchmark::DoNotOptimize(out.canvas.texts);
  }
  state.counters["pages"] = pages;
  state.counters["pages_per_s"] =
      benchmark::Counter(static_cast<double>(pages), benchmark::Counter::kIsIterationInvariantRate);
}

void BM_ComposePlain(benchmark::State &state) { Compose(state, settings::PrintFormat()); }

void BM_ComposeHeadersSpacingPairs(benchmark::State &state) {
  settings::PrintFormat format;
  format.pageNumberOn = true;
  format.printFileName = true;
  format.charSpacing = 120;
  format.pairHalfWidth = true;
  format.fixedPitch = true;
  Compose(state, format);
}

} // namespace

BENCHMARK(BM_ComposePlain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ComposeHeadersSpacingPairs)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
