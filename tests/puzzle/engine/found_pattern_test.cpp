#include "puzzle/engine/found_pattern.h"

#include "technique_cases.h"

#include <gtest/gtest.h>

namespace zenpa::puzzle {
namespace {

using testing::CellChanges;
using testing::EngineOn;

TEST(FoundPatternTest, RemovingEveryCandidateLeavesTheLowestPlaced) {
  Grid g = FreshGrid();
  g(4, 4) = CellFromText("37");
  Engine e = EngineOn(g);
  const int open = e.OpenCount;
  FoundPattern f(Level11(50), "Remote Pair ", "", CellFromText("37"));
  f.remove(Pos{4, 4}, CellFromText("37"));
  EXPECT_TRUE(ApplyPattern(e, f));
  EXPECT_EQ("3", CandidateText(e.CellGrid(4, 4)));
  EXPECT_EQ(open - 1, e.OpenCount);
  EXPECT_EQ("Remote Pair 37", e.StepText);
  EXPECT_EQ(11, e.Level);
  EXPECT_EQ(50, e.LevelSub);
}

TEST(FoundPatternTest, PlacedCellsAndMissingDigitsAreLeftAlone) {
  Grid g = FreshGrid();
  g(1, 1) = DigitBit(5);
  g(2, 1) = CellFromText("1234");
  Engine e = EngineOn(g);
  FoundPattern f(kLevelXWing, "X-Wing", "-x ", DigitBit(5));
  f.remove(Pos{1, 1}, DigitBit(5));
  f.remove(Pos{2, 1}, DigitBit(5));
  EXPECT_FALSE(ApplyPattern(e, f));
  EXPECT_EQ("none", CellChanges(g, e.CellGrid));
  EXPECT_FALSE(e.Changed);
  EXPECT_EQ("", e.StepText);
  EXPECT_EQ(1, e.Level);

  f.remove(Pos{3, 1}, DigitBit(5));
  EXPECT_TRUE(ApplyPattern(e, f));
  EXPECT_EQ("r1c3-5", CellChanges(g, e.CellGrid));
  EXPECT_EQ("X-Wing-x 5", e.StepText);
  EXPECT_EQ(9, e.Level);
}

} // namespace
} // namespace zenpa::puzzle
