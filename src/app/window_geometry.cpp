#include "app/window_geometry.h"

#include "base/units.h"

namespace zenpa::app {
namespace {

constexpr int kDesignFontPixels = 12;

} // namespace

int UiScaleFromFontPixels(int fontPixels) {
  if (fontPixels <= 0)
    return 100;
  return fontPixels * 100 / kDesignFontPixels;
}

MainWindowGeometry MainGeometry(int uiScale) {
  MainWindowGeometry g;
  g.height = base::BAI(555, uiScale);
  g.clientWidth = base::BAI(769, uiScale);
  g.minHeight = base::BAI(400, uiScale);
  g.enlargedMinHeight = base::BAI(126, uiScale);
  g.minWidth = base::BAI(480, uiScale);
  g.statusHeight = base::BAI(20, uiScale);
  g.editorFontPixels = base::BAI(16, uiScale);
  return g;
}

} // namespace zenpa::app
