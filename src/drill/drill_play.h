// The order of steps around a drill game: switching game mode on (a new
// sheet when the document has none) and continuing after the goal dialog's
// ＯＫ with a new sheet of the same level.
#pragma once

#include "drill/drill_game.h"
#include "drill/drill_settings.h"
#include "drill/drill_writer.h"
#include "drill/random_source.h"
#include "platform/memo.h"

#include <functional>

namespace zenpa::drill {

// Everything a new sheet needs besides the document and the game.
struct SheetSupply {
  const OutputOptions &out;
  RandomSource &rng;
  TabSetting tabs;
};

// Game mode on: plays the sheet near the caret; without one, generates one
// from `settings` first (Cancelled when the save prompt is refused, with the
// document unchanged).
StartResult StartGameMode(platform::Memo &memo, DrillGame &game, const DrillSettings &settings,
                          const SheetSupply &supply, const std::function<bool()> &askSaveChanges);

// The goal dialog's ＯＫ: `settings` (the panel) becomes the same level as
// the finished game, the document is replaced by one such sheet without a
// save prompt, and its game starts.
StartResult PlayNextSheet(platform::Memo &memo, DrillGame &game, DrillSettings &settings,
                          const SheetSupply &supply);

} // namespace zenpa::drill
