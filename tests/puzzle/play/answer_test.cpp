// Solving the puzzle at the caret: the answer commands, the difficulty check,
// the trial search and the step display.
#include "puzzle/play/make_answer.h"
#include "puzzle/play/step_answer.h"

#include "base/digits.h"
#include "base/sjis.h"
#include "puzzle/engine/answer_text.h"
#include "puzzle/engine/solver.h"
#include "puzzle/play/support/desk.h"
#include "support/puzzle_samples.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <set>

using zenpa::base::Sj;
using zenpa::editor::InsertionPlace;
using zenpa::platform::Answer;
using zenpa::testing::Digits;
using zenpa::testing::DigitsFromText;
using zenpa::testing::kEasyPuzzle;
using zenpa::testing::Lines;
using namespace zenpa::play;
namespace pz = zenpa::puzzle;
using Desk = zenpa::testing::PuzzleDesk;

namespace {

const Digits kEasy = DigitsFromText(kEasyPuzzle);

Digits SolutionOf(const Digits &puzzle) {
  zenpa::testing::BruteForce brute;
  brute.Count(puzzle, 1);
  return brute.first();
}

// Two answers; the techniques get stuck at once.
Digits twoAnswersSolution{};
const Digits kTwoAnswers = zenpa::testing::TwoAnswerPuzzle(&twoAnswersSolution);

// 17 givens of a complete grid: very many answers.
Digits SparsePuzzle() {
  const Digits full = zenpa::testing::PuzzleMaker(3).CompleteGrid();
  Digits sparse{};
  for (int i = 0; i < 81; i += 5)
    sparse[i] = full[i];
  return sparse;
}

int Givens(const Digits &puzzle) {
  return static_cast<int>(81 - std::count(puzzle.begin(), puzzle.end(), 0));
}

// The "★" lines holding with, or only those no longer than maxBytes.
Lines StarLines(const Desk &desk, const std::string &with = "", std::size_t maxBytes = 9999) {
  Lines out;
  for (const std::string &l : desk.memo.Lines()) {
    if (l.starts_with(Sj("★")) && l.find(with) != std::string::npos && l.size() <= maxBytes)
      out.push_back(l);
  }
  return out;
}

// The result panel: difficulty, clues and level, hardest technique.
Lines Grade(const Desk &desk) {
  const auto &r = desk.state.Result;
  return {r.difficulty, r.clueLevel, r.hardest};
}

} // namespace

TEST(MakeAnswer, InputChecksStopWithTheirMessage) {
  Digits fifteen{};
  for (int i = 0; i < 15; ++i)
    fifteen[i * 5] = i % 9 + 1;
  // Two equal givens in one block (the engine's own checks cover the rest).
  Digits broken = kEasy;
  broken[0] = broken[10] = 1;
  const std::pair<Digits, std::string> cases[] = {{fifteen, Sj("ヒント数字が少なすぎます。")},
                                                  {broken, Sj("問題が壊れています。")}};
  for (const auto &[digits, message] : cases) {
    SCOPED_TRACE(message);
    Desk desk(digits);
    const Lines before = desk.memo.Lines();
    MakeAnswer(desk.ctx, AnswerCommand::AnswerS);
    EXPECT_EQ(Lines{message}, desk.Texts());
    EXPECT_TRUE(desk.engine.Contradiction);
    EXPECT_EQ(before, desk.memo.Lines());
  }
  // While the auto-record panel is shown fifteen givens pass.
  Digits few = kEasy;
  int kept = 0;
  for (int &d : few)
    d = (d != 0 && kept++ < 15) ? d : 0;
  Desk sparse(few);
  sparse.options.recordPanelShown = true;
  MakeAnswer(sparse.ctx, AnswerCommand::LevelSDK);
  EXPECT_EQ(0, sparse.Messages());
  EXPECT_EQ("15-clue  level 12", sparse.state.Result.clueLevel);
  // Without a grid nothing happens.
  Desk none;
  none.memo.SetLines({"plain text"});
  MakeAnswer(none.ctx, AnswerCommand::AnswerS);
  EXPECT_EQ(Lines{"plain text"}, none.memo.Lines());
  EXPECT_EQ(0, none.Messages());
}

