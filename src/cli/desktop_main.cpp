// Entry of zenpa-desktop: the window, printing, and every other command.
#include "cli/commands.h"
#include "cli/print_command.h"
#include "ui/main/desktop.h"

int main(int argc, char **argv) {
  return zenpa::cli::Dispatch(argc, argv, zenpa::cli::CommandTable(zenpa::cli::RunPrint),
                              zenpa::ui::RunDesktop);
}
