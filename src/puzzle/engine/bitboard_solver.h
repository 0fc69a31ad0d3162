// A fast exact solver for the command line's answers and answer counts.
//
// It stands beside the human-technique solver and the trial search and
// shares no state with them: every call owns its boards. The candidates are
// kept as one bit set per digit and band (three rows, 27 cells); singles and
// locked candidates are propagated band by band, and the search branches on
// an open cell with the fewest candidates. Only the answers matter here, not
// the order or the steps in which they are found.
#pragma once

#include "puzzle/engine/solver.h"

namespace zenpa::puzzle {

struct BitboardCount {
  bool repeatedGiven = false; // a given repeats in its row, column or block
  int count = 0;              // answers found, at most the limit
  PuzzleDigits first{};       // the first answer found, when count > 0
};

// Counts the answers of the givens (0 = open cell), stopping as soon as
// limit answers are found (a limit below 1 counts as 1).
BitboardCount CountBitboardAnswers(const PuzzleDigits &givens, int limit);

} // namespace zenpa::puzzle
