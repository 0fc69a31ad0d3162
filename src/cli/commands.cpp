#include "cli/commands.h"

#include "cli/drill_command.h"
#include "cli/print_command.h"
#include "cli/sudoku_command.h"

namespace zenpa::cli {

// Each subcommand adds one line here.
const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"drill", "write もこさん worksheets as text", RunDrill},
      {"print", "print a document, or write it as PDF", RunPrint},
      {"sudoku", "grade, solve, count or show number-place puzzles", RunSudoku},
  };
  return commands;
}

} // namespace zenpa::cli
