#include "print/pagination.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "base/sjis.h"
#include "platform/recording_canvas.h"
#include "platform/text_memo.h"
#include "print/pagination_commands.h"

namespace zenpa::print {
namespace {

using base::Sj;
using platform::TextPos;

// Cell height; the recording canvas makes a half-width character 24 pixels
// wide and a full-width one 64.
constexpr int kCell = 64;

struct Fixture {
  settings::PrintFormat format;
  platform::RecordingCanvas canvas;
  LineWidthCache *cache = nullptr;

  Fixture() {
    format.fontName = "Face";
    format.scaleMarksOn = true;
  }
  Pagination Run(std::vector<std::string> lines, int perPage) {
    const MarkReader marks(MarkRulesOf(format), {"Face", "Other"});
    return Check(PrintedLines(std::move(lines)), {format, marks, canvas, kCell, perPage, cache});
  }
};

// One field of every entry, in order, as digits.
std::string Column(const Pagination &p, int PageEntry::*field) {
  std::string out;
  for (const auto &e : p.entries)
    out += std::to_string(e.*field);
  return out;
}

// Pages fill up to the limit of 3; the end of a full last page starts a
// page that is not counted; a break right after a full page (with or
// without a hidden mark line between) adds no empty page, two breaks in a
// row leave one. Page and line columns are checked where given.
TEST(PaginationTest, PagesFillUpToTheLimitAndBreak) {
  const struct {
    std::vector<std::string> lines;
    int pageCount;
    std::string page, lineInPage;
  } cases[] = {
      {{}, 1, "1", "1"},
      {{"a", "b", "c", "d", "e", "f", "g"}, 3, "11122233", "12312312"},
      {{"a", "b", "c", "d", "e", "f"}, 2, "", ""},
      {{"a", "b", "c", "\f", "d"}, 2, "111122", "123312"},
      {{"a", "b", "c", "p-", "\f", "d"}, 2, "", ""},
      {{"a", "\f", "\f", "b"}, 3, "", ""},
      {{"a", "\f", "b"}, 2, "1122", "1112"},
      {{"a", "\f"}, 1, "112", ""},
  };
  Fixture f;
  for (const auto &c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.lines));
    const Pagination p = f.Run(c.lines, 3);
    EXPECT_EQ(c.pageCount, p.pageCount);
    if (!c.page.empty())
      EXPECT_EQ(c.page, Column(p, &PageEntry::page));
    if (!c.lineInPage.empty())
      EXPECT_EQ(c.lineInPage, Column(p, &PageEntry::lineInPage));
  }
  EXPECT_EQ(3, f.Run({"a", "b", "c", "d"}, 3).maxLinesSeen);
  const Pagination empty = f.Run({}, 10);
  EXPECT_EQ(" ", empty.widestText);
  EXPECT_EQ(0, empty.widestWidth);
  EXPECT_EQ(0, FirstLineOfPage(empty, 2));
  const Pagination broken = f.Run({"a", "b", "\f", "c", "d", "e"}, 2);
  EXPECT_EQ(3, FirstLineOfPage(broken, 2));
  EXPECT_EQ(5, FirstLineOfPage(broken, 9)); // no such page: the last line
}

TEST(PaginationTest, MarkLinesTakeALineOnlyWhenPrintedBlank) {
  Fixture f;
  const Pagination hidden = f.Run({"a", "p+", "b"}, 3);
  EXPECT_EQ(2, hidden.entries[2].lineInPage);
  EXPECT_EQ(1, hidden.entries[2].hiddenBefore);
  f.format.scaleLineBlank = true;
  const Pagination blank = f.Run({"a", "p-", "b"}, 3); // 1 + 0.95 + 0.95 lines fit in 3
  EXPECT_EQ(3, blank.entries[2].lineInPage);
}

