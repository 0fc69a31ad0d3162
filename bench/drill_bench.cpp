// Generating a full panel's worth of the widest standard worksheets: 99
// sheets of 33 digits into an in-memory document, with and without answers.
#include "drill/drill_writer.h"
#include "drill/random_source.h"
#include "platform/text_memo.h"

#include <benchmark/benchmark.h>

namespace {

void GenerateSheets(benchmark::State &state) {
  zenpa::settings::PrintFormat format;
  format.drill.digits = 33;
  format.drill.sheets = 99;
  format.drill.hint = 9;
  format.drill.appendAnswer = state.range(0) != 0;
  zenpa::drill::SeededRandom rng(1);
  for (auto _ : state) {
    zenpa::platform::TextMemo memo;
    zenpa::drill::Generate(memo, format, rng, [] { return true; });
    benchmark::DoNotOptimize(memo.LineCount());
  }
}
BENCHMARK(GenerateSheets)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
