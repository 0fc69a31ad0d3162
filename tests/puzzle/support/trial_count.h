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
  if (CheckPuzzle(e, true) != PuzzleFault::None) {
    const bool complete = IsSolvedGrid(e.CellGrid);
    *firstAnswer = complete ? GridText(e.CellGrid) : "";
    return complete ? 1 : 0;
  }
  const SolveResult result = Solve(e);
  if (result == SolveResult::Contradiction)
    return 0;
  if (result == SolveResult::Solved) {
    *firstAnswer = GridText(e.CellGrid);
    return 1;
  }
  struct First : TrialListener {
    int limit = 0;
    std::string first;
    int count = 0;
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
