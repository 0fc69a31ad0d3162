#include "puzzle/engine/solver.h"

#include "base/sjis.h"
#include "puzzle/support/puzzle_maker.h"

#include <gtest/gtest.h>

#include <algorithm>

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

TEST(Solver, GeneratorSolveStopsAtTheLimitOfTheHighestCheckedBox) {
  EXPECT_EQ((std::vector<int>{16, 1, 4, 13, 17}),
            (std::vector<int>{TechniqueLimit(BoxesUpTo(0)), TechniqueLimit(BoxesUpTo(3)),
                              TechniqueLimit(BoxesUpTo(4)), TechniqueLimit(TechniqueOptions{}),
                              TechniqueLimit(BoxesUpTo(17))}));
  EXPECT_EQ((std::vector<bool>{false, true, false, true}),
            (std::vector<bool>{
                GeneratorSolves(kLocalizePuzzle, 3), GeneratorSolves(kLocalizePuzzle, 4),
                GeneratorSolves(kNakedPairPuzzle, 4), GeneratorSolves(kNakedPairPuzzle, 5)}));
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

// The checks before a solve: fewer than 16 givens (unless the auto-record
// panel is shown), a given repeated in its column; the clue count of the
// puzzle read. A finished grid with a repeat does not solve. (The other
// messages: tests/puzzle/play.)
TEST(Solver, PuzzleChecksTellWhatIsWrong) {
  const Digits full = zenpa::testing::PuzzleMaker(2).CompleteGrid();
  Digits fifteen{}, sixteen{}, swapped = full;
  std::copy_n(full.begin(), 15, fifteen.begin());
  std::copy_n(full.begin(), 16, sixteen.begin());
  std::swap(swapped[0], swapped[1]); // row 1 stays whole, two columns repeat
  Digits repeated = sixteen;
  repeated[9] = full[0];
  const struct {
    const Digits &puzzle;
    bool autoRecord;
    std::string expected;
  } rows[] = {{fifteen, false, "15 ヒント数字が少なすぎます。"},
              {fifteen, true, "15 "},
              {sixteen, false, "16 "},
              {repeated, false, "16 問題が壊れています。"}};
  for (const auto &r : rows) {
    Engine e;
    LoadPuzzle(e, r.puzzle);
    const PuzzleFault fault = CheckPuzzle(e, r.autoRecord);
    EXPECT_EQ(zenpa::base::Sj(r.expected), e.ClueText + " " + PuzzleFaultMessage(fault));
    EXPECT_EQ(fault != PuzzleFault::None, e.Contradiction) << r.expected;
  }
  for (const auto &[puzzle, result] :
       {std::pair{full, SolveResult::Solved}, std::pair{swapped, SolveResult::Contradiction}}) {
    Engine e;
    LoadPuzzle(e, puzzle);
    EXPECT_EQ(result, Solve(e));
  }
}
