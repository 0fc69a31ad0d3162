#include "puzzle/engine/solver.h"

#include "puzzle/support/puzzle_maker.h"

#include <gtest/gtest.h>

using namespace zenpa::puzzle;
using zenpa::testing::BruteForce;
using zenpa::testing::Digits;
using zenpa::testing::DigitsFromText;

namespace {

const char *const kLocalizePuzzle =
    "020000000900050000008700010000600400300400002709000638052080070800070001000205300";
const char *const kNakedPairPuzzle =
    "100000300003008600050900000000050276400020000000009500831004000000000000069000705";

// Only the boxes up to `highest` are checked.
TechniqueOptions BoxesUpTo(int highest) {
  TechniqueOptions options;
  for (int box = 1; box <= kBoxHiddenQuad; ++box)
    options.boxes[box] = box <= highest;
  return options;
}

bool GeneratorSolves(const char *puzzle, int highestBox) {
  Engine e;
  e.Options = BoxesUpTo(highestBox);
  LoadPuzzle(e, DigitsFromText(puzzle));
  anzensyokyo(e);
  return !e.Contradiction && IsSolvedGrid(e.CellGrid);
}

} // namespace

TEST(Solver, TechniqueLimitFollowsTheHighestCheckedBox) {
  EXPECT_EQ(16, TechniqueLimit(BoxesUpTo(0)));
  EXPECT_EQ(1, TechniqueLimit(BoxesUpTo(3)));
  EXPECT_EQ(4, TechniqueLimit(BoxesUpTo(4)));
  EXPECT_EQ(13, TechniqueLimit(TechniqueOptions{}));
  EXPECT_EQ(17, TechniqueLimit(BoxesUpTo(17)));
}

TEST(Solver, GeneratorSolveStopsAtTheTechniqueLimit) {
  EXPECT_FALSE(GeneratorSolves(kLocalizePuzzle, 3));
  EXPECT_TRUE(GeneratorSolves(kLocalizePuzzle, 4));
  EXPECT_FALSE(GeneratorSolves(kNakedPairPuzzle, 4));
  EXPECT_TRUE(GeneratorSolves(kNakedPairPuzzle, 5));
}

TEST(Solver, EveryScanOrderReachesTheSameAnswer) {
  zenpa::testing::PuzzleMaker maker(41);
  BruteForce brute;
  for (int i = 0; i < 20; ++i) {
    const Digits puzzle = maker.Puzzle(maker.CompleteGrid(), 22);
    ASSERT_EQ(1, brute.Count(puzzle));
    for (SelectionSwitch state : {SelectionSwitch::Off, SelectionSwitch::Selection,
                                  SelectionSwitch::ColumnsFirst, SelectionSwitch::HardToEasy}) {
      Engine e;
      e.Options.selectionSwitch = state;
      LoadPuzzle(e, puzzle);
      const SolveResult result = Solve(e);
      ASSERT_NE(SolveResult::Contradiction, result);
      if (result == SolveResult::Solved) {
        EXPECT_EQ(brute.first(), GridDigits(e.CellGrid)) << static_cast<int>(state);
        EXPECT_GE(11, e.Level);
      } else {
        EXPECT_EQ(12, e.Level);
      }
    }
  }
}

TEST(Solver, FinishedGridWithARepeatedDigitIsAContradiction) {
  Engine e;
  Digits full = zenpa::testing::PuzzleMaker(2).CompleteGrid();
  LoadPuzzle(e, full);
  EXPECT_EQ(SolveResult::Solved, Solve(e));
  // Two cells swapped within a row: the row stays whole, the two columns
  // now repeat a digit.
  std::swap(full[0], full[1]);
  Engine broken;
  LoadPuzzle(broken, full);
  EXPECT_EQ(SolveResult::Contradiction, Solve(broken));
}
