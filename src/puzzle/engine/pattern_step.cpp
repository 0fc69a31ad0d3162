#include "puzzle/engine/pattern_step.h"

namespace zenpa::puzzle {

void PatternStep::FirstRemoval() {
  removed_ = true;
  if (quiet_)
    return;
  e_.StepText = label_;
  if (!e_.Tracing())
    return;
  shown_ = true;
  for (const Mark &m : marks_) {
    if (m.second) {
      e_.markR(m.pos.x, m.pos.y);
    } else {
      e_.mark(m.pos.x, m.pos.y);
    }
  }
  e_.wait();
}

bool PatternStep::Remove(Pos p, Cell digits) {
  const Cell present = static_cast<Cell>(e_.CellGrid(p.x, p.y) & digits);
  if (present == kNoCandidates)
    return true;
  for (int d = 9; d >= 1; --d) {
    if (!HasDigit(present, d))
      continue;
    e_.RemoveCandidate(p.x, p.y, d);
    e_.RaiseLevel(level_);
    if (!removed_)
      FirstRemoval();
    if (!e_.SettleCell(p.x, p.y))
      return false;
  }
  if (showCells_)
    e_.debug(p.x, p.y);
  return true;
}

void PatternStep::Narrow(Pos p, Cell keep) {
  Cell &cell = e_.CellGrid(p.x, p.y);
  if (cell == keep)
    return;
  cell = keep;
  e_.Changed = true;
  e_.RaiseLevel(level_);
  if (!removed_)
    FirstRemoval();
  if (showCells_)
    e_.debug(p.x, p.y);
}

void PatternStep::Finish() {
  if (refresh_ && removed_ && e_.Tracing())
    e_.RefreshCandidateList();
  if (shown_)
    e_.markd();
  shown_ = false;
}

} // namespace zenpa::puzzle
