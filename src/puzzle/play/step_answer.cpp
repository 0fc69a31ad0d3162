#include "puzzle/play/step_answer.h"

#include "base/sjis.h"
#include "puzzle/play/event_wait.h"
#include "puzzle/play/grid_text.h"

#include <algorithm>

namespace zenpa::play {

using puzzle::Engine;

void DebugAnswer(AnswerContext &ctx, bool fromGame) {
  Engine &e = ctx.engine;
  const platform::TextPos caret = ctx.memo.Caret();
  ctx.state.StopRequest = false;
  ctx.state.ResumeGame = false;
  ctx.state.StepStopCaption = fromGame ? base::Sj("ゲーム") : base::Sj("やめる");
  ctx.state.ResumeGameVisible = fromGame;
  MakeAnswer(ctx, RequestFor(AnswerCommand::LevelSDK));
  if (e.Contradiction)
    return;
  AnswerRequest request = RequestFor(AnswerCommand::DebugAnswer);
  request.fromGame = fromGame;
  e.StepTarget = puzzle::kNoStepTarget;
  e.PlayerSteps = 0;
  do {
    e.StepMode = true;
    e.RestartRequest = false;
    ctx.memo.SetCaret(caret);
    MakeAnswer(ctx, request);
  } while (e.RestartRequest);
  e.StepMode = false;
  if (fromGame) {
    ctx.state.ResumeGame = true;
    return;
  }
  if (e.PlayerSteps > 0) {
    ctx.memo.SetCaret(caret);
    MakeAnswer(ctx, RequestFor(AnswerCommand::LevelSDK));
  }
}

void DocumentStepDisplay::ShowStatus(const std::string &stepLine, const std::string &levelLine) {
  stepText = stepLine;
  levelText = levelLine;
  panelVisible = true;
}

void DocumentStepDisplay::HideStatus() { panelVisible = false; }

bool DocumentStepDisplay::CellPosition(int x, int y, int &line, std::size_t &offset) const {
  if (ctx_.state.GridTopLine < 0)
    return false;
  line = GridRowLineIndex(ctx_.state.GridTopLine, y);
  offset = ctx_.state.RowIndents[y - 1].size() + 4 * static_cast<std::size_t>(x) - 2;
  return line < ctx_.memo.LineCount() && offset + 2 <= ctx_.memo.Line(line).size();
}

std::string DocumentStepDisplay::PuzzleCell(int x, int y) {
  int line = 0;
  std::size_t offset = 0;
  if (!CellPosition(x, y, line, offset))
    return {};
  return ctx_.memo.Line(line).substr(offset, 2);
}

void DocumentStepDisplay::SetPuzzleCell(int x, int y, const std::string &text) {
  int line = 0;
  std::size_t offset = 0;
  if (!CellPosition(x, y, line, offset) || text.size() != 2)
    return;
  std::string row = ctx_.memo.Line(line);
  row.replace(offset, 2, text);
  ctx_.memo.ReplaceLine(line, row);
}

void DocumentStepDisplay::ShowCell(int x, int y) {
  int line = 0;
  std::size_t offset = 0;
  if (!CellPosition(x, y, line, offset))
    return;
  const int col = static_cast<int>(offset);
  ctx_.memo.Select({line, col}, {line, col + 2});
}

void DocumentStepDisplay::WaitForKey(puzzle::Engine &engine) {
  WaitForEvents(ctx_.host, [this, &engine] {
    return engine.StepKey != puzzle::kKeyNone || ctx_.state.StopRequest;
  });
  // Stopping shows no more steps; the solve runs to its end silently.
  if (engine.StepKey == puzzle::kKeyNone || engine.StepKey == puzzle::kKeyEscape)
    StepKeyPressed(ctx_, puzzle::kKeyEscape);
}

void DocumentStepDisplay::RefreshCandidateList(puzzle::Engine &engine) {
  const int top = ctx_.state.GridTopLine;
  if (engine.StepKey != puzzle::kKeyTab || top < 0) {
    itiran(ctx_);
    return;
  }
  // Into the document: below the grid (on the next page when inserting at
  // the caret), so that the rows the steps rewrite stay where they are.
  const platform::TextPos caret = ctx_.memo.Caret();
  ctx_.memo.SetCaret({std::min(top + kGridBlockLineCount - 1, ctx_.memo.LineCount() - 1), 0});
  ctx_.writer.tugiP();
  itiran(ctx_);
  ctx_.memo.SetCaret(caret);
}

} // namespace zenpa::play
