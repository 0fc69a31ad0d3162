// Sizes of the main window in screen pixels. Design sizes are for a window
// font of 12 pixels and pass through BAI with the display scale, so the
// window grows with the desktop's font.
#pragma once

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

} // namespace zenpa::app
