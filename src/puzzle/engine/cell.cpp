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
