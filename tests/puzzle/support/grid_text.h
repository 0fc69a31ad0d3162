// Test support for the engine: grids from compact text and back.
//
// A position is written as whitespace-separated tokens, row by row: a token
// is the cell's candidate digits ("37", "5" for a placed cell), "." for all
// nine candidates, "^5" for all but the digits after the caret, "-" for a
// cell with none. The k-th "/" ends row k: the
// rest of that row is filled with "." cells, and so is the rest of the grid
// after the last token. "|" is ignored. A puzzle can also be given as 81
// characters ("53..7....") where "." or "0" is an open cell.
#pragma once

#include "puzzle/engine/cell.h"
#include "puzzle/support/puzzle_maker.h"

#include <sstream>
#include <stdexcept>
#include <string>

namespace zenpa::testing {

inline puzzle::Grid GridFromTokens(const std::string &text) {
  std::istringstream in(text);
  puzzle::Grid g = puzzle::FreshGrid();
  int i = 0;
  int rowsEnded = 0;
  std::string token;
  while (in >> token) {
    if (token == "|")
      continue;
    if (token == "/") {
      if (i > 9 * (rowsEnded + 1))
        throw std::invalid_argument("row too long: " + text);
      i = 9 * ++rowsEnded;
      continue;
    }
    if (i == 81)
      throw std::invalid_argument("more than 81 cells: " + text);
    puzzle::Cell c = puzzle::kNoCandidates;
    if (token == ".")
      c = puzzle::kAllCandidates;
    if (token != "." && token != "-")
      c = puzzle::CellFromText(token);
    if (token.size() > 1 && token[0] == '^')
      c = puzzle::kAllCandidates & ~puzzle::CellFromText(token);
    g(i % 9 + 1, i / 9 + 1) = c;
    ++i;
  }
  return g;
}

// Givens as placed cells, every other cell with all nine candidates.
inline puzzle::Grid GridFromDigits(const Digits &digits) {
  puzzle::Grid g = puzzle::FreshGrid();
  for (int i = 0; i < 81; ++i) {
    if (digits[i] != 0)
      g(i % 9 + 1, i / 9 + 1) = puzzle::DigitBit(digits[i]);
  }
  return g;
}

inline puzzle::Grid GridFromPuzzle(const std::string &text) {
  return GridFromDigits(DigitsFromText(text));
}

// The grid as tokens, rows separated by " / ".
inline std::string GridTokens(const puzzle::Grid &g) {
  std::string out;
  for (int y = 1; y <= 9; ++y) {
    if (y > 1)
      out += " /";
    for (int x = 1; x <= 9; ++x) {
      const puzzle::Cell c = g(x, y);
      out += ' ';
      if (c == puzzle::kAllCandidates) {
        out += '.';
      } else if (c == puzzle::kNoCandidates) {
        out += '-';
      } else {
        out += puzzle::CandidateText(c);
      }
    }
  }
  return out;
}

// Number of placed cells.
inline int PlacedCount(const puzzle::Grid &g) {
  int n = 0;
  for (int y = 1; y <= 9; ++y) {
    for (int x = 1; x <= 9; ++x)
      n += puzzle::IsPlaced(g(x, y)) ? 1 : 0;
  }
  return n;
}

// First cell whose candidates lack its digit of the answer, as "r3c5", or
// empty when every cell still allows its answer digit.
inline std::string FirstLostDigit(const puzzle::Grid &g, const Digits &answer) {
  for (int y = 1; y <= 9; ++y) {
    for (int x = 1; x <= 9; ++x) {
      if (!puzzle::HasDigit(g(x, y), answer[(y - 1) * 9 + x - 1])) {
        return "r" + std::to_string(y) + "c" + std::to_string(x);
      }
    }
  }
  return {};
}

} // namespace zenpa::testing
