#include "puzzle/play/make_answer.h"

#include "base/sjis.h"
#include "platform/scripted_host.h"
#include "platform/text_memo.h"
#include "puzzle/engine/solver.h"
#include "puzzle/play/grid_text.h"
#include "puzzle/play/support/answer_desk.h"
#include "support/puzzle_samples.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

using zenpa::base::Sj;
using zenpa::editor::InsertionPlace;
using zenpa::platform::Answer;
using zenpa::platform::ScriptedHost;
using zenpa::platform::TextMemo;
using zenpa::testing::Digits;
using zenpa::testing::DigitsFromText;
using zenpa::testing::kEasyPuzzle;
using zenpa::testing::kNakedPairPuzzle;
using zenpa::testing::TwoAnswerPuzzle;
using namespace zenpa::play;
using Lines = std::vector<std::string>;

namespace {

// Needs locked candidates.
const char *const kLocalizePuzzle =
    "020000000900050000008700010000600400300400002709000638052080070800070001000205300";
// Needs Empty Rectangle and places a digit by Block Unique H on the way.
const char *const kEmptyRectanglePuzzle =
    "060025700000860000009000080003000000010080002000400608902007000000009040004000050";
// No answer, and the techniques do not find that out.
const char *const kNoAnswerPuzzle =
    "010900300000070008060002057006020000004000800500000032090005070100006000030017900";

using Desk = zenpa::testing::AnswerDesk;

Digits Parse(const char *text) { return DigitsFromText(text); }

// 17 givens of a complete grid: very many answers.
Digits SparsePuzzle() {
  zenpa::testing::PuzzleMaker maker(3);
  const Digits full = maker.CompleteGrid();
  Digits sparse{};
  for (int i = 0; i < 81; i += 5)
    sparse[i] = full[i];
  return sparse;
}

std::vector<std::string> StarLines(const TextMemo &memo) {
  std::vector<std::string> lines;
  for (const std::string &line : memo.Lines()) {
    if (line.rfind(Sj("★"), 0) == 0)
      lines.push_back(line);
  }
  return lines;
}

} // namespace

TEST(MakeAnswer, InputChecksStopWithTheirMessage) {
  Digits fifteen{};
  for (int i = 0; i < 15; ++i)
    fifteen[i * 5] = i % 9 + 1;
  zenpa::testing::PuzzleMaker maker(5);
  const Digits full = maker.CompleteGrid();
  // Rows 1 and 4 swapped: every row and column still adds up to 45 and holds
  // nine digits, but the blocks do not. Not a finished answer either.
  Digits wrongBlocks = full;
  std::swap_ranges(wrongBlocks.begin(), wrongBlocks.begin() + 9, wrongBlocks.begin() + 27);
  // Two equal givens in one block, in different rows and columns.
  Digits broken = Parse(kEasyPuzzle);
  broken[0] = 1;  // row 1 column 1
  broken[10] = 1; // row 2 column 2
  struct Case {
    Digits digits;
    std::string message;
  };
  const std::vector<Case> cases = {
      {fifteen, Sj("ヒント数字が少なすぎます。")},
      {full, Sj("　指定の数独は完成しています。\rカーソルを問題の上に置いて下さい。")},
      {wrongBlocks, Sj("　指定の数独の答えは異常です。\rカーソルを問題の上に置いて下さい。")},
      {broken, Sj("問題が壊れています。")},
  };
  for (const Case &c : cases) {
    Desk desk(c.digits);
    const Lines before = desk.memo.Lines();
    MakeAnswer(desk.ctx, AnswerCommand::AnswerS);
    ASSERT_EQ(1, desk.Messages());
    EXPECT_EQ(c.message, desk.LastMessage());
    EXPECT_TRUE(desk.engine.Contradiction);
    EXPECT_EQ(before, desk.memo.Lines());
  }
}

TEST(MakeAnswer, FifteenGivensPassWhileAutoRecordPanelIsShown) {
  Digits few = Parse(kEasyPuzzle);
  int kept = 0;
  for (int &d : few)
    d = (d != 0 && kept++ < 15) ? d : 0;
  Desk sparse(few);
  sparse.options.recordPanelShown = true;
  MakeAnswer(sparse.ctx, AnswerCommand::LevelSDK);
  EXPECT_EQ(0, sparse.Messages());
  EXPECT_TRUE(sparse.state.ResultVisible);
  EXPECT_EQ("15-clue  level 12", sparse.state.Result.clueLevel);
}

