#include "print/pagination.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/sjis.h"
#include "platform/recording_canvas.h"

namespace zenpa::print {
namespace {

using base::Sj;

// Cell height; the recording canvas makes a half-width character 24 pixels
// wide and a full-width one 64.
constexpr int kCell = 64;

struct Fixture {
  settings::PrintFormat format;
  platform::RecordingCanvas canvas;

  Fixture() {
    format.fontName = "Face";
    format.scaleMarksOn = true;
  }
  Pagination Run(std::vector<std::string> lines, int perPage) {
    const MarkReader marks(MarkRulesOf(format), {"Face", "Other"});
    const CheckInput in{format, marks, canvas, kCell, perPage};
    return Check(PrintedLines(std::move(lines)), in);
  }
};

// One field of every entry, in order.
std::vector<int> Column(const Pagination &p, int PageEntry::*field) {
  std::vector<int> out;
  for (const auto &e : p.entries) {
    out.push_back(e.*field);
  }
  return out;
}

TEST(PaginationTest, EmptyDocumentHasOnePage) {
  Fixture f;
  const Pagination p = f.Run({}, 10);
  EXPECT_EQ(1, p.pageCount);
  ASSERT_EQ(1u, p.entries.size());
  EXPECT_EQ(" ", p.widestText);
  EXPECT_EQ(0, p.widestWidth);
}

TEST(PaginationTest, PagesFillUpToTheLimit) {
  Fixture f;
  const Pagination p = f.Run({"a", "b", "c", "d", "e", "f", "g"}, 3);
  EXPECT_EQ((std::vector<int>{1, 1, 1, 2, 2, 2, 3, 3}), Column(p, &PageEntry::page));
  EXPECT_EQ((std::vector<int>{1, 2, 3, 1, 2, 3, 1, 2}), Column(p, &PageEntry::lineInPage));
  EXPECT_EQ(3, p.pageCount);
  EXPECT_EQ(3, p.maxLinesSeen);
  // The end of a full last page starts a page that is not counted.
  EXPECT_EQ(2, f.Run({"a", "b", "c", "d", "e", "f"}, 3).pageCount);
}

TEST(PaginationTest, PageBreaks) {
  Fixture f;
  // A break right after a full page adds no empty page.
  const Pagination absorbed = f.Run({"a", "b", "c", "\f", "d"}, 3);
  EXPECT_EQ((std::vector<int>{1, 1, 1, 1, 2, 2}), Column(absorbed, &PageEntry::page));
  EXPECT_EQ(3, absorbed.entries[3].lineInPage);
  // Likewise with a hidden mark line between; two breaks in a row leave an empty page.
  EXPECT_EQ(2, f.Run({"a", "b", "c", "p-", "\f", "d"}, 3).pageCount);
  EXPECT_EQ(3, f.Run({"a", "\f", "\f", "b"}, 3).pageCount);

  const Pagination mid = f.Run({"a", "\f", "b"}, 3);
  EXPECT_EQ((std::vector<int>{1, 1, 2, 2}), Column(mid, &PageEntry::page));
  EXPECT_EQ((std::vector<int>{1, 1, 1, 2}), Column(mid, &PageEntry::lineInPage));

  const Pagination last = f.Run({"a", "\f"}, 3);
  EXPECT_EQ(1, last.pageCount);
  EXPECT_EQ(2, last.entries.back().page);
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

TEST(PaginationTest, WidestLineUsesTheMarkSizeAndResetsAtPageEnd) {
  Fixture f;
  // "ab" under a 200 % mark is 96 pixels wide; "abc" on the next page is
  // back at 100 % (72 pixels).
  f.canvas.SetFont({"Before", 10});
  const Pagination p = f.Run({"p++++++++++", "ab", "abc"}, 1);
  EXPECT_EQ("ab", p.widestText);
  EXPECT_EQ(96, p.widestWidth);
  EXPECT_EQ("Before", f.canvas.Font().face); // the caller's font is restored
}

TEST(PaginationTest, TabsExpandBeforeMeasuring) {
  Fixture f;
  f.format.tabsOn = true;
  f.format.tabWidth = 4;
  const Pagination p = f.Run({"a\tb", "ab"}, 10);
  EXPECT_EQ("a   b", p.widestText);
}

TEST(PaginationTest, HowToPlayBlockIsMeasuredReduced) {
  Fixture f;
  const std::string border = Sj("┗━┷━┷━┻━┷━┷━┻━┷━┷━┛");
  const std::string text(60, 'x'); // wider than the border at full size
  f.format.reducePercent = 50;
  EXPECT_EQ(1440, f.Run({border, text}, 10).widestWidth);
  f.format.puzzle.minitext = true;
  const Pagination reduced = f.Run({border, text}, 10);
  EXPECT_EQ(border, reduced.widestText);
  EXPECT_EQ(19 * kCell, reduced.widestWidth);
}

// Counts the widths it is asked to measure.
class CountingCanvas : public platform::RecordingCanvas {
public:
  int TextWidth(std::string_view sjis) override {
    ++measured;
    return RecordingCanvas::TextWidth(sjis);
  }
  int measured = 0;
};

TEST(PaginationTest, WidthCacheMeasuresOnlyNewLinesAndFonts) {
  settings::PrintFormat format;
  format.scaleMarksOn = true;
  CountingCanvas canvas;
  LineWidthCache cache;
  const MarkReader marks(MarkRulesOf(format), {});
  const auto run = [&](std::vector<std::string> lines) {
    canvas.measured = 0;
    return Check(PrintedLines(std::move(lines)), {format, marks, canvas, kCell, 10, &cache});
  };
  EXPECT_EQ(72, run({"abc", "ab", "abc"}).widestWidth);
  EXPECT_EQ(2, canvas.measured); // "abc" once
  EXPECT_EQ(96, run({"abc", "abcd", "ab"}).widestWidth);
  EXPECT_EQ(1, canvas.measured);
  // Under a 200 % mark the same text is measured again, at its new size.
  EXPECT_EQ(192, run({"p++++++++++", "abcd"}).widestWidth);
}

TEST(PaginationTest, FirstLineOfPage) {
  Fixture f;
  const Pagination p = f.Run({"a", "b", "\f", "c", "d", "e"}, 2);
  EXPECT_EQ(3, FirstLineOfPage(p, 2));
  EXPECT_EQ(5, FirstLineOfPage(p, 9)); // no such page: the last line
  EXPECT_EQ(0, FirstLineOfPage(f.Run({}, 2), 2));
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

} // namespace
} // namespace zenpa::print
