#include "puzzle/play/puzzle_file_level_check.h"

#include "base/paths.h"
#include "editor/insertion.h"
#include "puzzle/engine/engine.h"
#include "puzzle/play/event_wait.h"

namespace zenpa::play {
namespace {

bool IsLevelCheckKey(int key) { return key == puzzle::kKeyEnter || key == puzzle::kKeyEscape; }

} // namespace

LevelCheck GradingLevelCheck(AnswerContext &ctx, LevelCheckDisplay &display) {
  return [&ctx, &display](const ReadGrid &, const std::string &fileName) {
    const platform::TextPos caret = ctx.memo.Caret();
    MakeAnswer(ctx, RequestFor(AnswerCommand::LevelSDK));
    ctx.memo.SetCaret(caret);
    display.caption = "ZENPA - " + base::ExtractFileName(fileName);
    display.levelLabel = "L." + std::to_string(ctx.engine.Level);
    display.panelVisible = true;
    ctx.engine.StepKey = puzzle::kKeyNone;
    WaitForEvents(ctx.host,
                  [&ctx] { return IsLevelCheckKey(ctx.engine.StepKey) || ctx.state.StopRequest; });
    display.panelVisible = false;
    // A stop request ends the reading like Escape.
    return ctx.state.StopRequest ? puzzle::kKeyEscape : ctx.engine.StepKey;
  };
}

} // namespace zenpa::play
