#include "puzzle/engine/cell.h"

namespace zenpa::puzzle {

std::string CandidateText(Cell c) {
  std::string text;
  for (int d = 1; d <= 9; ++d) {
    if (HasDigit(c, d))
      text += static_cast<char>('0' + d);
  }
  return text;
}

namespace {

// The decimal value of every candidate mask, looked up by the placement checks.
constexpr std::array<long, 512> MakeCellValues() {
  std::array<long, 512> values{};
  for (int c = 0; c < 512; ++c) {
    for (int d = 1; d <= 9; ++d) {
      if (HasDigit(static_cast<Cell>(c), d))
        values[c] = values[c] * 10 + d;
    }
  }
  return values;
}

constexpr std::array<long, 512> kCellValues = MakeCellValues();

} // namespace

long CellValue(Cell c) { return kCellValues[c & kAllCandidates]; }

Cell CellFromText(std::string_view text) {
  Cell c = kNoCandidates;
  for (char ch : text) {
    if (ch >= '1' && ch <= '9')
      c |= DigitBit(ch - '0');
  }
  return c;
}

Grid FreshGrid() {
  Grid g;
  g.Fill(kAllCandidates);
  return g;
}

} // namespace zenpa::puzzle
