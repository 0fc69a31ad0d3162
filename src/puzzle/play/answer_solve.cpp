#include "puzzle/play/answer_solve.h"

#include "base/sjis.h"
#include "puzzle/engine/answer_text.h"
#include "puzzle/engine/singles.h"
#include "puzzle/engine/solver.h"
#include "puzzle/play/answer_listing.h"
#include "puzzle/play/grid_text.h"
#include "puzzle/play/partial_answer.h"

namespace zenpa::play {
namespace {

using puzzle::Engine;

// Reads the grid nearest the caret into the engine; false when there is none.
bool ReadPuzzle(AnswerContext &ctx) {
  const std::optional<GridReading> reading = yomitori(ctx.memo);
  if (!reading)
    return false;
  ctx.state.GridTopLine = reading->topLine;
  ctx.state.RowIndents = reading->rowIndents;
  puzzle::LoadPuzzle(ctx.engine, reading->digits);
  return true;
}

// A grid the caller set up: its placed cells count as the givens.
void TakePresetGrid(Engine &e) {
  e.OpenCount = 81;
  for (int y = 1; y <= 9; ++y) {
    for (int x = 1; x <= 9; ++x)
      e.OpenCount -= puzzle::IsPlaced(e.CellGrid(x, y)) ? 1 : 0;
  }
  e.PuzzleCopy = e.CellGrid;
  e.ClueText = std::to_string(81 - e.OpenCount);
}

void ShowResult(AnswerContext &ctx, const puzzle::GradeLabels &labels) {
  ctx.state.Result = labels;
  ctx.state.ResultVisible = true;
}

// The labels of a puzzle the techniques could not finish.
void ShowStuck(AnswerContext &ctx) {
  ShowResult(ctx, puzzle::GradeOf(ctx.engine.ClueText, puzzle::kStuckLevel, 0, false));
}

void Message(AnswerContext &ctx, const std::string &text) { ctx.host.Message(text); }

// The engine's writers put their lines through the puzzle block writer.
puzzle::TextOutput OutputOf(AnswerContext &ctx) {
  puzzle::TextOutput out;
  out.insertLine = [&ctx](const std::string &line) { ctx.writer.WriteLine(line); };
  out.hintText = ctx.hintText;
  out.pruneRepeatedly = ctx.pruneRepeatedly;
  out.titleLine = ctx.writer.Options().printTitle;
  out.puzzleTitle = ctx.writer.Options().title;
  out.suppressed = ctx.writer.Suppressed();
  return out;
}

// Runs one of the engine's writers through the puzzle block writer.
template <typename Writer> void WriteThrough(AnswerContext &ctx, Writer write) {
  puzzle::TextOutput out = OutputOf(ctx);
  write(ctx.engine, out);
}

// End of the trial search: the message for what it found.
void ReportTrialSearch(AnswerContext &ctx, const puzzle::TrialResult &result) {
  const int count = static_cast<int>(result.answers.size());
  ctx.state.UntriedCellsText = "0";
  if (ctx.state.StopRequest) {
    if (count > 9)
      Message(ctx, base::Sj("こんなに答えがある数独はだめです。"));
    if (count < 2)
      ShowStuck(ctx);
    return;
  }
  if (count == 0) {
    kotaetuke(ctx);
    Message(ctx, base::Sj("解けませんでした。"));
    return;
  }
  Message(ctx, ctx.engine.ClueText + "-clue\r" + std::to_string(count) +
                   base::Sj("個の答えをみつけました。"));
}

// Step mode with its steps on show: no replay (a step back) is passing
// silently over the steps shown before.
bool ShowingSteps(const AnswerRequest &request, const Engine &e) {
  return request.stepMode && e.StepTarget >= puzzle::kNoStepTarget;
}

void SearchByTrial(AnswerContext &ctx, const AnswerRequest &request) {
  Engine &e = ctx.engine;
  const bool replay = request.stepMode && !ShowingSteps(request, e);
  // The search itself is not shown step by step; a trial answer is.
  const bool stepMode = e.StepMode;
  e.StepMode = false;
  ctx.state.AnswerCount = 0;
  ctx.state.TrialControlsVisible = true;
  ctx.state.ProgressMax = e.OpenCount;
  ctx.state.ProgressPosition = 0;
  AnswerListing listing(ctx, request, stepMode);
  puzzle::TrialOptions options;
  if (replay)
    options.resumeAt = ctx.state.TrialResume;
  const puzzle::TrialResult result = puzzle::RunTrialSearch(e, listing, options);
  // A step back inside the trial answer's steps: the step command solves again.
  if (e.RestartRequest)
    return;
  ctx.state.AnswerCount = static_cast<int>(result.answers.size());
  ctx.state.ProgressPosition = ctx.state.ProgressMax;
  ReportTrialSearch(ctx, result);
  AnswerEnd(ctx);
}

// Before the question in step mode with the selection switch on: the
// candidates of every open cell, brought up to date, go into the document.
void WriteCandidateList(AnswerContext &ctx) {
  Engine &e = ctx.engine;
  const bool stepMode = e.StepMode;
  e.StepMode = false;
  for (int y = 1; y <= 9; ++y) {
    for (int x = 1; x <= 9; ++x) {
      if (puzzle::IsPlaced(e.CellGrid(x, y)))
        puzzle::onajisuji(e, x, y);
    }
  }
  e.StepMode = stepMode;
  const int key = e.StepKey;
  e.StepKey = puzzle::kKeyTab;
  kotaetuke(ctx);
  e.StepKey = key;
  ctx.writer.Emit("");
}

void Stuck(AnswerContext &ctx, const AnswerRequest &request) {
  ctx.state.HardestName.clear();
  if (!request.writeAnswer || ctx.engine.StepKey == puzzle::kKeyEscape) {
    AnswerEnd(ctx);
    ShowStuck(ctx);
    return;
  }
  ctx.state.StopRequest = false;
  if (ShowingSteps(request, ctx.engine)) {
    if (ctx.engine.Options.SwitchOn())
      WriteCandidateList(ctx);
    if (!AskForTrial(ctx)) {
      // The search that was declined finds nothing: the puzzle stays too hard.
      ShowStuck(ctx);
      AnswerEnd(ctx);
      return;
    }
  }
  SearchByTrial(ctx, request);
}

void Solved(AnswerContext &ctx, const AnswerRequest &request) {
  Engine &e = ctx.engine;
  AnswerEnd(ctx);
  if (request.writeAnswer && e.StepKey != puzzle::kKeyEscape) {
    kotaetuke(ctx);
    ctx.writer.kaigyo();
  }
  ctx.state.HardestName = puzzle::HardestName(e.Level, e.LevelSub, e.BlockUniqueHUsed);
  ShowResult(ctx, puzzle::GradeOf(e.ClueText, e.Level, e.LevelSub, e.BlockUniqueHUsed));
}

// Reading and the input checks; false when the command ends here.
bool TakePuzzle(AnswerContext &ctx, const AnswerRequest &request) {
  if (request.gridPreset)
    TakePresetGrid(ctx.engine);
  else if (!ReadPuzzle(ctx))
    return false;
  // Too few givens are accepted while the auto-record panel is shown.
  const puzzle::PuzzleFault fault =
      puzzle::CheckPuzzle(ctx.engine, ctx.writer.Options().recordPanelShown);
  if (fault == puzzle::PuzzleFault::None)
    return true;
  Message(ctx, puzzle::PuzzleFaultMessage(fault));
  return false;
}

} // namespace

AnswerRequest RequestFor(AnswerCommand command) {
  AnswerRequest request;
  request.nextPage = command != AnswerCommand::LevelSDK;
  request.writeAnswer = command != AnswerCommand::LevelSDK;
  request.keepStepKey = command == AnswerCommand::LevelSDK;
  request.allAnswers = command == AnswerCommand::Zenkai;
  request.stepMode = command == AnswerCommand::DebugAnswer;
  return request;
}

void StepKeyPressed(AnswerContext &ctx, int key) {
  ctx.engine.StepKey = key;
  if (key == puzzle::kKeyEscape)
    ctx.state.StopRequest = true;
}

void MakeAnswer(AnswerContext &ctx, const AnswerRequest &request) {
  Engine &e = ctx.engine;
  e.Contradiction = false;
  if (!request.keepStepKey)
    e.StepKey = puzzle::kKeyNone;
  ctx.state.ResultVisible = false;
  if (request.stepMode && e.StepTarget < puzzle::kNoStepTarget) {
    StartReplay(ctx);
  } else if (!TakePuzzle(ctx, request) ||
             (request.stepMode && (!TakePartialAnswer(ctx, request) || !CheckPartialAnswer(ctx)))) {
    return;
  }
  ctx.state.Running = true;
  const puzzle::SolveResult result = puzzle::Solve(e);
  if (e.RestartRequest)
    return;
  if (result == puzzle::SolveResult::Contradiction) {
    Message(ctx, base::Sj("問題が異常です。"));
    AnswerEnd(ctx);
    return;
  }
  if (request.nextPage)
    ctx.writer.tugiP();
  if (result == puzzle::SolveResult::Stuck)
    Stuck(ctx, request);
  else
    Solved(ctx, request);
}

void GradePuzzle(AnswerContext &ctx, bool writeAnswer) {
  AnswerRequest request;
  request.writeAnswer = writeAnswer;
  request.gridPreset = true;
  MakeAnswer(ctx, request);
}

void AnswerEnd(AnswerContext &ctx) {
  ctx.state.Running = false;
  ctx.state.TrialControlsVisible = false;
  ctx.engine.StepMode = false;
  if (ctx.engine.Observer != nullptr)
    ctx.engine.Observer->HideStatus();
}

void kotaetuke(AnswerContext &ctx) { WriteThrough(ctx, puzzle::kotaetuke); }

void itiran(AnswerContext &ctx) { WriteThrough(ctx, puzzle::itiran); }

void kotae9txt(AnswerContext &ctx) { WriteThrough(ctx, puzzle::kotae9txt); }

void kotae1txt(AnswerContext &ctx) { WriteThrough(ctx, puzzle::kotae1txt); }

} // namespace zenpa::play
