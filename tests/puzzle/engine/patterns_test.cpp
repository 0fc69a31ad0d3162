// What the fish, wing and chain steps show and the details of applying a
// found pattern; what they change is in the cases of tests/data/techniques.
#include "puzzle/engine/found_pattern.h"

#include "puzzle/engine/chains.h"
#include "puzzle/engine/fish.h"

#include "technique_cases.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zenpa::testing {
namespace {

using puzzle::CellFromText;
using puzzle::Pos;

TEST(PatternMarksTest, APatternFoundWhileChangedIsSetEndsTheCall) {
  // The first X-Wing of this position (columns 1 and 2) removes nothing. On
  // its own the search goes on to the next one; with Changed already set by
  // an earlier technique the call ends at the first.
  const auto cases = LoadCases("fish.cases");
  const puzzle::Grid g = std::find_if(cases.begin(), cases.end(), [](const TechniqueCase &c) {
                           return c.changes.rfind("r5c3-5", 0) == 0;
                         })->grid;
  puzzle::Engine e = EngineOn(g);
  e.Changed = true;
  puzzle::Xwingtate(e);
  EXPECT_EQ("none", CellChanges(g, e.CellGrid));
  EXPECT_EQ("", e.StepText);
}

TEST(RemotePairPartnerTest, FindsAnotherCellWithTheSameTextByMode) {
  puzzle::Grid g = puzzle::FreshGrid();
  for (const Pos p : {Pos{1, 1}, Pos{5, 1}, Pos{6, 1}, Pos{1, 6}, Pos{2, 2}, Pos{3, 3}, Pos{9, 9}})
    g(p.x, p.y) = CellFromText("37");
  const puzzle::Engine e = EngineOn(g);
  // The first match in row, column and block order; never the cell itself.
  // The block search leaves out the cell's own row and column.
  // Asked as x, y and mode (1 row, 2 column, 3 block), then for other digits.
  std::string found;
  for (const int q : {111, 112, 113, 511, 333, 513, 991})
    found += "[" + puzzle::RemotePairPartner(e, "37", q / 100, q / 10 % 10, q % 10) + "]";
  found += "[" + puzzle::RemotePairPartner(e, "12", 1, 1, 1) + "]";
  EXPECT_EQ("[51][16][22][11][11][][][]", found);
}

// Placed cells and missing digits are left alone; a cell that loses every
// candidate keeps the lowest, placed.
TEST(FoundPatternTest, RemovesListedCandidatesAndRaisesTheLevel) {
  puzzle::Grid g = puzzle::FreshGrid();
  g(1, 1) = puzzle::DigitBit(5);
  g(2, 1) = CellFromText("1234");
  g(4, 4) = CellFromText("37");
  puzzle::Engine e = EngineOn(g);
  const int open = e.OpenCount;
  puzzle::FoundPattern fish(puzzle::kLevelXWing, "X-Wing", "-x ", puzzle::DigitBit(5));
  fish.remove(Pos{1, 1}, puzzle::DigitBit(5));
  fish.remove(Pos{2, 1}, puzzle::DigitBit(5));
  const auto state = [&] {
    return CellChanges(g, e.CellGrid) + " " + e.StepText + " " + GradeOf(e) +
           (e.Changed ? " changed" : "");
  };
  EXPECT_FALSE(puzzle::ApplyPattern(e, fish));
  EXPECT_EQ("none  level=1", state());
  fish.remove(Pos{3, 1}, puzzle::DigitBit(5));
  EXPECT_TRUE(puzzle::ApplyPattern(e, fish));
  EXPECT_EQ("r1c3-5 X-Wing-x 5 level=9 changed", state());

  puzzle::FoundPattern pair(puzzle::Level11(50), "Remote Pair ", "", CellFromText("37"));
  pair.remove(Pos{4, 4}, CellFromText("37"));
  EXPECT_TRUE(puzzle::ApplyPattern(e, pair));
  EXPECT_EQ("r1c3-5 r4c4=3 Remote Pair 37 level=11.50 changed", state());
  EXPECT_EQ(open - 1, e.OpenCount);
}

} // namespace
} // namespace zenpa::testing
