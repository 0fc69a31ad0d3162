#include "print/pagination_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/recording_canvas.h"
#include "platform/text_memo.h"

#include <algorithm>
#include <utility>

namespace zenpa::print {
namespace {

using platform::TextPos;

// A memo that shows its lines wrapped every `width` bytes, like the desktop
// editor with wrapping on.
class WrappingMemo : public platform::TextMemo {
public:
  WrappingMemo(std::vector<std::string> lines, int width)
      : TextMemo(std::move(lines)), width_(width) {
    for (int i = 0; i < LineCount(); ++i) {
      for (int col = 0; col == 0 || col < static_cast<int>(Line(i).size()); col += width) {
        starts_.push_back({i, col});
      }
    }
  }
  bool WordWrap() const override { return true; }
  int VisualLineCount() const override { return static_cast<int>(starts_.size()); }
  std::string VisualLine(int v) const override {
    const TextPos start = VisualLineStart(v);
    return Line(start.line)
        .substr(static_cast<std::size_t>(start.col), static_cast<std::size_t>(width_));
  }
  int VisualLineOf(TextPos pos) const override {
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), pos);
    return static_cast<int>(after - starts_.begin()) - 1;
  }
  TextPos VisualLineStart(int v) const override { return starts_.at(static_cast<std::size_t>(v)); }

private:
  int width_;
  std::vector<TextPos> starts_;
};

Pagination Paginate(const platform::Memo &memo, int perPage) {
  settings::PrintFormat format;
  platform::RecordingCanvas canvas;
  const MarkReader marks(MarkRulesOf(format), {});
  return Check(PrintedLines(memo), {format, marks, canvas, 60, perPage});
}

std::vector<std::string> Lines(int n) { return std::vector<std::string>(n, "line"); }

TEST(PageNavigationTest, NextAndPreviousPage) {
  platform::TextMemo memo(Lines(10)); // pages start at lines 0, 3, 6, 9
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

// A wrapped editor prints and pages its visual lines.
TEST(PageNavigationTest, WrappedLinesArePrintedAndVisitedOneByOne) {
  WrappingMemo memo({"abcdefghij", "", "xy"}, 4);
  const PrintedLines lines(memo);
  ASSERT_EQ(5, lines.Count());
  EXPECT_EQ("ij", lines.Line(2));
  EXPECT_FALSE(lines.EndsTextLine(1));
  const Pagination p = Paginate(memo, 2);
  EXPECT_EQ(3, p.pageCount);
  EXPECT_EQ(12, p.entries[2].nextLineStart); // "abcdefghij" + CR LF
  memo.SetCaret({0, 1});
  GoToNextPage(memo, p, false);
  EXPECT_EQ((TextPos{0, 8}), memo.Caret());
}

TEST(PageNavigationTest, StaleTableStaysInsideTheDocument) {
  platform::TextMemo memo(Lines(10));
  const Pagination p = Paginate(memo, 3);
  memo.SetLines(Lines(2));
  memo.SetCaret({1, 0});
  GoToNextPage(memo, p, false);
  EXPECT_EQ((TextPos{1, 0}), memo.Caret());
  platform::TextMemo empty;
  GoToNextPage(empty, Paginate(empty, 3), false);
  EXPECT_EQ((TextPos{0, 0}), empty.Caret());
}

TEST(PageBreakCommandTest, InsertsTheMarkBeforeTheCaretLine) {
  platform::TextMemo memo(Lines(3));
  memo.SetCaret({1, 3});
  settings::PrintFormat format;
  InsertPageBreak(memo, format);
  ASSERT_EQ(4, memo.LineCount());
  EXPECT_EQ("\f", memo.Line(1));
  EXPECT_EQ((TextPos{2, 3}), memo.Caret());

  format.pageBreakMark.clear();
  InsertPageBreak(memo, format);
  EXPECT_EQ(4, memo.LineCount());
}

} // namespace
} // namespace zenpa::print
