#include "drill/worksheet.h"

#include "drill/pyramid.h"
#include "sheet_lines.h"

#include <gtest/gtest.h>

namespace zenpa::drill {
namespace {

using testing::CellValues;

// A random source that hands out a fixed list of values (then the lowest of
// each range) and records the ranges it was asked for.
struct ScriptedRandom final : RandomSource {
  explicit ScriptedRandom(std::vector<int> list) : values(std::move(list)) {}
  int Between(int lo, int hi) override {
    ranges.emplace_back(lo, hi);
    const int value = next < values.size() ? values[next++] : lo;
    EXPECT_TRUE(lo <= value && value <= hi) << value;
    return value;
  }
  std::vector<int> values;
  std::size_t next = 0;
  std::vector<std::pair<int, int>> ranges;
};

TEST(WorksheetTest, ARepeatedDigitIsDrawnOnceMoreFromZeroToNine) {
  // a0 = 4; a1 = 4 repeats it and is redrawn as 0; a3 = 7 repeats a2 and the
  // redraw gives 7 again, which stands; a4 = 7 is redrawn as 2.
  ScriptedRandom rng({4, 4, 0, 7, 7, 7, 7, 2});
  EXPECT_EQ((std::vector<int>{0, 7, 7, 2}), DrawTopDigits(4, rng));
  EXPECT_EQ((std::vector<std::pair<int, int>>{
                {1, 9}, {1, 9}, {0, 9}, {1, 9}, {1, 9}, {0, 9}, {1, 9}, {0, 9}}),
            rng.ranges);
}

// Positions drawn for a row: a pair mirrored about the middle, or the middle
// cell alone; each further pair needs a wider row.
TEST(WorksheetTest, PositionalHintsAreMirroredAndNeedWiderRowsForEachFurtherPair) {
  // n = 6: rows of width 5, 4 and 3; the middle of the width-5 row is drawn.
  ScriptedRandom rng({9, 1, 2, 3, 4, 5, 6, /*r=5*/ 3, 1, 1, 1, 1});
  const Worksheet middle = MakeQuestionSheet({6, Operation::Addition, {2, false}}, rng);
  const int hint = Pyramid(middle.topDigits, Operation::Addition)[1][2];
  EXPECT_EQ((std::vector<int>{-1, -1, hint, -1, -1}), CellValues(middle.lines[7]));

  const auto hintsOf = [](int width, int count) {
    std::vector<int> cells;
    for (int i = 1; i <= width; ++i)
      if (IsPositionalHint(i, width, count, {1, 2, 3, 4, 5}))
        cells.push_back(i);
    return cells;
  };
  EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 5, 16, 17, 18, 19}), hintsOf(19, 9));
  EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 15, 16, 17, 18}), hintsOf(18, 9)); // p5 needs 19
  EXPECT_EQ((std::vector<int>{1, 2, 11, 12}), hintsOf(12, 9));               // p3 needs 13
  EXPECT_EQ((std::vector<int>{1, 2, 9}), hintsOf(9, 3));                     // p2 needs 9 cells
  EXPECT_EQ((std::vector<int>{}), hintsOf(4, 9)); // rows of 4 or fewer never
  EXPECT_EQ((std::vector<int>{}), hintsOf(19, 0));
}

} // namespace
} // namespace zenpa::drill
