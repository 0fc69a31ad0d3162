#include "puzzle/engine/subsets.h"

#include "base/sjis.h"
#include "puzzle/support/engine_setup.h"

#include <gtest/gtest.h>

namespace zenpa::puzzle {
namespace {

class CountingSteps : public StepObserver {
public:
  void WaitForKey(Engine &e) override {
    e.StepKey = kKeyEnter;
    ++waits;
  }
  void RefreshCandidateList(Engine &) override { ++refreshes; }
  int waits = 0;
  int refreshes = 0;
};

const char *kPairInBlock = "37 37 1237 124 245 468 589 19 126 / 13 27 45 / 89 12 347";

TEST(NakedPairTest, BlockFollowUpIsPartOfTheSameStep) {
  Engine e = testing::EngineOnPosition(kPairInBlock);
  CountingSteps steps;
  testing::WatchSteps(e, steps);
  wkoho(e);
  // One wait for the marked pair, one per changed cell (r1c3 in the row,
  // r2c1, r2c2 and r3c3 in the block); no second pattern.
  EXPECT_EQ(5, steps.waits);
  EXPECT_EQ(4, e.StepNo); // the pattern and three cells placed
  EXPECT_EQ("Naked Pair-x 37", e.StepText);
}

TEST(NakedPairTest, BlocksFollowTheSwitchWhenNoLineChanges) {
  // Pairs in blocks (4,1) and (1,4), on no common line.
  const std::string position = "1 2 3 37 4 9 6 7 8 / 4 5 6 1 37 2 . . . / 7 8 9 3 6 35 . . . / "
                               "48 1 2 / 3 48 5 / 6 9 478";
  Engine rowsFirst = testing::EngineOnPosition(position);
  wkoho(rowsFirst);
  EXPECT_EQ("Naked Pair-b 48", rowsFirst.StepText);

  Engine green = testing::EngineOnPosition(position);
  green.Options.selectionSwitch = SelectionSwitch::ColumnsFirst;
  wkoho(green);
  EXPECT_EQ("Naked Pair-b 37", green.StepText);
}

TEST(SubsetGateTest, QuadsAreOffWhileTheirPanelIsHidden) {
  Engine e = testing::EngineOnPosition("12 23 34 14 1256 5678 5679 789 5689");
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
  Engine e = testing::EngineOnPosition("1249 1256 34 345 3456 78 78 378 9");
  wkohotmpy(e, 1);
  EXPECT_EQ("129", CandidateText(e.PositionTable[1]));
  EXPECT_EQ("126", CandidateText(e.PositionTable[2]));
  EXPECT_EQ("", CandidateText(e.PositionTable[4]));
  EXPECT_EQ("6", CandidateText(e.PositionTable[5]));
  EXPECT_EQ("9", CandidateText(e.PositionTable[9]));
  tkohotmpx(e, 1);
  EXPECT_EQ("", CandidateText(e.PositionTable[1])); // every digit has nine places
}

TEST(HiddenTripleTest, ADigitOutsideTheTripleCellsRejectsIt) {
  // 1 is also listed in r1c9: 1, 2 and 3 are not confined to three cells.
  Engine e = testing::EngineOnPosition("1245 2367 138 456789 456789 456789 456789 456789 14567");
  tkohoH(e);
  EXPECT_FALSE(e.Changed);
}

TEST(NakedTripleTest, TwoDigitsOnlyAreNoTriple) {
  // Three cells 12, 12, 12 join greedily but hold only two digits.
  Engine e = testing::EngineOnPosition("12 12 12 345 678 345 678 39 .");
  tkoho(e);
  EXPECT_FALSE(e.Changed);
}

TEST(QuadStepTest, HiddenQuadRewritesTheListNakedQuadShowsEachCell) {
  Engine hidden = testing::EngineOnPosition("125 236 347 148 56789 56789 56789 56789 56789");
  CountingSteps hiddenSteps;
  testing::WatchSteps(hidden, hiddenSteps);
  qkohoH(hidden);
  EXPECT_EQ(1, hiddenSteps.waits); // the marked quad only
  EXPECT_EQ(1, hiddenSteps.refreshes);

  Engine naked = testing::EngineOnPosition("12 23 34 14 1256 5678 5679 789 5689");
  CountingSteps nakedSteps;
  testing::WatchSteps(naked, nakedSteps);
  qkoho(naked);
  EXPECT_EQ(2, nakedSteps.waits);     // the quad, then the changed cell
  EXPECT_EQ(1, nakedSteps.refreshes); // after the changed cell's key
}

} // namespace
} // namespace zenpa::puzzle