// The difficulty check writes nothing and moves nothing; with the technique
// the grade rests on switched off by the puzzle conditions the grade changes.
// Stuck, it searches nothing; stopped after the first trial answer, a puzzle
// is graded the same.
TEST(MakeAnswer, GradesFromTheHardestTechniqueUsed) {
  struct Case {
    const char *puzzle;
    int box;
    std::string difficulty, hardest;
    int level;
  };
  const Case cases[] = {
      {kEasyPuzzle, 0, Sj("やさしい問題です｡"), "Block Unique", 1},
      {"020000000900050000008700010000600400300400002709000638052080070800070001000205300",
       pz::kBoxLocalization, Sj("やや難しい問題です｡"), "Localization", 4},
      {zenpa::testing::kNakedPairPuzzle, pz::kBoxNakedPair, Sj("難しい問題です｡"), "Naked Pair b",
       5},
      {"060025700000860000009000080003000000010080002000400608902007000000009040004000050",
       pz::kBoxEmptyRectangle, Sj("かなり難しい問題です｡"), "Empty Rectangle b", 11},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.puzzle);
    const Digits digits = DigitsFromText(c.puzzle);
    Desk desk(digits);
    desk.place = InsertionPlace::AtCaret;
    desk.memo.SetCaret({5, 0});
    const Lines before = desk.memo.Lines();
    MakeAnswer(desk.ctx, AnswerCommand::LevelSDK);
    EXPECT_TRUE(desk.state.ResultVisible);
    EXPECT_EQ((Lines{c.difficulty,
                     std::to_string(Givens(digits)) + "-clue  level " + std::to_string(c.level),
                     c.hardest}),
              Grade(desk));
    EXPECT_EQ(before, desk.memo.Lines());
    EXPECT_EQ(5, desk.memo.Caret().line);
    if (c.box == 0)
      continue;
    Desk gated(digits);
    gated.engine.Options.conditionsPanelShown = gated.engine.Options.mustUseHardest = true;
    gated.engine.Options.boxes[c.box] = false;
    MakeAnswer(gated.ctx, AnswerCommand::LevelSDK);
    EXPECT_NE(c.hardest, gated.state.Result.hardest);
  }
  const std::string tooHard = Sj("難しすぎる問題です｡");
  Desk stuck(kTwoAnswers);
  const Lines before = stuck.memo.Lines();
  MakeAnswer(stuck.ctx, AnswerCommand::LevelSDK);
  EXPECT_EQ((Lines{tooHard, "77-clue  level 12", ""}), Grade(stuck));
  EXPECT_EQ(before, stuck.memo.Lines());
  EXPECT_EQ(0, stuck.Messages());
  Desk cancelled(SparsePuzzle());
  cancelled.host.answers.push_back(Answer::Cancel);
  MakeAnswer(cancelled.ctx, AnswerCommand::AnswerS);
  EXPECT_EQ(1u, StarLines(cancelled).size());
  EXPECT_EQ(1, cancelled.Messages());
  EXPECT_EQ((Lines{tooHard, "17-clue  level 12", ""}), Grade(cancelled));
}

TEST(MakeAnswer, AnswerIsWrittenAfterThePuzzleOrOnTheNextPage) {
  const Digits puzzle = DigitsFromText(zenpa::testing::kNakedPairPuzzle);
  Desk desk(puzzle);
  const Lines before = desk.memo.Lines();
  MakeAnswer(desk.ctx, AnswerCommand::AnswerS);
  Lines expected = before;
  for (const std::string &line : GridBlockLines(GivenCells(SolutionOf(puzzle))))
    expected.push_back(line);
  expected.push_back("\f");
  EXPECT_EQ(expected, desk.memo.Lines());

  Desk here(kEasy);
  here.memo.InsertLine(here.memo.LineCount(), "next page");
  here.place = InsertionPlace::AtCaret;
  here.memo.SetCaret({5, 0});
  const int pageBreak = here.memo.LineCount() - 2;
  ASSERT_EQ("\f", here.memo.Line(pageBreak));
  MakeAnswer(here.ctx, AnswerCommand::AnswerS);
  EXPECT_EQ((std::vector<int>{0, pageBreak + 1}), here.GridTops());
  EXPECT_EQ("next page", here.memo.Lines().back());
}

