// The assist board over a game played in a document in memory.
#include "app/puzzle_assist.h"

#include "app/assist_coupling.h"
#include "base/digits.h"
#include "base/sjis.h"
#include "platform/scripted_host.h"
#include "platform/text_memo.h"
#include "puzzle/play/grid_text.h"
#include "support/puzzle_game_rig.h"
#include "support/puzzle_samples.h"

#include <gtest/gtest.h>

namespace zenpa::app {
namespace {

using base::Sj;

class PuzzleAssistTest : public ::testing::Test, protected testing::PuzzleGameRig {
protected:
  PuzzleAssistTest() {
    PuzzleGameHooks hooks;
    hooks.resetAssist = [this] { assist.State().Reset(); };
    game.SetHooks(hooks);
  }
  void Play(const char *digits) {
    WriteGrid(digits);
    ASSERT_TRUE(game.StartGame());
    assist.Follow();
  }
  // A palette digit for the cell at (column, row) of a board at U = 20.
  void PaletteDigit(int column, int row, int digit, bool right = false) {
    const play::BoardGeometry g{20};
    const play::BoardPoint corner = g.CellCorner({column, row});
    assist.State().Click(g, {corner.x + 5, corner.y + 5}, true, false, assist);
    assist.State().PressPalette(digit, right, false, false, assist);
  }

  PuzzleAssist assist{memo, game, puzzle};
};

// Palette digits reach the document; stepping back stops at the game's
// first entry and refuses a move whose cell was changed since; Ctrl+arrows
// in the grid step through the moves, the cell cursor staying.
TEST_F(PuzzleAssistTest, PaletteDigitsReachTheDocumentAndStepBackFollowsThem) {
  Play(testing::kEasyPuzzle);
  PaletteDigit(1, 0, 5);
  EXPECT_EQ(base::CircledDigit(5), Cell(1, 0));
  EXPECT_EQ((play::BoardCell{play::BoardCellKind::Player, 5}), assist.State().Cells()[1]);
  EXPECT_TRUE(assist.StepBack());
  EXPECT_EQ(Sj("　"), Cell(1, 0));
  EXPECT_FALSE(assist.StepBack());
  EXPECT_EQ(1, game.State().History().Position());
  EXPECT_TRUE(assist.StepForward());
  EXPECT_EQ(base::CircledDigit(5), Cell(1, 0));

  PuzzleInputMode input{game, [] { return play::CellPixels{}; }, [] {}};
  const auto ctrlArrow = [&](editor::InputKey key) {
    editor::InputEvent e;
    e.kind = editor::InputKind::KeyDown;
    e.key = key;
    e.ctrl = true;
    input.Handle(e, memo);
  };
  PaletteDigit(0, 0, 4);
  ctrlArrow(editor::InputKey::Left);
  EXPECT_EQ(Sj("　"), Cell(0, 0));
  ctrlArrow(editor::InputKey::Right);
  EXPECT_EQ(base::CircledDigit(4), Cell(0, 0));
  EXPECT_EQ(0, game.Cursor().column) << "the cell cursor stays";

  std::string row = memo.Line(2);
  row.replace(2, 2, base::CircledDigit(8));
  memo.ReplaceLine(2, row);
  EXPECT_FALSE(assist.StepBack());
  EXPECT_EQ(base::CircledDigit(8), Cell(0, 0));
  EXPECT_EQ(3, game.State().History().Position());
}

TEST_F(PuzzleAssistTest, HintsFollowTheGridAndOnlyANewPuzzleClearsTheNotes) {
  Play(testing::kEasyPuzzle);
  assist.RefreshHints();
  EXPECT_NE(0, assist.State().Hints({0, 0}));
  EXPECT_EQ(0, assist.State().Hints({3, 0})) << "a given has no hints";
  PaletteDigit(1, 0, 3, true);
  assist.State().ToggleFinished(2);
  game.Stop();
  Play(testing::kEasyPuzzle);
  EXPECT_EQ(0b100, assist.State().Notes({1, 0}));
  EXPECT_TRUE(assist.State().Finished(2));
  game.Stop();
  Play(testing::kNakedPairPuzzle);
  EXPECT_EQ(0, assist.State().Notes({1, 0}));
  EXPECT_FALSE(assist.State().Finished(2));
}

TEST_F(PuzzleAssistTest, ThePausedGameKeepsItsGivensAndDigitsOnTheBoard) {
  game.OnGridChanged([this] { assist.Follow(); });
  Play(testing::kEasyPuzzle);
  PaletteDigit(0, 0, 6);
  std::optional<play::BoardCells> paused;
  host.onEvents = [&] {
    if (!puzzle.Running() || paused)
      return;
    paused = assist.State().Cells();
    game.ResumeWithNotes();
  };
  game.ShowNextMove();
  ASSERT_TRUE(paused.has_value());
  EXPECT_EQ((play::BoardCell{play::BoardCellKind::Player, 6}), (*paused)[0]);
  EXPECT_EQ((play::BoardCell{play::BoardCellKind::Given, 9}), (*paused)[3]);
}

TEST_F(PuzzleAssistTest, HintPruningFollowsTheSinglesItLeaves) {
  Play(testing::kEasyPuzzle);
  const puzzle::Grid once = puzzle.RefreshCandidateList();
  puzzle.SetHintPruning(true);
  const puzzle::Grid repeated = puzzle.RefreshCandidateList();
  int pruned = 0;
  for (int y = 1; y <= 9; ++y) {
    for (int x = 1; x <= 9; ++x) {
      EXPECT_EQ(repeated(x, y), once(x, y) & repeated(x, y)) << x << "," << y;
      pruned += once(x, y) != repeated(x, y);
    }
  }
  EXPECT_LT(0, pruned);
  // The board's hint layer shows what the list shows in every open cell,
  // the cells narrowed to a single candidate too.
  assist.RefreshHints();
  int singles = 0;
  for (int i = 0; i < 81; ++i) {
    if (game.Cells()[i].digit != 0)
      continue;
    const puzzle::Cell listed = repeated(i % 9 + 1, i / 9 + 1);
    EXPECT_EQ(listed, assist.State().Hints({i % 9, i / 9})) << i;
    singles += puzzle::CandidateCount(listed) == 1;
  }
  EXPECT_LT(0, singles);
}

TEST(AssistCouplingTest, TheAssistWindowFollowsTheMainWindowByTheLastOffset) {
  AssistCoupling coupling;
  EXPECT_EQ(std::nullopt, coupling.MainMoved({50, 50}, true)) << "no offset taken yet";
  coupling.MainActivated({100, 100}, {700, 80}, true);
  coupling.MainActivated({100, 100}, {0, 0}, false); // hidden: the offset stays
  EXPECT_EQ((ScreenPoint{610, 100}), coupling.MainMoved({10, 120}, true));
  EXPECT_EQ(std::nullopt, coupling.MainMoved({10, 120}, false));
}

} // namespace
} // namespace zenpa::app
