// Test support for the engine: grids from compact text and back, and an
// engine standing on a position.
//
// A position is whitespace-separated tokens, row by row: a cell's candidate
// digits ("37", "5" for a placed cell), "." for all nine, "^5" for all but
// those after the caret, "-" for none. The k-th "/" ends row k, the rest of
// the row and of the grid after the last token are "." cells; "|" is
// ignored. A puzzle is 81 characters ("53..7....", "." or "0" open).
#pragma once

#include "puzzle/engine/engine.h"
#include "puzzle/support/puzzle_maker.h"

#include <sstream>
#include <stdexcept>
#include <string>

namespace zenpa::testing {

inline puzzle::Grid GridFromTokens(const std::string &text) {
  std::istringstream in(text);
  puzzle::Grid g = puzzle::FreshGrid();
  int i = 0, rowsEnded = 0;
  for (std::string token; in >> token;) {
    if (token == "/" && i > 9 * (rowsEnded + 1))
      throw std::invalid_argument("row too long: " + text);
    if (token == "/")
      i = 9 * ++rowsEnded;
    if (token == "/" || token == "|")
      continue;
    if (i == 81)
      throw std::invalid_argument("more than 81 cells: " + text);
    const puzzle::Cell digits = token == "." || token == "-" ? 0 : puzzle::CellFromText(token);
    g(i % 9 + 1, i / 9 + 1) = token == "."      ? puzzle::kAllCandidates
                              : token[0] == '^' ? puzzle::kAllCandidates & ~digits
                                                : digits;
    ++i;
  }
  return g;
}

// Givens as placed cells, every other cell with all nine candidates.
inline puzzle::Grid GridFromDigits(const Digits &digits) {
  puzzle::Grid g;
  for (int i = 0; i < 81; ++i)
    g(i % 9 + 1, i / 9 + 1) = digits[i] != 0 ? puzzle::DigitBit(digits[i]) : puzzle::kAllCandidates;
  return g;
}

inline puzzle::Grid GridFromPuzzle(const std::string &text) {
  return GridFromDigits(DigitsFromText(text));
}

// Cell x, y as "r3c5".
inline std::string CellName(int x, int y) {
  return "r" + std::to_string(y) + "c" + std::to_string(x);
}

// The grid as tokens, rows separated by " / ".
inline std::string GridTokens(const puzzle::Grid &g) {
  std::string out;
  for (int i = 0; i < 81; ++i) {
    const puzzle::Cell c = g(i % 9 + 1, i / 9 + 1);
    out += i == 0 ? " " : i % 9 == 0 ? " / " : " ";
    out += c == puzzle::kAllCandidates  ? "."
           : c == puzzle::kNoCandidates ? "-"
                                        : puzzle::CandidateText(c);
  }
  return out;
}

inline int PlacedCount(const puzzle::Grid &g) {
  int n = 0;
  for (int i = 0; i < 81; ++i)
    n += puzzle::IsPlaced(g(i % 9 + 1, i / 9 + 1)) ? 1 : 0;
  return n;
}

// First cell whose candidates lack its digit of the answer, or empty when
// every cell still allows its answer digit.
inline std::string FirstLostDigit(const puzzle::Grid &g, const Digits &answer) {
  for (int i = 0; i < 81; ++i) {
    if (!puzzle::HasDigit(g(i % 9 + 1, i / 9 + 1), answer[i]))
      return CellName(i % 9 + 1, i / 9 + 1);
  }
  return {};
}

// An engine on grid g as the solver leaves it before a technique: a solve
// begun, OpenCount matching the grid.
inline puzzle::Engine EngineOn(const puzzle::Grid &g) {
  puzzle::Engine e;
  e.BeginSolve();
  e.CellGrid = g;
  e.OpenCount = 81 - PlacedCount(g);
  return e;
}

} // namespace zenpa::testing
