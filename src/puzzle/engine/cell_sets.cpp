#include "puzzle/engine/cell_sets.h"

namespace zenpa::puzzle {

namespace {

// Bit masks over one half of the grid's cells (0..63 or 64..80).
struct Halves {
  std::array<std::uint64_t, 10> placed{};
  std::array<std::uint64_t, 10> listed{};
  std::uint64_t notPlaced = 0;
};

// Sorts cells [first, last) of the grid into h, bit i - first for cell i.
// Placed cells go to their digit's mask without a branch; entry 0 takes the
// others and is never read.
void SortCells(const std::array<Cell, 81> &cells, int first, int last, Halves &h, bool withListed) {
  for (int i = first; i < last; ++i) {
    const unsigned c = cells[i] & kAllCandidates;
    const std::uint64_t bit = std::uint64_t{1} << (i - first);
    const bool placed = c != 0 && (c & (c - 1)) == 0;
    h.placed[placed ? std::countr_zero(c) + 1 : 0] |= bit;
    h.notPlaced |= placed ? 0 : bit;
    if (!withListed || placed || c == 0)
      continue;
    for (int d = 1; d <= 9; ++d)
      h.listed[d] |= static_cast<std::uint64_t>((c >> (d - 1)) & 1u) << (i - first);
  }
}

// Placed, listed and unplaced cells of the whole grid.
Halves SortGrid(const Grid &grid, bool withListed, Halves &high) {
  Halves low;
  SortCells(grid.Cells(), 0, 64, low, withListed);
  SortCells(grid.Cells(), 64, 81, high, withListed);
  return low;
}

} // namespace

PlacedCells::PlacedCells(const Grid &grid) {
  Halves high;
  const Halves low = SortGrid(grid, false, high);
  for (int d = 1; d <= 9; ++d)
    placed[d] = CellSet::FromHalves(low.placed[d], high.placed[d]);
  notPlaced = CellSet::FromHalves(low.notPlaced, high.notPlaced);
}

CellSet PlacedCells::HatchFree(int d) const {
  CellSet seen;
  placed[d].ForEachIndex([&seen](int index) { seen |= detail::kPeerSets[index]; });
  return notPlaced.Without(seen);
}

DigitCells::DigitCells(const Grid &grid) {
  Halves high;
  const Halves low = SortGrid(grid, true, high);
  for (int d = 1; d <= 9; ++d) {
    placed[d] = CellSet::FromHalves(low.placed[d], high.placed[d]);
    listed[d] = CellSet::FromHalves(low.listed[d], high.listed[d]);
  }
  notPlaced = CellSet::FromHalves(low.notPlaced, high.notPlaced);
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
