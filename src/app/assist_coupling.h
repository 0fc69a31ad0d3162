// The assist window keeps its place relative to the main window: each time
// the main window is activated with the assist window showing, the offset
// between them is taken; when the main window moves while both show, the
// assist window moves with it by that offset, keeping its size.
#pragma once

#include <optional>

namespace zenpa::app {

struct ScreenPoint {
  int x = 0;
  int y = 0;
  bool operator==(const ScreenPoint &) const = default;
};

class AssistCoupling {
public:
  // The main window was activated; assistShown: the assist window shows.
  void MainActivated(ScreenPoint main, ScreenPoint assist, bool assistShown);
  // The main window moved to main: where the assist window goes, if it
  // follows (it shows and an offset was taken).
  std::optional<ScreenPoint> MainMoved(ScreenPoint main, bool bothShown) const;

private:
  std::optional<ScreenPoint> offset_; // main window position − assist position
};

} // namespace zenpa::app
