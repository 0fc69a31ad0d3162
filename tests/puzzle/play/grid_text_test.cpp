#include "puzzle/play/grid_text.h"

#include "base/sjis.h"
#include "platform/text_memo.h"

#include <gtest/gtest.h>

using zenpa::base::Sj;
using zenpa::platform::TextMemo;
using namespace zenpa::play;

namespace {

// A puzzle with a given in every row, column and block, row by row.
GridDigits SampleDigits() {
  GridDigits digits{};
  for (int row = 0; row < 9; ++row)
    digits[9 * row + (row * 4) % 9] = row + 1;
  return digits;
}

// Document lines: filler lines, then the grid block of the digits with each
// row line prefixed by indent.
std::vector<std::string> DocumentWithGrid(const GridDigits &digits, int fillerLines,
                                          const std::string &indent = "") {
  std::vector<std::string> lines(fillerLines, "text");
  const GridCells cells = GivenCells(digits);
  std::vector<std::string> block = GridBlockLines(cells);
  for (int row = 1; row <= 9; ++row) {
    const std::span<const std::string, 9> rowCells(&cells[9 * (row - 1)], 9);
    block[2 * row - 1] = GridRowLine(rowCells, indent);
  }
  lines.insert(lines.end(), block.begin(), block.end());
  return lines;
}

} // namespace

TEST(GridText, BlockLinesHaveTheFrameAndRowLayout) {
  GridDigits digits{};
  digits[0] = 5;
  digits[80] = 9;
  const std::vector<std::string> lines = GridBlockLines(GivenCells(digits));
  ASSERT_EQ(19u, lines.size());
  EXPECT_EQ(Sj("┏━┯━┯━┳━┯━┯━┳━┯━┯━┓"), lines[0]);
  EXPECT_EQ(Sj("┃５│　│　┃　│　│　┃　│　│　┃"), lines[1]);
  EXPECT_EQ(Sj("┠─┼─┼─╂─┼─┼─╂─┼─┼─┨"), lines[2]);
  EXPECT_EQ(Sj("┣━┿━┿━╋━┿━┿━╋━┿━┿━┫"), lines[12]);
  EXPECT_EQ(Sj("┃　│　│　┃　│　│　┃　│　│９┃"), lines[17]);
  EXPECT_EQ(Sj("┗━┷━┷━┻━┷━┷━┻━┷━┷━┛"), lines[18]);
}

TEST(GridText, WrittenGridReadsBackWithItsIndents) {
  const GridDigits digits = SampleDigits();
  for (const std::string &indent : {std::string(), Sj("　　"), std::string("\t> ")}) {
    TextMemo memo(DocumentWithGrid(digits, 3, indent));
    const GridReading reading = ReadGridAt(memo, 3);
    EXPECT_EQ(digits, reading.digits);
    EXPECT_EQ(9, reading.placedCount);
    EXPECT_EQ(indent, reading.rowIndents[4]);
  }
}

TEST(GridText, CellsOtherThanGivenDigitsReadAsOpen) {
  TextMemo memo(DocumentWithGrid(GridDigits{}, 0));
  memo.ReplaceLine(1, Sj("┃１│①│？┃※│０│Ｅ┃  │９│⑨┃"));
  memo.ReplaceLine(3, Sj("┃３│４"));
  const GridReading givens = ReadGridAt(memo, 0);
  const std::vector<int> expectedRow1 = {1, 0, 0, 0, 0, 0, 0, 9, 0};
  EXPECT_EQ(expectedRow1, std::vector<int>(givens.digits.begin(), givens.digits.begin() + 9));
  EXPECT_EQ(4, givens.digits[10]);
  EXPECT_EQ(4, givens.placedCount);

  const GridReading withPlayer = ReadGridAt(memo, 0, true);
  EXPECT_EQ(1, withPlayer.digits[1]);
  EXPECT_EQ(9, withPlayer.digits[8]);
  EXPECT_EQ(6, withPlayer.placedCount);
}

TEST(GridText, GridCutOffByTheEndOfTheDocumentReadsAsOpen) {
  std::vector<std::string> lines = DocumentWithGrid(SampleDigits(), 0);
  lines.resize(6); // rows 1..3 survive
  TextMemo memo(lines);
  const GridReading reading = ReadGridAt(memo, 0);
  EXPECT_EQ(3, reading.placedCount);
  EXPECT_EQ("", reading.rowIndents[8]);
}

TEST(GridText, LocatesTheGridNearestTheCaret) {
  GridDigits first{};
  first[0] = 1;
  GridDigits second{};
  second[0] = 2;
  std::vector<std::string> lines = DocumentWithGrid(first, 2); // top at 2
  std::vector<std::string> more = DocumentWithGrid(second, 3); // top at 24
  lines.insert(lines.end(), more.begin(), more.end());
  lines.push_back("tail");
  TextMemo memo(lines);
  struct Case {
    int caretLine;
    int expectedTop;
  };
  // Above the first grid, on the line just above a top border, inside a
  // grid, between two grids, below everything.
  for (const Case c : {Case{0, 2}, Case{1, 2}, Case{23, 24}, Case{22, 2}, Case{10, 2}, Case{30, 24},
                       Case{43, 24}}) {
    memo.SetCaret({c.caretLine, 0});
    EXPECT_EQ(c.expectedTop, LocateGridTop(memo, c.caretLine).value_or(-1))
        << "caret line " << c.caretLine;
  }
  memo.SetCaret({22, 0});
  EXPECT_EQ(1, yomitori(memo)->digits[0]);
  memo.SetCaret({23, 0});
  EXPECT_EQ(2, yomitori(memo)->digits[0]);
  // A broken top border is no grid.
  EXPECT_FALSE(LocateGridTop(TextMemo({"a", Sj("┏━━"), "c"}), 1).has_value());
  EXPECT_FALSE(yomitori(TextMemo()).has_value());
}

TEST(GridText, TopBorderIsFoundOnlyOnCharacterBoundaries) {
  const std::string top = Sj("┏━┯");
  // After a lone lead byte the border's bytes start on a trail position and
  // spell other characters.
  EXPECT_FALSE(IsGridTopLine(std::string("\x81") + top));
  EXPECT_TRUE(IsGridTopLine(Sj("　") + top));
  EXPECT_EQ(Sj("　"), RowIndentOf(Sj("　┃１│")));
  EXPECT_EQ("", RowIndentOf("no frame"));
}
