// Playing a puzzle over a document in memory: keys go through the input
// mode as the window's editor sends them, palette digits and hints through
// the assist board.
#include "app/puzzle_game.h"

#include "app/assist_coupling.h"
#include "app/puzzle_assist.h"
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

using base::CircledDigit;
using base::Sj;
using editor::InputKey;
using editor::InputKind;

class PuzzleGameTest : public ::testing::Test, protected testing::PuzzleGameRig {
protected:
  PuzzleGameTest() {
    PuzzleGameHooks hooks;
    hooks.resetAssist = [this] { assist.State().Reset(); };
    game.SetHooks(hooks);
    game.SetSounds("pi.wav", "pp.wav");
  }
  bool Send(InputKind kind, InputKey key, const std::string &text = {}, bool ctrl = false) {
    return input.Handle({kind, key, text, ctrl}, memo);
  }
  void Type(char c) { Send(InputKind::KeyPress, InputKey::Other, std::string(1, c)); }
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

  // The notes of the cell at (1, 0) and whether digit 2 is ticked finished.
  std::pair<int, bool> NotesAndFinished() {
    return {assist.State().Notes({1, 0}), assist.State().Finished(2)};
  }

  PuzzleInputMode input{game, [] { return play::CellPixels{}; }, [] {}};
  PuzzleAssist assist{memo, game, puzzle};
};

// Digits typed go into the open cells, not over a given; a move taken back
// restores its cell and replayed records nothing; keys that are no digits
// change nothing, and Escape leaves the game.
TEST_F(PuzzleGameTest, KeysPlayTheGameAndEscapeLeavesIt) {
  Play(testing::kEasyPuzzle);
  EXPECT_EQ(std::string("0 (53)"), game.ProgressText());
  EXPECT_EQ(std::vector<std::string>{"pi.wav"}, host.sounds);
  Type('4');
  Send(InputKind::KeyDown, InputKey::Right);
  Type('5');
  EXPECT_EQ(std::string("2 (51)"), game.ProgressText());
  EXPECT_TRUE(game.StepBack());
  EXPECT_EQ(CircledDigit(4) + Sj("　"), Cell(0, 0) + Cell(1, 0));
  EXPECT_TRUE(game.StepForward());
  EXPECT_EQ(CircledDigit(5), Cell(1, 0));
  EXPECT_EQ(3, game.State().History().Position()); // replays record nothing
  while (game.Cursor().column != 3)
    Send(InputKind::KeyDown, InputKey::Right);
  Type('1'); // over a given
  EXPECT_EQ(Sj("９"), Cell(3, 0));

  const std::vector<std::string> before = memo.Lines();
  Type('a');
  Send(InputKind::KeyPress, InputKey::Other, Sj("あ１"));
  Send(InputKind::KeyDown, InputKey::Paste);
  EXPECT_TRUE(Send(InputKind::KeyDown, InputKey::Other, "", true)) << "undo is swallowed";
  EXPECT_EQ(before, memo.Lines());
  Send(InputKind::KeyDown, InputKey::Escape);
  EXPECT_EQ(WindowMode::None, game.Mode());
}

TEST_F(PuzzleGameTest, ErasingKeepsGivensAndMarks) {
  WriteGrid(testing::kEasyPuzzle);
  std::string row = memo.Line(2);
  row.replace(2, 2, CircledDigit(4));
  row.replace(6, 2, Sj("？"));
  row.replace(10, 2, Sj("※"));
  memo.ReplaceLine(2, row + Sj("メモ"));
  memo.SetCaret({0, 0});
  game.ClearPlayerDigits();
  EXPECT_EQ(Sj("　？※９"), Cell(0, 0) + Cell(1, 0) + Cell(2, 0) + Cell(3, 0));
  EXPECT_TRUE(memo.Line(2).ends_with(Sj("┃メモ")));
}

// Entry needs a grid; a new entry grid is typed, turned and cleared in place.
TEST_F(PuzzleGameTest, NewEntryTypedTurnedAndClearedInPlace) {
  memo.SetLines({Sj("前の行")});
  EXPECT_FALSE(game.StartEntry());
  EXPECT_EQ(Sj("数独が見つかりません"), host.messages.back().text);
  format.format.puzzle.addToDocument = true; // appended, nothing asked
  format.format.puzzle.printClue = false;
  ASSERT_TRUE(game.NewEntry());
  EXPECT_EQ(Sj("前の行"), memo.Line(0));
  EXPECT_EQ(Sj("数独入力"), game.ModeLabel());
  Type('1');
  Type('2');
  EXPECT_EQ(Sj("１２"), Cell(0, 0) + Cell(1, 0));
  game.Transform(play::GridTransform::RotateRight);
  EXPECT_EQ(Sj("１２"), Cell(8, 0) + Cell(8, 1));
  EXPECT_EQ(WindowMode::PuzzleEntry, game.Mode());
  host.answers = {platform::Answer::Cancel, platform::Answer::Ok};
  game.ClearAll();
  EXPECT_EQ(Sj("１"), Cell(8, 0));
  game.ClearAll();
  EXPECT_EQ(Sj("　"), Cell(8, 0));
  EXPECT_EQ(Sj("全消去"), host.messages.back().caption);
}

