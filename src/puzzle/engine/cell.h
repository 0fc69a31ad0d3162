// Cells and boards of the 9x9 number-place grid.
//
// A cell is a 9-bit candidate mask: bit d-1 set means digit d (1..9) is still
// possible. One bit set: the cell is placed and holds that digit. Two or more
// bits: the cell is open. No bit: a cell whose candidates have all gone.
//
// Every observable result follows the candidate text of a cell, its digits in
// ascending order ("137"): a cell's value is the decimal number of that text
// (open "12" is 12, an empty cell 0), texts compare whole, and candidates are
// removed one character at a time. CandidateText and CellValue give exactly
// those, so the mask and the text always tell the same story.
//
// Boards are indexed (x, y): x the column 1..9 from the left, y the row 1..9
// from the top, both 1-based.
#pragma once

#include <array>
#include <bit>
#include <cassert>
#include <cstdint>
#include <string>
#include <string_view>

namespace zenpa::puzzle {

using Cell = std::uint16_t;

constexpr Cell kNoCandidates = 0;
constexpr Cell kAllCandidates = 0x1FF;

// The mask of the single digit d (1..9).
constexpr Cell DigitBit(int d) { return static_cast<Cell>(1u << (d - 1)); }

namespace detail {
// Candidate counts of all 512 masks, so that counting needs no popcount
// instruction on targets built without one.
constexpr std::array<std::uint8_t, 512> MakeCounts() {
  std::array<std::uint8_t, 512> counts{};
  for (int m = 1; m < 512; ++m)
    counts[m] = static_cast<std::uint8_t>(counts[m >> 1] + (m & 1));
  return counts;
}
inline constexpr std::array<std::uint8_t, 512> kCounts = MakeCounts();
} // namespace detail

constexpr int CandidateCount(Cell c) { return detail::kCounts[c & kAllCandidates]; }

// Exactly one candidate: the cell holds its digit.
constexpr bool IsPlaced(Cell c) { return CandidateCount(c) == 1; }

// Two or more candidates (the text is longer than one character).
constexpr bool IsOpen(Cell c) { return CandidateCount(c) > 1; }

constexpr bool HasDigit(Cell c, int d) { return (c & DigitBit(d)) != 0; }

// The digit of a placed cell, 0 for any other cell.
constexpr int DigitOf(Cell c) {
  return IsPlaced(c) ? std::countr_zero(static_cast<unsigned>(c)) + 1 : 0;
}

// The digit d when it lies in 1..9, otherwise a cell with no candidates (an
// impossible digit fails every placement check, as an out-of-range value does).
constexpr Cell PlacedCell(int d) { return (d >= 1 && d <= 9) ? DigitBit(d) : kNoCandidates; }

// Candidate digits in ascending order as half-width text: "137".
std::string CandidateText(Cell c);

namespace detail {
// The decimal value of every candidate mask, looked up by the placement checks.
constexpr std::array<long, 512> MakeCellValues() {
  std::array<long, 512> values{};
  for (int c = 0; c < 512; ++c) {
    for (int d = 1; d <= 9; ++d) {
      if ((c >> (d - 1)) & 1)
        values[c] = values[c] * 10 + d;
    }
  }
  return values;
}
inline constexpr std::array<long, 512> kCellValues = MakeCellValues();
} // namespace detail

// Decimal value of the candidate text: 0 for no candidates.
inline long CellValue(Cell c) { return detail::kCellValues[c & kAllCandidates]; }

// Mask of the digit characters '1'..'9' in text; other characters are ignored.
Cell CellFromText(std::string_view text);

template <typename T> class Board {
public:
  T &operator()(int x, int y) { return cells_[Index(x, y)]; }
  const T &operator()(int x, int y) const { return cells_[Index(x, y)]; }
  void Fill(T value) { cells_.fill(value); }
  // The cells row by row: cell (x, y) at (y - 1) * 9 + (x - 1).
  const std::array<T, 81> &Cells() const { return cells_; }
  friend bool operator==(const Board &, const Board &) = default;

private:
  static int Index(int x, int y) {
    assert(x >= 1 && x <= 9 && y >= 1 && y <= 9);
    return (y - 1) * 9 + (x - 1);
  }
  std::array<T, 81> cells_{};
};

// The working grids: CellGrid, PuzzleCopy, StartGrid, TrialBase, ListGrid.
using Grid = Board<Cell>;

// A grid where every cell holds all nine candidates.
Grid FreshGrid();

} // namespace zenpa::puzzle
