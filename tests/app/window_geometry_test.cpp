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

} // namespace
} // namespace zenpa::app
