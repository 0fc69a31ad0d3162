#include "drill/worksheet.h"

#include "drill/pyramid.h"
#include "scripted_random.h"
#include "sheet_lines.h"

#include <gtest/gtest.h>

namespace zenpa::drill {
namespace {

using testing::CellValues;
using testing::ScriptedRandom;
using testing::ToUtf8;

// Row k of a question sheet (1 for the first row to fill) stands at line 5 + 2k.
std::vector<int> RowCells(const Lines &sheet, int k) { return CellValues(sheet[5 + 2 * k]); }

TEST(WorksheetTest, FourDigitAdditionSheetMatchesThePrintedLayout) {
  // The first draw only seeds the repeat check; 3 5 8 2 are the top digits,
  // then five hint positions for the single row to fill.
  ScriptedRandom rng({1, 3, 5, 8, 2, 1, 2, 3, 1, 2});
  const Worksheet sheet = MakeQuestionSheet({4, Operation::Addition, {2, false}}, rng);
  const std::vector<std::string> expected = {
      "　 ☆★ もこさん／たしざん ★☆",
      "┌──┬────────────┐",
      "│名前│　　　　　　　　　　　　│",
      "└──┴────────────┘",
      "┌─┬─┬─┬─┐",
      "│３│５│８│２│",
      "└┬┴┬┴┬┴┬┘",
      "　│　│　│　│1",
      "　└┬┴┬┴┬┘",
      "　　│１│３│",
      "　　└┰┴┰┘",
      "　　　┃４┃",
      "　　　┗━┛",
      "┌────┬──────────┐",
      "│　４けた│　　　　分　　　　秒│",
      "└────┴──────────┘",
      "（全3問）",
  };
  EXPECT_EQ(expected, ToUtf8(sheet.lines));
  EXPECT_EQ((std::vector<int>{3, 5, 8, 2}), sheet.topDigits);
}

TEST(WorksheetTest, TenDigitSheetCountsFortyTwoCellsAndShowsTheWidthInTheTimeBox) {
  SeededRandom rng(7);
  const auto lines = ToUtf8(MakeQuestionSheet({10, Operation::Addition, {}}, rng).lines);
  ASSERT_EQ(2u * 10 + 9, lines.size());
  EXPECT_EQ("│１０けた│　　　　分　　　　秒│", lines[lines.size() - 3]);
  EXPECT_EQ("（全42問）", lines.back());
  EXPECT_EQ("　　　　　　　│　│　│　│7", lines[19]); // the last row to fill, width 3
}

TEST(WorksheetTest, SubtractionSheetHasItsOwnTitleAndNeverGoesBelowZero) {
  for (int x = 0; x <= 9; ++x) {
    for (int y = 0; y <= 9; ++y) {
      EXPECT_EQ(((x - y) % 10 + 10) % 10, CellOp(x, y, Operation::Subtraction)) << x << "-" << y;
      EXPECT_EQ((x + y) % 10, CellOp(x, y, Operation::Addition)) << x << "+" << y;
    }
  }
  ScriptedRandom rng({1, 2, 9, 1, 5});
  const Worksheet sheet = MakeQuestionSheet({4, Operation::Subtraction, {}}, rng);
  EXPECT_EQ(" ☆★★ もこさん／ひきざん ★★☆", ToUtf8(sheet.lines)[0]);
  // 2 9 1 5 give the row 3 8 6 to fill, the check row 5 2 and the final 3.
  EXPECT_EQ((std::vector<int>{5, 2}), CellValues(sheet.lines[9]));
  EXPECT_EQ((std::vector<int>{3}), CellValues(sheet.lines[11]));
}

TEST(WorksheetTest, ARepeatedDigitIsDrawnOnceMoreFromZeroToNine) {
  // a0 = 4; a1 = 4 repeats it and is redrawn as 0; a3 = 7 repeats a2 and the
  // redraw gives 7 again, which stands; a4 = 7 is redrawn as 2.
  ScriptedRandom rng({4, 4, 0, 7, 7, 7, 7, 2});
  EXPECT_EQ((std::vector<int>{0, 7, 7, 2}), DrawTopDigits(4, rng));
  const std::vector<std::pair<int, int>> ranges = {{1, 9}, {1, 9}, {0, 9}, {1, 9},
                                                   {1, 9}, {0, 9}, {1, 9}, {0, 9}};
  EXPECT_EQ(ranges, rng.ranges);
}

TEST(WorksheetTest, DigitHintsShowEveryCellHoldingTheDigitIncludingZero) {
  SeededRandom rng(2024);
  const Worksheet sheet = MakeQuestionSheet({14, Operation::Addition, {0, true}}, rng);
  const auto rows = Pyramid(sheet.topDigits, Operation::Addition);
  int zeros = 0;
  for (int k = 1; k <= 14 - 3; ++k) {
    std::vector<int> expected;
    for (int v : rows[static_cast<std::size_t>(k)])
      expected.push_back(v == 0 ? 0 : -1);
    zeros += static_cast<int>(std::count(expected.begin(), expected.end(), 0));
    EXPECT_EQ(expected, RowCells(sheet.lines, k)) << "row " << k;
  }
  EXPECT_LT(0, zeros); // the seed gives zeros to show
}

TEST(WorksheetTest, TwoPositionalHintsOnAWidthFiveRowAreMirroredAboutItsMiddle) {
  // n = 6: rows of width 5, 4 and 3; only the width-5 row may show hints.
  ScriptedRandom pairRng({9, 1, 2, 3, 4, 5, 6, /*r=5*/ 2, 5, 5, 5, 5, /*r=4*/ 1, 1, 1, 1, 1});
  const Worksheet pair = MakeQuestionSheet({6, Operation::Addition, {2, false}}, pairRng);
  const auto rows = Pyramid(pair.topDigits, Operation::Addition);
  EXPECT_EQ((std::vector<int>{-1, rows[1][1], -1, rows[1][3], -1}), RowCells(pair.lines, 1));
  EXPECT_EQ((std::vector<int>{-1, -1, -1, -1}), RowCells(pair.lines, 2));

  ScriptedRandom middleRng({9, 1, 2, 3, 4, 5, 6, /*r=5*/ 3, 1, 1, 1, 1});
  const Worksheet middle = MakeQuestionSheet({6, Operation::Addition, {2, false}}, middleRng);
  EXPECT_EQ((std::vector<int>{-1, -1, rows[1][2], -1, -1}), RowCells(middle.lines, 1));
}

TEST(WorksheetTest, PositionalHintsNeedWiderRowsForEachFurtherPair) {
  const std::array<int, 5> p = {1, 2, 3, 4, 5};
  const auto hintsOf = [&](int width, int count) {
    std::vector<int> cells;
    for (int i = 1; i <= width; ++i)
      if (IsPositionalHint(i, width, count, p))
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

TEST(WorksheetTest, AnswerSheetFillsEveryRowAndCarriesThePrefix) {
  const Lines top = {"*TOP1", "*TOP2", "*TOP3"};
  const Lines answer = MakeAnswerSheet("PP", top, {3, 5, 8, 2}, Operation::Addition);
  const std::vector<std::string> expected = {
      "PP　 ☆★ もこさん／たしざん ★☆",
      "PP┌──┬────────────┐",
      "PP│名前│　　　　　　　　　　　　│",
      "PP└──┴────────────┘",
      "*TOP1",
      "*TOP2",
      "*TOP3",
      "PP　│８│３│０│1",
      "PP　└┬┴┬┴┬┘",
      "PP　　│１│３│",
      "PP　　└┰┴┰┘",
      "PP　　　┃４┃",
      "PP　　　┗━┛",
      "",
      "（全3問）",
  };
  EXPECT_EQ(expected, ToUtf8(answer));
}

// Every cell of every answer sheet is the operation on the two cells above it.
TEST(WorksheetTest, AnswerSheetsObeyThePyramidRuleForRandomSizesAndSeeds) {
  SeededRandom picker(99);
  for (int round = 0; round < 40; ++round) {
    const int n = picker.Between(4, 40);
    const Operation op = round % 2 == 0 ? Operation::Addition : Operation::Subtraction;
    SeededRandom rng(static_cast<std::uint64_t>(picker.Between(0, 1 << 30)));
    const Worksheet sheet = MakeQuestionSheet({n, op, {9, false}}, rng);
    const Lines answer = MakeAnswerSheet("", TopRowLines(sheet.topDigits), sheet.topDigits, op);
    ASSERT_EQ(static_cast<std::size_t>(2 * n + 7), answer.size()) << "n = " << n;
    for (int row = 1; row < n; ++row) {
      const auto above = CellValues(answer[static_cast<std::size_t>(3 + 2 * row)]);
      const auto cells = CellValues(answer[static_cast<std::size_t>(5 + 2 * row)]);
      ASSERT_EQ(static_cast<std::size_t>(n - row), cells.size()) << "n = " << n << " row " << row;
      for (std::size_t i = 0; i < cells.size(); ++i)
        EXPECT_EQ(CellOp(above[i], above[i + 1], op), cells[i]) << "n = " << n << " row " << row;
    }
  }
}

} // namespace
} // namespace zenpa::drill
