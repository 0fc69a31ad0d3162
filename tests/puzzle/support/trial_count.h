// Test support: the answers of a puzzle as the puzzle commands find them,
// the input checks, the techniques, then the depth-first trial search. The
// reference that the fast solver is checked against.
#pragma once

#include "puzzle/engine/solver.h"
#include "puzzle/engine/trial.h"

#include <string>

namespace zenpa::testing {

// Number of answers of puzzle, counting no further than limit; the first
// answer found goes to *firstAnswer.
inline int TrialSearchCount(const puzzle::PuzzleDigits &puzzle, int limit,
                            std::string *firstAnswer) {
  using namespace zenpa::puzzle;
  Engine e;
  LoadPuzzle(e, puzzle);
  // A puzzle the checks refuse counts as its own answer when it is complete.
  const SolveResult result = CheckPuzzle(e, true) == PuzzleFault::None ? Solve(e)
                             : IsSolvedGrid(e.CellGrid)                ? SolveResult::Solved
                                                                       : SolveResult::Contradiction;
  if (result != SolveResult::Stuck) {
    *firstAnswer = result == SolveResult::Solved ? GridText(e.CellGrid) : "";
    return result == SolveResult::Solved ? 1 : 0;
  }
  struct First : TrialListener {
    int limit = 0, count = 0;
    std::string first;
    bool StopRequested() override { return count >= limit; }
    void Answer(const TrialAnswer &a, const Engine &) override {
      if (count++ == 0)
        first = a.text;
    }
  } listener;
  listener.limit = limit;
  RunTrialSearch(e, listener, TrialOptions{false, {}});
  *firstAnswer = listener.first;
  return listener.count;
}

} // namespace zenpa::testing
