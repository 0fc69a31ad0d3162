// `zenpa sudoku convert` and `zenpa sudoku import`: the conversion panel's
// text forms without a window.
#pragma once

#include "cli/commands.h"

namespace zenpa::cli {

// args[0] is "convert" or "import".
int RunSudokuConvert(const Args &args, StandardOutput &out);

} // namespace zenpa::cli
