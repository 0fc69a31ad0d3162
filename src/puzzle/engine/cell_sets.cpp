#include "puzzle/engine/cell_sets.h"

namespace zenpa::puzzle {

PlacedCells::PlacedCells(const Grid &grid) {
  for (int y = 1; y <= 9; ++y) {
    for (int x = 1; x <= 9; ++x) {
      const Cell c = grid(x, y);
      if (IsPlaced(c))
        placed[DigitOf(c)] |= CellSet::Of(x, y);
      else
        notPlaced |= CellSet::Of(x, y);
    }
  }
}

CellSet PlacedCells::HatchFree(int d) const {
  CellSet seen;
  placed[d].ForEachIndex([&seen](int index) { seen |= detail::kPeerSets[index]; });
  return notPlaced.Without(seen);
}

DigitCells::DigitCells(const Grid &grid) {
  for (int y = 1; y <= 9; ++y) {
    for (int x = 1; x <= 9; ++x) {
      const Cell c = grid(x, y);
      const CellSet cell = CellSet::Of(x, y);
      if (IsPlaced(c)) {
        placed[DigitOf(c)] |= cell;
        continue;
      }
      notPlaced |= cell;
      if (!IsOpen(c))
        continue;
      for (unsigned bits = c; bits != 0; bits &= bits - 1)
        listed[std::countr_zero(bits) + 1] |= cell;
    }
  }
}

void DigitCells::Place(Pos p, int d) {
  const CellSet cell = CellSet::Of(p.x, p.y);
  for (int k = 1; k <= 9; ++k) {
    placed[k] = placed[k].Without(cell);
    listed[k] = listed[k].Without(cell);
  }
  placed[d] |= cell;
  notPlaced = notPlaced.Without(cell);
}

} // namespace zenpa::puzzle