// The next move pauses the game; the paused board keeps its givens and
// digits, and resuming keeps the digits and the notes taken meanwhile.
TEST_F(PuzzleGameTest, NextMovePausesAndResumeKeepsDigitsAndNotes) {
  game.OnGridChanged([this] { assist.Follow(); });
  Play(testing::kEasyPuzzle);
  PaletteDigit(0, 0, 6); // the right digit of the first open cell
  std::optional<play::BoardCells> paused;
  host.onEvents = [&] {
    if (!puzzle.Running() || paused)
      return;
    paused = assist.State().Cells();
    EXPECT_EQ(WindowMode::PausedGame, game.Mode());
    puzzle.Engine().CellGrid(9, 9) = puzzle::DigitBit(4) | puzzle::DigitBit(8); // a note
    game.ResumeWithNotes();
  };
  game.ShowNextMove();
  ASSERT_TRUE(paused.has_value());
  EXPECT_EQ((play::BoardCell{play::BoardCellKind::Player, 6}), (*paused)[0]);
  EXPECT_EQ((play::BoardCell{play::BoardCellKind::Given, 9}), (*paused)[3]);
  EXPECT_EQ(WindowMode::PuzzleGame, game.Mode());
  EXPECT_EQ(CircledDigit(6), Cell(0, 0));
  EXPECT_EQ(puzzle::DigitBit(4) | puzzle::DigitBit(8), puzzle.Engine().CellGrid(9, 9));
}

// Palette digits reach the document; stepping back stops at the game's
// first entry and refuses a move whose cell was changed since; Ctrl+arrows
// in the grid step through the moves, the cell cursor staying.
TEST_F(PuzzleGameTest, PaletteDigitsReachTheDocumentAndStepBackFollowsThem) {
  Play(testing::kEasyPuzzle);
  PaletteDigit(1, 0, 5);
  EXPECT_EQ(CircledDigit(5), Cell(1, 0));
  EXPECT_EQ((play::BoardCell{play::BoardCellKind::Player, 5}), assist.State().Cells()[1]);
  EXPECT_TRUE(assist.StepBack());
  EXPECT_FALSE(assist.StepBack());
  EXPECT_EQ(Sj("　"), Cell(1, 0));
  EXPECT_TRUE(assist.StepForward());
  EXPECT_EQ(CircledDigit(5), Cell(1, 0));

  PaletteDigit(0, 0, 4);
  Send(InputKind::KeyDown, InputKey::Left, "", true);
  EXPECT_EQ(Sj("　"), Cell(0, 0));
  Send(InputKind::KeyDown, InputKey::Right, "", true);
  EXPECT_EQ(CircledDigit(4), Cell(0, 0));
  EXPECT_EQ(0, game.Cursor().column) << "the cell cursor stays";

  std::string row = memo.Line(2);
  memo.ReplaceLine(2, row.replace(2, 2, CircledDigit(8)));
  EXPECT_FALSE(assist.StepBack());
  EXPECT_EQ(CircledDigit(8), Cell(0, 0));
  EXPECT_EQ(3, game.State().History().Position());
}

// Hints follow the grid and only a new puzzle clears the notes; hint pruning
// narrows the candidates, and the board's hint layer shows what the list
// shows in every open cell, the cells narrowed to a single candidate too.
TEST_F(PuzzleGameTest, HintsFollowTheGridAndItsPruning) {
  Play(testing::kEasyPuzzle);
  assist.RefreshHints();
  EXPECT_NE(0, assist.State().Hints({0, 0}));
  EXPECT_EQ(0, assist.State().Hints({3, 0})) << "a given has no hints";
  PaletteDigit(1, 0, 3, true);
  assist.State().ToggleFinished(2);
  game.Stop();
  Play(testing::kEasyPuzzle);
  EXPECT_EQ(std::pair(0b100, true), NotesAndFinished());

  const puzzle::Grid once = puzzle.RefreshCandidateList();
  puzzle.SetHintPruning(true);
  const puzzle::Grid repeated = puzzle.RefreshCandidateList();
  assist.RefreshHints();
  int pruned = 0, singles = 0;
  for (int i = 0; i < 81; ++i) {
    const puzzle::Cell listed = repeated(i % 9 + 1, i / 9 + 1);
    EXPECT_EQ(listed, once(i % 9 + 1, i / 9 + 1) & listed) << i;
    pruned += once(i % 9 + 1, i / 9 + 1) != listed;
    if (game.Cells()[i].digit == 0) {
      EXPECT_EQ(listed, assist.State().Hints({i % 9, i / 9})) << i;
      singles += puzzle::CandidateCount(listed) == 1;
    }
  }
  EXPECT_LT(0, pruned);
  EXPECT_LT(0, singles);

  game.Stop();
  Play(testing::kNakedPairPuzzle);
  EXPECT_EQ(std::pair(0, false), NotesAndFinished());
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
