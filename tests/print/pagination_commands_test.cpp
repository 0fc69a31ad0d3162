#include "print/pagination_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/recording_canvas.h"
#include "platform/text_memo.h"
#include "print/wrapping_memo.h"

namespace zenpa::print {
namespace {

using platform::TextPos;

Pagination Paginate(const platform::Memo &memo, int perPage) {
  settings::PrintFormat format;
  platform::RecordingCanvas canvas;
  const MarkReader marks(MarkRulesOf(format), {});
  return Check(PrintedLines(memo), {format, marks, canvas, 60, perPage});
}

std::vector<std::string> Numbered(int n) {
  std::vector<std::string> lines;
  for (int i = 0; i < n; ++i) {
    lines.push_back("line " + std::to_string(i));
  }
  return lines;
}

TEST(PageNavigationTest, NextAndPreviousPage) {
  platform::TextMemo memo(Numbered(10)); // pages start at lines 0, 3, 6, 9
  const Pagination p = Paginate(memo, 3);
  memo.SetCaret({4, 2});
  GoToNextPage(memo, p, false);
  EXPECT_EQ((TextPos{6, 0}), memo.Caret());
  EXPECT_EQ(6, memo.FirstVisibleLine());
  GoToPreviousPage(memo, p, false);
  EXPECT_EQ((TextPos{3, 0}), memo.Caret());
  memo.SetCaret({9, 1});
  GoToNextPage(memo, p, false); // no next page: the last line
  EXPECT_EQ((TextPos{9, 0}), memo.Caret());
  // Shift extends the selection.
  memo.SetCaret({4, 2});
  GoToNextPage(memo, p, true);
  EXPECT_EQ((TextPos{4, 2}), memo.SelectionAnchor());
  EXPECT_EQ((TextPos{6, 0}), memo.Caret());
}

TEST(PageNavigationTest, WrappedLinesMoveToTheVisualLineStart) {
  testing::WrappingMemo memo({"abcdefghij", "xy"}, 4); // visual: abcd efgh ij xy
  const Pagination p = Paginate(memo, 2);
  memo.SetCaret({0, 1});
  GoToNextPage(memo, p, false);
  EXPECT_EQ((TextPos{0, 8}), memo.Caret());
}

TEST(PageNavigationTest, StaleTableStaysInsideTheDocument) {
  platform::TextMemo memo(Numbered(10));
  const Pagination p = Paginate(memo, 3);
  memo.SetLines(Numbered(2));
  memo.SetCaret({1, 0});
  GoToNextPage(memo, p, false);
  EXPECT_EQ((TextPos{1, 0}), memo.Caret());
  platform::TextMemo empty;
  GoToNextPage(empty, Paginate(empty, 3), false);
  EXPECT_EQ((TextPos{0, 0}), empty.Caret());
}

TEST(PageBreakCommandTest, InsertsTheMarkBeforeTheCaretLine) {
  platform::TextMemo memo(Numbered(3));
  memo.SetCaret({1, 3});
  settings::PrintFormat format;
  InsertPageBreak(memo, format);
  ASSERT_EQ(4, memo.LineCount());
  EXPECT_EQ("\f", memo.Line(1));
  EXPECT_EQ("line 1", memo.Line(2));
  EXPECT_EQ((TextPos{2, 3}), memo.Caret());

  format.pageBreakMark.clear();
  InsertPageBreak(memo, format);
  EXPECT_EQ(4, memo.LineCount());
}

} // namespace
} // namespace zenpa::print
