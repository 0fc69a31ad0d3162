// The pattern of givens pasted into the conversion panel for the generator's
// pattern mode ("このパターンで作成"): which of the 81 cells are open. The
// text is either a puzzle address (after "?.": nine groups of nine cells
// ending in "/") or nine rows of nine cells, plain or comma/tab separated.
// Text is Shift-JIS.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace zenpa::play {

enum class PatternFault { None, TooShort, BadCharacter };

struct PatternReading {
  std::array<bool, 81> open{}; // row by row; true = open cell
  PatternFault fault = PatternFault::None;
};

PatternReading ReadPattern(std::string_view text);

// Cells of pasted rows, read in order until 81 are found or the text ends:
// 0 = empty, 1..9 = given, kUnreadableCell = any other character. The text
// is comma/tab separated ("CSV") when it holds ",", a tab or "，"; a
// double-byte character counts as one, read as its half-width form; " " is
// skipped; in CSV "0" is skipped and the separator after a given dropped; a
// tab is an empty cell; a line end is skipped, in CSV it makes a missing
// ninth cell empty; ".", "_", "-", "," and "0" are empty.
inline constexpr int kUnreadableCell = -1;
struct TextCells {
  std::array<int, 81> cells{};
  int count = 0; // cells read
  bool csv = false;
};
TextCells ReadTextRows(std::string_view text);

// "パターンデータが足りません" or "パターンデータにエラーがあります" ("" for None).
std::string PatternFaultMessage(PatternFault fault);

} // namespace zenpa::play
