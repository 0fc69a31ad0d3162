#include "puzzle/play/entry_cursor.h"

#include "base/sjis.h"
#include "platform/text_memo.h"
#include "puzzle/play/grid_keys.h"
#include "puzzle/play/grid_text.h"

#include <gtest/gtest.h>

namespace zenpa::play {
namespace {

using base::Sj;

// A grid of givens at line 1 (a title line above it); "0" is an open cell.
std::vector<std::string> GridLines(const std::string &digits, const std::string &indent = "") {
  GridDigits d{};
  for (int i = 0; i < 81; ++i)
    d[i] = digits[i] - '0';
  std::vector<std::string> lines{Sj("☆ 題")};
  for (std::string line : GridBlockLines(GivenCells(d)))
    lines.push_back(line.starts_with(Sj("┃")) ? indent + line : line);
  lines.push_back("tail");
  return lines;
}

const std::string kFull(81, '5');

TEST(EntryCursorTest, StartsOnTheFirstBlankCellOrTheFirstCell) {
  platform::TextMemo memo;
  std::string digits = kFull;
  digits[9 * 4 + 6] = '0';
  memo.SetLines(GridLines(digits, "\t"));
  EntryCursor c = SudokunyuryokuSet(memo, true);
  ASSERT_TRUE(c.found);
  EXPECT_EQ(1, c.topLine);
  EXPECT_EQ(6, c.column);
  EXPECT_EQ(4, c.row);
  EXPECT_EQ((platform::TextPos{10, 1 + 2 + 24}), memo.Caret());
  EXPECT_TRUE(c.titleVisible);
  memo.SetLines(GridLines(kFull));
  c = SudokunyuryokuSet(memo, false);
  EXPECT_EQ(0, c.column);
  EXPECT_EQ(0, c.row);
}

TEST(EntryCursorTest, BrokenGridsAreNotTaken) {
  platform::TextMemo memo;
  const std::vector<std::string> whole = GridLines(kFull);
  std::vector<std::string> shortRow = whole, halfCell = whole, noBottom = whole;
  shortRow[6].resize(shortRow[6].size() - 2);
  halfCell[4].replace(2, 2, " " + Sj("１").substr(0, 1)); // a half-width byte then a lead byte
  noBottom.resize(18);
  for (const auto &lines : {shortRow, halfCell, noBottom}) {
    memo.SetLines(lines);
    memo.SetCaret({3, 0});
    EXPECT_FALSE(SudokunyuryokuSet(memo, false).found);
    EXPECT_EQ(lines, memo.Lines());
  }
}

TEST(EntryCursorTest, CursorKeysWrapAsTheirRulesSay) {
  platform::TextMemo memo;
  memo.SetLines(GridLines(kFull));
  EntryCursor c = SudokunyuryokuSet(memo, false);
  MoveCursorTo(memo, c, 8, 8);
  MoveCursor(memo, c, CursorMove::Next); // Enter stops at the last cell
  EXPECT_EQ(8, c.column);
  EXPECT_EQ(8, c.row);
  MoveCursor(memo, c, CursorMove::Right); // → wraps within the row
  EXPECT_EQ(0, c.column);
  EXPECT_EQ(8, c.row);
  MoveCursor(memo, c, CursorMove::Previous); // Backspace goes to the row above
  EXPECT_EQ(8, c.column);
  EXPECT_EQ(7, c.row);
  MoveCursorTo(memo, c, 3, 0);
  MoveCursor(memo, c, CursorMove::Up); // ↑ wraps within the column
  EXPECT_EQ(8, c.row);
  MoveCursorTo(memo, c, 0, 0);
  MoveCursor(memo, c, CursorMove::Previous);
  EXPECT_EQ(0, c.column);
  EXPECT_EQ(0, c.row);
}

TEST(EntryCursorTest, ClicksMapToCellsAlsoAfterScrolling) {
  platform::TextMemo memo;
  memo.SetLines(GridLines(std::string(81, '0'), "  "));
  EntryCursor c = SudokunyuryokuSet(memo, true);
  const CellPixels px{16, 8, 8};
  // Row 2 and column 3 of a grid shown under its title line, rows indented 2.
  const int x = (2 + 1) * 8 + 4 + 3 * 32 + 10, y = 16 + 8 + 2 * 32 + 5;
  ClickCell(memo, c, x, y, px);
  EXPECT_EQ(3, c.column);
  EXPECT_EQ(2, c.row);
  memo.ScrollToLine(4); // scrolled four lines on: the cell shows four lines higher
  ClickCell(memo, c, x, y - 4 * 16, px);
  EXPECT_EQ(3, c.column);
  EXPECT_EQ(2, c.row);
  EXPECT_EQ(0, memo.FirstVisibleLine());
  ClickCell(memo, c, 2000, 2000, px); // beyond the grid: the last cell
  EXPECT_EQ(8, c.column);
  EXPECT_EQ(8, c.row);
}

TEST(GridKeysTest, EntryWritesGivensAndGameOnlyPlayerCells) {
  platform::TextMemo memo;
  std::string digits = kFull;
  digits[7] = digits[8] = digits[9] = '0';
  memo.SetLines(GridLines(digits));
  EntryCursor c = SudokunyuryokuSet(memo, false);
  EXPECT_TRUE(EntryDigit(memo, c, 7));
  EXPECT_TRUE(EntryDigit(memo, c, 0));
  EXPECT_EQ(0, c.column); // on to the next row after the line's last cell
  EXPECT_EQ(1, c.row);
  EXPECT_EQ(Sj("７"), memo.Line(2).substr(2 + 28, 2));
  EXPECT_EQ(Sj("　"), memo.Line(2).substr(2 + 32, 2));
  EXPECT_EQ(std::optional<int>(0), GameDigit(memo, c, 3));
  EXPECT_EQ(std::optional<int>(3), GameDigit(memo, c, 0));
  EXPECT_EQ(Sj("　"), memo.Line(4).substr(2, 2));
  MoveCursorTo(memo, c, 5, 5);
  EXPECT_EQ(std::nullopt, GameDigit(memo, c, 3));
  EXPECT_EQ(Sj("５"), memo.Line(12).substr(22, 2));
}

} // namespace
} // namespace zenpa::play
