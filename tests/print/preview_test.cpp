#include "print/preview.h"

#include "base/sjis.h"

#include <gtest/gtest.h>

namespace zenpa::print {
namespace {

PrintWorkResult Shown(int count, int sheet) { return {true, count, sheet, 0}; }

TEST(PreviewTest, NavigationFollowsTheSheetShown) {
  Preview p;
  p.Open();
  p.Took(Shown(1, 1), false);
  const PreviewNavigation none;
  EXPECT_EQ(none.first, p.Navigation().first);
  EXPECT_EQ(false, p.Navigation().previous || p.Navigation().next || p.Navigation().last);
  EXPECT_EQ("1/1", p.SheetLabel());

  p.Took(Shown(3, 1), false);
  p.Next();
  p.Next();
  p.Next(); // stays on the last sheet
  EXPECT_EQ(3, p.WantedSheet());
  EXPECT_EQ(true, p.Navigation().first && p.Navigation().previous);
  EXPECT_EQ(false, p.Navigation().next || p.Navigation().last);
  p.First();
  p.Previous();
  EXPECT_EQ(1, p.WantedSheet());
  p.Last();
  EXPECT_EQ(3, p.WantedSheet());
}

TEST(PreviewTest, RangeErrorShowsOnTheLabelAndStopsNavigation) {
  Preview p;
  p.Open();
  p.Took(Shown(3, 2), false);
  p.Took({false, 0, 0, 0}, true);
  EXPECT_EQ(base::Sj("印刷頁エラー"), p.SheetLabel());
  EXPECT_EQ(false, p.Navigation().first || p.Navigation().last);
}

TEST(PreviewTest, ZoomKeepsTheOldValueForTextAndClampsNumbers) {
  const struct {
    const char *text;
    int zoom;
  } cases[] = {{"150", 150},
               {" 80 ", 80},
               {"abc", 120},
               {"", 120},
               {"12x", 120},
               {"0", kMinPreviewZoom},
               {"-5", kMinPreviewZoom},
               {"100000", kMaxPreviewZoom},
               {"99999999999999999999", 120}};
  for (const auto &c : cases)
    EXPECT_EQ(c.zoom, ZoomFromText(c.text, 120)) << c.text;
}

TEST(PreviewTest, LandscapeFitsTheWidthAndPortraitTheHeight) {
  // A4 on the virtual printer, in a 500 × 600 box.
  EXPECT_EQ(460, FitPageImage(4210, 2976, 500, 600, 100, 100).width);
  EXPECT_EQ(325, FitPageImage(4210, 2976, 500, 600, 100, 100).height);
  EXPECT_EQ(558, FitPageImage(2976, 4210, 500, 600, 100, 100).height);
  EXPECT_EQ(394, FitPageImage(2976, 4210, 500, 600, 100, 100).width);
  EXPECT_EQ(1116, FitPageImage(2976, 4210, 500, 600, 100, 200).height);
}

TEST(PreviewTest, FollowingDecidesWhichChangesComposeAgain) {
  Preview p;
  EXPECT_EQ(false, p.RerunsOn(PreviewCause::Range)); // closed
  p.Open();
  p.Opened();
  EXPECT_EQ(false, p.RerunsOn(PreviewCause::Layout));
  EXPECT_EQ(true, p.RerunsOn(PreviewCause::Range));
  EXPECT_EQ(true, p.RerunsOn(PreviewCause::Load));
  p.PressAdjust();
  EXPECT_EQ(false, p.AdjustVisible());
  EXPECT_EQ(true, p.RerunsOn(PreviewCause::Layout));
  p.ClickAdjusting();
  EXPECT_EQ(false, p.RerunsOn(PreviewCause::NewName));
  p.PressAdjust();
  p.Close();
  EXPECT_EQ(true, p.AdjustVisible());
  EXPECT_EQ(false, p.Following());
}

TEST(PreviewTest, FrameOutlineAndCentreLineFollowTheCutPaper) {
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
