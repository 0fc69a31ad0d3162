#include "puzzle/play/answer_listing.h"

#include "base/sjis.h"
#include "puzzle/engine/solver.h"

namespace zenpa::play {
namespace {

// Pending events run at most this often during the search.
constexpr std::int64_t kEventIntervalMs = 10;

std::string Star() { return base::Sj("★"); }

std::string CellText(const puzzle::TrialAnswer &answer) {
  return std::to_string(answer.cell.y) + "," + std::to_string(answer.cell.x) + "=" +
         std::to_string(answer.digit);
}

// Longest run of the progress bar in the depth-first stage; it starts again
// from nothing when full.
constexpr int kStageTwoProgressMax = 256;

int OpenCells(const puzzle::Grid &grid) {
  int open = 0;
  for (int y = 1; y <= 9; ++y) {
    for (int x = 1; x <= 9; ++x)
      open += puzzle::IsPlaced(grid(x, y)) ? 0 : 1;
  }
  return open;
}

} // namespace

AnswerListing::AnswerListing(AnswerContext &ctx, const AnswerRequest &request, bool stepMode)
    : ctx_(ctx), request_(request), stepMode_(stepMode) {}

bool AnswerListing::StopRequested() { return ctx_.state.StopRequest || ctx_.engine.RestartRequest; }

void AnswerListing::StageStarted(int stage) {
  if (stage != 2)
    return;
  ctx_.state.ProgressMax = kStageTwoProgressMax;
  ctx_.state.ProgressPosition = 0;
}

void AnswerListing::Advance() {
  int &position = ctx_.state.ProgressPosition;
  position = position >= ctx_.state.ProgressMax ? 0 : position + 1;
}

void AnswerListing::Progress(int remaining) {
  const std::int64_t now = ctx_.host.Milliseconds();
  if (eventsRun_ && now - lastEvents_ < kEventIntervalMs)
    return;
  eventsRun_ = true;
  lastEvents_ = now;
  ctx_.state.UntriedCellsText = std::to_string(remaining);
  ctx_.host.ProcessEvents();
}

bool AnswerListing::OneLineAnswers() const {
  return ctx_.engine.Options.SwitchOn() && request_.allAnswers;
}

void AnswerListing::AskToGoOn(const char *utf8Question) {
  const platform::Answer choice =
      ctx_.host.Message(base::Sj(utf8Question), base::Sj("確認"), platform::Buttons::OkCancel);
  if (choice == platform::Answer::Cancel)
    ctx_.state.StopRequest = true;
}

void AnswerListing::Answer(const puzzle::TrialAnswer &answer, const puzzle::Engine &) {
  ctx_.state.AnswerCount = answer.number;
  if (answer.stage == 2) {
    StageTwoAnswer(answer);
    return;
  }
  if (ctx_.state.StepStopCaption == base::Sj("ゲーム"))
    ctx_.state.ResumeGameVisible = true;
  // Stopped while its steps were shown, the answer is not listed either.
  if (stepMode_ && !ShowTrialSteps(answer))
    return;
  StageOneAnswer(answer);
}

bool AnswerListing::ShowTrialSteps(const puzzle::TrialAnswer &answer) {
  puzzle::Engine &e = ctx_.engine;
  stepMode_ = false;
  ctx_.state.TrialResume = {answer.candidates, answer.cell};
  const puzzle::Grid solved = e.CellGrid;
  // The steps select cells in the document; the answer goes where the caret was.
  const platform::TextPos caret = ctx_.memo.Caret();
  e.CellGrid = e.TrialBase;
  e.OpenCount = OpenCells(e.TrialBase) - 1;
  e.CellGrid(answer.cell.x, answer.cell.y) = puzzle::DigitBit(answer.digit);
  e.Contradiction = false;
  e.StepMode = true;
  e.StepText = base::Sj("　仮置き ") + std::to_string(answer.digit);
  e.debug(answer.cell.x, answer.cell.y);
  if (!e.RestartRequest)
    puzzle::SolveAfterTrial(e);
  e.StepMode = false;
  if (e.RestartRequest)
    return false;
  e.CellGrid = solved;
  e.OpenCount = 0;
  e.Contradiction = false;
  ctx_.memo.SetCaret(caret);
  return !ctx_.state.StopRequest;
}

void AnswerListing::StageOneAnswer(const puzzle::TrialAnswer &answer) {
  if (OneLineAnswers()) {
    kotae1txt(ctx_);
    return;
  }
  kotaetuke(ctx_);
  ctx_.writer.Emit(Star() + std::to_string(answer.number) + base::Sj("個目の答え   ") +
                   CellText(answer));
  ctx_.writer.kaigyo();
  if (answer.number > 9)
    ctx_.state.StopRequest = true;
  if (answer.number == 1 && !request_.allAnswers)
    AskToGoOn("難しすぎる問題なので、仮置き(１)で解きました。\rほかの答えも探しますか？");
}

void AnswerListing::StageTwoAnswer(const puzzle::TrialAnswer &answer) {
  const int n = answer.number;
  const std::string count = Star() + std::to_string(n);
  if (OneLineAnswers()) {
    kotae1txt(ctx_);
    if (n % 10 == 0)
      ctx_.writer.Emit(count + base::Sj("個 "));
    return;
  }
  const bool switchOn = ctx_.engine.Options.SwitchOn();
  if (n <= 10) {
    kotaetuke(ctx_);
    ctx_.writer.Emit(count + base::Sj("個目の答え   ") + "....   " + CellText(answer));
    ctx_.writer.kaigyo();
  } else if (n <= 100 || switchOn) {
    kotae9txt(ctx_);
    ctx_.writer.Emit(count + base::Sj("個 ... ") + CellText(answer));
    ctx_.writer.Emit("");
  } else if (!ctx_.writer.Suppressed() && ctx_.memo.LineCount() > 0) {
    ctx_.memo.ReplaceLine(ctx_.memo.LineCount() - 1, count + base::Sj("個 "));
  }
  if (n == 1 && !request_.allAnswers)
    AskToGoOn("難しすぎる問題なので、仮置き(２)で解きました。\rほかの答えも探しますか？");
  if (!switchOn && !request_.allAnswers && n > 9)
    ctx_.state.StopRequest = true;
}

} // namespace zenpa::play
