// `zenpa sudoku generate`: new puzzles without a window, each accepted by the
// repeat mode's acceptance test, as 81-character lines, a puzzle file or
// document text.
#pragma once

#include "cli/commands.h"

namespace zenpa::cli {

// args: the options after "generate".
int RunSudokuGenerate(const Args &args, StandardOutput &out);

} // namespace zenpa::cli