// The first open cell in row order gets each of its two candidates, the
// lower first.
TEST(MakeAnswer, TwoAnswersByOneTrialPlacement) {
  const Digits &puzzle = kTwoAnswers;
  Desk desk(puzzle);
  MakeAnswer(desk.ctx, AnswerCommand::AnswerS);
  const std::vector<int> tops = desk.GridTops();
  ASSERT_EQ(3u, tops.size());
  const Digits found[] = {ReadGridAt(desk.memo, tops[1]).digits,
                          ReadGridAt(desk.memo, tops[2]).digits};
  EXPECT_TRUE(found[0] == twoAnswersSolution || found[1] == twoAnswersSolution);
  const int first = static_cast<int>(std::find(puzzle.begin(), puzzle.end(), 0) - puzzle.begin());
  const std::string where = std::to_string(first / 9 + 1) + "," + std::to_string(first % 9 + 1);
  EXPECT_EQ((Lines{Sj("★1個目の答え   ") + where + "=" + std::to_string(found[0][first]),
                   Sj("★2個目の答え   ") + where + "=" + std::to_string(found[1][first])}),
            StarLines(desk));
  EXPECT_LT(found[0][first], found[1][first]);
  EXPECT_EQ((Lines{Sj("確認"), ""}), desk.Texts(true));
  EXPECT_EQ("77-clue\r2" + Sj("個の答えをみつけました。"), desk.LastMessage());
}

// Past ten answers the search gives up; without an answer the unfinished
// grid is written.
TEST(MakeAnswer, TooManyOrNoAnswers) {
  Desk many(SparsePuzzle());
  MakeAnswer(many.ctx, AnswerCommand::AnswerS);
  EXPECT_EQ(11u, many.GridTops().size());
  const Lines stars = StarLines(many);
  ASSERT_EQ(10u, stars.size());
  EXPECT_TRUE(stars[9].starts_with(Sj("★10個目の答え   ....   "))) << stars[9];
  EXPECT_EQ(Sj("こんなに答えがある数独はだめです。"), many.LastMessage());
  EXPECT_EQ(10, many.state.AnswerCount);

  Desk none(DigitsFromText(
      "010900300000070008060002057006020000004000800500000032090005070100006000030017900"));
  MakeAnswer(none.ctx, AnswerCommand::AnswerS);
  EXPECT_EQ(Sj("解けませんでした。"), none.LastMessage());
  const std::vector<int> tops = none.GridTops();
  ASSERT_EQ(2u, tops.size());
  EXPECT_GT(81, ReadGridAt(none.memo, tops[1]).placedCount);
}

