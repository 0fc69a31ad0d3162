// Entry point of the zenpa binary: a subcommand runs the core headless;
// anything else opens the desktop window ("zenpa [/v] [/k] [FILE]").
#include "cli/commands.h"
#include "ui/desktop.h"

#include <cstdio>
#include <cstring>

#ifndef ZENPA_VERSION
#define ZENPA_VERSION "3.87"
#endif

namespace {

void PrintHelp() {
  std::printf("Usage: zenpa [/v] [/k] [FILE]        open the desktop window\n"
              "       zenpa COMMAND [ARGS...]      run a command without a window\n"
              "       zenpa --help | --version\n\n"
              "Window options:\n"
              "  /v    start in the enlarged text view\n"
              "  /k    never write print-format files (reading them still works)\n");
  const auto& commands = zenpa::cli::Commands();
  if (commands.empty()) return;
  std::printf("\nCommands:\n");
  for (const auto& c : commands) std::printf("  %-10s %s\n", c.name, c.summary);
  std::printf("\nRun 'zenpa COMMAND --help' for a command's options.\n");
}

} // namespace

int main(int argc, char** argv) {
  if (argc >= 2) {
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
      PrintHelp();
      return 0;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
      std::printf("zenpa %s\n", ZENPA_VERSION);
      return 0;
    }
    for (const auto& c : zenpa::cli::Commands()) {
      if (std::strcmp(argv[1], c.name) == 0) return c.run(zenpa::cli::Args(argv + 2, argv + argc));
    }
  }
  return zenpa::ui::RunDesktop(argc, argv);
}
