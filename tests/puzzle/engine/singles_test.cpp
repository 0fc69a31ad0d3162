#include "puzzle/engine/locked.h"
#include "puzzle/engine/singles.h"

#include "base/sjis.h"
#include "puzzle/support/engine_setup.h"

#include <gtest/gtest.h>

#include <deque>

namespace zenpa::puzzle {
namespace {

using testing::GridFromTokens;

// A display that presses Enter and records each wait with the step text.
class StepLog : public StepObserver {
public:
  void WaitForKey(Engine &e) override {
    e.StepKey = kKeyEnter;
    steps.push_back(base::SjisToUtf8(e.StepText));
  }
  std::vector<std::string> steps;
};

TEST(EasyTest, FillsRowsBeforeColumnsAndGoesOnAfterAPlacement) {
  // Row 1 and column 1 both miss one digit; rows are filled first, and the
  // scan goes on to fill column 9 as well.
  Engine e = testing::EngineOnPosition(
      "1 2 3 4 5 6 7 8 . / 2 / 3 / 4 / 5 / 6 / 7 / 8 / . . . . . . . . 1");
  StepLog log;
  testing::WatchSteps(e, log);
  linenokori1(e);
  EXPECT_EQ((std::vector<std::string>{"　Easy-x 9", "　Easy-y 9"}), log.steps);
  EXPECT_EQ(DigitBit(9), e.CellGrid(9, 1));
  EXPECT_EQ(DigitBit(9), e.CellGrid(1, 9));
  EXPECT_TRUE(e.InnerChanged);
  EXPECT_EQ(2, e.StepNo);
}

TEST(CellUniqueTest, LeavesInnerChangedClearWhenNoPeerListsTheDigit) {
  Engine e = testing::EngineOnPosition("/ / / / 12 13 23 15 4 16 17 18 19 / / / /");
  for (int y = 1; y <= 9; ++y) {
    if (y != 5)
      e.CellGrid(5, y) = CellFromText("12");
  }
  for (Pos p : BlockUnit(4, 4).cells) {
    if (p.y != 5)
      e.CellGrid(p.x, p.y) = CellFromText("12");
  }
  e.InnerChanged = true;
  const Grid before = e.CellGrid;
  onajisuji(e, 5, 5);
  EXPECT_FALSE(e.InnerChanged);
  EXPECT_FALSE(e.Changed);
  EXPECT_EQ(before, e.CellGrid);
}

TEST(CellUniqueTest, StopsAtAPlacementThatRepeatsAPeer) {
  // Removing 4 leaves r5c1 with 5, which row 9 of column 1 already holds.
  Engine e = testing::EngineOnPosition("/ / / / 45 . . . 4 / / / / 5");
  onajisuji(e, 5, 5);
  EXPECT_TRUE(e.Contradiction);
  // The scan stopped: the rest of row 5 still lists 4.
  EXPECT_TRUE(HasDigit(e.CellGrid(2, 5), 4));
}

TEST(LineUniqueTest, ScansColumnsFirstUnderTheGreenSwitch) {
  // 5 is listed once in row 1 (at r1c1) and once in column 9 (at r9c9).
  std::string position = "56 1234 1234 1234 1234 1234 1234 1234 1234 /";
  for (int row = 2; row <= 8; ++row)
    position += " . . . . . . . . 1234 /";
  position += " . . . . . . . . 56";
  for (bool green : {false, true}) {
    Engine e = testing::EngineOnPosition(position);
    StepLog log;
    testing::WatchSteps(e, log);
    if (green)
      e.Options.selectionSwitch = SelectionSwitch::ColumnsFirst;
    hitotudake(e, 5);
    const std::vector<std::string> rowsFirst = {"Line Unique-x 5", "Line Unique-y 5"};
    const std::vector<std::string> columnsFirst = {"Line Unique-y 5", "Line Unique-x 5"};
    EXPECT_EQ(green ? columnsFirst : rowsFirst, log.steps);
    EXPECT_FALSE(e.BlockUniqueHUsed);
  }
}

TEST(BlockUniqueTest, StepModeRunsEasyFillsAroundAPlacement) {
  // Block Unique puts 5 into r1c1; in step mode the Easy scans that follow
  // complete row 1 at once.
  Engine e = testing::EngineOnPosition(". 1 2 3 4 6 7 8 . / . . . 5 / . . . . . . 5");
  StepLog log;
  testing::WatchSteps(e, log);
  kihonkaiho(e);
  ASSERT_LE(2u, log.steps.size());
  EXPECT_EQ("Block Unique 5", log.steps[0]);
  EXPECT_EQ("　Easy-x 9", log.steps[1]);

  Engine quiet = testing::EngineOnPosition(". 1 2 3 4 6 7 8 . / . . . 5 / . . . . . . 5");
  kihonkaiho(quiet);
  EXPECT_EQ(DigitBit(5), quiet.CellGrid(1, 1));
  EXPECT_EQ(kAllCandidates, quiet.CellGrid(9, 1)); // no Easy fill outside step mode
}

TEST(BlockUniqueTest, StepModeWaitsWhileASinglePlacementIsPending) {
  Engine e = testing::EngineOnPosition("/ . . . 5 / . . . . . . 5 / / . 5 / / / . . 5");
  e.StepMode = true;
  e.StepKey = kKeyEscape; // silent, but still step mode
  e.InnerChanged = true;
  kihonkaiho(e);
  EXPECT_FALSE(e.Changed);
  e.InnerChanged = false;
  kihonkaiho(e);
  EXPECT_EQ(DigitBit(5), e.CellGrid(1, 1));
}

TEST(LocalizeTest, StepModeMarksTheLockedCellsAndShowsEachClearedCell) {
  class Marks : public StepLog {
  public:
    void SetPuzzleCell(int x, int y, const std::string &text) override {
      cells.push_back(std::to_string(y) + std::to_string(x) + base::SjisToUtf8(text));
    }
    std::vector<std::string> cells;
  } log;
  Engine e = testing::EngineOnPosition(
      "1234 1234 1234 45 56 1234 1234 1234 1234 / . . . 15 25 37 / . . . 57 8 9");
  testing::WatchSteps(e, log);
  hitoblockdake(e, 5);
  // One wait for the pattern, one for each cell placed by the removals.
  EXPECT_EQ((std::vector<std::string>{"Localize B-x 5", "Localize B-x 5", "Localize B-x 5",
                                      "Localize B-x 5"}),
            log.steps);
  ASSERT_LE(2u, log.cells.size());
  EXPECT_EQ("14◆", log.cells[0]);
  EXPECT_EQ("15◆", log.cells[1]);
  EXPECT_EQ("15　", log.cells.back()); // marks taken away at the end
  EXPECT_EQ(4, e.StepNo);              // the pattern and three placements
}

} // namespace
} // namespace zenpa::puzzle