// The full search lists every answer: ten grids, then ninety answers as nine
// lines of digits with their "★" line, then only the count, kept on the last
// line. With the selection switch on every answer is one line, every tenth
// followed by its count.
TEST(MakeAnswer, AllAnswersAreListedInShorterFormsPastTenAndAHundred) {
  Digits puzzle = zenpa::testing::PuzzleMaker(11).CompleteGrid();
  zenpa::testing::BruteForce brute;
  int answers = 0;
  for (int i = 0; i < 81 && answers <= 100; ++i) {
    puzzle[(i * 7) % 81] = 0;
    answers = brute.Count(puzzle, 1000);
  }
  ASSERT_LT(100, answers);
  const std::string count = std::to_string(answers);
  Desk desk(puzzle);
  MakeAnswer(desk.ctx, AnswerCommand::Zenkai);
  EXPECT_EQ(answers, desk.state.AnswerCount);
  EXPECT_EQ(std::to_string(Givens(puzzle)) + "-clue\r" + count + Sj("個の答えをみつけました。"),
            desk.LastMessage());
  EXPECT_EQ(256, desk.state.ProgressPosition); // the progress bar ends full
  EXPECT_EQ(11u, desk.GridTops().size());
  EXPECT_EQ(10u, StarLines(desk, Sj("個目の答え   ")).size());
  EXPECT_EQ(90u, StarLines(desk, Sj("個 ... ")).size());
  EXPECT_EQ(Sj("★") + count + Sj("個 "), desk.memo.Lines().back());

  Desk lines(puzzle);
  lines.engine.Options.selectionSwitch = pz::SelectionSwitch::Selection;
  MakeAnswer(lines.ctx, AnswerCommand::Zenkai);
  EXPECT_EQ(1u, lines.GridTops().size());
  EXPECT_EQ(static_cast<std::size_t>(answers / 10),
            StarLines(lines, "", Sj("★1000個 ").size()).size());
  // The answers are the puzzle's, none twice.
  std::set<std::string> digitLines;
  for (const std::string &l : lines.memo.Lines()) {
    if (l.size() == 81 && l.find_first_not_of("123456789") == std::string::npos)
      digitLines.insert(l);
  }
  EXPECT_EQ(static_cast<std::size_t>(answers), digitLines.size());
  EXPECT_EQ(1, brute.Count(DigitsFromText(*digitLines.begin())));
  // The full search's caption does not follow the insertion place.
  EXPECT_EQ(Sj("～全解探査(&Z)"), CommandCaption(AnswerCommand::Zenkai, InsertionPlace::AtCaret));
}

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
  Lines shown;

private:
  AnswerContext &ctx_;
};

struct StepDesk : Desk {
  ScriptedDisplay display{ctx};
  explicit StepDesk(const Digits &digits, std::deque<int> keys = {},
                    std::deque<Answer> answers = {})
      : Desk(digits) {
    engine.Observer = &display;
    display.keys = std::move(keys);
    host.answers = std::move(answers);
  }
  // The player has typed the answer's digits, circled, into the first open
  // cells of the grid; a wrong digit, when given, goes first.
  void TypeDigits(const Digits &puzzle, int count, int wrongDigit = 0) {
    const Digits answer = SolutionOf(puzzle);
    for (int i = 0, typed = 0; i < 81 && typed < count; ++i) {
      if (puzzle[i] != 0)
        continue;
      const int line = GridRowLineIndex(0, i / 9 + 1);
      std::string row = memo.Line(line);
      const int digit = typed++ == 0 && wrongDigit != 0 ? wrongDigit : answer[i];
      row.replace(4 * static_cast<std::size_t>(i % 9 + 1) - 2, 2, zenpa::base::CircledDigit(digit));
      memo.ReplaceLine(line, row);
    }
  }
  bool FirstShownStartsWith(const std::string &prefix) const {
    return !display.shown.empty() && display.shown[0].starts_with(prefix);
  }
};

} // namespace

// The grid's rows are indented; the steps keep the indent. Backspace shows
// the previous step again.
TEST(StepAnswer, StepsCircleTheSolvedCellsAndEndWithTheAnswer) {
  StepDesk desk(kEasy, {pz::kKeyEnter, pz::kKeyEnter, pz::kKeyBackspace});
  const std::string indent = Sj("　　");
  for (int row = 1; row <= 9; ++row) {
    const int line = GridRowLineIndex(0, row);
    desk.memo.ReplaceLine(line, indent + desk.memo.Line(line));
  }
  DebugAnswer(desk.ctx);
  const Lines &shown = desk.display.shown;
  ASSERT_LT(static_cast<std::size_t>(81 - Givens(kEasy)), shown.size());
  EXPECT_EQ(shown[1], shown[3]);
  EXPECT_EQ(shown[2], shown[4]);
  const GridReading played = ReadGridAt(desk.memo, 0, true);
  EXPECT_EQ(SolutionOf(kEasy), played.digits);
  EXPECT_EQ(indent, played.rowIndents[8]);
  EXPECT_EQ(kEasy, ReadGridAt(desk.memo, 0).digits);
  EXPECT_EQ(2u, desk.GridTops().size()) << "the answer grid follows the puzzle";
  EXPECT_FALSE(desk.engine.StepMode);
  EXPECT_EQ(0, desk.Messages());
}

