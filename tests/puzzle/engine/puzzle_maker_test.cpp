#include "puzzle/support/puzzle_maker.h"

#include <gtest/gtest.h>

namespace zenpa::testing {
namespace {

// True when every row, column and block of a complete grid holds 1..9.
bool ValidComplete(const Digits &g) {
  for (int u = 0; u < 9; ++u) {
    unsigned row = 0, col = 0, box = 0;
    for (int k = 0; k < 9; ++k) {
      row |= 1u << g[u * 9 + k];
      col |= 1u << g[k * 9 + u];
      box |= 1u << g[(u / 3 * 3 + k / 3) * 9 + u % 3 * 3 + k % 3];
    }
    if (row != 0x3FE || col != 0x3FE || box != 0x3FE)
      return false;
  }
  return true;
}

TEST(BruteForceTest, CountsAnswers) {
  BruteForce solver;
  const Digits unique = DigitsFromText("53..7....6..195....98....6.8...6...34..8.3..17...2...6."
                                       "6....28....419..5....8..79");
  EXPECT_EQ(1, solver.Count(unique));
  EXPECT_TRUE(ValidComplete(solver.first()));
  EXPECT_EQ(5, solver.first()[0]);

  Digits open{};
  EXPECT_EQ(2, solver.Count(open, 2));
  Digits broken = unique;
  broken[2] = 5; // a second 5 in row 1
  EXPECT_EQ(0, solver.Count(broken));
}

TEST(PuzzleMakerTest, MakesValidGridsAndUniqueMinimalPuzzles) {
  PuzzleMaker maker(7);
  BruteForce solver;
  for (int i = 0; i < 5; ++i) {
    const Digits answer = maker.CompleteGrid();
    ASSERT_TRUE(ValidComplete(answer));
    const Digits puzzle = maker.Puzzle(answer);
    ASSERT_EQ(1, solver.Count(puzzle));
    EXPECT_EQ(answer, solver.first());
    // Minimal: taking away any given leaves more than one answer.
    for (int k = 0; k < 81; ++k) {
      if (puzzle[k] == 0)
        continue;
      Digits fewer = puzzle;
      fewer[k] = 0;
      EXPECT_EQ(2, solver.Count(fewer)) << k;
    }
  }
}

TEST(PuzzleMakerTest, SameSeedSameGrids) {
  PuzzleMaker a(42), b(42), c(43);
  const Digits ga = a.CompleteGrid();
  EXPECT_EQ(ga, b.CompleteGrid());
  EXPECT_NE(ga, c.CompleteGrid());
}

} // namespace
} // namespace zenpa::testing
