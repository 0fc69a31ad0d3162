#include "app/window_geometry.h"

#include "base/units.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace zenpa::app {
namespace {

constexpr int kDesignFontPixels = 12;
constexpr int kNarrowingStep = 8; // pixels a window gives up per try

// r moved the least onto the screen, and no bigger than it.
ScreenRect OnScreen(const ScreenRect &screen, ScreenRect r) {
  r.width = std::min(r.width, screen.width);
  r.height = std::min(r.height, screen.height);
  r.x = std::clamp(r.x, screen.x, screen.right() - r.width);
  r.y = std::clamp(r.y, screen.y, screen.bottom() - r.height);
  return r;
}

// The clear place of a window of wanted's size nearest to wanted: tried
// against each edge of the areas to keep clear, and the screen's.
std::optional<ScreenRect> NearestClear(const ScreenRect &screen,
                                       const std::vector<ScreenRect> &keepClear,
                                       const ScreenRect &wanted) {
  std::vector<int> xs{wanted.x, screen.x, screen.right() - wanted.width};
  std::vector<int> ys{wanted.y, screen.y, screen.bottom() - wanted.height};
  for (const ScreenRect &r : keepClear) {
    xs.insert(xs.end(), {r.right(), r.x - wanted.width});
    ys.insert(ys.end(), {r.bottom(), r.y - wanted.height});
  }
  std::optional<ScreenRect> best;
  auto distance = [&wanted](const ScreenRect &r) {
    return std::abs(r.x - wanted.x) + std::abs(r.y - wanted.y);
  };
  for (int x : xs) {
    for (int y : ys) {
      const ScreenRect at = OnScreen(screen, {x, y, wanted.width, wanted.height});
      const bool clear = std::none_of(keepClear.begin(), keepClear.end(),
                                      [&at](const ScreenRect &r) { return Overlap(at, r); });
      if (clear && (!best || distance(at) < distance(*best)))
        best = at;
    }
  }
  return best;
}

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

bool Overlap(const ScreenRect &a, const ScreenRect &b) {
  return a.x < b.right() && b.x < a.right() && a.y < b.bottom() && b.y < a.bottom();
}

ScreenRect PlaceSecondaryWindow(const ScreenRect &screen, const std::vector<ScreenRect> &keepClear,
                                ScreenRect wanted, int minWidth) {
  const ScreenRect whole = OnScreen(screen, wanted);
  for (ScreenRect tried = whole;; tried.width -= kNarrowingStep) {
    tried.width = std::max(tried.width, std::min(minWidth, whole.width));
    if (const auto place = NearestClear(screen, keepClear, tried))
      return *place;
    if (tried.width <= minWidth)
      return whole;
  }
}

} // namespace zenpa::app
