// The assist window's side of a puzzle game, without the window: the board
// follows the grid in play (its cells, with the step trace's "◆"/"◇", and
// the cell cursor), the solver's hints come from the candidate list written
// into the hint text, and every digit or cursor move of the board goes to
// the game as the document's own keys would.
//
// "＜" and "＞" step through the game's move history. A move whose cell no
// longer holds what the move left there (it was changed outside the game
// since, for example by the step display) is refused: nothing is written
// and the history stays where it was.
#pragma once

#include "app/puzzle_commands.h"
#include "app/puzzle_game.h"
#include "platform/memo.h"
#include "puzzle/play/assist_state.h"

namespace zenpa::app {

class PuzzleAssist final : public play::AssistDocument {
public:
  // Takes the game's Ctrl+←/Ctrl+→ as "＜"/"＞" while it lives.
  PuzzleAssist(platform::Memo &memo, PuzzleGame &game, PuzzleCommands &puzzle);
  ~PuzzleAssist() override;
  PuzzleAssist(const PuzzleAssist &) = delete;
  PuzzleAssist &operator=(const PuzzleAssist &) = delete;

  play::AssistState &State() { return state_; }

  // play::AssistDocument: the game's cursor and input handler.
  void MoveCaretTo(play::BoardCellPos cell) override;
  void TypeKey(char key) override;

  // The board takes the grid in play and the game's cursor, also while the
  // game is paused; with no game it is empty.
  void Follow();
  // The candidate list is written again; the board takes its candidates.
  void RefreshHints();
  // "＜", "＞": true when a move was taken back or played again.
  bool StepBack();
  bool StepForward();

private:
  // The digit cell (column, row) of the grid in play holds (0: open).
  int DigitAt(int column, int row) const;

  platform::Memo &memo_;
  PuzzleGame &game_;
  PuzzleCommands &puzzle_;
  play::AssistState state_;
};

} // namespace zenpa::app
