// The cell-set taking of a grid must tell exactly what a cell-by-cell look
// at the grid tells, for every kind of cell: placed, open, emptied.
#include "puzzle/engine/cell_sets.h"
#include "puzzle/engine/engine.h"

#include "technique_cases.h"

#include <gtest/gtest.h>

#include <random>

namespace zenpa::puzzle {
namespace {

using testing::RandomGrid;

bool In(CellSet set, int x, int y) { return set.Intersects(CellSet::Of(x, y)); }

// Placed, listed and hatch-free cells (unplaced, unseen by a placed digit)
// as a look at each cell and its units tells them.
TEST(CellSetsTest, TakingAgreesWithTheCellsOnRandomGrids) {
  std::mt19937 rng(20261206);
  for (int round = 0; round < 300; ++round) {
    const Grid g = RandomGrid(rng);
    const DigitCells cells(g);
    for (int i = 0; i < 9 * 81; ++i) { // digit by digit, cell by cell
      const int d = i / 81 + 1, x = i % 9 + 1, y = i % 81 / 9 + 1;
      const Cell c = g(x, y);
      bool seen = false;
      for (int k = 1; k <= 9; ++k)
        seen = seen || g(k, y) == DigitBit(d) || g(x, k) == DigitBit(d);
      for (const Pos &p : BlockOf(x, y).cells)
        seen = seen || g(p.x, p.y) == DigitBit(d);
      const std::string where =
          std::to_string(x) + "," + std::to_string(y) + " d" + std::to_string(d);
      EXPECT_EQ(In(cells.notPlaced, x, y), !IsPlaced(c)) << where;
      EXPECT_EQ(In(cells.placed[d], x, y), c == DigitBit(d)) << where;
      EXPECT_EQ(In(cells.listed[d], x, y), IsOpen(c) && HasDigit(c, d)) << where;
      EXPECT_EQ(In(cells.HatchFree(d), x, y), !IsPlaced(c) && !seen) << where;
    }
  }
}

TEST(CellSetsTest, FollowingTheChangedCellsGivesTheTakingOfTheNewGrid) {
  std::mt19937 rng(11);
  std::uniform_int_distribution<int> cell(0, 80), changes(0, 12);
  for (int round = 0; round < 300; ++round) {
    const Grid was = RandomGrid(rng);
    // A few cells changed, or (every tenth round) a grid with nothing in common.
    Grid now = round % 10 == 0 ? RandomGrid(rng) : was;
    const Grid other = RandomGrid(rng);
    for (int n = changes(rng); n > 0; --n) {
      const int i = cell(rng);
      now(i % 9 + 1, i / 9 + 1) = other(i % 9 + 1, i / 9 + 1);
    }
    DigitCells followed(was);
    followed.Follow(was, now);
    const DigitCells fresh(now);
    EXPECT_EQ(followed.notPlaced, fresh.notPlaced) << round;
    EXPECT_EQ(followed.placed, fresh.placed) << round;
    EXPECT_EQ(followed.listed, fresh.listed) << round;
  }
}

TEST(CellSetsTest, SingleFirstAndEveryIndexAcrossBothHalves) {
  for (int index : {0, 63, 64, 80}) {
    const CellSet one = CellSet::Bit(index);
    EXPECT_TRUE(one.Single());
    EXPECT_EQ(one.First(), (Pos{index % 9 + 1, index / 9 + 1}));
  }
  const CellSet two = CellSet::Bit(63) | CellSet::Bit(64);
  EXPECT_FALSE(two.Single());
  EXPECT_FALSE(CellSet().Single());
  std::vector<int> seen;
  (two | CellSet::Bit(80)).ForEachIndex([&seen](int i) { seen.push_back(i); });
  EXPECT_EQ(seen, (std::vector<int>{63, 64, 80}));
}

TEST(CellSetsTest, EngineTakesTheGridAgainAfterAnyChange) {
  Engine e;
  e.CellGrid = FreshGrid();
  std::vector<bool> seen = {In(e.Taking().listed[5], 3, 3)};
  e.CellGrid(3, 3) = DigitBit(5);
  seen.insert(seen.end(), {In(e.Taking().placed[5], 3, 3), In(e.Taking().listed[5], 3, 3)});
  e.CellGrid(3, 3) = static_cast<Cell>(DigitBit(5) | DigitBit(6));
  seen.push_back(In(e.Taking().listed[6], 3, 3));
  EXPECT_EQ((std::vector<bool>{true, true, false, true}), seen);
}

} // namespace
} // namespace zenpa::puzzle
