#include "puzzle/engine/found_pattern.h"

#include "puzzle/engine/pattern_step.h"

#include <bit>

namespace zenpa::puzzle {

std::array<Axis, 2> AxisOrder(const Engine &e) {
  if (e.ColumnsFirst())
    return {kAlongColumns, kAlongRows};
  return {kAlongRows, kAlongColumns};
}

int LowestIndex(Cell set) { return std::countr_zero(static_cast<unsigned>(set)) + 1; }

PlaceTable::PlaceTable(const Grid &g) {
  for (int y = 1; y <= 9; ++y) {
    for (int x = 1; x <= 9; ++x) {
      const Cell c = g(x, y);
      if (!IsOpen(c))
        continue;
      for (int d = 1; d <= 9; ++d) {
        if (!HasDigit(c, d))
          continue;
        table_[true][d][x] |= DigitBit(y);
        table_[false][d][y] |= DigitBit(x);
      }
    }
  }
}

Cell PlaceTable::linesHolding(Axis axis, int first, int pos, int d, int skip) const {
  Cell lines = 0;
  for (int line = first; line < first + 3; ++line) {
    if (line != skip && HasDigit(places(axis, line, d), pos))
      lines |= DigitBit(line);
  }
  return lines;
}

void FoundPattern::addMark(Pos p, bool second) {
  for (int i = 0; i < markCount_; ++i) {
    if (marks_[i].pos == p)
      return;
  }
  push(marks_, markCount_, Mark{p, second});
}

std::string FoundPattern::stepText() const {
  std::string text(name_);
  text += suffix_;
  text += CandidateText(digits_);
  return text;
}

namespace {

// The part of `digits` that can leave cell c without emptying it: all of
// them while another candidate stays, otherwise all but the lowest (taken
// highest first, the cell is placed on the lowest and keeps it).
Cell RemovableDigits(Cell c, Cell digits) {
  if (!IsOpen(c))
    return 0;
  const Cell present = c & digits;
  if (present != c)
    return present;
  return present & static_cast<Cell>(present - 1);
}

} // namespace

bool ApplyPattern(Engine &e, const FoundPattern &f) {
  PatternStep step(e, f.level_);
  step.SetLabel(f.stepText());
  for (int i = 0; i < f.markCount_; ++i)
    step.AddMark(f.marks_[i].pos, f.marks_[i].second);
  for (int i = 0; i < f.removalCount_; ++i) {
    const Pos p = f.removals_[i].pos;
    const Cell digits = RemovableDigits(e.CellGrid(p.x, p.y), f.removals_[i].digits);
    if (digits != 0 && !step.Remove(p, digits))
      break;
  }
  step.Finish();
  return e.Changed || e.Contradiction;
}

} // namespace zenpa::puzzle
