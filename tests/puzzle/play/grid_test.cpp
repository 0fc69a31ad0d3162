// The puzzle grid in the document: its lines, reading it back, finding it
// from the caret, the puzzle block around it, the entry cursor over it and
// the turns of the entry panel.
#include "puzzle/play/entry_cursor.h"
#include "puzzle/play/grid_keys.h"
#include "puzzle/play/grid_text.h"
#include "puzzle/play/grid_transforms.h"
#include "puzzle/play/puzzle_block.h"

#include "base/sjis.h"
#include "platform/text_memo.h"
#include "puzzle/play/support/desk.h"

#include <gtest/gtest.h>

#include <numeric>
#include <span>

using zenpa::base::Sj;
using zenpa::editor::InsertionPlace;
using zenpa::platform::TextMemo;
using namespace zenpa::play;
using Lines = std::vector<std::string>;

namespace {

// A given in every row, column and block; with count, the first count cells
// in order hold 1..9 over and over instead.
GridDigits SampleDigits(int count = 0) {
  GridDigits digits{};
  for (int i = 0; i < 81; ++i) {
    if (count == 0 ? i % 9 == (i / 9 * 4) % 9 : i < count)
      digits[i] = count == 0 ? i / 9 + 1 : i % 9 + 1;
  }
  return digits;
}

// Document lines: filler lines, then the grid block of the digits with each
// row line prefixed by indent.
Lines DocumentWithGrid(const GridDigits &digits, int fillerLines, const std::string &indent = "") {
  Lines lines(fillerLines, "text");
  for (const std::string &line : GridBlockLines(GivenCells(digits)))
    lines.push_back(line.starts_with(Sj("┃")) ? indent + line : line);
  return lines;
}

} // namespace

// A row line written on its own has the frame of the block's rows.
TEST(GridText, BlockLinesHaveTheFrameAndRowLayout) {
  GridDigits digits{};
  digits[0] = 5;
  digits[80] = 9;
  const GridCells cells = GivenCells(digits);
  const Lines lines = GridBlockLines(cells);
  ASSERT_EQ(19u, lines.size());
  EXPECT_EQ((Lines{Sj("┏━┯━┯━┳━┯━┯━┳━┯━┯━┓"), Sj("┃５│　│　┃　│　│　┃　│　│　┃"),
                   Sj("┠─┼─┼─╂─┼─┼─╂─┼─┼─┨"), Sj("┣━┿━┿━╋━┿━┿━╋━┿━┿━┫"),
                   Sj("┃　│　│　┃　│　│　┃　│　│９┃"), Sj("┗━┷━┷━┻━┷━┷━┻━┷━┷━┛")}),
            (Lines{lines[0], lines[1], lines[2], lines[12], lines[17], lines[18]}));
  EXPECT_EQ("> " + lines[17], GridRowLine(std::span<const std::string, 9>(&cells[72], 9), "> "));
}

// Written grids read back with their row indents. Cells other than
// full-width digits read as open, circled player digits only when asked
// for; rows cut off by the end of the document read as open.
TEST(GridText, WrittenGridsReadBackAndOtherCellsReadAsOpen) {
  const GridDigits digits = SampleDigits();
  for (const std::string &indent : {std::string(), Sj("　　"), std::string("\t> ")}) {
    const GridReading reading = ReadGridAt(TextMemo(DocumentWithGrid(digits, 3, indent)), 3);
    EXPECT_EQ(digits, reading.digits);
    EXPECT_EQ(9, reading.placedCount);
    EXPECT_EQ(indent, reading.rowIndents[4]);
  }
  Lines lines = DocumentWithGrid(GridDigits{}, 0);
  lines[1] = Sj("┃１│①│？┃※│０│Ｅ┃  │９│⑨┃");
  lines[3] = Sj("┃３│４");
  lines.resize(6);
  const auto firstCells = [&lines](bool withPlayer) {
    const GridReading r = ReadGridAt(TextMemo(lines), 0, withPlayer);
    std::vector<int> cells(r.digits.begin(), r.digits.begin() + 11);
    cells.push_back(r.placedCount);
    return cells;
  };
  EXPECT_EQ((std::vector<int>{1, 0, 0, 0, 0, 0, 0, 9, 0, 3, 4, 4}), firstCells(false));
  EXPECT_EQ((std::vector<int>{1, 1, 0, 0, 0, 0, 0, 9, 9, 3, 4, 6}), firstCells(true));
  EXPECT_EQ("", ReadGridAt(TextMemo(lines), 0).rowIndents[8]);
}