TEST(MakeAnswer, GradesFromTheHardestTechniqueUsed) {
  struct Case {
    const char *puzzle;
    int box; // the technique the grade rests on
    std::string difficulty, hardest;
    int level;
  };
  const std::vector<Case> cases = {
      {kEasyPuzzle, 0, Sj("やさしい問題です｡"), "Block Unique", 1},
      {kLocalizePuzzle, zenpa::puzzle::kBoxLocalization, Sj("やや難しい問題です｡"), "Localization",
       4},
      {kNakedPairPuzzle, zenpa::puzzle::kBoxNakedPair, Sj("難しい問題です｡"), "Naked Pair b", 5},
      {kEmptyRectanglePuzzle, zenpa::puzzle::kBoxEmptyRectangle, Sj("かなり難しい問題です｡"),
       "Empty Rectangle b", 11},
  };
  for (const Case &c : cases) {
    const Digits digits = Parse(c.puzzle);
    const int givens = static_cast<int>(81 - std::count(digits.begin(), digits.end(), 0));
    Desk desk(digits);
    const Lines before = desk.memo.Lines();
    MakeAnswer(desk.ctx, AnswerCommand::LevelSDK);
    EXPECT_EQ(c.difficulty, desk.state.Result.difficulty) << c.puzzle;
    EXPECT_EQ(c.hardest, desk.state.Result.hardest) << c.puzzle;
    EXPECT_EQ(std::to_string(givens) + "-clue  level " + std::to_string(c.level),
              desk.state.Result.clueLevel);
    EXPECT_EQ(before, desk.memo.Lines());
    if (c.box == 0)
      continue;
    // With that technique switched off by the puzzle conditions the grade
    // changes.
    Desk gated(digits);
    gated.engine.Options.conditionsPanelShown = true;
    gated.engine.Options.mustUseHardest = true;
    gated.engine.Options.boxes[c.box] = false;
    MakeAnswer(gated.ctx, AnswerCommand::LevelSDK);
    EXPECT_NE(c.hardest, gated.state.Result.hardest) << c.puzzle;
  }
}

TEST(MakeAnswer, AnswerIsWrittenAfterThePuzzle) {
  zenpa::testing::BruteForce brute;
  ASSERT_EQ(1, brute.Count(Parse(kNakedPairPuzzle)));
  Desk desk(Parse(kNakedPairPuzzle));
  const int before = desk.memo.LineCount();
  MakeAnswer(desk.ctx, AnswerCommand::AnswerS);
  const Lines lines = desk.memo.Lines();
  ASSERT_EQ(before + 20, static_cast<int>(lines.size()));
  const Lines expected = GridBlockLines(GivenCells(brute.first()));
  EXPECT_EQ(expected, Lines(lines.begin() + before, lines.begin() + before + 19));
  EXPECT_EQ("\f", lines.back());
  EXPECT_EQ("Naked Pair b", desk.state.HardestName);
}

TEST(MakeAnswer, AnswerGoesOntoTheNextPageWhenInsertingHere) {
  Desk desk(Parse(kEasyPuzzle));
  desk.memo.InsertLine(desk.memo.LineCount(), "next page");
  desk.place = InsertionPlace::AtCaret;
  desk.memo.SetCaret({5, 0});
  const int pageBreak = desk.memo.LineCount() - 2;
  ASSERT_EQ("\f", desk.memo.Line(pageBreak));
  MakeAnswer(desk.ctx, AnswerCommand::AnswerS);
  EXPECT_EQ((std::vector<int>{0, pageBreak + 1}), desk.GridTops());
  EXPECT_EQ("next page", desk.memo.Lines().back());

  // The difficulty check writes nothing and moves nothing.
  Desk check(Parse(kEasyPuzzle));
  check.place = InsertionPlace::AtCaret;
  check.memo.SetCaret({5, 0});
  MakeAnswer(check.ctx, AnswerCommand::LevelSDK);
  EXPECT_EQ(5, check.memo.Caret().line);
}

