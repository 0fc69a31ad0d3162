#include "app/puzzle_assist.h"

#include "puzzle/play/assist_board.h"

namespace zenpa::app {

PuzzleAssist::PuzzleAssist(platform::Memo &memo, PuzzleGame &game, PuzzleCommands &puzzle)
    : memo_(memo), game_(game), puzzle_(puzzle) {
  game_.assistStep = [this](bool forward) { forward ? StepForward() : StepBack(); };
}

PuzzleAssist::~PuzzleAssist() { game_.assistStep = nullptr; }

void PuzzleAssist::MoveCaretTo(play::BoardCellPos cell) {
  game_.SelectCell(cell.column, cell.row);
  Follow();
}

void PuzzleAssist::TypeKey(char key) {
  game_.Key(key);
  Follow();
}

// A game paused for the step display keeps its board: the player looks at
// the next move against the grid in play.
void PuzzleAssist::Follow() {
  const play::EntryCursor &cursor = game_.Cursor();
  if (!cursor.found || (game_.Mode() == WindowMode::None && !game_.Paused())) {
    state_.SetCells({});
    return;
  }
  state_.SetCells(play::ReadBoardCells(memo_, cursor.topLine));
  state_.PutCursor({cursor.column, cursor.row});
}

void PuzzleAssist::RefreshHints() { state_.SetHints(puzzle_.RefreshCandidateList()); }

int PuzzleAssist::DigitAt(int column, int row) const {
  return game_.Cells()[9 * row + column].digit;
}

bool PuzzleAssist::StepBack() {
  const play::MoveHistory &history = game_.State().History();
  const std::optional<play::Move> move = history.At(history.Position() - 1);
  if (!move || DigitAt(move->column, move->row) != move->after)
    return false;
  const bool stepped = game_.StepBack();
  Follow();
  return stepped;
}

bool PuzzleAssist::StepForward() {
  const play::MoveHistory &history = game_.State().History();
  const std::optional<play::Move> move = history.At(history.Position());
  if (!move || DigitAt(move->column, move->row) != move->before)
    return false;
  const bool stepped = game_.StepForward();
  Follow();
  return stepped;
}

} // namespace zenpa::app
