#include "puzzle/play/step_answer.h"

#include "base/digits.h"
#include "base/sjis.h"
#include "puzzle/engine/answer_text.h"
#include "puzzle/engine/solver.h"
#include "puzzle/play/grid_text.h"
#include "puzzle/play/support/answer_desk.h"
#include "support/puzzle_samples.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <memory>
#include <utility>

using zenpa::base::Sj;
using zenpa::platform::Answer;
using zenpa::testing::Digits;
using zenpa::testing::DigitsFromText;
using zenpa::testing::kEasyPuzzle;
using namespace zenpa::play;
namespace pz = zenpa::puzzle;

namespace {

// Presses the scripted keys (Enter once they run out) and keeps every step
// line shown.
class ScriptedDisplay : public DocumentStepDisplay {
public:
  explicit ScriptedDisplay(AnswerContext &ctx) : DocumentStepDisplay(ctx), ctx_(ctx) {}
  void ShowStatus(const std::string &stepLine, const std::string &levelLine) override {
    DocumentStepDisplay::ShowStatus(stepLine, levelLine);
    shown.push_back(stepLine);
  }
  void WaitForKey(pz::Engine &engine) override {
    StepKeyPressed(ctx_, keys.empty() ? pz::kKeyEnter : keys.front());
    if (!keys.empty())
      keys.pop_front();
    DocumentStepDisplay::WaitForKey(engine);
  }
  std::deque<int> keys;
  std::vector<std::string> shown;

private:
  AnswerContext &ctx_;
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

// Cells the puzzle leaves open.
int OpenCount(const Digits &puzzle) {
  return static_cast<int>(std::count(puzzle.begin(), puzzle.end(), 0));
}

std::vector<std::string> Captions(const zenpa::platform::ScriptedHost &host) {
  std::vector<std::string> captions;
  for (const auto &m : host.messages)
    captions.push_back(m.caption);
  return captions;
}

Digits TwoAnswers() {
  Digits answer{};
  return zenpa::testing::TwoAnswerPuzzle(&answer);
}

// The puzzle with two answers, solved step by step with these keys and
// answers to the questions.
std::unique_ptr<StepDesk> StepThroughTwoAnswers(std::deque<int> keys,
                                                std::deque<Answer> answers = {}) {
  auto desk = std::make_unique<StepDesk>(TwoAnswers());
  desk->display.keys = std::move(keys);
  desk->host.answers = std::move(answers);
  DebugAnswer(desk->ctx);
  return desk;
}

} // namespace

// The grid's rows are indented; the steps keep the indent.
TEST(StepAnswer, StepsCircleTheSolvedCellsAndEndWithTheAnswer) {
  const Digits puzzle = DigitsFromText(kEasyPuzzle);
  StepDesk desk(puzzle);
  const std::string indent = Sj("　　");
  for (int row = 1; row <= 9; ++row) {
    const int line = GridRowLineIndex(0, row);
    desk.memo.ReplaceLine(line, indent + desk.memo.Line(line));
  }
  DebugAnswer(desk.ctx);
  EXPECT_LE(OpenCount(puzzle), static_cast<int>(desk.display.shown.size()));
  // Every cell the steps solved shows its circled digit in the puzzle grid.
  const GridReading played = ReadGridAt(desk.memo, 0, true);
  EXPECT_EQ(SolutionOf(puzzle), played.digits);
  EXPECT_EQ(indent, played.rowIndents[8]);
  EXPECT_EQ(puzzle, ReadGridAt(desk.memo, 0).digits);
  EXPECT_EQ(2u, desk.GridTops().size()) << "the answer grid follows the puzzle";
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
}

// Five digits typed by the player: "Yes" goes on from them, "No" clears
// them and starts from the first step, "Cancel" leaves the grid alone.
TEST(StepAnswer, PlayerDigitsAreTakenUpOrClearedAsAsked) {
  const Digits puzzle = DigitsFromText(kEasyPuzzle);
  for (const auto &[choice, firstStep] : {std::pair{Answer::Yes, 6}, std::pair{Answer::No, 1}}) {
    StepDesk desk(puzzle);
    TypeDigits(desk, puzzle, 5);
    desk.host.answers = {choice};
    DebugAnswer(desk.ctx);
    ASSERT_LE(1u, desk.host.messages.size());
    EXPECT_EQ(Sj("解きかけの問題です。続きからしますか？\r\r　　［いいえ］･･････ 最初から"),
              desk.host.messages[0].text);
    EXPECT_EQ(Sj("続きから?　最初から？"), desk.host.messages[0].caption);
    ASSERT_FALSE(desk.display.shown.empty());
    const std::string counted =
        std::to_string(firstStep) + "(" + std::to_string(OpenCount(puzzle) - firstStep) + ")";
    EXPECT_EQ(0u, desk.display.shown[0].find(counted)) << desk.display.shown[0];
    EXPECT_EQ(SolutionOf(puzzle), ReadGridAt(desk.memo, 0, true).digits);
  }

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

TEST(StepAnswer, TrialAnswerIsShownStepByStepThenListed) {
  const Digits puzzle = TwoAnswers();
  StepDesk desk(puzzle);
  // Answers go in at the caret: the steps must not leave it in the grid.
  desk.place = zenpa::editor::InsertionPlace::AtCaret;
  MakeAnswer(desk.ctx, AnswerCommand::DebugAnswer);

  const int at = static_cast<int>(std::find(puzzle.begin(), puzzle.end(), 0) - puzzle.begin());
  // Both answers follow the puzzle block, the one stepped through first,
  // with the lower digit of the trial cell.
  const std::vector<int> tops = desk.GridTops();
  ASSERT_EQ(3u, tops.size());
  const GridReading played = ReadGridAt(desk.memo, 0, true);
  EXPECT_EQ(played.digits, ReadGridAt(desk.memo, tops[1]).digits);
  const int low = played.digits[at];
  EXPECT_LT(low, ReadGridAt(desk.memo, tops[2]).digits[at]);
  const std::vector<std::string> &shown = desk.display.shown;
  ASSERT_EQ(4u, shown.size());
  EXPECT_EQ("1(3" + Sj(")　　仮置き ") + std::to_string(low), shown[0]);
  EXPECT_EQ(0u, shown[3].find("4(0)")) << shown[3];
  EXPECT_EQ((std::vector<std::string>{Sj("仮置き確認"), Sj("確認"), ""}), Captions(desk.host));
  EXPECT_EQ(2, desk.state.TrialResume.candidates);
  EXPECT_EQ((pz::Pos{at % 9 + 1, at / 9 + 1}), desk.state.TrialResume.cell);
}

TEST(StepAnswer, StepBackInsideTheTrialAnswerReplaysFromTheTrial) {
  const std::unique_ptr<StepDesk> stepped =
      StepThroughTwoAnswers({pz::kKeyEnter, pz::kKeyBackspace});
  const StepDesk &desk = *stepped;
  const std::vector<std::string> &shown = desk.display.shown;
  ASSERT_EQ(6u, shown.size());
  EXPECT_EQ(shown[0], shown[2]);
  EXPECT_EQ(shown[1], shown[3]);
  // The replay asks nothing again and lists the answers once.
  EXPECT_EQ((std::vector<std::string>{Sj("仮置き確認"), Sj("確認"), ""}), Captions(desk.host));
  EXPECT_EQ(3u, desk.GridTops().size());
  EXPECT_EQ(2, desk.state.AnswerCount);
}

TEST(StepAnswer, DecliningTheTrialSearchShowsTheStuckGrade) {
  for (Answer choice : {Answer::No, Answer::Cancel}) {
    const std::unique_ptr<StepDesk> stepped = StepThroughTwoAnswers({}, {choice});
    const StepDesk &desk = *stepped;
    ASSERT_EQ(1, desk.Messages());
    EXPECT_EQ(Sj("通常の解法で解けるのはここまでです。\r　仮置きして答えを探しますか？\r\r　［い"
                 "いえ］･･････ 自力で解く"),
              desk.LastMessage());
    EXPECT_TRUE(desk.state.StopRequest);
    // No hands the puzzle back to the game; Cancel only stops.
    EXPECT_EQ(choice == Answer::No, desk.state.ResumeGame);
    EXPECT_EQ(choice == Answer::No ? pz::kKeyEscape : pz::kKeyNone, desk.engine.StepKey);
    EXPECT_TRUE(desk.state.ResultVisible);
    EXPECT_EQ(1u, desk.GridTops().size());
  }
}

TEST(StepAnswer, StoppingInTheTrialStepsEndsTheSearch) {
  const std::unique_ptr<StepDesk> stepped = StepThroughTwoAnswers({pz::kKeyEnter, pz::kKeyEscape});
  const StepDesk &desk = *stepped;
  EXPECT_EQ(2u, desk.display.shown.size());
  EXPECT_TRUE(desk.state.StopRequest);
  // Nothing is listed and no further answer is looked for.
  EXPECT_EQ(1u, desk.GridTops().size());
  EXPECT_EQ((std::vector<std::string>{Sj("仮置き確認")}), Captions(desk.host));
  EXPECT_EQ(1, desk.state.AnswerCount);
}

TEST(StepAnswer, SelectionSwitchWritesTheCandidateListBeforeTheQuestion) {
  const Digits puzzle = TwoAnswers();
  StepDesk desk(puzzle);
  desk.engine.Options.selectionSwitch = pz::SelectionSwitch::Selection;
  desk.host.answers = {Answer::Cancel};
  const int end = desk.memo.LineCount();
  DebugAnswer(desk.ctx);

  pz::Engine stuck;
  pz::LoadPuzzle(stuck, puzzle);
  ASSERT_EQ(pz::SolveResult::Stuck, pz::Solve(stuck));
  std::vector<std::string> expected{""};
  for (const std::string &line : pz::CandidateListLines(stuck, false))
    expected.push_back(line);
  expected.push_back("");
  const std::vector<std::string> lines = desk.memo.Lines();
  EXPECT_EQ(expected, std::vector<std::string>(lines.begin() + end, lines.end()));
}

TEST(StepAnswer, StepsAskedForFromTheGameGoBackToIt) {
  const Digits puzzle = DigitsFromText(kEasyPuzzle);
  StepDesk desk(puzzle);
  TypeDigits(desk, puzzle, 5);
  desk.display.keys = {pz::kKeyEscape};
  DebugAnswer(desk.ctx, true);
  // The player's digits are taken up without asking.
  EXPECT_EQ(0, desk.Messages());
  ASSERT_EQ(1u, desk.display.shown.size());
  EXPECT_EQ(0u, desk.display.shown[0].find("6(")) << desk.display.shown[0];
  EXPECT_EQ(Sj("ゲーム"), desk.state.StepStopCaption);
  EXPECT_TRUE(desk.state.ResumeGame);

  // A later command from the menu starts afresh.
  desk.display.keys = {pz::kKeyEscape};
  desk.host.answers = {Answer::Yes};
  DebugAnswer(desk.ctx);
  EXPECT_EQ(Sj("やめる"), desk.state.StepStopCaption);
  EXPECT_FALSE(desk.state.ResumeGame);
}

TEST(StepAnswer, TabWritesTheCandidateListBelowTheGrid) {
  StepDesk desk(DigitsFromText(kEasyPuzzle));
  desk.place = zenpa::editor::InsertionPlace::AtCaret;
  desk.memo.InsertLine(desk.memo.LineCount(), "next page");
  desk.engine.Options.selectionSwitch = pz::SelectionSwitch::Selection;
  desk.display.keys = {pz::kKeyEnter, pz::kKeyTab, pz::kKeyEscape};
  const int end = desk.memo.LineCount();
  DebugAnswer(desk.ctx);
  // The grid still reads as the puzzle with the two steps made.
  EXPECT_EQ(2, ReadGridAt(desk.memo, 0, true).placedCount - ReadGridAt(desk.memo, 0).placedCount);
  // An empty line and the eleven lines of the list, before the next page.
  const std::vector<std::string> lines = desk.memo.Lines();
  ASSERT_EQ(static_cast<std::size_t>(end) + 12, lines.size());
  EXPECT_EQ("", lines[end - 1]);
  EXPECT_NE(std::string::npos, lines[end + 3].find("-+-")) << lines[end + 3];
}
