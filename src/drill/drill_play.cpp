#include "drill/drill_play.h"

namespace zenpa::drill {

StartResult StartGameMode(platform::Memo &memo, DrillGame &game, const DrillSettings &settings,
                          const SheetSupply &supply, const std::function<bool()> &askSaveChanges) {
  if (!FindSheetTop(memo, memo.Caret().line)) {
    const GenerateResult made = Generate(memo, settings, supply.out, supply.rng, askSaveChanges);
    if (made == GenerateResult::Cancelled)
      return StartResult::Cancelled;
  }
  return game.Start(memo, supply.tabs);
}

StartResult PlayNextSheet(platform::Memo &memo, DrillGame &game, DrillSettings &settings,
                          const SheetSupply &supply) {
  settings = game.SameLevel(settings);
  memo.SetModified(false);
  Generate(memo, settings, supply.out, supply.rng, [] { return true; });
  return game.Start(memo, supply.tabs);
}

} // namespace zenpa::drill
