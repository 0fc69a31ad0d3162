#include "puzzle/play/step_answer.h"

#include "base/digits.h"
#include "base/sjis.h"
#include "puzzle/play/grid_text.h"
#include "puzzle/play/support/answer_desk.h"

#include <gtest/gtest.h>

#include <deque>

using zenpa::base::Sj;
using zenpa::platform::Answer;
using zenpa::testing::Digits;
using zenpa::testing::DigitsFromText;
using namespace zenpa::play;
namespace pz = zenpa::puzzle;

namespace {

const char *const kEasyPuzzle =
    "000908230000030006030001840000420000400000980306500020000000002004200591060090400";

// Presses the scripted keys (Enter once they run out) and keeps every step
// line shown.
class ScriptedDisplay : public DocumentStepDisplay {
public:
  using DocumentStepDisplay::DocumentStepDisplay;
  void ShowStatus(const std::string &stepLine, const std::string &levelLine) override {
    DocumentStepDisplay::ShowStatus(stepLine, levelLine);
    shown.push_back(stepLine);
  }
  void WaitForKey(pz::Engine &engine) override {
    engine.StepKey = keys.empty() ? pz::kKeyEnter : keys.front();
    if (!keys.empty())
      keys.pop_front();
  }
  std::deque<int> keys;
  std::vector<std::string> shown;
};

struct StepDesk : zenpa::testing::AnswerDesk {
  ScriptedDisplay display{ctx};
  explicit StepDesk(const Digits &digits) : AnswerDesk(digits) { engine.Observer = &display; }
};

Digits SolutionOf(const Digits &puzzle) {
  zenpa::testing::BruteForce brute;
  brute.Count(puzzle, 1);
  return brute.first();
}

// The player has typed the answer's digits, circled, into the first open
// cells of the puzzle's grid; a wrong digit, when given, goes first.
void TypeDigits(StepDesk &desk, const Digits &puzzle, int count, int wrongDigit = 0) {
  const Digits answer = SolutionOf(puzzle);
  for (int i = 0, typed = 0; i < 81 && typed < count; ++i) {
    if (puzzle[i] != 0)
      continue;
    const int line = GridRowLineIndex(0, i / 9 + 1);
    std::string row = desk.memo.Line(line);
    const int digit = typed == 0 && wrongDigit != 0 ? wrongDigit : answer[i];
    row.replace(4 * static_cast<std::size_t>(i % 9 + 1) - 2, 2, zenpa::base::CircledDigit(digit));
    desk.memo.ReplaceLine(line, row);
    ++typed;
  }
}

} // namespace

TEST(StepAnswer, StepsCircleTheSolvedCellsAndEndWithTheAnswer) {
  const Digits puzzle = DigitsFromText(kEasyPuzzle);
  StepDesk desk(puzzle);
  DebugAnswer(desk.ctx);
  const int open = static_cast<int>(std::count(puzzle.begin(), puzzle.end(), 0));
  EXPECT_LE(open, static_cast<int>(desk.display.shown.size()));
  // Every cell the steps solved shows its circled digit in the puzzle grid.
  const GridReading played = ReadGridAt(desk.memo, 0, true);
  EXPECT_EQ(SolutionOf(puzzle), played.digits);
  EXPECT_EQ(puzzle, ReadGridAt(desk.memo, 0).digits);
  // The answer grid follows the puzzle.
  int grids = 0;
  for (const std::string &line : desk.memo.Lines())
    grids += IsGridTopLine(line) ? 1 : 0;
  EXPECT_EQ(2, grids);
  EXPECT_FALSE(desk.engine.StepMode);
  EXPECT_EQ(0u, desk.host.messages.size());
}

TEST(StepAnswer, BackspaceShowsThePreviousStepAgain) {
  const Digits puzzle = DigitsFromText(kEasyPuzzle);
  StepDesk desk(puzzle);
  desk.display.keys = {pz::kKeyEnter, pz::kKeyEnter, pz::kKeyBackspace};
  DebugAnswer(desk.ctx);
  const std::vector<std::string> &shown = desk.display.shown;
  ASSERT_LT(5u, shown.size());
  EXPECT_EQ(shown[1], shown[3]);
  EXPECT_EQ(shown[2], shown[4]);
  EXPECT_EQ(SolutionOf(puzzle), ReadGridAt(desk.memo, 0, true).digits);
}

TEST(StepAnswer, PlayerDigitsAreTakenUpWhenAskedToGoOn) {
  const Digits puzzle = DigitsFromText(kEasyPuzzle);
  StepDesk desk(puzzle);
  TypeDigits(desk, puzzle, 5);
  DebugAnswer(desk.ctx);
  ASSERT_LE(1u, desk.host.messages.size());
  EXPECT_EQ(Sj("解きかけの問題です。続きからしますか？\r\r　　［いいえ］･･････ 最初から"),
            desk.host.messages[0].text);
  EXPECT_EQ(Sj("続きから?　最初から？"), desk.host.messages[0].caption);
  const int givens = 81 - static_cast<int>(std::count(puzzle.begin(), puzzle.end(), 0));
  // The first step shown counts the five player digits as solved.
  ASSERT_FALSE(desk.display.shown.empty());
  EXPECT_EQ(0u, desk.display.shown[0].find("6(" + std::to_string(81 - givens - 6) + ")"))
      << desk.display.shown[0];
  EXPECT_EQ(SolutionOf(puzzle), ReadGridAt(desk.memo, 0, true).digits);
}

TEST(StepAnswer, StartingOverClearsThePlayerDigits) {
  const Digits puzzle = DigitsFromText(kEasyPuzzle);
  StepDesk desk(puzzle);
  TypeDigits(desk, puzzle, 5);
  desk.host.answers = {Answer::No};
  desk.display.keys = {pz::kKeyEscape};
  DebugAnswer(desk.ctx);
  const int givens = 81 - static_cast<int>(std::count(puzzle.begin(), puzzle.end(), 0));
  ASSERT_FALSE(desk.display.shown.empty());
  EXPECT_EQ(0u, desk.display.shown[0].find("1(" + std::to_string(81 - givens - 1) + ")"))
      << desk.display.shown[0];

  StepDesk cancelled(puzzle);
  TypeDigits(cancelled, puzzle, 5);
  const std::vector<std::string> before = cancelled.memo.Lines();
  cancelled.host.answers = {Answer::Cancel};
  DebugAnswer(cancelled.ctx);
  EXPECT_EQ(before, cancelled.memo.Lines());
  EXPECT_TRUE(cancelled.display.shown.empty());
}

TEST(StepAnswer, RepeatedPlayerDigitIsRefused) {
  const Digits puzzle = DigitsFromText(kEasyPuzzle);
  StepDesk desk(puzzle);
  // 9 is a given of the first row, whose first cell is open.
  TypeDigits(desk, puzzle, 1, 9);
  DebugAnswer(desk.ctx);
  ASSERT_FALSE(desk.host.messages.empty());
  EXPECT_EQ(Sj("ここまでの答えに矛盾があります。"), desk.host.messages.back().text);
  EXPECT_TRUE(desk.display.shown.empty());
}