TEST(GridText, LocatesTheGridNearestTheCaret) {
  GridDigits first{}, second{};
  first[0] = 1;
  second[0] = 2;
  Lines lines = DocumentWithGrid(first, 2); // top at 2
  Lines more = DocumentWithGrid(second, 3); // top at 24
  lines.insert(lines.end(), more.begin(), more.end());
  lines.push_back("tail");
  TextMemo memo(lines);
  // Above the first grid, on the line just above a top border, inside a
  // grid, between two grids, below everything.
  const std::pair<int, int> cases[] = {{0, 2},  {1, 2},   {23, 24}, {22, 2},
                                       {10, 2}, {30, 24}, {43, 24}};
  for (const auto &[caretLine, top] : cases) {
    memo.SetCaret({caretLine, 0});
    EXPECT_EQ(top, LocateGridTop(memo, caretLine).value_or(-1)) << "caret line " << caretLine;
    EXPECT_EQ(top == 2 ? 1 : 2, yomitori(memo)->digits[0]) << "caret line " << caretLine;
  }
  // A broken top border is no grid, nor a border off the character
  // boundaries.
  EXPECT_FALSE(LocateGridTop(TextMemo({"a", Sj("┏━━"), "c"}), 1).has_value());
  EXPECT_FALSE(yomitori(TextMemo()).has_value());
  EXPECT_EQ(std::pair(false, true),
            std::pair(IsGridTopLine("\x81" + Sj("┏━┯")), IsGridTopLine(Sj("　┏━┯"))));
  EXPECT_EQ(Sj("　"), RowIndentOf(Sj("　┃１│")));
}

namespace {

using Desk = zenpa::testing::PuzzleDesk;

Lines Tail(const Desk &d, std::size_t from) {
  const Lines lines = d.memo.Lines();
  return Lines(lines.begin() + static_cast<long>(std::min(from, lines.size())), lines.end());
}

} // namespace

// Title, grid, clue line and page break, inserted at the caret in writing
// order; nothing while the writer is suppressed.
TEST(PuzzleBlock, BlockIsTitleGridClueLineAndPageBreakInWritingOrder) {
  Desk d;
  d.memo.SetLines({"before", "after"});
  d.memo.SetCaret({1, 0});
  d.place = InsertionPlace::AtCaret;
  d.writer.WritePuzzleBlock(SampleDigits(26));
  const Lines lines = d.memo.Lines();
  ASSERT_EQ(24u, lines.size());
  EXPECT_EQ((Lines{"before", Sj("　　☆☆　★ ＳＵＤＯＫＵ ★　☆☆"), GridTopBorder()}),
            Lines(lines.begin(), lines.begin() + 3));
  EXPECT_EQ((Lines{Sj("　　　　　　　　　　　　　　　26-clue"), "\f", "after"}), Tail(d, 21));
  d.writer.SetSuppressed(true);
  d.writer.WritePuzzleBlock(SampleDigits(30));
  d.writer.WriteAnswerGrid(GivenCells(SampleDigits(81)));
  EXPECT_EQ(lines, d.memo.Lines());
}

// How-to-play lines follow the clue line, or one empty line without it;
// a full grid gets neither.
TEST(PuzzleBlock, HowToPlayFollowsTheClueLine) {
  const Lines howTo = LinesFromSlots(DefaultHowToPlayLines());
  struct Case {
    int givens;
    bool clue;
    Lines slots, tail;
  };
  const Case cases[] = {
      {81, true, {}, {GridBottomBorder(), ""}},
      {20, true, {"a", "", "b"}, {GridBottomBorder(), ClueLine("20"), "a", "", "b", ""}},
      {30, false, {}, {GridBottomBorder(), "", howTo[0]}},
      {30, false, {""}, {GridBottomBorder(), "", ""}}, // every slot empty
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.givens);
    Desk d;
    d.options.printHowToPlay = true;
    d.options.printClue = c.clue;
    d.options.pageBreak = false;
    if (!c.slots.empty())
      d.options.howToPlay = SlotsFromLines(c.slots);
    d.writer.WritePuzzleBlock(SampleDigits(c.givens));
    Lines tail = Tail(d, 19);
    tail.resize(c.tail.size());
    EXPECT_EQ(c.tail, tail);
  }
}