TEST(MakeAnswer, StuckPuzzleUnderTheDifficultyCheckSearchesNothing) {
  Digits answer{};
  Desk desk(TwoAnswerPuzzle(&answer));
  const Lines before = desk.memo.Lines();
  MakeAnswer(desk.ctx, AnswerCommand::LevelSDK);
  EXPECT_EQ(Sj("難しすぎる問題です｡"), desk.state.Result.difficulty);
  EXPECT_EQ("77-clue  level 12", desk.state.Result.clueLevel);
  EXPECT_EQ("", desk.state.Result.hardest);
  EXPECT_EQ(before, desk.memo.Lines());
  EXPECT_EQ(0, desk.Messages());
}

TEST(MakeAnswer, TwoAnswersByOneTrialPlacement) {
  Digits answer{};
  const Digits puzzle = TwoAnswerPuzzle(&answer);
  Desk desk(puzzle);
  MakeAnswer(desk.ctx, AnswerCommand::AnswerS);
  const std::vector<int> tops = desk.GridTops();
  ASSERT_EQ(3u, tops.size());
  const std::vector<GridDigits> found = {ReadGridAt(desk.memo, tops[1]).digits,
                                         ReadGridAt(desk.memo, tops[2]).digits};
  EXPECT_TRUE(found[0] == answer || found[1] == answer);

  // The first open cell in row order got each of its two candidates.
  const int first = static_cast<int>(std::find(puzzle.begin(), puzzle.end(), 0) - puzzle.begin());
  const std::string where = std::to_string(first / 9 + 1) + "," + std::to_string(first % 9 + 1);
  const int low = std::min(found[0][first], found[1][first]);
  const int high = std::max(found[0][first], found[1][first]);
  EXPECT_EQ((Lines{Sj("★1個目の答え   ") + where + "=" + std::to_string(low),
                   Sj("★2個目の答え   ") + where + "=" + std::to_string(high)}),
            StarLines(desk.memo));
  ASSERT_EQ(2, desk.Messages());
  EXPECT_EQ(Sj("確認"), desk.host.messages[0].caption);
  EXPECT_EQ("77-clue\r2" + Sj("個の答えをみつけました。"), desk.LastMessage());
  EXPECT_EQ(2, desk.state.AnswerCount);
}

TEST(MakeAnswer, ManyAnswersStopAfterTheTenth) {
  Desk desk(SparsePuzzle());
  MakeAnswer(desk.ctx, AnswerCommand::AnswerS);
  EXPECT_EQ(11u, desk.GridTops().size());
  const Lines stars = StarLines(desk.memo);
  ASSERT_EQ(10u, stars.size());
  EXPECT_EQ(0u, stars[9].rfind(Sj("★10個目の答え   ....   "), 0)) << stars[9];
  EXPECT_EQ(Sj("こんなに答えがある数独はだめです。"), desk.LastMessage());
  EXPECT_EQ(10, desk.state.AnswerCount);
}

TEST(MakeAnswer, CancelAfterTheFirstAnswerShowsTheStuckGrade) {
  Desk desk(SparsePuzzle());
  desk.host.answers.push_back(Answer::Cancel);
  MakeAnswer(desk.ctx, AnswerCommand::AnswerS);
  EXPECT_EQ(1u, StarLines(desk.memo).size());
  EXPECT_EQ(1, desk.Messages());
  EXPECT_EQ(Sj("難しすぎる問題です｡"), desk.state.Result.difficulty);
  EXPECT_EQ("17-clue  level 12", desk.state.Result.clueLevel);
}

TEST(MakeAnswer, PuzzleWithoutAnswerWritesTheUnfinishedGrid) {
  Desk desk(Parse(kNoAnswerPuzzle));
  MakeAnswer(desk.ctx, AnswerCommand::AnswerS);
  EXPECT_EQ(Sj("解けませんでした。"), desk.LastMessage());
  const std::vector<int> tops = desk.GridTops();
  ASSERT_EQ(2u, tops.size());
  EXPECT_GT(81, ReadGridAt(desk.memo, tops[1]).placedCount);
}

TEST(MakeAnswer, NoGridEndsSilently) {
  Desk desk(Digits{});
  desk.memo.SetLines({"plain text"});
  MakeAnswer(desk.ctx, AnswerCommand::AnswerS);
  EXPECT_EQ(Lines{"plain text"}, desk.memo.Lines());
  EXPECT_EQ(0, desk.Messages());
}

