#include "app/window_geometry.h"
#include "settings/print_format.h"

#include <gtest/gtest.h>

namespace zenpa::app {
namespace {

TEST(WindowGeometryTest, ScaleFollowsTheWindowFontTruncated) {
  EXPECT_EQ(100, UiScaleFromFontPixels(12));
  EXPECT_EQ(133, UiScaleFromFontPixels(16));
  EXPECT_EQ(108, UiScaleFromFontPixels(13));
  EXPECT_EQ(100, UiScaleFromFontPixels(0));
  // At the design font the window's client area is as wide as a fresh
  // format's window.
  EXPECT_EQ(settings::PrintFormat{}.windowWidth, MainGeometry(100).clientWidth);
}

// Secondary windows on a 1024 x 768 screen beside a game window at
// (127, 47) of 476 x 721, or beside the grid and the step panel of a paused
// game in the wide window.
TEST(WindowGeometryTest, SecondaryWindowsOpenOnTheScreenClearOfThePlayersWork) {
  const ScreenRect screen{0, 0, 1024, 768};
  const ScreenRect game{127, 47, 476, 721};
  const ScreenRect grid{24, 339, 480, 220}, stepPanel{653, 87, 365, 68};
  struct Case {
    const char *what;
    std::vector<ScreenRect> keepClear;
    ScreenRect wanted;
    int minWidth;
    ScreenRect placed;
  } cases[] = {
      {"nothing in the way", {}, {100, 100, 550, 600}, 550, {100, 100, 550, 600}},
      {"past the left and top edges", {}, {-40, -40, 550, 600}, 550, {0, 0, 550, 600}},
      {"bigger than the screen", {}, {10, 10, 1200, 900}, 1200, {0, 0, 1024, 768}},
      {"over the game: beside it", {game}, {500, 68, 373, 479}, 373, {603, 68, 373, 479}},
      {"no room on the right: left of it",
       {{500, 47, 476, 721}},
       {900, 68, 373, 479},
       373,
       {127, 68, 373, 479}},
      {"too wide for either side: narrowed", {game}, {228, 68, 796, 318}, 300, {603, 68, 420, 318}},
      {"nowhere clear: pulled onto the screen",
       {game},
       {900, 68, 796, 318},
       796,
       {228, 68, 796, 318}},
      {"beside the grid, below the step panel",
       {grid, stepPanel},
       {504, 68, 373, 479},
       373,
       {504, 155, 373, 479}},
  };
  for (const Case &c : cases) {
    const ScreenRect at = PlaceSecondaryWindow(screen, c.keepClear, c.wanted, c.minWidth);
    EXPECT_EQ(c.placed, at) << c.what << ": " << at.x << "," << at.y << " " << at.width << "x"
                            << at.height;
  }
}

} // namespace
} // namespace zenpa::app
