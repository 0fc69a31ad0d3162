// Question and answer sheets of the もこさん drill (text layout in
// sheet_text.h). The question sheet draws its top digits and its hint
// positions from the session's random source; the answer sheet is computed
// from the top digits alone.
#pragma once

#include "drill/pyramid.h"
#include "drill/random_source.h"
#include "drill/sheet_text.h"

#include <array>
#include <string_view>
#include <vector>

namespace zenpa::drill {

// Hints shown in the rows to fill. byDigit off: `count` cells per row at
// random positions (symmetric pairs); byDigit on: every cell whose value is
// the digit `count`.
struct HintRule {
  int count = 0;
  bool byDigit = false;
};

struct SheetOptions {
  int digits = 10; // n, at least 4
  Operation op = Operation::Addition;
  HintRule hints;
};

// n top digits 1…9; a digit equal to the one before it is drawn once more
// from 0…9 (which may repeat it or give 0). The first draw only seeds the
// comparison and is not part of the result.
std::vector<int> DrawTopDigits(int n, RandomSource &rng);

// Whether cell i (1-based) of a row of `width` cells is a positional hint,
// given the five drawn positions p1…p5 (each 1…width).
bool IsPositionalHint(int i, int width, int count, const std::array<int, 5> &p);

struct Worksheet {
  Lines lines;                // title down to the count line, no separator
  std::vector<int> topDigits; // a(1)…a(n)
};

Worksheet MakeQuestionSheet(const SheetOptions &options, RandomSource &rng);

// Title, name box, the question's three top-row lines copied unchanged, every
// row filled, check row, final cell, an empty line and the count line; all
// lines from the title to the final cell's border but the top row get
// `prefix` in front. The separator is not included.
Lines MakeAnswerSheet(std::string_view prefix, const Lines &topRowLines,
                      const std::vector<int> &digits, Operation op);

} // namespace zenpa::drill
