#include "cli/commands.h"

#include "cli/drill_command.h"
#include "cli/sudoku_command.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>

#ifndef ZENPA_VERSION
#define ZENPA_VERSION "3.87"
#endif

namespace zenpa::cli {
namespace {

void PrintHelp(const std::vector<Command> &commands) {
  std::printf("Usage: zenpa [/v] [/k] [FILE]        open the desktop window\n"
              "       zenpa COMMAND [ARGS...]      run a command without a window\n"
              "       zenpa --help | --version\n\n"
              "Window options:\n"
              "  /v    start in the enlarged text view\n"
              "  /k    never write print-format files (reading them still works)\n");
  if (commands.empty())
    return;
  std::printf("\nCommands:\n");
  for (const auto &c : commands)
    std::printf("  %-10s %s\n", c.name, c.summary);
  std::printf("\nRun 'zenpa COMMAND --help' for a command's options.\n");
}

// Runs the command; running out of memory ends it with a message naming
// what was being done (exit 1) rather than an abort. Output files are made
// whole or not at all, so none is left half written.
int RunCommand(const Command &c, int argc, char **argv, StandardOutput &out) {
  try {
    return c.run(Args(argv + 2, argv + argc), out);
  } catch (const std::bad_alloc &) {
    std::string doing = std::string("zenpa ") + argv[1];
    if (argc > 2 && argv[2][0] != '-')
      doing = doing + " " + argv[2]; // the subcommand: sudoku show
    std::fprintf(stderr, "zenpa: out of memory while running %s\n", doing.c_str());
    return 1;
  }
}

} // namespace

// Each subcommand adds one line here.
std::vector<Command> CommandTable(Runner print) {
  return {
      {"drill", "write もこさん worksheets as text", RunDrill},
      {"print", "print a document, or write it as PDF", print},
      {"sudoku", "grade, solve, count or show number-place puzzles", RunSudoku},
  };
}

int Dispatch(int argc, char **argv, const std::vector<Command> &commands,
             int (*fallback)(int argc, char **argv)) {
  // A write over the file-size limit fails with EFBIG and is reported like
  // any other write error, instead of killing the program without a word.
  std::signal(SIGXFSZ, SIG_IGN);
  if (argc >= 2) {
    StandardOutput out;
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
      PrintHelp(commands);
      return out.Close(0);
    }
    if (std::strcmp(argv[1], "--version") == 0) {
      std::printf("zenpa %s\n", ZENPA_VERSION);
      return out.Close(0);
    }
    for (const auto &c : commands) {
      if (std::strcmp(argv[1], c.name) == 0)
        return out.Close(RunCommand(c, argc, argv, out));
    }
  }
  return fallback(argc, argv);
}

} // namespace zenpa::cli
