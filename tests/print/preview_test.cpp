#include "print/preview.h"

#include "base/sjis.h"

#include <gtest/gtest.h>

namespace zenpa::print {
namespace {

PrintWorkResult Shown(int count, int sheet) { return {true, count, sheet, 0}; }

// 始頁 前頁 次頁 終頁 as "1" (enabled) or "0".
std::string Enabled(const Preview &p) {
  const PreviewNavigation n = p.Navigation();
  return std::string{n.first ? '1' : '0', n.previous ? '1' : '0', n.next ? '1' : '0',
                     n.last ? '1' : '0'};
}

// The buttons follow the sheet shown and stop at the ends; a range that
// selects nothing says so and leaves nothing to step to.
TEST(PreviewTest, NavigationFollowsTheSheetShown) {
  Preview p;
  p.Open();
  p.Took(Shown(1, 1), false);
  EXPECT_EQ("0000", Enabled(p));
  EXPECT_EQ("1/1", p.SheetLabel());
  p.Took(Shown(3, 1), false);
  p.Next();
  p.Next();
  p.Next();
  EXPECT_EQ(3, p.WantedSheet());
  EXPECT_EQ("1100", Enabled(p));
  p.First();
  p.Previous();
  EXPECT_EQ(1, p.WantedSheet());
  p.Took({false, 0, 0, 0}, true);
  EXPECT_EQ(base::Sj("印刷頁エラー"), p.SheetLabel());
  EXPECT_EQ("0000", Enabled(p));
}

TEST(PreviewTest, ZoomClampsNumbersAndKeepsTheOldValueForText) {
  const struct {
    const char *text;
    int zoom;
  } cases[] = {{" 80 ", 80},
               {"12x", 120},
               {"0", kMinPreviewZoom},
               {"-5", kMinPreviewZoom},
               {"100000", kMaxPreviewZoom},
               {"99999999999999999999", 120}};
  for (const auto &c : cases)
    EXPECT_EQ(c.zoom, ZoomFromText(c.text, 120)) << c.text;
}

// Landscape fits the width and portrait the height; the frame outline and
// the centre line follow the cut paper.
TEST(PreviewTest, PageImageAndOverlay) {
  // A4 on the virtual printer, in a 500 × 600 box.
  EXPECT_EQ(460, FitPageImage(4210, 2976, 500, 600, 100, 100).width);
  EXPECT_EQ(325, FitPageImage(4210, 2976, 500, 600, 100, 100).height);
  EXPECT_EQ(558, FitPageImage(2976, 4210, 500, 600, 100, 100).height);
  EXPECT_EQ(394, FitPageImage(2976, 4210, 500, 600, 100, 100).width);
  EXPECT_EQ(1116, FitPageImage(2976, 4210, 500, 600, 100, 200).height);

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