// Five digits typed by the player: "Yes" goes on from them, "No" clears
// them and starts from the first step, "Cancel" leaves the grid alone. A
// repeated digit is refused.
TEST(StepAnswer, PlayerDigitsAreTakenUpOrClearedAsAsked) {
  const int open = 81 - Givens(kEasy);
  for (const auto &[choice, firstStep] : {std::pair{Answer::Yes, 6}, std::pair{Answer::No, 1}}) {
    StepDesk desk(kEasy, {}, {choice});
    desk.TypeDigits(kEasy, 5);
    DebugAnswer(desk.ctx);
    ASSERT_LE(1, desk.Messages());
    EXPECT_EQ(Sj("解きかけの問題です。続きからしますか？\r\r　　［いいえ］･･････ 最初から"),
              desk.host.messages[0].text);
    EXPECT_EQ(Sj("続きから?　最初から？"), desk.host.messages[0].caption);
    EXPECT_TRUE(desk.FirstShownStartsWith(std::to_string(firstStep) + "(" +
                                          std::to_string(open - firstStep) + ")"));
    EXPECT_EQ(SolutionOf(kEasy), ReadGridAt(desk.memo, 0, true).digits);
  }
  StepDesk cancelled(kEasy, {}, {Answer::Cancel});
  cancelled.TypeDigits(kEasy, 5);
  const Lines before = cancelled.memo.Lines();
  DebugAnswer(cancelled.ctx);
  EXPECT_EQ(before, cancelled.memo.Lines());
  EXPECT_TRUE(cancelled.display.shown.empty());
  // 9 is a given of the first row, whose first cell is open.
  StepDesk repeated(kEasy);
  repeated.TypeDigits(kEasy, 1, 9);
  DebugAnswer(repeated.ctx);
  EXPECT_EQ(Sj("ここまでの答えに矛盾があります。"), repeated.LastMessage());
  EXPECT_TRUE(repeated.display.shown.empty());
}

// The trial answer is stepped through first, from the lower digit of the
// trial cell, and both answers follow the puzzle block; Backspace inside it
// replays from the trial, asking nothing again and listing the answers once;
// Escape ends the search unlisted. Answers go in at the caret: the steps
// must not leave it in the grid.
TEST(StepAnswer, TrialAnswerIsShownStepByStepThenListed) {
  const Digits &puzzle = kTwoAnswers;
  const int at = static_cast<int>(std::find(puzzle.begin(), puzzle.end(), 0) - puzzle.begin());
  const Lines asked{Sj("仮置き確認"), Sj("確認"), ""};
  struct Case {
    std::deque<int> keys;
    std::string steps;
    Lines captions;
    std::size_t grids;
    int answers;
  };
  const Case cases[] = {
      {{}, "1 2 3 4 ", asked, 3, 2},
      {{pz::kKeyEnter, pz::kKeyBackspace}, "1 2 1 2 3 4 ", asked, 3, 2},
      {{pz::kKeyEnter, pz::kKeyEscape}, "1 2 ", {asked[0]}, 1, 1},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.steps);
    StepDesk desk(puzzle, c.keys);
    desk.place = InsertionPlace::AtCaret;
    MakeAnswer(desk.ctx, AnswerCommand::DebugAnswer);
    std::string steps;
    for (const std::string &line : desk.display.shown)
      steps += line.substr(0, line.find('(')) + " ";
    EXPECT_EQ(c.steps, steps);
    EXPECT_EQ(c.keys.size() == 2 && c.keys[1] == pz::kKeyEscape, desk.state.StopRequest);
    EXPECT_EQ(c.captions, desk.Texts(true));
    EXPECT_EQ(c.answers, desk.state.AnswerCount);
    const std::vector<int> tops = desk.GridTops();
    ASSERT_EQ(c.grids, tops.size());
    const int low = ReadGridAt(desk.memo, 0, true).digits[at];
    EXPECT_EQ("1(3" + Sj(")　　仮置き ") + std::to_string(low), desk.display.shown[0]);
    EXPECT_EQ(2, desk.state.TrialResume.candidates);
    EXPECT_EQ((pz::Pos{at % 9 + 1, at / 9 + 1}), desk.state.TrialResume.cell);
    if (c.grids == 1)
      continue;
    EXPECT_EQ(ReadGridAt(desk.memo, 0, true).digits, ReadGridAt(desk.memo, tops[1]).digits);
    EXPECT_LT(low, ReadGridAt(desk.memo, tops[2]).digits[at]);
  }
}

