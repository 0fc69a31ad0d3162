// Subcommands of the zenpa programs. Each takes the arguments after its name
// and standard output, and returns the process exit code.
//
// Two programs share them: zenpa itself, which runs without loading the
// window system so that puzzle and drill commands start at once, and
// zenpa-desktop beside it, which opens the window and prints. zenpa hands
// everything that needs the window system on to zenpa-desktop.
#pragma once

#include "cli/standard_output.h"

#include <string>
#include <vector>

namespace zenpa::cli {

using Args = std::vector<std::string>;
using Runner = int (*)(const Args &args, StandardOutput &out);

struct Command {
  const char *name;
  const char *summary; // one line for --help
  Runner run;
};

// The table of subcommands, in the order --help lists them, with the runner
// of the print command.
std::vector<Command> CommandTable(Runner print);

// The program's entry: --help, --version, a subcommand of the table, or
// otherwise the window (fallback, called with the whole command line).
// Standard output is closed and checked after --help, --version and every
// subcommand; a subcommand that runs out of memory says so and exits 1.
int Dispatch(int argc, char **argv, const std::vector<Command> &commands,
             int (*fallback)(int argc, char **argv));

} // namespace zenpa::cli
