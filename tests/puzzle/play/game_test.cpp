// Playing a puzzle in the document: the game's clock, level and completion,
// the moves taken back and forth, waiting for events, and the title and
// how-to-play panel.
#include "puzzle/play/event_wait.h"
#include "puzzle/play/game_state.h"
#include "puzzle/play/move_history.h"
#include "puzzle/play/title_panel.h"

#include "base/digits.h"
#include "base/sjis.h"
#include "platform/scripted_host.h"
#include "platform/text_memo.h"
#include "puzzle/engine/bitboard_solver.h"
#include "puzzle/support/puzzle_maker.h"
#include "support/puzzle_samples.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>

namespace zenpa::play {
namespace {

using base::Sj;
using Lines = std::vector<std::string>;

TEST(GameState, ClockGoalAndLevelTexts) {
  EXPECT_EQ(Sj("数独ゲーム 　２分　５秒"), GameClockText(125'400));
  const PuzzleGoalTexts goal = PuzzleGoal(5, 125'000);
  EXPECT_EQ((Lines{Sj("２分　５秒"), Sj("数独　－難しい問題－"), Sj("１０分１０秒")}),
            (Lines{goal.timeLine, goal.caption, PuzzleGoal(1, 610'000).timeLine}));
  std::string labels;
  for (int level : {0, 1, 3, 4, 6, 12})
    labels += LevelLabel(level) + "|";
  EXPECT_EQ(Sj("|－やさしい問題－|－ふつうの問題－|－やや難しい問題－|－難しい問題－|－かなり難"
               "しい問題－|"),
            labels);
}

// The player's circled digits count as entered, the blank cells as open; a
// grid is solved only when every unit holds each digit, not when every unit
// sums to 45.
TEST(GameState, CheckCountsEnteredAndOpenCellsAndRecordsTheAnswer) {
  const GridDigits answer =
      puzzle::CountBitboardAnswers(testing::DigitsFromText(testing::kEasyPuzzle), 1).first;
  EXPECT_TRUE(IsSolvedGrid(answer));
  GridDigits fives{};
  fives.fill(5);
  EXPECT_FALSE(IsSolvedGrid(fives));
  GridDigits open = answer;
  GridCells cells = GivenCells(answer);
  for (int i = 0; i < 81; i += 2) {
    open[i] = 0;
    cells[i] = i < 40 ? base::CircledDigit(answer[i]) : Sj("　");
  }
  platform::TextMemo memo;
  memo.SetLines(GridBlockLines(cells));
  GameState state;
  EXPECT_TRUE(state.Start(open, 0));
  EXPECT_FALSE(state.Start(open, 0)); // the same puzzle again
  puzzle::Grid model;
  Completion c = state.Check(memo, 0, model);
  EXPECT_EQ("20 (21)", c.progressText);
  EXPECT_FALSE(c.complete);
  EXPECT_EQ(puzzle::kAllCandidates, model(5, 5));
  EXPECT_EQ(puzzle::DigitBit(answer[0]), model(1, 1));
  EXPECT_EQ("", state.CompletedAnswer());
  // A game started on a finished grid is complete at once.
  memo.SetLines(GridBlockLines(GivenCells(answer)));
  state.Start(answer, 0);
  c = state.Check(memo, 0, model);
  EXPECT_TRUE(c.complete);
  EXPECT_EQ("0 (0)", c.progressText);
  EXPECT_EQ('0' + answer[80], state.CompletedAnswer()[80]);
}

// A move on the same cell changes the last move, or removes it when erased
// again; stepping stops at both ends; a new move forgets the undone ones.
TEST(MoveHistory, MovesAreKeptChangedAndForgottenAsPlayed) {
  MoveHistory h;
  EXPECT_FALSE(h.StepBack().has_value());
  h.Record(1, 2, 0, 5);
  h.Record(1, 2, 5, 7);
  EXPECT_EQ(2, h.Position());
  EXPECT_EQ((Move{1, 2, 0, 7}), *h.At(1));
  h.Record(1, 2, 7, 0);
  EXPECT_EQ(1, h.Position());
  EXPECT_FALSE(h.At(1).has_value());
  h.Record(0, 0, 0, 3);
  h.Record(4, 4, 0, 9);
  h.Record(2, 0, 0, 3);
  for (const Move &m : {Move{2, 0, 0, 3}, Move{4, 4, 0, 9}, Move{0, 0, 0, 3}, Move{0, 0, 0, 3}})
    EXPECT_EQ(m, *h.StepBack());
  EXPECT_EQ(1, h.Position()); // never below the first slot
  EXPECT_EQ((Move{0, 0, 0, 3}), *h.StepForward());
  h.Record(5, 5, 0, 4);
  EXPECT_EQ((Move{5, 5, 0, 4}), *h.At(2));
  EXPECT_FALSE(h.At(3).has_value());
  EXPECT_FALSE(h.StepForward().has_value());
  h.Record(5, 5, 4, 0);
  h.Record(5, 5, 0, 0); // an erase with no move before it is recorded
  EXPECT_EQ(3, h.Position());

  MoveHistory full;
  for (int i = 0; i < 300; ++i)
    full.Record(i % 2, 0, 0, 1 + i % 9);
  EXPECT_EQ(kLastMoveSlot, full.Position());
  EXPECT_TRUE(full.At(kLastMoveSlot - 1).has_value());
}

TEST(EventWait, RestsBetweenRoundsAndStopsAsSoonAsTheWaitIsOver) {
  struct RoundsHost : platform::ScriptedHost {
    void ProcessEvents() override {
      ScriptedHost::ProcessEvents();
      rounds.push_back(std::chrono::steady_clock::now());
    }
    std::vector<std::chrono::steady_clock::time_point> rounds;
  } host;
  WaitForEvents(host, [&host] { return host.processEventsCalls == 4; });
  ASSERT_EQ(4u, host.rounds.size());
  for (std::size_t i = 1; i < host.rounds.size(); ++i)
    EXPECT_LE(kEventWaitRest, host.rounds[i] - host.rounds[i - 1]) << "round " << i;
  WaitForEvents(host, [] { return true; });
  EXPECT_EQ(4, host.processEventsCalls);
}

// Editing, applying and inserting how-to-play are driven through the real
// panel in the window tests.
TEST(TitlePanel, DefaultsInsertionAndTextFiles) {
  const testing::TempDir dir;
  const std::string path = dir.Path("howto.txt");
  settings::PuzzleOptions options;
  TitlePanel panel(options);
  panel.Open();
  panel.DefaultTitle();
  platform::TextMemo memo({"top"});
  panel.InsertTitle(memo);
  EXPECT_EQ((Lines{DefaultPuzzleTitle(), "top"}), memo.Lines());
  panel.DefaultHowToPlay();
  panel.ApplyHowToPlay();
  EXPECT_EQ(DefaultHowToPlayLines(), options.howToPlay);
  panel.EditHowToPlay({Sj("一行目"), "second"});
  platform::ScriptedHost host;
  host.fileNames = {path, path, std::nullopt};
  ASSERT_TRUE(panel.SaveHowToPlay(host));
  EXPECT_EQ(Sj("テキスト(*.txt)|*.txt|すべてのファイル(*.*)|*.*"), host.fileDialogs[0].filter);
  TitlePanel other(options);
  other.Open();
  ASSERT_TRUE(other.LoadHowToPlay(host));
  EXPECT_EQ((Lines{Sj("一行目"), "second"}), other.HowToPlayText());
  EXPECT_FALSE(other.LoadHowToPlay(host)); // cancelled
}

} // namespace
} // namespace zenpa::play
