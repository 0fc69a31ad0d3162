#include "puzzle/play/grid_transforms.h"

#include <gtest/gtest.h>

#include <numeric>

namespace zenpa::play {
namespace {

using Cells = std::array<int, 81>;

Cells Numbered() {
  Cells cells{};
  std::iota(cells.begin(), cells.end(), 0);
  return cells;
}

int At(const Cells &cells, int column, int row) { return cells[9 * (row - 1) + (column - 1)]; }

struct Cycle {
  GridTransform transform;
  int period; // applying it this often gives back the start, and no fewer times
};

class GridTransformCycleTest : public ::testing::TestWithParam<Cycle> {};

TEST_P(GridTransformCycleTest, GivesBackTheStartAfterItsPeriod) {
  const Cells start = Numbered();
  Cells cells = start;
  for (int i = 1; i <= GetParam().period; ++i) {
    cells = Transformed(cells, GetParam().transform);
    EXPECT_EQ(i == GetParam().period, cells == start) << "after " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    EntryPanel, GridTransformCycleTest,
    ::testing::Values(Cycle{GridTransform::RotateRight, 4}, Cycle{GridTransform::Mirror, 2},
                      Cycle{GridTransform::BlocksLeft, 3}, Cycle{GridTransform::BlocksSwap, 2},
                      Cycle{GridTransform::Swap321, 2}, Cycle{GridTransform::Cycle231, 3}));

TEST(GridTransformTest, CellsGoWhereThePanelSays) {
  const Cells old = Numbered();
  // A clockwise turn: the bottom-left cell comes to the top left.
  EXPECT_EQ(At(old, 1, 9), At(Transformed(old, GridTransform::RotateRight), 1, 1));
  EXPECT_EQ(At(old, 1, 1), At(Transformed(old, GridTransform::RotateRight), 9, 1));
  EXPECT_EQ(At(old, 4, 2), At(Transformed(old, GridTransform::BlocksLeft), 1, 2));
  EXPECT_EQ(At(old, 1, 2), At(Transformed(old, GridTransform::BlocksLeft), 7, 2));
  EXPECT_EQ(At(old, 5, 3), At(Transformed(old, GridTransform::BlocksSwap), 5, 3));
  EXPECT_EQ(At(old, 2, 5), At(Transformed(old, GridTransform::Cycle231), 1, 5));
  EXPECT_EQ(At(old, 1, 5), At(Transformed(old, GridTransform::Cycle231), 3, 5));
  EXPECT_EQ(At(old, 9, 9), At(Transformed(old, GridTransform::Mirror), 1, 9));
}

} // namespace
} // namespace zenpa::play
