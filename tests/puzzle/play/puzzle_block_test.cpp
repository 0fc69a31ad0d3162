#include "puzzle/play/puzzle_block.h"

#include "base/sjis.h"
#include "platform/text_memo.h"

#include <gtest/gtest.h>

using zenpa::base::Sj;
using zenpa::editor::InsertionPlace;
using zenpa::platform::TextMemo;
using namespace zenpa::play;
using Lines = std::vector<std::string>;

namespace {

GridDigits PuzzleWithGivens(int count) {
  GridDigits digits{};
  for (int i = 0; i < count; ++i)
    digits[i] = i % 9 + 1;
  return digits;
}

struct Fixture {
  TextMemo memo;
  zenpa::settings::PrintFormat format;
  zenpa::settings::PuzzleOptions &options = format.puzzle;
  zenpa::settings::InsertionPlace &place = format.insertionPlace;
  PuzzleBlockWriter writer{memo, format};
};

Lines Tail(const Lines &lines, std::size_t from) {
  return Lines(lines.begin() + from, lines.end());
}

} // namespace

TEST(PuzzleBlock, DefaultBlockIsTitleGridClueLineAndPageBreak) {
  Fixture f;
  f.writer.WritePuzzleBlock(PuzzleWithGivens(26));
  const Lines lines = f.memo.Lines();
  ASSERT_EQ(22u, lines.size());
  EXPECT_EQ(Sj("　　☆☆　★ ＳＵＤＯＫＵ ★　☆☆"), lines[0]);
  EXPECT_EQ(GridTopBorder(), lines[1]);
  EXPECT_EQ(GridBottomBorder(), lines[19]);
  EXPECT_EQ(Sj("　　　　　　　　　　　　　　　26-clue"), lines[20]);
  EXPECT_EQ("\f", lines[21]);
}

TEST(PuzzleBlock, FullGridGetsNoClueLineNorHowToPlay) {
  Fixture f;
  f.options.printHowToPlay = true;
  f.options.pageBreak = false;
  f.writer.WritePuzzleBlock(PuzzleWithGivens(81));
  EXPECT_EQ((Lines{GridBottomBorder(), ""}), Tail(f.memo.Lines(), 19));
}

TEST(PuzzleBlock, HowToPlayWithoutClueLineStartsWithOneEmptyLine) {
  Fixture f;
  f.options.printTitle = false;
  f.options.printClue = false;
  f.options.printHowToPlay = true;
  f.writer.WritePuzzleBlock(PuzzleWithGivens(30));
  const Lines lines = f.memo.Lines();
  ASSERT_EQ(19u + 1 + 8 + 1, lines.size());
  EXPECT_EQ("", lines[19]);
  EXPECT_EQ(LinesFromSlots(DefaultHowToPlayLines())[0], lines[20]);

  // Every slot empty: only the empty line is left.
  Fixture g;
  g.options.printClue = false;
  g.options.printHowToPlay = true;
  g.options.pageBreak = false;
  g.options.howToPlay.fill(kEmptySlotMarker);
  g.writer.WritePuzzleBlock(PuzzleWithGivens(30));
  EXPECT_EQ((Lines{GridBottomBorder(), "", ""}), Tail(g.memo.Lines(), 19));
}

TEST(PuzzleBlock, HowToPlayKeepsInnerEmptySlotsAfterTheClueLine) {
  Fixture f;
  f.options.printHowToPlay = true;
  f.options.howToPlay = SlotsFromLines({"a", "", "b"});
  f.writer.WritePuzzleBlock(PuzzleWithGivens(20));
  EXPECT_EQ((Lines{ClueLine("20"), "a", "", "b", "\f"}), Tail(f.memo.Lines(), 20));
}

TEST(PuzzleBlock, InsertingAtTheCaretKeepsWritingOrder) {
  Fixture f;
  f.memo.SetLines({"before", "after"});
  f.memo.SetCaret({1, 0});
  f.place = InsertionPlace::AtCaret;
  f.writer.WritePuzzleBlock(PuzzleWithGivens(30));
  const Lines lines = f.memo.Lines();
  ASSERT_EQ(24u, lines.size());
  EXPECT_EQ(f.options.title, lines[1]);
  EXPECT_EQ("after", lines[23]);
}

TEST(PuzzleBlock, SuppressedOutputWritesNothing) {
  Fixture f;
  f.writer.SetSuppressed(true);
  f.writer.WritePuzzleBlock(PuzzleWithGivens(30));
  f.writer.WriteAnswerGrid(GivenCells(PuzzleWithGivens(81)));
  EXPECT_EQ(0, f.memo.LineCount());
}

TEST(PuzzleBlock, NextPageMovesBelowThePageBreak) {
  Fixture f;
  f.place = InsertionPlace::AtCaret;
  f.options.printTitle = false;
  f.memo.SetLines({"puzzle", "\f", "next page", "\f", "third"});
  f.memo.SetCaret({0, 3});
  f.writer.tugiP();
  f.writer.WriteLine("answer");
  EXPECT_EQ((Lines{"puzzle", "\f", "answer", "next page", "\f", "third"}), f.memo.Lines());

  // A page break on the caret line itself counts.
  f.memo.SetCaret({4, 0});
  f.writer.tugiP();
  f.writer.WriteLine("x");
  EXPECT_EQ("x", f.memo.Line(5));
}

TEST(PuzzleBlock, NextPageWithoutPageBreakBelowAppends) {
  for (const Lines &doc : {Lines{"puzzle", "more"}, Lines{"puzzle", "\f"}}) {
    Fixture f;
    f.place = InsertionPlace::AtCaret;
    f.memo.SetLines(doc);
    f.writer.tugiP();
    f.writer.WriteLine("1");
    f.writer.WriteLine("2");
    Lines expected = doc;
    expected.insert(expected.end(), {"1", "2"});
    EXPECT_EQ(expected, f.memo.Lines());
  }
  // Appending at the end of the document leaves the caret alone.
  Fixture g;
  g.memo.SetLines({"a", "\f", "b"});
  g.writer.tugiP();
  EXPECT_EQ(0, g.memo.Caret().line);
}

TEST(PuzzleBlock, HowToPlaySlotsFromEditorLines) {
  const HowToPlaySlots slots = SlotsFromLines({"one", "", "three", "", ""});
  EXPECT_EQ(kEmptySlotMarker, slots[3]);
  EXPECT_EQ(kEmptySlotMarker, slots[8]);
  EXPECT_EQ((Lines{"one", "", "three"}), LinesFromSlots(slots));

  // Slots are clipped to 255 bytes without splitting a character.
  const std::string wide = Sj("あ");
  std::string longLine = "x";
  for (int i = 0; i < 200; ++i)
    longLine += wide;
  const HowToPlaySlots clipped = SlotsFromLines({longLine});
  EXPECT_EQ(255u, clipped[0].size());
  EXPECT_EQ(wide, clipped[0].substr(253));
  EXPECT_EQ(Lines{}, LinesFromSlots(SlotsFromLines({"", kEmptySlotMarker})));
}
