#include "cli/commands.h"

namespace zenpa::cli {

// Each subcommand adds one line here.
const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
  };
  return commands;
}

} // namespace zenpa::cli
