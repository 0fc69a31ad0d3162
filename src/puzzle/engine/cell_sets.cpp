#include "puzzle/engine/cell_sets.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace zenpa::puzzle {

namespace {

// Bit masks over one half of the grid's cells (0..63 or 64..80).
struct Halves {
  std::array<std::uint64_t, 10> placed{};
  std::array<std::uint64_t, 10> listed{};
  std::uint64_t notPlaced = 0;
};

// Sorts cells [first, last) of the grid into h, bit i - base for cell i.
// Placed cells go to their digit's mask without a branch; entry 0 takes the
// others and is never read.
void SortCells(const std::array<Cell, 81> &cells, int first, int last, int base, Halves &h) {
  for (int i = first; i < last; ++i) {
    const unsigned c = cells[i] & kAllCandidates;
    const std::uint64_t bit = std::uint64_t{1} << (i - base);
    const bool placed = c != 0 && (c & (c - 1)) == 0;
    h.placed[placed ? std::countr_zero(c) + 1 : 0] |= bit;
    h.notPlaced |= placed ? 0 : bit;
    if (placed || c == 0)
      continue;
    for (int d = 1; d <= 9; ++d)
      h.listed[d] |= static_cast<std::uint64_t>((c >> (d - 1)) & 1u) << (i - base);
  }
}

#if defined(__SSE2__)
// Sorts eight cells at once into h, the first at bit shift of its half.
// Candidate d is moved up to the lane's sign bit, where a saturating pack
// keeps it and movemask collects it: the open cells' copy gives the listed
// cells, the placed cells' copy the placed ones.
void SortEight(const Cell *cells, int shift, Halves &h) {
  const __m128i v = _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i *>(cells)),
                                  _mm_set1_epi16(kAllCandidates));
  // c & (c - 1) is zero exactly for the placed and the empty cells.
  const __m128i fewerThanTwo =
      _mm_cmpeq_epi16(_mm_and_si128(v, _mm_sub_epi16(v, _mm_set1_epi16(1))), _mm_setzero_si128());
  __m128i open = _mm_slli_epi16(_mm_andnot_si128(fewerThanTwo, v), 7);
  __m128i placed = _mm_slli_epi16(_mm_and_si128(fewerThanTwo, v), 7);
  unsigned anyPlaced = 0;
  for (int d = 9; d >= 1; --d) {
    const unsigned bits = static_cast<unsigned>(_mm_movemask_epi8(_mm_packs_epi16(open, placed)));
    h.listed[d] |= static_cast<std::uint64_t>(bits & 0xFFu) << shift;
    h.placed[d] |= static_cast<std::uint64_t>(bits >> 8) << shift;
    anyPlaced |= bits >> 8;
    open = _mm_slli_epi16(open, 1);
    placed = _mm_slli_epi16(placed, 1);
  }
  h.notPlaced |= static_cast<std::uint64_t>(~anyPlaced & 0xFFu) << shift;
}
#endif

// Placed, listed and unplaced cells of the whole grid.
Halves SortGrid(const Grid &grid, Halves &high) {
  Halves low;
#if defined(__SSE2__)
  const Cell *cells = grid.Cells().data();
  for (int first = 0; first < 64; first += 8)
    SortEight(cells + first, first, low);
  for (int first = 64; first < 80; first += 8)
    SortEight(cells + first, first - 64, high);
  SortCells(grid.Cells(), 80, 81, 64, high);
#else
  SortCells(grid.Cells(), 0, 64, 0, low);
  SortCells(grid.Cells(), 64, 81, 64, high);
#endif
  return low;
}

// Bit i of the result (low half: cells 0..63, high half: 64..80) is set for
// every cell i where a and b differ.
void Differences(const Grid &a, const Grid &b, std::uint64_t &low, std::uint64_t &high) {
  const Cell *pa = a.Cells().data();
  const Cell *pb = b.Cells().data();
  low = 0;
  high = 0;
#if defined(__SSE2__)
  for (int first = 0; first < 80; first += 8) {
    const __m128i va = _mm_loadu_si128(reinterpret_cast<const __m128i *>(pa + first));
    const __m128i vb = _mm_loadu_si128(reinterpret_cast<const __m128i *>(pb + first));
    const __m128i same = _mm_cmpeq_epi16(va, vb);
    const auto bits = static_cast<std::uint64_t>(
        ~static_cast<unsigned>(_mm_movemask_epi8(_mm_packs_epi16(same, same))) & 0xFFu);
    if (first < 64)
      low |= bits << first;
    else
      high |= bits << (first - 64);
  }
  if (pa[80] != pb[80])
    high |= std::uint64_t{1} << 16;
#else
  for (int i = 0; i < 81; ++i) {
    if (pa[i] != pb[i])
      (i < 64 ? low : high) |= std::uint64_t{1} << (i < 64 ? i : i - 64);
  }
#endif
}

} // namespace

const std::array<CellSet, 18> &LineCells(bool columnsFirst) {
  static const auto make = [](bool first) {
    std::array<CellSet, 18> sets{};
    for (int k = 0; k < 18; ++k)
      sets[k] = CellsOf(*LineOrder(first)[k]);
    return sets;
  };
  static const std::array<CellSet, 18> rowsFirst = make(false);
  static const std::array<CellSet, 18> columnsFirstSets = make(true);
  return columnsFirst ? columnsFirstSets : rowsFirst;
}

CellSet PlacedCells::HatchFree(int d) const {
  CellSet seen;
  placed[d].ForEachIndex([&seen](int index) { seen |= detail::kPeerSets[index]; });
  return notPlaced.Without(seen);
}

DigitCells::DigitCells(const Grid &grid) {
  Halves high;
  const Halves low = SortGrid(grid, high);
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

void DigitCells::Resort(int index, Cell was, Cell now) {
  const CellSet cell = CellSet::Bit(index);
  was &= kAllCandidates;
  now &= kAllCandidates;
  if (IsPlaced(was)) {
    placed[DigitOf(was)] = placed[DigitOf(was)].Without(cell);
    was = kNoCandidates;
  }
  if (IsPlaced(now)) {
    placed[DigitOf(now)] |= cell;
    notPlaced = notPlaced.Without(cell);
    now = kNoCandidates;
  } else {
    notPlaced |= cell;
  }
  // The open cells list their candidates; only the digits that came or went move.
  for (unsigned bits = was & ~now; bits != 0; bits &= bits - 1)
    listed[std::countr_zero(bits) + 1] = listed[std::countr_zero(bits) + 1].Without(cell);
  for (unsigned bits = now & ~was & kAllCandidates; bits != 0; bits &= bits - 1)
    listed[std::countr_zero(bits) + 1] |= cell;
}

void DigitCells::Follow(const Grid &was, const Grid &now) {
  std::uint64_t low = 0;
  std::uint64_t high = 0;
  Differences(was, now, low, high);
  const std::array<Cell, 81> &before = was.Cells();
  const std::array<Cell, 81> &after = now.Cells();
  CellSet::FromHalves(low, high).ForEachIndex(
      [&](int index) { Resort(index, before[index], after[index]); });
}

} // namespace zenpa::puzzle
