#include "drill/drill_entry.h"

#include "base/sjis.h"
#include "platform/scripted_host.h"
#include "platform/text_memo.h"
#include "sheet_lines.h"

#include <gtest/gtest.h>

namespace zenpa::drill {
namespace {

using platform::TextMemo;
using platform::TextPos;
using testing::CellValues;

// Entry started on a blank four-digit sheet below a title line (top border
// at line 1).
class EntryTest : public ::testing::Test {
protected:
  void SetUp() override {
    for (const char *line :
         {"　 ☆★ もこさん／たしざん ★☆", "┌─┬─┬─┬─┐", "│３│５│８│２│", "└┬┴┬┴┬┴┬┘", "　│　│　│　│1",
          "　└┬┴┬┴┬┘", "　　│　│　│", "　　└┰┴┰┘", "　　　┃　┃", "　　　┗━┛"})
      memo.InsertLine(memo.LineCount(), base::Sj(line));
    memo.SetCaret({0, 0});
    ASSERT_TRUE(StartEntry(memo, host, {}, cursor));
  }
  TextMemo memo;
  platform::ScriptedHost host;
  SheetCursor cursor;
};

TEST_F(EntryTest, TypingFillsARowThenGoesToTheNextAndStaysOnTheFinalCell) {
  EXPECT_EQ(1, cursor.topLine);
  EXPECT_EQ(4, cursor.digitCount);
  EXPECT_EQ((TextPos{4, 4}), memo.Caret());
  const auto blank = memo.Lines();
  EXPECT_EQ(KeyResult::Ignored, EntryKey(memo, cursor, 'x'));
  EXPECT_EQ(KeyResult::LeaveMode, EntryKey(memo, cursor, kEscKey));
  memo.SetCaret({4, 5}); // inside a character, not on a cell
  EXPECT_EQ(KeyResult::Ignored, EntryKey(memo, cursor, '5'));
  EXPECT_EQ(blank, memo.Lines());
  memo.SetCaret({4, 4});
  for (char key : {'8', '3', ' '})
    EXPECT_EQ(KeyResult::Moved, EntryKey(memo, cursor, key));
  EXPECT_EQ(base::Sj("　│８│３│　│1"), memo.Line(4));
  EXPECT_EQ((TextPos{6, 6}), memo.Caret());
  EXPECT_EQ(2, cursor.row);
  for (char key : {'1', '3', '4', '9'})
    EntryKey(memo, cursor, key);
  EXPECT_EQ((std::vector<int>{1, 3}), CellValues(memo.Line(6)));
  EXPECT_EQ((std::vector<int>{9}), CellValues(memo.Line(8))) << "the final cell takes the last key";
  EXPECT_EQ((TextPos{8, 8}), memo.Caret());

  TextMemo plain({"plain text"});
  EXPECT_FALSE(StartEntry(plain, host, {}, cursor));
  ASSERT_EQ(1u, host.messages.size());
  EXPECT_EQ("もこさんが見つかりません", base::SjisToUtf8(host.messages[0].text));
}

TEST_F(EntryTest, ArrowsWrapInTheRowAndStopAtTheTopAndTheFinalCell) {
  const std::pair<Arrow, TextPos> moves[] = {
      {Arrow::Left, {4, 12}}, // wraps to the last of three cells
      {Arrow::Down, {6, 10}}, // the row below has two cells
      {Arrow::Right, {6, 6}}, {Arrow::Down, {8, 8}}, {Arrow::Down, {8, 8}}, {Arrow::Up, {6, 6}},
      {Arrow::Up, {4, 4}},    {Arrow::Up, {2, 2}},   {Arrow::Up, {2, 2}}};
  for (const auto &[arrow, caret] : moves) {
    EntryArrow(memo, cursor, arrow);
    EXPECT_EQ(caret, memo.Caret()) << static_cast<int>(arrow);
  }
  EXPECT_EQ(0, cursor.row);
}

TEST(DrillEntryTest, ClicksPickTheRowByHalfLinesAndTheColumnByCellWidths) {
  SheetCursor cursor;
  cursor.topLine = 10;
  cursor.digitCount = 6;
  // Lines of 16 pixels, the view starting at line 8. Row 1 stands on line 13
  // (y = 80…95) and takes the clicks from the middle of the border above it
  // (line 12, y = 64…79) to the middle of the border below (line 14); the
  // row above the sheet and below the final cell are the nearest.
  const std::array<int, 6> rows = {ClickedRow(cursor, 8, 72, 16),  ClickedRow(cursor, 8, 73, 16),
                                   ClickedRow(cursor, 8, 104, 16), ClickedRow(cursor, 8, 105, 16),
                                   ClickedRow(cursor, 0, 0, 16),   ClickedRow(cursor, 8, 4000, 16)};
  EXPECT_EQ((std::array<int, 6>{0, 1, 1, 2, 0, 5}), rows);
  // Half-width characters of 8 pixels; row 2 has 4 cells after a 32-pixel
  // indent and its bar.
  const std::array<int, 5> columns = {
      ClickedColumn(cursor, 2, 40, 32, 8), ClickedColumn(cursor, 2, 67, 32, 8),
      ClickedColumn(cursor, 2, 68, 32, 8), ClickedColumn(cursor, 2, 400, 32, 8),
      ClickedColumn(cursor, 2, 0, 32, 8)};
  EXPECT_EQ((std::array<int, 5>{1, 1, 2, 4, 1}), columns);
}

} // namespace
} // namespace zenpa::drill
