// The puzzle engine in process: grading (the techniques alone) and answer
// counting (the depth-first trial search, and the fast solver) over a seeded
// set of minimal puzzles with one answer.
//
//   sudoku_bench [benchmark options]       run the benchmarks
//   sudoku_bench --write-puzzles N SEED    print N seeded puzzles, one per line
//   sudoku_bench --write-hard N SEED       the same, only puzzles the
//                                          techniques cannot finish
//   sudoku_bench --cross-check LIMIT       puzzle lines on standard input:
//                                          the fast solver's counts and
//                                          answers against the trial search
#include "../tests/puzzle/support/puzzle_maker.h"
#include "../tests/puzzle/support/trial_count.h"
#include "puzzle/engine/bitboard_solver.h"
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

void BM_CountBitboard(benchmark::State &state) {
  for (auto _ : state) {
    for (const Digits &p : BenchPuzzles())
      benchmark::DoNotOptimize(zenpa::puzzle::CountBitboardAnswers(p, 2));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long>(BenchPuzzles().size()));
}
BENCHMARK(BM_CountBitboard)->Unit(benchmark::kMillisecond);

std::string Text(const Digits &p) {
  std::string line;
  for (int d : p)
    line += static_cast<char>('0' + d);
  return line;
}

// Seeded minimal puzzles; with hardOnly, only those the techniques leave
// stuck, so that every one needs the trial search.
int WritePuzzles(int count, std::uint32_t seed, bool hardOnly) {
  zenpa::testing::PuzzleMaker maker(seed);
  zenpa::puzzle::Engine engine;
  for (int written = 0; written < count;) {
    const Digits p = maker.Puzzle(maker.CompleteGrid());
    if (hardOnly) {
      zenpa::puzzle::LoadPuzzle(engine, p);
      engine.Contradiction = false;
      if (zenpa::puzzle::Solve(engine) != zenpa::puzzle::SolveResult::Stuck)
        continue;
    }
    std::printf("%s\n", Text(p).c_str());
    ++written;
  }
  return 0;
}

// Reads puzzle lines (81 characters, '.' or '0' open) and reports every one
// where the fast solver's count, or its answer to a puzzle with one answer
// (known only for a limit above 1), differs from the trial search's.
// Exits with 1 on any difference.
int CrossCheck(int limit) {
  char buffer[256];
  long checked = 0;
  long differences = 0;
  while (std::fgets(buffer, sizeof buffer, stdin) != nullptr) {
    if (std::strlen(buffer) < 81)
      continue;
    Digits p{};
    for (int i = 0; i < 81; ++i)
      p[i] = buffer[i] >= '1' && buffer[i] <= '9' ? buffer[i] - '0' : 0;
    std::string first;
    const int expected = zenpa::testing::TrialSearchCount(p, limit, &first);
    const zenpa::puzzle::BitboardCount fast = zenpa::puzzle::CountBitboardAnswers(p, limit);
    ++checked;
    if (expected != fast.count || (limit > 1 && expected == 1 && first != Text(fast.first))) {
      ++differences;
      std::printf("%s: trial search %d, fast solver %d\n", Text(p).c_str(), expected, fast.count);
    }
  }
  std::printf("%ld puzzles checked, %ld differences\n", checked, differences);
  return differences == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char **argv) {
  const bool writeHard = argc == 4 && std::strcmp(argv[1], "--write-hard") == 0;
  if (writeHard || (argc == 4 && std::strcmp(argv[1], "--write-puzzles") == 0))
    return WritePuzzles(std::atoi(argv[2]), static_cast<std::uint32_t>(std::atol(argv[3])),
                        writeHard);
  if (argc == 3 && std::strcmp(argv[1], "--cross-check") == 0)
    return CrossCheck(std::atoi(argv[2]));
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
