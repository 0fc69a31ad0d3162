#include "print/preview.h"

#include <gtest/gtest.h>

namespace zenpa::print {
namespace {

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
