// Sizes of the main window in screen pixels. Design sizes are for a window
// font of 12 pixels and pass through BAI with the display scale, so the
// window grows with the desktop's font.
//
// Places of the secondary windows (the hint, assist and preview windows):
// wholly on the screen and clear of what the player is using.
#pragma once

#include <vector>

namespace zenpa::app {

// The display scale in percent from the window font's pixel height.
int UiScaleFromFontPixels(int fontPixels);

struct MainWindowGeometry {
  int height = 0;
  int clientWidth = 0;
  int minHeight = 0;
  int enlargedMinHeight = 0; // in the enlarged text view
  int minWidth = 0;
  int statusHeight = 0;     // the status strip at the bottom
  int editorFontPixels = 0; // the editor's font height
};

MainWindowGeometry MainGeometry(int uiScale);

// A rectangle in screen pixels: right() and bottom() lie just past it.
struct ScreenRect {
  int x = 0, y = 0, width = 0, height = 0;
  int right() const { return x + width; }
  int bottom() const { return y + height; }
  bool operator==(const ScreenRect &) const = default;
};

bool Overlap(const ScreenRect &a, const ScreenRect &b);

// Where a secondary window opens: its frame as `wanted` when that lies on
// the screen's available area and covers nothing of `keepClear` (the grid,
// the buttons the player needs); else the place nearest to it beside those
// areas that does, at full size when one holds it whole, else narrowed, down
// to `minWidth`, to the widest that fits. When no place is clear, `wanted`
// pulled onto the screen. The window never exceeds the screen.
ScreenRect PlaceSecondaryWindow(const ScreenRect &screen, const std::vector<ScreenRect> &keepClear,
                                ScreenRect wanted, int minWidth);

} // namespace zenpa::app
