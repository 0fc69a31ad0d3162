#include "print/page_selection.h"
#include "print/print_status.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/sjis.h"
#include "platform/recording_canvas.h"
#include "platform/text_memo.h"

namespace zenpa::print {
namespace {

using base::Sj;

LayoutResult Layout(const settings::PrintFormat &format, std::vector<std::string> lines) {
  platform::RecordingCanvas canvas;
  const LayoutInput in{format, platform::VirtualPrinterMetrics(210, 297), {}, {}, false};
  return RunLayout(PrintedLines(std::move(lines)), in, canvas);
}

// The start page is at least 1; "0" as the end means the last page and
// stays; copies stay inside their field; typed text that is no number in
// range keeps the last valid value.
TEST(PageRangeTest, FieldRules) {
  PageRange r;
  r.SetStartPage(0);
  EXPECT_EQ(1, r.startPage());
  r.SetEndPage(0);
  r.SetStartPage(7);
  EXPECT_EQ(0, r.endPage());
  r.SetCopies(5000);
  EXPECT_EQ(kMaxPageField, r.copies());
  EXPECT_EQ("4", r.EnterStartPage("4"));
  EXPECT_EQ("4", r.EnterStartPage("99999999999"));
  EXPECT_EQ("1", r.EnterStartPage("-3"));
  EXPECT_EQ("2", r.EnterCopies(" 2"));
  EXPECT_EQ("2", r.EnterCopies("2x"));
  EXPECT_EQ("999", r.EnterEndPage("1000"));
}

std::vector<int> Selected(const PageSelection &s, int pages) {
  std::vector<int> out;
  for (int p = 1; p <= pages; ++p) {
    if (IsPageSelected(s, p))
      out.push_back(p);
  }
  return out;
}

// The fields give the selection: a range, and with duplex one pass; sheets
// count pairs of pages for pouch binding.
TEST(PageRangeTest, SelectionAndSheets) {
  PageRange r;
  r.SetStartPage(2);
  r.SetEndPage(4);
  r.SetEvenPass(true);
  EXPECT_EQ((std::vector<int>{2, 3, 4}), Selected(r.Selection(false), 5));
  EXPECT_EQ((std::vector<int>{2, 4}), Selected(r.Selection(true), 5));
  r.SetEndPage(0);
  EXPECT_EQ(5, LastPageOf(r.Selection(false), 5));
  EXPECT_FALSE(AnyPageSelected({2, 2, true, false}, 5));       // page 2 is not in the odd pass
  EXPECT_EQ(3, CountSheets({1, 0, false, false}, 5, true, 1)); // (1,2) (3,4) (5)
  EXPECT_EQ(3, CountSheets({2, 0, false, false}, 5, true, 1)); // page 2 alone on sheet 1
  EXPECT_EQ(2, CountSheets({1, 0, true, true}, 5, false, 1));
  EXPECT_EQ(0, CountSheets({9, 0, false, false}, 5, false, 3));
}

TEST(LayoutLabelsTest, PaperPitchesAndMargins) {
  settings::PrintFormat f;
  f.charSpacing = 150;
  const LayoutLabels l = MakeLayoutLabels(f, Layout(f, std::vector<std::string>(10, "abc")));
  EXPECT_EQ(Sj("用紙210 x 297 mm"), l.paper);
  EXPECT_EQ("4.2", l.linePitch); // 60 pixels
  EXPECT_EQ("6.3", l.charPitch); // 90 pixels
  EXPECT_EQ(15, l.topWithHeaderMm);
  EXPECT_EQ(3, l.minLeftMarginMm);
  // 4210 - 213 - 10 * 60 = 3397 pixels below the fullest page
  EXPECT_EQ("240", l.bottomMargin);
  EXPECT_FALSE(l.AnyWarning());
}

TEST(LayoutLabelsTest, Warnings) {
  settings::PrintFormat f;
  f.linesPerPage = 100;
  f.paperEdgeOn = true;
  f.paperRight = 10;
  LayoutLabels l = MakeLayoutLabels(f, Layout(f, {std::string(200, 'x')}));
  EXPECT_EQ(Sj("用紙(200 x 297 mm)"), l.paper); // inside the cut
  EXPECT_EQ("0", l.bottomMargin);
  f.autoMaxLines = false;
  l = MakeLayoutLabels(f, Layout(f, {"x"}));
  EXPECT_TRUE(l.tooLong);
  EXPECT_FALSE(l.printsAtMaxLines);
  f.fontSize = 600;
  f.printDate = true;
  l = MakeLayoutLabels(f, Layout(f, {"x"}));
  EXPECT_EQ(Sj("（0で最大0行）"), l.maxLines); // not even one line fits
  EXPECT_EQ(Sj("用紙の横幅を越えました。"), TooWideText());
  EXPECT_EQ(Sj("用紙の長さを越えました。"), TooLongText());
  EXPECT_EQ(Sj("ページ最大行で印刷します。"), PrintsAtMaxLinesText());
}

TEST(PrintStatusTest, ReportHidesTheCheckMarkUntilTheNextLayout) {
  settings::PrintFormat f;
  PrintStatus status;
  status.ShowLayout(f, Layout(f, {"x"}));
  EXPECT_TRUE(status.CheckMarkVisible());
  status.ShowReport(false, false);
  EXPECT_FALSE(status.CheckMarkVisible());
  status.ShowRangeError();
  status.ShowLayout(f, Layout(f, {"x"}));
  EXPECT_EQ(Sj("（0で最終1頁）"), status.endPageLabel());
}

TEST(CaretStatusTest, PageLineAndColumn) {
  settings::PrintFormat f;
  f.scaleMarksOn = true;
  f.tabsOn = true;
  f.tabWidth = 4;
  platform::TextMemo memo({"p-", "ab\tc", "d"});
  const LayoutResult r = Layout(f, memo.Lines());
  memo.SetCaret({1, 3}); // after the tab: column 4 from 0
  EXPECT_EQ(Sj("1頁 1行 5字 （1行）"), CaretStatusText(memo, r.pagination, f));
  f.tabsOn = false;
  EXPECT_EQ(Sj("1頁 1行 4字 （1行）"), CaretStatusText(memo, r.pagination, f));
  memo.SetCaret({3, 0}); // end of a text ending in a line break
  EXPECT_EQ(Sj("1頁 3行 1字 （3行）"), CaretStatusText(memo, r.pagination, f));
}

} // namespace
} // namespace zenpa::print
