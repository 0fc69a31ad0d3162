#include "app/assist_coupling.h"

namespace zenpa::app {

void AssistCoupling::MainActivated(ScreenPoint main, ScreenPoint assist, bool assistShown) {
  if (assistShown)
    offset_ = ScreenPoint{main.x - assist.x, main.y - assist.y};
}

std::optional<ScreenPoint> AssistCoupling::MainMoved(ScreenPoint main, bool bothShown) const {
  // Before any offset was taken there is nothing to keep: the window stays.
  if (!bothShown || !offset_)
    return std::nullopt;
  return ScreenPoint{main.x - offset_->x, main.y - offset_->y};
}

} // namespace zenpa::app
