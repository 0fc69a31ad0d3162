// Playing a puzzle over a document in memory: keys go through the input
// mode as the window's editor sends them.
#include "app/puzzle_game.h"

#include "base/digits.h"
#include "base/sjis.h"
#include "platform/scripted_host.h"
#include "platform/text_memo.h"
#include "puzzle/engine/bitboard_solver.h"
#include "puzzle/play/grid_text.h"
#include "support/puzzle_game_rig.h"
#include "support/puzzle_samples.h"

#include <gtest/gtest.h>

namespace zenpa::app {
namespace {

using base::Sj;
using editor::InputEvent;
using editor::InputKey;
using editor::InputKind;

class PuzzleGameTest : public ::testing::Test, protected testing::PuzzleGameRig {
protected:
  PuzzleGameTest() {
    PuzzleGameHooks hooks;
    hooks.showGoal = [this](const play::PuzzleGoalTexts &texts) { goals.push_back(texts); };
    game.SetHooks(hooks);
    game.SetSounds("pi.wav", "pp.wav");
  }
  void Send(InputKind kind, InputKey key, const std::string &text = {}) {
    InputEvent e;
    e.kind = kind;
    e.key = key;
    e.text = text;
    input.Handle(e, memo);
  }
  void Type(char c) { Send(InputKind::KeyPress, InputKey::Other, std::string(1, c)); }
  // Moves the cursor to (column, row) with the arrow keys.
  void GoTo(int column, int row) {
    while (game.Cursor().column != column)
      Send(InputKind::KeyDown, InputKey::Right);
    while (game.Cursor().row != row)
      Send(InputKind::KeyDown, InputKey::Down);
  }