// The next page starts below the page break after the caret (one on the
// caret line counts) or at the end; appending at the end leaves the caret.
TEST(PuzzleBlock, NextPageMovesBelowThePageBreakOrAppends) {
  Desk d;
  d.place = InsertionPlace::AtCaret;
  d.memo.SetLines({"puzzle", "\f", "next page", "\f", "third"});
  d.memo.SetCaret({0, 3});
  d.writer.tugiP();
  d.writer.WriteLine("answer");
  d.memo.SetCaret({4, 0});
  d.writer.tugiP();
  d.writer.WriteLine("x");
  EXPECT_EQ((Lines{"puzzle", "\f", "answer", "next page", "\f", "x", "third"}), d.memo.Lines());
  for (const Lines &doc : {Lines{"puzzle", "more"}, Lines{"puzzle", "\f"}}) {
    Desk g;
    g.place = InsertionPlace::AtCaret;
    g.memo.SetLines(doc);
    g.writer.tugiP();
    g.writer.WriteLine("1");
    g.writer.WriteLine("2");
    EXPECT_EQ((Lines{"1", "2"}), Tail(g, doc.size()));
  }
  Desk h;
  h.memo.SetLines({"a", "\f", "b"});
  h.writer.tugiP();
  EXPECT_EQ(0, h.memo.Caret().line);
}

TEST(PuzzleBlock, HowToPlaySlotsAreClippedWithoutSplittingACharacter) {
  std::string longLine = "x";
  for (int i = 0; i < 200; ++i)
    longLine += Sj("あ");
  const std::string clipped = SlotsFromLines({longLine})[0];
  EXPECT_EQ(Sj("あ"), clipped.substr(253));
  EXPECT_EQ(255u, clipped.size());
}

namespace {

// A grid of givens at line 1 (a title line above it); "0" is an open cell.
Lines EntryLines(const std::string &digits, const std::string &indent = "") {
  GridDigits d{};
  for (int i = 0; i < 81; ++i)
    d[i] = digits[i] - '0';
  Lines lines = DocumentWithGrid(d, 0, indent);
  lines.insert(lines.begin(), Sj("☆ 題"));
  lines.push_back("tail");
  return lines;
}

const std::string kFull(81, '5');

} // namespace

TEST(EntryCursor, StartsOnTheFirstBlankCellOrTheFirstCell) {
  TextMemo memo;
  std::string digits = kFull;
  digits[9 * 4 + 6] = '0';
  memo.SetLines(EntryLines(digits, "\t"));
  EntryCursor c = SudokunyuryokuSet(memo, true);
  ASSERT_TRUE(c.found && c.titleVisible);
  EXPECT_EQ((std::array{1, 6, 4}), (std::array{c.topLine, c.column, c.row}));
  EXPECT_EQ((zenpa::platform::TextPos{10, 1 + 2 + 24}), memo.Caret());
  memo.SetLines(EntryLines(kFull));
  c = SudokunyuryokuSet(memo, false);
  EXPECT_EQ((std::pair{0, 0}), std::pair(c.column, c.row));

  // Broken grids are not taken.
  const Lines whole = EntryLines(kFull);
  Lines shortRow = whole, halfCell = whole, noBottom = whole;
  shortRow[6].resize(shortRow[6].size() - 2);
  halfCell[4].replace(2, 2, " " + Sj("１").substr(0, 1)); // a half-width byte then a lead byte
  noBottom.resize(18);
  for (const Lines &lines : {shortRow, halfCell, noBottom}) {
    memo.SetLines(lines);
    memo.SetCaret({3, 0});
    EXPECT_FALSE(SudokunyuryokuSet(memo, false).found);
    EXPECT_EQ(lines, memo.Lines());
  }
}

