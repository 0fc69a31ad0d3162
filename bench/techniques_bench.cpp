// Speed of the human techniques on a fixed, seeded set of 10,000 puzzles
// with a unique answer (made from seed 20261206 at start-up, which takes a
// while).
//
//  - TechniqueSequence: the whole solve of every puzzle (every technique in
//    the solver's order, restarting after each change): microseconds per
//    puzzle, and candidates removed per second.
//  - Technique/<operation>: one fish, wing or chain operation applied to
//    every position where the singles, locked candidates and subsets are
//    stuck, which is where the solver first calls these techniques:
//    applications per second and the share of them that removed something.
#include "puzzle/engine/chains.h"
#include "puzzle/engine/fish.h"
#include "puzzle/engine/solver.h"
#include "puzzle/engine/wings.h"

#include "../tests/puzzle/support/puzzle_maker.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

using zenpa::puzzle::Engine;
using zenpa::puzzle::Grid;
using zenpa::puzzle::PuzzleDigits;

constexpr int kPuzzleCount = 10000;

const std::vector<PuzzleDigits> &Puzzles() {
  static const std::vector<PuzzleDigits> kPuzzles = [] {
    zenpa::testing::PuzzleMaker maker(20261206);
    std::vector<PuzzleDigits> puzzles(kPuzzleCount);
    for (PuzzleDigits &p : puzzles) {
      const zenpa::testing::Digits d = maker.Puzzle(maker.CompleteGrid());
      std::copy(d.begin(), d.end(), p.begin());
    }
    return puzzles;
  }();
  return kPuzzles;
}

long CandidateTotal(const Grid &g) {
  long total = 0;
  for (int y = 1; y <= 9; ++y) {
    for (int x = 1; x <= 9; ++x)
      total += zenpa::puzzle::CandidateCount(g(x, y));
  }
  return total;
}

void TechniqueSequence(benchmark::State &state) {
  const std::vector<PuzzleDigits> &puzzles = Puzzles();
  long removed = 0;
  for (auto _ : state) {
    for (const PuzzleDigits &p : puzzles) {
      Engine e;
      zenpa::puzzle::LoadPuzzle(e, p);
      const long before = CandidateTotal(e.CellGrid);
      zenpa::puzzle::Solve(e);
      removed += before - CandidateTotal(e.CellGrid);
      benchmark::DoNotOptimize(e.Level);
    }
  }
  const double count = static_cast<double>(puzzles.size());
  state.counters["us_per_puzzle"] = benchmark::Counter(
      count * 1e-6, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  state.counters["removed_per_s"] =
      benchmark::Counter(static_cast<double>(removed), benchmark::Counter::kIsRate);
}

// The positions of the set where the techniques up to the subsets are stuck.
const std::vector<Grid> &StuckPositions() {
  static const std::vector<Grid> kStuck = [] {
    std::vector<Grid> stuck;
    for (const PuzzleDigits &p : Puzzles()) {
      Engine e;
      zenpa::puzzle::LoadPuzzle(e, p);
      e.Options.conditionsPanelShown = true;
      e.Options.mustUseHardest = true;
      for (int box = zenpa::puzzle::kBoxXWing; box <= zenpa::puzzle::kBoxEmptyRectangle; ++box)
        e.Options.boxes[box] = false;
      if (zenpa::puzzle::Solve(e) == zenpa::puzzle::SolveResult::Stuck)
        stuck.push_back(e.CellGrid);
    }
    return stuck;
  }();
  return kStuck;
}

void Technique(benchmark::State &state, void (*run)(Engine &)) {
  const std::vector<Grid> &positions = StuckPositions();
  long found = 0;
  Engine e;
  for (auto _ : state) {
    for (const Grid &g : positions) {
      e.CellGrid = g;
      e.Changed = false;
      e.Contradiction = false;
      run(e);
      found += e.Changed ? 1 : 0;
    }
  }
  const double calls = static_cast<double>(positions.size() * state.iterations());
  state.SetItemsProcessed(static_cast<std::int64_t>(calls));
  state.counters["positions"] = static_cast<double>(positions.size());
  state.counters["found_share"] = static_cast<double>(found) / calls;
}

const std::pair<const char *, void (*)(Engine &)> kOperations[] = {
    {"Xwingyoko", zenpa::puzzle::Xwingyoko},
    {"Xwingtate", zenpa::puzzle::Xwingtate},
    {"Swordfishyoko", zenpa::puzzle::Swordfishyoko},
    {"Swordfishtate", zenpa::puzzle::Swordfishtate},
    {"Skyscraperyoko", zenpa::puzzle::Skyscraperyoko},
    {"Skyscrapertate", zenpa::puzzle::Skyscrapertate},
    {"XYwing", zenpa::puzzle::XYwing},
    {"XYwingB", zenpa::puzzle::XYwingB},
    {"XYZwing", zenpa::puzzle::XYZwing},
    {"RemotePair", zenpa::puzzle::RemotePair},
    {"WStringKite", zenpa::puzzle::WStringKite},
    {"EmptyRectangle", zenpa::puzzle::EmptyRectangle},
};

} // namespace

int main(int argc, char **argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RegisterBenchmark("TechniqueSequence", TechniqueSequence)
      ->Unit(benchmark::kMillisecond);
  for (const auto &[name, run] : kOperations) {
    benchmark::RegisterBenchmark((std::string("Technique/") + name).c_str(),
                                 [run](benchmark::State &state) { Technique(state, run); })
        ->Unit(benchmark::kMicrosecond);
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
