// The order of steps around a drill game: switching game mode on (a new
// sheet when the document has none) and continuing after the goal dialog's
// ＯＫ with a new sheet of the same level.
#pragma once

#include "drill/drill_game.h"
#include "drill/drill_writer.h"
#include "drill/random_source.h"
#include "platform/memo.h"
#include "settings/print_format.h"

#include <functional>

namespace zenpa::drill {

// Game mode on: plays the sheet near the caret; without one, generates one
// from the record's drill options first (Cancelled when the save prompt is
// refused, with the document unchanged).
StartResult StartGameMode(platform::Memo &memo, DrillGame &game,
                          const settings::PrintFormat &format, RandomSource &rng,
                          const std::function<bool()> &askSaveChanges);

// The goal dialog's ＯＫ: the record's drill options (the panel) become the
// same level as the finished game, the document is replaced by one such sheet
// without a save prompt, and its game starts.
StartResult PlayNextSheet(platform::Memo &memo, DrillGame &game, settings::PrintFormat &format,
                          RandomSource &rng);

} // namespace zenpa::drill
