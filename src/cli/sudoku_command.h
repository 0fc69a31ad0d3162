// `zenpa sudoku`: number-place puzzles without a window. Subcommands grade,
// solve, count and show work on puzzle lines (see sudoku_batch.h).
#pragma once

#include "cli/commands.h"

namespace zenpa::cli {

int RunSudoku(const Args &args, StandardOutput &out);

} // namespace zenpa::cli
