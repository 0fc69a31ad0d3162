// The fast solver's edges: the count limit, puzzles without and with several
// answers, repeated givens and a finished grid. Its agreement with the trial
// search on many puzzles is checked in trial_test.cpp.
#include "puzzle/engine/bitboard_solver.h"
#include "puzzle/support/puzzle_maker.h"

#include <gtest/gtest.h>

using namespace zenpa::puzzle;
using zenpa::testing::BruteForce;
using zenpa::testing::Digits;
using zenpa::testing::PuzzleMaker;

namespace {

// Every third cell of a complete grid: thousands of answers.
Digits Sparse(const Digits &full) {
  Digits sparse{};
  for (int i = 0; i < 81; i += 3)
    sparse[i] = full[i];
  return sparse;
}

} // namespace

TEST(BitboardSolver, CountsStopAtTheLimit) {
  const Digits sparse = Sparse(PuzzleMaker(4).CompleteGrid());
  BruteForce brute;
  for (int limit : {0, 1, 2, 7, 500}) {
    const BitboardCount fast = CountBitboardAnswers(sparse, limit);
    EXPECT_EQ(brute.Count(sparse, std::max(limit, 1)), fast.count) << limit;
    EXPECT_FALSE(fast.repeatedGiven);
  }
}

TEST(BitboardSolver, NoAnswerSeveralAnswersAndRepeatedGivens) {
  PuzzleMaker maker(8);
  const Digits full = maker.CompleteGrid();
  // An empty grid has answers without end; the limit ends the search.
  EXPECT_EQ(1000, CountBitboardAnswers(Digits{}, 1000).count);
  // The finished grid is its own one answer.
  const BitboardCount finished = CountBitboardAnswers(full, 2);
  EXPECT_EQ(1, finished.count);
  EXPECT_EQ(full, finished.first);
  // Two givens of one row and block swapped: the repeats are in the columns
  // only.
  Digits swapped = full;
  std::swap(swapped[0], swapped[1]);
  EXPECT_TRUE(CountBitboardAnswers(swapped, 2).repeatedGiven);
  // A unique puzzle with a wrong digit in an open cell has no answer.
  Digits blocked = maker.Puzzle(full);
  int open = 0;
  while (blocked[open] != 0)
    ++open;
  for (int d = 1; d <= 9; ++d) {
    Digits tried = blocked;
    tried[open] = d;
    if (d != full[open] && !CountBitboardAnswers(tried, 2).repeatedGiven) {
      EXPECT_EQ(0, CountBitboardAnswers(tried, 2).count) << d;
    }
  }
}
