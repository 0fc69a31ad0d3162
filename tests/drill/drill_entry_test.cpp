#include "drill/drill_entry.h"

#include "base/sjis.h"
#include "platform/scripted_host.h"
#include "platform/text_memo.h"
#include "sheet_lines.h"

#include <gtest/gtest.h>

#include <tuple>

namespace zenpa::drill {
namespace {

using platform::TextMemo;
using platform::TextPos;
using testing::BlankSheet;
using testing::CellValues;

// Entry on a blank four-digit sheet below a title line: keys fill a row
// and go on to the next, the final cell takes the last key; arrows wrap in
// a row and stop at the top and at the final cell.
TEST(DrillEntryTest, TypingAndArrowsWalkTheCellsOfABlankSheet) {
  TextMemo memo;
  std::vector<std::string> lines = BlankSheet(base::Sj("　"));
  lines.insert(lines.begin(), base::Sj("　 ☆★ もこさん／たしざん ★☆"));
  memo.SetLines(lines);
  platform::ScriptedHost host;
  SheetCursor cursor;
  ASSERT_TRUE(StartEntry(memo, host, {}, cursor));
  EXPECT_EQ(std::tuple(1, 4, TextPos{4, 4}),
            std::tuple(cursor.topLine, cursor.digitCount, memo.Caret()));
  memo.SetCaret({4, 5}); // inside a character, not on a cell
  EXPECT_EQ(std::tuple(KeyResult::Ignored, KeyResult::LeaveMode, KeyResult::Ignored),
            std::tuple(EntryKey(memo, cursor, 'x'), EntryKey(memo, cursor, kEscKey),
                       EntryKey(memo, cursor, '5')));
  EXPECT_EQ(lines, memo.Lines());
  memo.SetCaret({4, 4});
  for (char key : {'8', '3', ' '})
    EXPECT_EQ(KeyResult::Moved, EntryKey(memo, cursor, key));
  EXPECT_EQ(std::tuple(base::Sj("　│８│３│　│1"), TextPos{6, 6}, 2),
            std::tuple(memo.Line(4), memo.Caret(), cursor.row));
  for (char key : {'1', '3', '4', '9'})
    EntryKey(memo, cursor, key);
  EXPECT_EQ(std::pair(std::vector<int>{1, 3}, std::vector<int>{9}), // the final cell takes the last
            std::pair(CellValues(memo.Line(6)), CellValues(memo.Line(8))));

  // Left wraps to the last of three cells; the row below it has two.
  const std::pair<Arrow, TextPos> moves[] = {
      {Arrow::Down, {8, 8}},  {Arrow::Up, {6, 6}},    {Arrow::Up, {4, 4}},
      {Arrow::Left, {4, 12}}, {Arrow::Down, {6, 10}}, {Arrow::Right, {6, 6}},
      {Arrow::Up, {4, 4}},    {Arrow::Up, {2, 2}},    {Arrow::Up, {2, 2}}};
  for (const auto &[arrow, caret] : moves) {
    EntryArrow(memo, cursor, arrow);
    EXPECT_EQ(caret, memo.Caret()) << static_cast<int>(arrow);
  }
}

// Lines of 16 pixels, the view from line 8: row 1 stands on line 13 and
// takes the clicks from the middle of the border above (y = 72) to the
// middle of the one below; clicks above and below the sheet take the
// nearest row. Half-width characters of 8 pixels: row 2 has 4 cells after
// a 32-pixel indent and its bar.
TEST(DrillEntryTest, ClicksPickTheRowByHalfLinesAndTheColumnByCellWidths) {
  const SheetCursor sheet{.topLine = 10, .digitCount = 6, .cellCaret = {}};
  const auto row = [&](int first, int y) { return ClickedRow(sheet, first, y, 16); };
  const auto column = [&](int x) { return ClickedColumn(sheet, 2, x, 32, 8); };
  EXPECT_EQ((std::vector<int>{0, 1, 1, 2, 0, 5}),
            (std::vector<int>{row(8, 72), row(8, 73), row(8, 104), row(8, 105), row(0, 0),
                              row(8, 4000)}));
  EXPECT_EQ((std::vector<int>{1, 1, 2, 4, 1}),
            (std::vector<int>{column(40), column(67), column(68), column(400), column(0)}));
}

} // namespace
} // namespace zenpa::drill