// Cursor keys wrap as their rules say; clicks map to cells also after
// scrolling; entry writes and erases digits, going on past a row's last
// cell.
TEST(EntryCursor, KeysClicksAndDigits) {
  std::string digits = kFull;
  digits[7] = digits[8] = digits[9] = '0';
  TextMemo memo(EntryLines(digits, "  "));
  EntryCursor c = SudokunyuryokuSet(memo, true);
  struct Step {
    int column, row; // where the cursor stands before the move
    CursorMove move;
    int toColumn, toRow;
  };
  const Step steps[] = {
      {8, 8, CursorMove::Next, 8, 8},     // Enter stops at the last cell
      {8, 8, CursorMove::Right, 0, 8},    // → wraps within the row
      {0, 8, CursorMove::Previous, 8, 7}, // Backspace goes to the row above
      {3, 0, CursorMove::Up, 3, 8},       // ↑ wraps within the column
      {0, 0, CursorMove::Previous, 0, 0},
  };
  for (const Step &s : steps) {
    MoveCursorTo(memo, c, s.column, s.row);
    MoveCursor(memo, c, s.move);
    EXPECT_EQ((std::pair{s.toColumn, s.toRow}), std::pair(c.column, c.row)) << &s - steps;
  }

  const CellPixels px{16, 8, 8};
  // Row 2 and column 3 of a grid shown under its title line, rows indented 2.
  const int x = (2 + 1) * 8 + 4 + 3 * 32 + 10, y = 16 + 8 + 2 * 32 + 5;
  ClickCell(memo, c, x, y, px);
  EXPECT_EQ((std::pair{3, 2}), std::pair(c.column, c.row));
  memo.ScrollToLine(4); // scrolled four lines on: the cell shows four lines higher
  ClickCell(memo, c, x, y - 4 * 16, px);
  EXPECT_EQ((std::pair{3, 2}), std::pair(c.column, c.row));
  EXPECT_EQ(0, memo.FirstVisibleLine());
  ClickCell(memo, c, 2000, 2000, px); // beyond the grid: the last cell
  EXPECT_EQ((std::pair{8, 8}), std::pair(c.column, c.row));

  MoveCursorTo(memo, c, 7, 0);
  EXPECT_TRUE(EntryDigit(memo, c, 7));
  EXPECT_TRUE(EntryDigit(memo, c, 0));
  EXPECT_EQ((std::pair{0, 1}), std::pair(c.column, c.row));
  EXPECT_EQ(Sj("７"), memo.Line(2).substr(4 + 28, 2));
  EXPECT_EQ(Sj("　"), memo.Line(2).substr(4 + 32, 2));
}

// Each turn of the entry panel gives back the start after its period and
// no sooner, and moves the cells where the panel says.
TEST(GridTransform, TurnsMoveCellsAndComeBackAfterTheirPeriod) {
  std::array<int, 81> start{};
  std::iota(start.begin(), start.end(), 0);
  const auto at = [](const std::array<int, 81> &cells, int column, int row) {
    return cells[9 * (row - 1) + (column - 1)];
  };
  struct Case {
    GridTransform transform;
    int period;
    int fromColumn, fromRow, toColumn, toRow;
  };
  const Case cases[] = {
      {GridTransform::RotateRight, 4, 1, 9, 1, 1}, // clockwise: bottom left to top left
      {GridTransform::Mirror, 2, 9, 9, 1, 9},      {GridTransform::BlocksLeft, 3, 4, 2, 1, 2},
      {GridTransform::BlocksSwap, 2, 5, 3, 5, 3},  {GridTransform::Swap321, 2, 1, 1, 3, 1},
      {GridTransform::Cycle231, 3, 2, 5, 1, 5},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(&c - cases);
    std::array<int, 81> cells = Transformed(start, c.transform);
    EXPECT_EQ(at(start, c.fromColumn, c.fromRow), at(cells, c.toColumn, c.toRow));
    for (int i = 1; i < c.period; ++i) {
      EXPECT_NE(start, cells) << "after " << i;
      cells = Transformed(cells, c.transform);
    }
    EXPECT_EQ(start, cells);
  }
}
