// The cell-set taking of a grid must tell exactly what a cell-by-cell look
// at the grid tells, for every kind of cell: placed, open, emptied.
#include "puzzle/engine/cell_sets.h"
#include "puzzle/engine/engine.h"

#include "technique_cases.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>

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
      EXPECT_EQ(std::tuple(!IsPlaced(c), c == DigitBit(d), IsOpen(c) && HasDigit(c, d),
                           !IsPlaced(c) && !seen),
                std::tuple(In(cells.notPlaced, x, y), In(cells.placed[d], x, y),
                           In(cells.listed[d], x, y), In(cells.HatchFree(d), x, y)))
          << x << "," << y << " d" << d;
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
    EXPECT_EQ(std::tie(fresh.notPlaced, fresh.placed, fresh.listed),
              std::tie(followed.notPlaced, followed.placed, followed.listed))
        << round;
  }
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
