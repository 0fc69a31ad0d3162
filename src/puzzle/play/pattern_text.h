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

// "パターンデータが足りません" or "パターンデータにエラーがあります" ("" for None).
std::string PatternFaultMessage(PatternFault fault);

} // namespace zenpa::play
