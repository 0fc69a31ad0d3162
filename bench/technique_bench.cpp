// The grader's technique sequence over a fixed, seeded set of 10,000
// puzzles with a unique answer: microseconds per puzzle and candidates
// removed per second (each removal or placement is one technique step's
// work).
//
// The puzzles are made once from seed 20261206 and kept in a text file, one
// puzzle of 81 characters a line ("." open): --puzzles=FILE names it
// (default technique_puzzles.txt in the working directory). The same file
// feeds the peer comparison bench/technique_vs_qqwing.sh.
#include "puzzle/engine/solver.h"

#include "../tests/puzzle/support/puzzle_maker.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

using zenpa::puzzle::PuzzleDigits;

constexpr int kPuzzleCount = 10000;

std::vector<PuzzleDigits> ReadPuzzles(const std::string &path) {
  std::vector<PuzzleDigits> puzzles;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) {
    if (line.size() < 81)
      continue;
    const zenpa::testing::Digits d = zenpa::testing::DigitsFromText(line);
    PuzzleDigits p{};
    std::copy(d.begin(), d.end(), p.begin());
    puzzles.push_back(p);
  }
  return puzzles;
}

void WritePuzzles(const std::string &path, const std::vector<PuzzleDigits> &puzzles) {
  std::ofstream out(path);
  for (const PuzzleDigits &p : puzzles) {
    for (int v : p)
      out << (v == 0 ? '.' : static_cast<char>('0' + v));
    out << '\n';
  }
}

// The set from path, made and written there first when it is missing.
std::vector<PuzzleDigits> LoadOrMakePuzzles(const std::string &path) {
  std::vector<PuzzleDigits> read = ReadPuzzles(path);
  if (read.size() >= kPuzzleCount)
    return read;
  zenpa::testing::PuzzleMaker maker(20261206);
  std::vector<PuzzleDigits> made;
  for (int i = 0; i < kPuzzleCount; ++i) {
    const zenpa::testing::Digits p = maker.Puzzle(maker.CompleteGrid());
    PuzzleDigits digits{};
    std::copy(p.begin(), p.end(), digits.begin());
    made.push_back(digits);
  }
  WritePuzzles(path, made);
  return made;
}

long CandidateTotal(const zenpa::puzzle::Grid &g) {
  long total = 0;
  for (int y = 1; y <= 9; ++y) {
    for (int x = 1; x <= 9; ++x)
      total += zenpa::puzzle::CandidateCount(g(x, y));
  }
  return total;
}

// Solves and grades every puzzle of the set once per iteration.
void GradePuzzles(benchmark::State &state, const std::vector<PuzzleDigits> &puzzles) {
  long removed = 0;
  long solved = 0;
  for (auto _ : state) {
    for (const PuzzleDigits &p : puzzles) {
      zenpa::puzzle::Engine e;
      zenpa::puzzle::LoadPuzzle(e, p);
      const long before = CandidateTotal(e.CellGrid);
      const zenpa::puzzle::SolveResult r = zenpa::puzzle::Solve(e);
      removed += before - CandidateTotal(e.CellGrid);
      solved += r == zenpa::puzzle::SolveResult::Solved ? 1 : 0;
      benchmark::DoNotOptimize(e.Level);
    }
  }
  const double count = static_cast<double>(puzzles.size());
  state.counters["us_per_puzzle"] = benchmark::Counter(
      count * 1e-6, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  state.counters["removals_per_s"] =
      benchmark::Counter(static_cast<double>(removed), benchmark::Counter::kIsRate);
  state.counters["solved_share"] =
      static_cast<double>(solved) / (count * static_cast<double>(state.iterations()));
}

} // namespace

int main(int argc, char **argv) {
  std::string path = "technique_puzzles.txt";
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--puzzles=", 10) == 0)
      path = argv[i] + 10;
  }
  benchmark::Initialize(&argc, argv);
  const std::vector<PuzzleDigits> puzzles = LoadOrMakePuzzles(path);
  benchmark::RegisterBenchmark("GradePuzzles", [&puzzles](benchmark::State &state) {
    GradePuzzles(state, puzzles);
  })->Unit(benchmark::kMillisecond);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
