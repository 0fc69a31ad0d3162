// What the technique cases cannot show: the inner flag of the single
// techniques, the quads' gate and the place table of the hidden subsets.
#include "puzzle/engine/locked.h"
#include "puzzle/engine/singles.h"
#include "puzzle/engine/subsets.h"

#include "puzzle/support/grid_text.h"

#include <gtest/gtest.h>

namespace zenpa::puzzle {
namespace {

using testing::EngineOn;
using testing::GridFromTokens;

TEST(CellUniqueTest, LeavesInnerChangedClearWhenNoPeerListsTheDigit) {
  // Column 5 and the rest of the middle block list 1 and 2 only.
  const std::string column = ". . . . 12 / ", block = ". . . 12 12 12 / ";
  Engine e =
      EngineOn(GridFromTokens(column + column + column + block + "12 13 23 15 4 16 17 18 19 / " +
                              block + column + column + column));
  e.InnerChanged = true;
  const Grid before = e.CellGrid;
  onajisuji(e, 5, 5);
  EXPECT_FALSE(e.InnerChanged);
  EXPECT_FALSE(e.Changed);
  EXPECT_EQ(before, e.CellGrid);
}

TEST(BlockUniqueTest, StepModeWaitsWhileASinglePlacementIsPending) {
  Engine e = EngineOn(GridFromTokens("/ . . . 5 / . . . . . . 5 / / . 5 / / / . . 5"));
  e.StepMode = true;
  e.StepKey = kKeyEscape; // silent, but still step mode
  e.InnerChanged = true;
  kihonkaiho(e);
  EXPECT_FALSE(e.Changed);
  e.InnerChanged = false;
  kihonkaiho(e);
  EXPECT_EQ(DigitBit(5), e.CellGrid(1, 1));
}

TEST(SubsetGateTest, QuadsAreOffWhileTheirPanelIsHidden) {
  Engine e = EngineOn(GridFromTokens("12 23 34 14 1256 5678 5679 789 5689"));
  e.Options.conditionsPanelShown = true;
  e.Options.mustUseHardest = true;
  qkoho(e);
  EXPECT_FALSE(e.Changed);
  e.Options.SetExtraPanelVisible(true);
  e.Options.SetAllBoxes(true);
  qkoho(e);
  EXPECT_TRUE(e.Changed);
  EXPECT_EQ(80, e.LevelSub);
}

TEST(HiddenPairTest, TableListsDigitsWithExactlyTwoPlacesIncludingPlacedCells) {
  // 9 has two places: r1c1 and the placed r1c9.
  Engine e = EngineOn(GridFromTokens("1249 1256 34 345 3456 78 78 378 9"));
  wkohotmpy(e, 1);
  EXPECT_EQ((std::vector<std::string>{"129", "126", "", "6", "9"}),
            (std::vector<std::string>{
                CandidateText(e.PositionTable[1]), CandidateText(e.PositionTable[2]),
                CandidateText(e.PositionTable[4]), CandidateText(e.PositionTable[5]),
                CandidateText(e.PositionTable[9])}));
  tkohotmpx(e, 1);
  EXPECT_EQ("", CandidateText(e.PositionTable[1])); // every digit has nine places
}

} // namespace
} // namespace zenpa::puzzle