// "No" hands the puzzle back to the game, "Cancel" only stops; with the
// selection switch on the candidate list is written before the question.
TEST(StepAnswer, DecliningTheTrialSearchShowsTheStuckGrade) {
  const Digits &puzzle = kTwoAnswers;
  pz::Engine stuck;
  pz::LoadPuzzle(stuck, puzzle);
  ASSERT_EQ(pz::SolveResult::Stuck, pz::Solve(stuck));
  for (Answer choice : {Answer::No, Answer::Cancel}) {
    StepDesk desk(puzzle, {}, {choice});
    const bool no = choice == Answer::No;
    if (!no)
      desk.engine.Options.selectionSwitch = pz::SelectionSwitch::Selection;
    const Lines before = desk.memo.Lines();
    DebugAnswer(desk.ctx);
    EXPECT_EQ(Lines{Sj("通常の解法で解けるのはここまでです。\r　仮置きして答えを探しますか？\r\r"
                       "　［いいえ］･･････ 自力で解く")},
              desk.Texts());
    EXPECT_TRUE(desk.state.StopRequest);
    EXPECT_EQ(no, desk.state.ResumeGame);
    EXPECT_EQ(no ? pz::kKeyEscape : pz::kKeyNone, desk.engine.StepKey);
    EXPECT_TRUE(desk.state.ResultVisible);
    EXPECT_EQ(1u, desk.GridTops().size());
    if (no)
      continue;
    Lines expected = pz::CandidateListLines(stuck, false);
    expected.insert(expected.begin(), "");
    expected.push_back("");
    const Lines lines = desk.memo.Lines();
    EXPECT_EQ(expected, Lines(lines.begin() + static_cast<long>(before.size()), lines.end()));
  }
}

// From the game the player's digits are taken up without asking; a later
// command from the menu starts afresh.
TEST(StepAnswer, StepsAskedForFromTheGameGoBackToIt) {
  StepDesk desk(kEasy, {pz::kKeyEscape});
  desk.TypeDigits(kEasy, 5);
  DebugAnswer(desk.ctx, true);
  EXPECT_EQ(0, desk.Messages());
  EXPECT_EQ(1u, desk.display.shown.size());
  EXPECT_TRUE(desk.FirstShownStartsWith("6("));
  EXPECT_EQ(Sj("ゲーム"), desk.state.StepStopCaption);
  EXPECT_TRUE(desk.state.ResumeGame);
  desk.display.keys = {pz::kKeyEscape};
  desk.host.answers = {Answer::Yes};
  DebugAnswer(desk.ctx);
  EXPECT_EQ(Sj("やめる"), desk.state.StepStopCaption);
  EXPECT_FALSE(desk.state.ResumeGame);
}

// An empty line and the eleven lines of the list go below the grid, before
// the next page; the grid still reads as the puzzle with the two steps made.
TEST(StepAnswer, TabWritesTheCandidateListBelowTheGrid) {
  StepDesk desk(kEasy, {pz::kKeyEnter, pz::kKeyTab, pz::kKeyEscape});
  desk.place = InsertionPlace::AtCaret;
  desk.memo.InsertLine(desk.memo.LineCount(), "next page");
  desk.engine.Options.selectionSwitch = pz::SelectionSwitch::Selection;
  const int end = desk.memo.LineCount();
  DebugAnswer(desk.ctx);
  EXPECT_EQ(2, ReadGridAt(desk.memo, 0, true).placedCount - ReadGridAt(desk.memo, 0).placedCount);
  const Lines lines = desk.memo.Lines();
  ASSERT_EQ(static_cast<std::size_t>(end) + 12, lines.size());
  EXPECT_EQ("", lines[end - 1]);
  EXPECT_NE(std::string::npos, lines[end + 3].find("-+-")) << lines[end + 3];
}
