// Sets of grid cells as 81-bit masks, for the scans that ask "which cells of
// this unit hold or list a digit" many times over one unchanged grid.
//
// Cell (x, y) is bit (y - 1) * 9 + (x - 1). The unit masks follow units.h:
// rows and columns by number 1..9, blocks by their block number 1..9 band by
// band.
#pragma once

#include "puzzle/engine/cell.h"
#include "puzzle/engine/units.h"

#include <array>
#include <bit>
#include <cstdint>

namespace zenpa::puzzle {

class CellSet {
public:
  constexpr CellSet() = default;

  static constexpr CellSet Of(int x, int y) { return Bit((y - 1) * 9 + (x - 1)); }
  // The set of the given 64-bit halves: bits 0..63 and 64..80.
  static constexpr CellSet FromHalves(std::uint64_t lo, std::uint64_t hi) { return Make(lo, hi); }
  static constexpr CellSet Bit(int index) {
    CellSet s;
    if (index < 64)
      s.lo_ = std::uint64_t{1} << index;
    else
      s.hi_ = std::uint64_t{1} << (index - 64);
    return s;
  }

  constexpr bool Empty() const { return (lo_ | hi_) == 0; }
  // Exactly one cell.
  constexpr bool Single() const { return lo_ == 0 ? OneBit(hi_) : (hi_ == 0 && OneBit(lo_)); }
  // The cell of a non-empty set with the lowest index.
  constexpr Pos First() const {
    const int index = lo_ != 0 ? std::countr_zero(lo_) : 64 + std::countr_zero(hi_);
    return Pos{index % 9 + 1, index / 9 + 1};
  }

  // Calls f with the bit index of every cell, lowest first.
  template <typename F> constexpr void ForEachIndex(F f) const {
    for (std::uint64_t bits = lo_; bits != 0; bits &= bits - 1)
      f(std::countr_zero(bits));
    for (std::uint64_t bits = hi_; bits != 0; bits &= bits - 1)
      f(64 + std::countr_zero(bits));
  }

  constexpr CellSet operator&(CellSet o) const { return Make(lo_ & o.lo_, hi_ & o.hi_); }
  constexpr CellSet operator|(CellSet o) const { return Make(lo_ | o.lo_, hi_ | o.hi_); }
  // The cells of this set that are not in o.
  constexpr CellSet Without(CellSet o) const { return Make(lo_ & ~o.lo_, hi_ & ~o.hi_); }
  constexpr CellSet &operator|=(CellSet o) { return *this = *this | o; }
  constexpr bool Intersects(CellSet o) const { return !(*this & o).Empty(); }
  friend constexpr bool operator==(CellSet, CellSet) = default;

private:
  // Without a popcount instruction on the baseline target, clearing the
  // lowest bit is the cheap test.
  static constexpr bool OneBit(std::uint64_t v) { return v != 0 && (v & (v - 1)) == 0; }
  static constexpr CellSet Make(std::uint64_t lo, std::uint64_t hi) {
    CellSet s;
    s.lo_ = lo;
    s.hi_ = hi;
    return s;
  }
  std::uint64_t lo_ = 0;
  std::uint64_t hi_ = 0;
};

namespace detail {
struct UnitSetTables {
  std::array<CellSet, 10> rows{};
  std::array<CellSet, 10> columns{};
  std::array<CellSet, 10> blocks{};
};

constexpr UnitSetTables MakeUnitSets() {
  UnitSetTables t;
  for (int i = 1; i <= 9; ++i) {
    for (const Pos &p : kUnits.rows[i].cells)
      t.rows[i] |= CellSet::Of(p.x, p.y);
    for (const Pos &p : kUnits.columns[i].cells)
      t.columns[i] |= CellSet::Of(p.x, p.y);
    for (const Pos &p : kUnits.blocks[i].cells)
      t.blocks[i] |= CellSet::Of(p.x, p.y);
  }
  return t;
}

inline constexpr UnitSetTables kUnitSets = MakeUnitSets();

// Row, column and block of every cell together, by bit index.
constexpr std::array<CellSet, 81> MakePeerSets() {
  std::array<CellSet, 81> peers{};
  for (int y = 1; y <= 9; ++y) {
    for (int x = 1; x <= 9; ++x) {
      const int block = BlockNumber(BlockStart(x), BlockStart(y));
      peers[(y - 1) * 9 + (x - 1)] =
          kUnitSets.rows[y] | kUnitSets.columns[x] | kUnitSets.blocks[block];
    }
  }
  return peers;
}

inline constexpr std::array<CellSet, 81> kPeerSets = MakePeerSets();
} // namespace detail

// The cells of the 18 lines in the order of LineOrder(columnsFirst).
const std::array<CellSet, 18> &LineCells(bool columnsFirst);

// The cells of the blocks in the common order of BlockOrder(), band by band.
inline CellSet BlockCellsInOrder(int k) { return detail::kUnitSets.blocks[k + 1]; }

// The cells of the block with column start bx and row start by.
inline CellSet BlockCells(int bx, int by) {
  return detail::kUnitSets.blocks[detail::BlockNumber(bx, by)];
}

// The cells that share a row, column or block with (x, y), the cell included.
constexpr CellSet LinesThrough(int x, int y) { return detail::kPeerSets[(y - 1) * 9 + (x - 1)]; }

// The cells of a unit.
constexpr CellSet CellsOf(const Unit &unit) {
  switch (unit.kind) {
  case UnitKind::Row:
    return detail::kUnitSets.rows[unit.index];
  case UnitKind::Column:
    return detail::kUnitSets.columns[unit.index];
  case UnitKind::Block:
    break;
  }
  return detail::kUnitSets.blocks[unit.index];
}

// The cells that hold each placed digit, and the cells without one.
struct PlacedCells {
  std::array<CellSet, 10> placed{}; // by digit 1..9
  CellSet notPlaced;                // every cell without exactly one candidate

  friend bool operator==(const PlacedCells &, const PlacedCells &) = default;

  // The cells where d may still go by cross-hatching: every cell without a
  // placed digit that shares no row, column or block with a placed d.
  CellSet HatchFree(int d) const;
};

// Where each digit stands on one grid: the cells it is placed in, and the
// open cells (two or more candidates) that still list it.
struct DigitCells : PlacedCells {
  std::array<CellSet, 10> listed{}; // by digit 1..9

  DigitCells() = default;
  explicit DigitCells(const Grid &grid);

  // Follows the placement of d in cell p (which was open or empty).
  void Place(Pos p, int d);
  // Follows the cells of now that differ from was, the grid this taking
  // was made from, so that it becomes the taking of now.
  void Follow(const Grid &was, const Grid &now);

private:
  // Moves cell index from the sets of its candidates was to those of now.
  void Resort(int index, Cell was, Cell now);
};

} // namespace zenpa::puzzle
