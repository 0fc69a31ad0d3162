#include "print/layout_picture.h"

#include <gtest/gtest.h>

namespace zenpa::print {
namespace {

// A paper of 2000 × 3000 printer pixels in a picture of 150: one picture
// pixel for 20 printer pixels.
LayoutResult Laid() {
  LayoutResult r;
  PageGeometry &g = r.geometry;
  g.dpi = 360;
  g.paperW = 2000;
  g.paperH = 3000;
  g.offX = g.offY = 40;
  g.printW = 1900;
  g.printH = 2900;
  g.linePitch = 100;
  r.perPage = 10;
  r.width.w1 = 800;
  return r;
}

// Every part is placed by the geometry; the text block never leaves the
// printable area, however wide the line or long the page; cut edges draw a
// line each.
TEST(LayoutPictureTest, PartsFollowTheGeometry) {
  settings::PrintFormat f;
  f.leftMargin = 200;
  f.topMargin = 300;
  LayoutResult r = Laid();
  LayoutPicture p = MakeLayoutPicture(f, r, 150);
  EXPECT_EQ((PictureRect{0, 0, 100, 150}), p.paper);
  EXPECT_EQ((PictureRect{2, 2, 95, 145}), p.printable);
  EXPECT_EQ((PictureLine{50, 0, 50, 150}), p.centreLines.at(0));
  EXPECT_EQ((PictureRect{10, 15, 40, 50}), p.text);
  EXPECT_TRUE(p.edgeLines.empty());

  f.paperEdgeOn = true;
  f.paperRight = f.paperBottom = 10;
  r.width.w1 = 99999;
  r.perPage = 300;
  r.geometry.cutRight = r.geometry.cutBottom = 142;
  p = MakeLayoutPicture(f, r, 150);
  EXPECT_EQ((PictureRect{10, 15, 87, 132}), p.text);
  ASSERT_EQ(2u, p.edgeLines.size());
  EXPECT_EQ((PictureLine{93, 0, 93, 150}), p.edgeLines[0]);
  EXPECT_EQ((PictureLine{0, 143, 100, 143}), p.edgeLines[1]);
}

} // namespace
} // namespace zenpa::print
