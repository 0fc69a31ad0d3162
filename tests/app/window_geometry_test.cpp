#include "app/window_geometry.h"

#include <gtest/gtest.h>

namespace zenpa::app {
namespace {

TEST(WindowGeometryTest, ScaleFollowsTheWindowFontTruncated) {
  EXPECT_EQ(100, UiScaleFromFontPixels(12));
  EXPECT_EQ(133, UiScaleFromFontPixels(16));
  EXPECT_EQ(108, UiScaleFromFontPixels(13));
  EXPECT_EQ(100, UiScaleFromFontPixels(0));
}

TEST(WindowGeometryTest, DesignSizesAtTheScale) {
  MainWindowGeometry plain = MainGeometry(100);
  EXPECT_EQ(555, plain.height);
  EXPECT_EQ(769, plain.clientWidth);
  EXPECT_EQ(400, plain.minHeight);
  EXPECT_EQ(480, plain.minWidth);
  EXPECT_EQ(20, plain.statusHeight);
  EXPECT_EQ(16, plain.editorFontPixels);

  MainWindowGeometry scaled = MainGeometry(133);
  EXPECT_EQ(738, scaled.height);
  EXPECT_EQ(1022, scaled.clientWidth);
  EXPECT_EQ(21, scaled.editorFontPixels);
}

} // namespace
} // namespace zenpa::app
