#include "print/page_selection.h"
#include "print/preview.h"
#include "print/print_status.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/sjis.h"
#include "platform/text_memo.h"
#include "print/support/print_samples.h"

namespace zenpa::print {
namespace {

using base::Sj;

using testing::LayoutOf;

// The start page is at least 1; "0" as the end means the last page and
// stays; copies stay inside their field; typed text that is no number in
// range keeps the last valid value.
TEST(PageRangeTest, FieldRules) {
  PageRange r;
  r.SetStartPage(0);
  const int start = r.startPage();
  r.SetEndPage(0);
  r.SetStartPage(7);
  r.SetCopies(5000);
  EXPECT_EQ((std::vector<int>{1, 0, kMaxPageField}),
            (std::vector<int>{start, r.endPage(), r.copies()}));
  EXPECT_EQ((std::vector<std::string>{"4", "4", "1", "2", "2", "999"}),
            (std::vector<std::string>{r.EnterStartPage("4"), r.EnterStartPage("99999999999"),
                                      r.EnterStartPage("-3"), r.EnterCopies(" 2"),
                                      r.EnterCopies("2x"), r.EnterEndPage("1000")}));
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
  const LayoutLabels l = MakeLayoutLabels(f, LayoutOf(f, std::vector<std::string>(10, "abc")));
  // Pitches of 60 and 90 pixels; 4210 - 213 - 10 * 60 = 3397 pixels below the fullest page.
  EXPECT_EQ(Sj("用紙210 x 297 mm 4.2 6.3 15 3 240 0"),
            l.paper + " " + l.linePitch + " " + l.charPitch + " " +
                std::to_string(l.topWithHeaderMm) + " " + std::to_string(l.minLeftMarginMm) + " " +
                l.bottomMargin + " " + std::to_string(l.AnyWarning()));
}

TEST(LayoutLabelsTest, Warnings) {
  settings::PrintFormat f;
  f.linesPerPage = 100;
  f.paperEdgeOn = true;
  f.paperRight = 10;
  LayoutLabels l = MakeLayoutLabels(f, LayoutOf(f, {std::string(200, 'x')}));
  EXPECT_EQ(Sj("用紙(200 x 297 mm)"), l.paper); // inside the cut
  EXPECT_EQ("0", l.bottomMargin);
  f.autoMaxLines = false;
  l = MakeLayoutLabels(f, LayoutOf(f, {"x"}));
  EXPECT_TRUE(l.tooLong);
  EXPECT_FALSE(l.printsAtMaxLines);
  f.fontSize = 600;
  f.printDate = true;
  l = MakeLayoutLabels(f, LayoutOf(f, {"x"}));
  EXPECT_EQ(Sj("（0で最大0行）"), l.maxLines); // not even one line fits
  EXPECT_EQ(Sj("用紙の横幅を越えました。"), TooWideText());
  EXPECT_EQ(Sj("用紙の長さを越えました。"), TooLongText());
  EXPECT_EQ(Sj("ページ最大行で印刷します。"), PrintsAtMaxLinesText());
}

TEST(CaretStatusTest, PageLineAndColumn) {
  settings::PrintFormat f;
  f.scaleMarksOn = true;
  f.tabsOn = true;
  f.tabWidth = 4;
  platform::TextMemo memo({"p-", "ab\tc", "d"});
  const LayoutResult r = LayoutOf(f, memo.Lines());
  memo.SetCaret({1, 3}); // after the tab: column 4 from 0
  EXPECT_EQ(Sj("1頁 1行 5字 （1行）"), CaretStatusText(memo, r.pagination, f));
  f.tabsOn = false;
  EXPECT_EQ(Sj("1頁 1行 4字 （1行）"), CaretStatusText(memo, r.pagination, f));
  memo.SetCaret({3, 0}); // end of a text ending in a line break
  EXPECT_EQ(Sj("1頁 3行 1字 （3行）"), CaretStatusText(memo, r.pagination, f));
}

TEST(PreviewTest, ZoomClampsNumbersAndKeepsTheOldValueForText) {
  std::vector<int> zooms;
  for (const char *text : {" 80 ", "12x", "0", "-5", "100000", "99999999999999999999"})
    zooms.push_back(ZoomFromText(text, 120));
  EXPECT_EQ((std::vector<int>{80, 120, kMinPreviewZoom, kMinPreviewZoom, kMaxPreviewZoom, 120}),
            zooms);
}

// Landscape fits the width and portrait the height; the frame outline and
// the centre line follow the cut paper.
TEST(PreviewTest, PageImageAndOverlay) {
  // A4 on the virtual printer, in a 500 × 600 box.
  EXPECT_EQ(460, FitPageImage(4210, 2976, 500, 600, 100, 100).width);
  EXPECT_EQ(325, FitPageImage(4210, 2976, 500, 600, 100, 100).height);
  EXPECT_EQ(558, FitPageImage(2976, 4210, 500, 600, 100, 100).height);

  settings::PrintFormat f;
  PageGeometry g;
  g.paperW = 2976;
  g.paperH = 4210;
  g.cutRight = 142;
  f.frameShown = true;
  f.frameRect = {10, 20, 100, 50};
  const PreviewOverlay o = OverlayOf(f, g, {2976 / 4, 4210 / 4}, false);
  EXPECT_EQ(744 / 2 - 18, o.centreX); // half the scaled cut to the left
  EXPECT_EQ((ImageRect{35, 70, 354 + 1, 177 + 1}), o.frame);
  f.backRightToLeft = true;
  EXPECT_EQ(744 / 2 + 18, OverlayOf(f, g, {744, 1052}, true).centreX);
}

} // namespace
} // namespace zenpa::print