namespace {

// A puzzle with a little over a hundred answers, and their number by the
// brute-force solver.
Digits HundredsOfAnswersPuzzle(int *answers) {
  zenpa::testing::PuzzleMaker maker(11);
  Digits puzzle = maker.CompleteGrid();
  zenpa::testing::BruteForce brute;
  for (int i = 0; i < 81; ++i) {
    puzzle[(i * 7) % 81] = 0;
    *answers = brute.Count(puzzle, 1000);
    if (*answers > 100)
      break;
  }
  return puzzle;
}

bool IsDigitLine(const std::string &line) {
  return line.size() == 81 &&
         std::all_of(line.begin(), line.end(), [](char c) { return c >= '1' && c <= '9'; });
}

int CountLines(const TextMemo &memo, const std::function<bool(const std::string &)> &match) {
  const Lines lines = memo.Lines();
  return static_cast<int>(std::count_if(lines.begin(), lines.end(), match));
}

bool StartsWith(const std::string &line, const std::string &start) {
  return line.rfind(start, 0) == 0;
}

} // namespace

TEST(MakeAnswer, AllAnswersAreListedInShorterFormsPastTenAndAHundred) {
  int answers = 0;
  const Digits puzzle = HundredsOfAnswersPuzzle(&answers);
  ASSERT_LT(100, answers);
  Desk desk(puzzle);
  MakeAnswer(desk.ctx, AnswerCommand::Zenkai);
  EXPECT_EQ(answers, desk.state.AnswerCount);
  const std::string clues = std::to_string(81 - std::count(puzzle.begin(), puzzle.end(), 0));
  EXPECT_EQ(clues + "-clue\r" + std::to_string(answers) + Sj("個の答えをみつけました。"),
            desk.LastMessage());
  // The depth-first stage runs the progress bar up to 256; it ends full.
  EXPECT_EQ(256, desk.state.ProgressPosition);
  // Ten answer grids, then ninety answers as nine lines of digits with their
  // "★" line, then only the count, kept on the last line.
  EXPECT_EQ(11u, desk.GridTops().size());
  EXPECT_EQ(10, CountLines(desk.memo, [](const std::string &l) {
              return StartsWith(l, Sj("★")) && l.find(Sj("個目の答え   ")) != std::string::npos;
            }));
  EXPECT_EQ(90, CountLines(desk.memo, [](const std::string &l) {
              return StartsWith(l, Sj("★")) && l.find(Sj("個 ... ")) != std::string::npos;
            }));
  EXPECT_EQ(Sj("★") + std::to_string(answers) + Sj("個 "), desk.memo.Lines().back());
}

TEST(MakeAnswer, AllAnswersWithTheSwitchOnAreOneLineEach) {
  int answers = 0;
  const Digits puzzle = HundredsOfAnswersPuzzle(&answers);
  Desk desk(puzzle);
  desk.engine.Options.selectionSwitch = zenpa::puzzle::SelectionSwitch::Selection;
  MakeAnswer(desk.ctx, AnswerCommand::Zenkai);
  EXPECT_EQ(answers, desk.state.AnswerCount);
  EXPECT_EQ(1u, desk.GridTops().size());
  // Every tenth answer is followed by its count.
  EXPECT_EQ(answers / 10, CountLines(desk.memo, [](const std::string &l) {
              return StartsWith(l, Sj("★")) && l.size() <= Sj("★1000個 ").size();
            }));
  // The answers are the puzzle's, none twice.
  const Lines lines = desk.memo.Lines();
  std::set<std::string> seen(lines.begin(), lines.end());
  EXPECT_EQ(answers, std::count_if(seen.begin(), seen.end(), IsDigitLine));
  zenpa::testing::BruteForce brute;
  EXPECT_EQ(1, brute.Count(DigitsFromText(*std::find_if(lines.begin(), lines.end(), IsDigitLine))));
  // The full search's caption does not follow the insertion place.
  EXPECT_EQ(Sj("～全解探査(&Z)"), CommandCaption(AnswerCommand::Zenkai, InsertionPlace::AtCaret));
}
