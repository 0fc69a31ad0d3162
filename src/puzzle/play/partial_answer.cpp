#include "puzzle/play/partial_answer.h"

#include "base/digits.h"
#include "base/sjis.h"
#include "puzzle/engine/solver.h"
#include "puzzle/play/grid_text.h"

namespace zenpa::play {
namespace {

using puzzle::Engine;

// Cell text of a grid being stepped through: givens full-width, other
// placed cells circled, open cells blank.
std::string StepCellText(const Engine &e, int x, int y) {
  const int digit = puzzle::DigitOf(e.CellGrid(x, y));
  if (digit == 0)
    return base::CircledDigit(0);
  if (puzzle::IsPlaced(e.PuzzleCopy(x, y)))
    return base::zenkaku(digit);
  return base::CircledDigit(digit);
}

void RewriteGridRows(AnswerContext &ctx) {
  const int top = ctx.state.GridTopLine;
  for (int y = 1; y <= 9; ++y) {
    const int index = GridRowLineIndex(top, y);
    if (index >= ctx.memo.LineCount())
      return;
    std::array<std::string, 9> cells;
    for (int x = 1; x <= 9; ++x)
      cells[x - 1] = StepCellText(ctx.engine, x, y);
    ctx.memo.ReplaceLine(index, GridRowLine(cells, ctx.state.RowIndents[y - 1]));
  }
}

// Number of cells whose state differs from the puzzle as given.
int StepsMade(const Engine &e) {
  int steps = 0;
  for (int y = 1; y <= 9; ++y) {
    for (int x = 1; x <= 9; ++x)
      steps += e.CellGrid(x, y) != e.PuzzleCopy(x, y) ? 1 : 0;
  }
  return steps;
}

// Places the player's circled digits of the document grid into CellGrid.
void ReadPlayerDigits(AnswerContext &ctx) {
  Engine &e = ctx.engine;
  const GridReading reading = ReadGridAt(ctx.memo, ctx.state.GridTopLine, true);
  e.OpenCount = 81;
  for (int y = 1; y <= 9; ++y) {
    for (int x = 1; x <= 9; ++x) {
      const int digit = reading.digits[9 * (y - 1) + (x - 1)];
      e.CellGrid(x, y) = digit != 0 ? puzzle::DigitBit(digit) : puzzle::kAllCandidates;
      e.OpenCount -= digit != 0 ? 1 : 0;
    }
  }
}

void RestartFromPuzzle(Engine &e) {
  e.CellGrid = e.PuzzleCopy;
  e.OpenCount = 81 - e.GivenCount();
  e.StepNo = 0;
}

// Yes: go on from the player's digits; No: start from the puzzle; Cancel:
// the command ends.
bool AskToContinue(AnswerContext &ctx) {
  const std::string question =
      ctx.engine.OpenCount == 0
          ? base::Sj("完成した問題です。答えを確認しますか？\r\r　　［いいえ］･･････ 最初から")
          : base::Sj("解きかけの問題です。続きからしますか？\r\r　　［いいえ］･･････ 最初から");
  const platform::Answer choice =
      ctx.host.Message(question, base::Sj("続きから?　最初から？"), platform::Buttons::YesNoCancel);
  if (choice == platform::Answer::Cancel)
    return false;
  if (choice == platform::Answer::No)
    RestartFromPuzzle(ctx.engine);
  else
    ctx.engine.PlayerSteps = ctx.engine.StepNo;
  return true;
}

} // namespace

bool TakePartialAnswer(AnswerContext &ctx, const AnswerRequest &request) {
  Engine &e = ctx.engine;
  ReadPlayerDigits(ctx);
  e.StepNo = StepsMade(e);
  e.PlayerSteps = 0;
  if (e.StepNo > 0 && request.fromGame)
    e.PlayerSteps = e.StepNo;
  if (e.StepNo > 0 && !request.fromGame && !AskToContinue(ctx)) {
    AnswerEnd(ctx);
    return false;
  }
  e.StartGrid = e.CellGrid;
  RewriteGridRows(ctx);
  if (e.Observer != nullptr)
    e.Observer->RefreshCandidateList(e);
  if (!puzzle::HasRepeatedDigit(e.CellGrid))
    return true;
  ctx.host.Message(base::Sj("ここまでの答えに矛盾があります。"));
  AnswerEnd(ctx);
  return false;
}

bool CheckPartialAnswer(AnswerContext &ctx) {
  Engine &e = ctx.engine;
  if (e.PlayerSteps <= 0)
    return true;
  e.StepKey = puzzle::kKeyEscape;
  const puzzle::SolveResult result = puzzle::SolveInDefaultOrder(e);
  if (result == puzzle::SolveResult::Contradiction) {
    ctx.host.Message(base::Sj("解きかけの答えが異常です。"));
    AnswerEnd(ctx);
    return false;
  }
  e.CellGrid = e.StartGrid;
  e.StepNo = e.PlayerSteps;
  e.OpenCount = 81 - e.GivenCount() - e.PlayerSteps;
  e.StepKey = puzzle::kKeyNone;
  return true;
}

void StartReplay(AnswerContext &ctx) {
  Engine &e = ctx.engine;
  e.CellGrid = e.StartGrid;
  e.StepNo = e.PlayerSteps;
  e.OpenCount = 81 - e.GivenCount() - e.StepNo;
}

bool AskForTrial(AnswerContext &ctx) {
  const platform::Answer choice =
      ctx.host.Message(base::Sj("通常の解法で解けるのはここまでです。\r　仮置きして答えを探しますか"
                                "？\r\r　［いいえ］･･････ "
                                "自力で解く"),
                       base::Sj("仮置き確認"), platform::Buttons::YesNoCancel);
  if (choice == platform::Answer::Yes)
    return true;
  if (choice == platform::Answer::No)
    HandBackToGame(ctx);
  ctx.state.StopRequest = true;
  return false;
}

void HandBackToGame(AnswerContext &ctx) {
  StepKeyPressed(ctx, puzzle::kKeyEscape);
  ctx.state.ResumeGame = true;
}

} // namespace zenpa::play
