// Subcommands of the zenpa binary. Each takes the arguments after its name
// and returns the process exit code.
#pragma once

#include <string>
#include <vector>

namespace zenpa::cli {

using Args = std::vector<std::string>;

struct Command {
  const char* name;
  const char* summary; // one line for --help
  int (*run)(const Args& args);
};

// The table of subcommands, in the order --help lists them.
const std::vector<Command>& Commands();

} // namespace zenpa::cli