  PuzzleInputMode input{game, [] { return play::CellPixels{}; }, [] {}};
  std::vector<play::PuzzleGoalTexts> goals;
};

// Digits typed go into the open cells, not over a given; a move taken back
// restores its cell and replayed records nothing; keys that are no digits
// change nothing, and Escape leaves the game.
TEST_F(PuzzleGameTest, KeysPlayTheGameAndEscapeLeavesIt) {
  WriteGrid(testing::kEasyPuzzle);
  ASSERT_TRUE(game.StartGame());
  EXPECT_EQ(std::string("0 (53)"), game.ProgressText());
  EXPECT_EQ(std::vector<std::string>{"pi.wav"}, host.sounds);
  Type('4');
  Send(InputKind::KeyDown, InputKey::Right);
  Type('5');
  EXPECT_EQ(std::string("2 (51)"), game.ProgressText());
  EXPECT_TRUE(game.StepBack());
  EXPECT_EQ(Sj("　"), Cell(1, 0));
  EXPECT_EQ(base::CircledDigit(4), Cell(0, 0));
  EXPECT_TRUE(game.StepForward());
  EXPECT_EQ(base::CircledDigit(5), Cell(1, 0));
  EXPECT_EQ(3, game.State().History().Position()); // replays record nothing
  GoTo(3, 0);
  Type('1');
  EXPECT_EQ(Sj("９"), Cell(3, 0));

  const std::vector<std::string> before = memo.Lines();
  Type('a');
  Send(InputKind::KeyPress, InputKey::Other, Sj("あ１"));
  Send(InputKind::KeyDown, InputKey::Paste);
  InputEvent undo;
  undo.kind = InputKind::KeyDown;
  undo.key = InputKey::Other;
  undo.ctrl = true;
  EXPECT_TRUE(input.Handle(undo, memo));
  EXPECT_EQ(before, memo.Lines());
  Send(InputKind::KeyDown, InputKey::Escape);
  EXPECT_EQ(WindowMode::None, game.Mode());
}

// The last right digit ends the game in the goal, with the level in its
// caption; the text around the grid stays.
TEST_F(PuzzleGameTest, TheLastRightDigitEndsTheGameInTheGoal) {
  WriteGrid(testing::kEasyPuzzle);
  const play::GridDigits givens = testing::DigitsOf(testing::kEasyPuzzle);
  const puzzle::PuzzleDigits answer = puzzle::CountBitboardAnswers(givens, 1).first;
  ASSERT_TRUE(game.StartGame());
  for (int i = 0; i < 81; ++i) {
    if (givens[i] == 0) {
      GoTo(i % 9, i / 9);
      Type(static_cast<char>('0' + answer[i]));
    }
  }
  ASSERT_EQ(1u, goals.size());
  EXPECT_EQ(Sj("数独　－やさしい問題－"), goals[0].caption);
  EXPECT_EQ(WindowMode::None, game.Mode());
  EXPECT_EQ(base::CircledDigit(answer[80]), Cell(8, 8));
  EXPECT_EQ(Sj("後の行"), memo.Line(20));
}

TEST_F(PuzzleGameTest, ErasingKeepsGivensAndMarks) {
  WriteGrid(testing::kEasyPuzzle);
  std::string row = memo.Line(2);
  row.replace(2, 2, base::CircledDigit(4));
  row.replace(6, 2, Sj("？"));
  row.replace(10, 2, Sj("※"));
  row += Sj("メモ");
  memo.ReplaceLine(2, row);
  memo.SetCaret({0, 0});
  game.ClearPlayerDigits();
  EXPECT_EQ(Sj("　"), Cell(0, 0));
  EXPECT_EQ(Sj("？"), Cell(1, 0));
  EXPECT_EQ(Sj("※"), Cell(2, 0));
  EXPECT_EQ(Sj("９"), Cell(3, 0));
  EXPECT_TRUE(memo.Line(2).ends_with(Sj("┃メモ")));
  EXPECT_EQ(WindowMode::None, game.Mode());
}

// Entry needs a grid; a new entry grid is typed, turned and cleared in place.
TEST_F(PuzzleGameTest, NewEntryTypedTurnedAndClearedInPlace) {
  memo.SetLines({Sj("前の行")});
  EXPECT_FALSE(game.StartEntry());
  EXPECT_EQ(Sj("数独が見つかりません"), host.messages.back().text);
  EXPECT_EQ(WindowMode::None, game.Mode());
  format.format.puzzle.addToDocument = true; // appended, nothing asked
  format.format.puzzle.printClue = false;
  ASSERT_TRUE(game.NewEntry());
  EXPECT_EQ(Sj("前の行"), memo.Line(0));
  EXPECT_EQ(Sj("数独入力"), game.ModeLabel());
  Type('1');
  Type('2');
  EXPECT_EQ(Sj("１"), Cell(0, 0));
  EXPECT_EQ(Sj("２"), Cell(1, 0));
  game.Transform(play::GridTransform::RotateRight);
  EXPECT_EQ(Sj("１"), Cell(8, 0));
  EXPECT_EQ(Sj("２"), Cell(8, 1));
  EXPECT_EQ(WindowMode::PuzzleEntry, game.Mode());
  host.answers.push_back(platform::Answer::Cancel);
  game.ClearAll();
  EXPECT_EQ(Sj("１"), Cell(8, 0));
  host.answers.push_back(platform::Answer::Ok);
  game.ClearAll();
  EXPECT_EQ(Sj("　"), Cell(8, 0));
  EXPECT_EQ(Sj("全消去"), host.messages.back().caption);
}

TEST_F(PuzzleGameTest, NextMovePausesAndResumeKeepsDigitsAndNotes) {
  WriteGrid(testing::kEasyPuzzle);
  ASSERT_TRUE(game.StartGame());
  Type('6'); // the right digit of the first open cell
  bool sawPause = false;
  host.onEvents = [&] {
    if (!puzzle.Running() || sawPause)
      return;
    sawPause = true;
    EXPECT_TRUE(game.Paused());
    EXPECT_EQ(WindowMode::PausedGame, game.Mode());
    puzzle.Engine().CellGrid(9, 9) = puzzle::DigitBit(4) | puzzle::DigitBit(8); // a note
    game.ResumeWithNotes();
  };
  game.ShowNextMove();
  EXPECT_TRUE(sawPause);
  EXPECT_EQ(WindowMode::PuzzleGame, game.Mode());
  EXPECT_FALSE(game.Paused());
  EXPECT_EQ(base::CircledDigit(6), Cell(0, 0));
  EXPECT_EQ(puzzle::DigitBit(4) | puzzle::DigitBit(8), puzzle.Engine().CellGrid(9, 9));
}

} // namespace
} // namespace zenpa::app
