#include "puzzle/play/assist_state.h"

namespace zenpa::play {

namespace {

NoteMask Bit(int digit) { return static_cast<NoteMask>(1u << (digit - 1)); }

int Wrap(int v) { return (v + 9) % 9; }

} // namespace

void AssistState::Reset() {
  ClearNotes();
  ResetFinished();
  paletteOpen_ = false;
}

void AssistState::ClearNotes() {
  notes_ = {};
  hints_ = {};
  erased_ = {};
}

void AssistState::SetHints(const puzzle::Grid &candidates) {
  for (int i = 0; i < 81; ++i)
    hints_[i] = static_cast<NoteMask>(candidates.Cells()[i] & puzzle::kAllCandidates);
}

NoteMask AssistState::Hints(BoardCellPos cell) const {
  const int i = Index(cell);
  return cells_[i].kind == BoardCellKind::Empty ? hints_[i] : 0;
}

BoardClick AssistState::Click(const BoardGeometry &geometry, BoardPoint at, bool right, bool ctrl,
                              AssistDocument &doc) {
  const std::optional<BoardCellPos> cell = geometry.CellAt(at.x, at.y);
  if (!cell)
    return {};
  cursor_ = *cell;
  doc.MoveCaretTo(*cell);
  const bool given = cells_[Index(*cell)].kind == BoardCellKind::Given;
  paletteOpen_ = !given && (right || ctrl);
  return {true, paletteOpen_};
}

bool AssistState::PressPalette(int digit, bool right, bool ctrl, bool continuous,
                               AssistDocument &doc) {
  if (digit < 0 || digit > 9)
    return paletteOpen_;
  const int cell = Index(cursor_);
  if (!right) {
    doc.TypeKey(static_cast<char>('0' + digit));
  } else if (cells_[cell].kind == BoardCellKind::Given) {
    // A given has no candidates to note.
  } else if (digit == 0) {
    ToggleAllOff(cell);
  } else {
    notes_[cell] ^= Bit(digit);
  }
  paletteOpen_ = ctrl || (right && continuous);
  return paletteOpen_;
}

// "消す" with the right button: the solver's hints of the cell are erased,
// or brought back when all already are, while the hint layer shows;
// otherwise the hand-written notes go.
void AssistState::ToggleAllOff(int cell) {
  if (!hintLayerShown_) {
    notes_[cell] = 0;
    return;
  }
  erased_[cell] = (erased_[cell] & hints_[cell]) == hints_[cell] ? 0 : hints_[cell];
}

void AssistState::MoveCursor(CursorKey key, AssistDocument &doc) {
  switch (key) {
  case CursorKey::Left:
    cursor_.column = Wrap(cursor_.column - 1);
    break;
  case CursorKey::Right:
    cursor_.column = Wrap(cursor_.column + 1);
    break;
  case CursorKey::Up:
    cursor_.row = Wrap(cursor_.row - 1);
    break;
  case CursorKey::Down:
    cursor_.row = Wrap(cursor_.row + 1);
    break;
  }
  doc.MoveCaretTo(cursor_);
}

void AssistState::ToggleFinished(int digit) {
  if (digit < 1 || digit > 9)
    return;
  finished_[digit - 1] = !finished_[digit - 1];
  paletteOpen_ = false;
}

} // namespace zenpa::play
