#include "puzzle/play/game_state.h"

#include "base/sjis.h"
#include "platform/text_memo.h"
#include "puzzle/engine/bitboard_solver.h"
#include "support/puzzle_samples.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zenpa::play {
namespace {

using base::Sj;

GridDigits Answer() {
  GridDigits givens{};
  for (int i = 0; i < 81; ++i)
    givens[i] = testing::kEasyPuzzle[i] - '0';
  return puzzle::CountBitboardAnswers(givens, 1).first;
}

TEST(GameStateTest, ClockAndGoalTimeAfter125Seconds) {
  EXPECT_EQ(Sj("数独ゲーム 　２分　５秒"), GameClockText(125'400));
  const PuzzleGoalTexts goal = PuzzleGoal(5, 125'000);
  EXPECT_EQ(Sj("２分　５秒"), goal.timeLine);
  EXPECT_EQ(Sj("数独　－難しい問題－"), goal.caption);
  EXPECT_EQ(Sj("１０分１０秒"), PuzzleGoal(1, 610'000).timeLine);
}

TEST(GameStateTest, LevelLabelsByLevel) {
  const std::pair<int, const char *> cases[] = {{0, ""},
                                                {1, "－やさしい問題－"},
                                                {3, "－ふつうの問題－"},
                                                {4, "－やや難しい問題－"},
                                                {6, "－難しい問題－"},
                                                {12, "－かなり難しい問題－"}};
  for (const auto &[level, label] : cases)
    EXPECT_EQ(Sj(label), LevelLabel(level)) << level;
}

TEST(GameStateTest, EveryUnitMustHoldEachDigitNotOnlySumTo45) {
  GridDigits solved = Answer();
  EXPECT_TRUE(IsSolvedGrid(solved));
  // Four cells of a rectangle over two blocks of a band changed by +1 and
  // -1: every row, column and block still sums to 45, but digits repeat.
  int changed = 0;
  for (int r = 1; r < 3 && changed == 0; ++r) {
    for (int c1 = 0; c1 < 3 && changed == 0; ++c1) {
      for (int c2 = 3; c2 < 6 && changed == 0; ++c2) {
        GridDigits wrong = solved;
        wrong[c1] += 1;
        wrong[c2] -= 1;
        wrong[9 * r + c1] -= 1;
        wrong[9 * r + c2] += 1;
        if (std::all_of(wrong.begin(), wrong.end(), [](int d) { return d >= 1 && d <= 9; })) {
          EXPECT_FALSE(IsSolvedGrid(wrong));
          ++changed;
        }
      }
    }
  }
  EXPECT_EQ(1, changed);
  EXPECT_FALSE(IsSolvedGrid(GridDigits{}));
}

TEST(GameStateTest, CheckCountsEnteredAndOpenCellsAndRecordsTheAnswer) {
  const GridDigits answer = Answer();
  GridDigits givens = answer;
  GridCells cells = GivenCells(answer);
  for (int i = 0; i < 81; i += 2) {
    givens[i] = 0;
    cells[i] =
        i < 40 ? Sj("①").substr(0, 1) + static_cast<char>(Sj("①")[1] + answer[i] - 1) : Sj("　");
  }
  platform::TextMemo memo;
  memo.SetLines(GridBlockLines(cells));
  GameState state;
  EXPECT_TRUE(state.Start(givens, 0));
  EXPECT_FALSE(state.Start(givens, 0)); // the same puzzle again
  puzzle::Grid model;
  Completion c = state.Check(memo, 0, model);
  EXPECT_EQ(std::string("20 (21)"), c.progressText);
  EXPECT_FALSE(c.complete);
  EXPECT_EQ(puzzle::kAllCandidates, model(5, 5));
  EXPECT_EQ(puzzle::DigitBit(answer[0]), model(1, 1));
  EXPECT_EQ(std::string(), state.CompletedAnswer());
  // A game started on a finished grid is complete at once.
  memo.SetLines(GridBlockLines(GivenCells(answer)));
  state.Start(answer, 0);
  c = state.Check(memo, 0, model);
  EXPECT_TRUE(c.complete);
  EXPECT_EQ(std::string("0 (0)"), c.progressText);
  EXPECT_EQ('0' + answer[80], state.CompletedAnswer()[80]);
}

} // namespace
} // namespace zenpa::play