// The widest line is measured at its mark's size, with tabs expanded and a
// how-to-play block reduced; the size resets at the page end.
TEST(PaginationTest, WidestLine) {
  Fixture f;
  // "ab" under a 200 % mark is 96 pixels wide; "abc" on the next page is
  // back at 100 % (72 pixels).
  f.canvas.SetFont({"Before", 10});
  const Pagination p = f.Run({"p++++++++++", "ab", "abc"}, 1);
  EXPECT_EQ("ab", p.widestText);
  EXPECT_EQ(96, p.widestWidth);
  EXPECT_EQ("Before", f.canvas.Font().face); // the caller's font is restored

  f.format.tabsOn = true;
  f.format.tabWidth = 4;
  EXPECT_EQ("a   b", f.Run({"a\tb", "ab"}, 10).widestText);

  const std::string border = Sj("┗━┷━┷━┻━┷━┷━┻━┷━┷━┛");
  const std::string text(60, 'x'); // wider than the border at full size
  f.format.reducePercent = 50;
  EXPECT_EQ(1440, f.Run({border, text}, 10).widestWidth);
  f.format.puzzle.minitext = true;
  const Pagination reduced = f.Run({border, text}, 10);
  EXPECT_EQ(border, reduced.widestText);
  EXPECT_EQ(19 * kCell, reduced.widestWidth);
}

// Widths kept from earlier runs are kept per font: under a 200 % mark the
// same text is measured again, at its new size.
TEST(PaginationTest, WidthCacheKeepsWidthsPerFont) {
  Fixture f;
  LineWidthCache cache;
  f.cache = &cache;
  EXPECT_EQ(72, f.Run({"abc", "ab", "abc"}, 10).widestWidth);
  EXPECT_EQ(96, f.Run({"abc", "abcd", "ab"}, 10).widestWidth);
  EXPECT_EQ(192, f.Run({"p++++++++++", "abcd"}, 10).widestWidth);
}

TEST(PaginationTest, LargeDocumentsCountPastSixteenBits) {
  Fixture f;
  std::vector<std::string> lines(70000, "p-");
  lines.insert(lines.end(), 100000, "text");
  const Pagination p = f.Run(std::move(lines), 1);
  EXPECT_EQ(100000, p.pageCount);
  EXPECT_EQ(70000, p.entries.back().hiddenBefore);
  EXPECT_EQ(100001, p.entries.back().page);
}

// A memo that shows its lines wrapped every `width` bytes, like the desktop
// editor with wrapping on.
class WrappingMemo : public platform::TextMemo {
public:
  WrappingMemo(std::vector<std::string> lines, int width)
      : TextMemo(std::move(lines)), width_(width) {
    for (int i = 0; i < LineCount(); ++i) {
      for (int col = 0; col == 0 || col < static_cast<int>(Line(i).size()); col += width)
        starts_.push_back({i, col});
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

// Next and previous page move the caret to a page's first line (shift
// extends the selection); a table older than the text stays inside it.
TEST(PageNavigationTest, NextAndPreviousPage) {
  platform::TextMemo memo(std::vector<std::string>(10, "line")); // pages at 0, 3, 6, 9
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
  memo.SetCaret({4, 2});
  GoToNextPage(memo, p, true);
  EXPECT_EQ((TextPos{4, 2}), memo.SelectionAnchor());
  EXPECT_EQ((TextPos{6, 0}), memo.Caret());

  memo.SetLines({"line", "line"});
  memo.SetCaret({1, 0});
  GoToNextPage(memo, p, false);
  EXPECT_EQ((TextPos{1, 0}), memo.Caret());
  platform::TextMemo empty;
  GoToNextPage(empty, Paginate(empty, 3), false);
  EXPECT_EQ((TextPos{0, 0}), empty.Caret());
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

TEST(PageBreakCommandTest, InsertsTheMarkBeforeTheCaretLine) {
  platform::TextMemo memo({"a", "b", "c"});
  memo.SetCaret({1, 1});
  settings::PrintFormat format;
  InsertPageBreak(memo, format);
  EXPECT_EQ((std::vector<std::string>{"a", "\f", "b", "c"}), memo.Lines());
  EXPECT_EQ((TextPos{2, 1}), memo.Caret());
  format.pageBreakMark.clear();
  InsertPageBreak(memo, format);
  EXPECT_EQ(4, memo.LineCount());
}

} // namespace
} // namespace zenpa::print
