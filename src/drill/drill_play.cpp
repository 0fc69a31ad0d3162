#include "drill/drill_play.h"

namespace zenpa::drill {

StartResult StartGameMode(platform::Memo &memo, DrillGame &game,
                          const settings::PrintFormat &format, RandomSource &rng,
                          const std::function<bool()> &askSaveChanges) {
  if (!FindSheetTop(memo, memo.Caret().line)) {
    const GenerateResult made = Generate(memo, format, rng, askSaveChanges);
    if (made == GenerateResult::Cancelled)
      return StartResult::Cancelled;
  }
  return game.Start(memo, format);
}

StartResult PlayNextSheet(platform::Memo &memo, DrillGame &game, settings::PrintFormat &format,
                          RandomSource &rng) {
  format.drill = game.SameLevel(format.drill);
  memo.SetModified(false);
  Generate(memo, format, rng, [] { return true; });
  return game.Start(memo, format);
}

} // namespace zenpa::drill
