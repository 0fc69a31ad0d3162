// The puzzle engine in process: grading (the techniques alone) and answer
// counting (techniques, then the depth-first trial search) over a seeded set
// of minimal puzzles with one answer.
//
//   sudoku_bench [benchmark options]       run the benchmarks
//   sudoku_bench --write-puzzles N SEED    print N seeded puzzles, one per line
#include "../tests/puzzle/support/puzzle_maker.h"
#include "puzzle/engine/solver.h"
#include "puzzle/engine/trial.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using zenpa::testing::Digits;

std::vector<Digits> SeededPuzzles(int count, std::uint32_t seed) {
  zenpa::testing::PuzzleMaker maker(seed);
  std::vector<Digits> puzzles;
  for (int i = 0; i < count; ++i)
    puzzles.push_back(maker.Puzzle(maker.CompleteGrid()));
  return puzzles;
}

const std::vector<Digits> &BenchPuzzles() {
  static const std::vector<Digits> puzzles = SeededPuzzles(200, 20261206);
  return puzzles;
}

// Runs work on a fresh load of every puzzle of the set.
template <typename Work> void OverPuzzles(benchmark::State &state, Work work) {
  zenpa::puzzle::Engine engine;
  for (auto _ : state) {
    for (const Digits &p : BenchPuzzles()) {
      zenpa::puzzle::LoadPuzzle(engine, p);
      engine.Contradiction = false;
      work(engine);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long>(BenchPuzzles().size()));
}

void BM_Grade(benchmark::State &state) {
  OverPuzzles(state,
              [](zenpa::puzzle::Engine &e) { benchmark::DoNotOptimize(zenpa::puzzle::Solve(e)); });
}
BENCHMARK(BM_Grade)->Unit(benchmark::kMillisecond);

void BM_CountByTrialOnly(benchmark::State &state) {
  OverPuzzles(state, [](zenpa::puzzle::Engine &e) {
    benchmark::DoNotOptimize(zenpa::puzzle::CountAnswers(e, 2));
  });
}
BENCHMARK(BM_CountByTrialOnly)->Unit(benchmark::kMillisecond);

int WritePuzzles(int count, std::uint32_t seed) {
  for (const Digits &p : SeededPuzzles(count, seed)) {
    std::string line;
    for (int d : p)
      line += static_cast<char>('0' + d);
    std::printf("%s\n", line.c_str());
  }
  return 0;
}

} // namespace

int main(int argc, char **argv) {
  if (argc == 4 && std::strcmp(argv[1], "--write-puzzles") == 0)
    return WritePuzzles(std::atoi(argv[2]), static_cast<std::uint32_t>(std::atol(argv[3])));
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
