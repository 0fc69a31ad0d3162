// Test support: puzzles of known difficulty as 81 digits row by row ("0"
// empty), and the text of a plain puzzle file holding one.
#pragma once

#include <string>

namespace zenpa::testing {

// Solved by Block Unique and Easy alone; 28 givens.
inline const char *const kEasyPuzzle =
    "000908230000030006030001840000420000400000980306500020000000002004200591060090400";
// Needs Naked Pair and places a digit by Block Unique H on the way; 23 givens.
inline const char *const kNakedPairPuzzle =
    "100000300003008600050900000000050276400020000000009500831004000000000000069000705";

// Nine lines of nine digits and an empty line, CR LF.
inline std::string NbpText(const char *digits) {
  std::string text;
  for (int r = 0; r < 9; ++r)
    text += std::string(digits + 9 * r, 9) + "\r\n";
  return text + "\r\n";
}

} // namespace zenpa::testing
