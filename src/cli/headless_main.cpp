// Entry of zenpa: puzzle and drill commands run here without loading the
// window system; printing and the window are handed on to zenpa-desktop,
// the program installed beside this one.
#include "cli/commands.h"

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

// zenpa-desktop in the folder of this program.
std::string DesktopProgram() {
  char self[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
  const std::string path = n > 0 ? std::string(self, static_cast<std::size_t>(n)) : std::string();
  const std::size_t slash = path.rfind('/');
  return (slash == std::string::npos ? std::string(".") : path.substr(0, slash)) + "/zenpa-desktop";
}

// Replaces this process by zenpa-desktop with the same arguments; returns
// only when that program cannot be started.
int RunDesktopProgram(std::vector<std::string> args) {
  const std::string program = DesktopProgram();
  std::vector<char *> argv;
  for (std::string &a : args)
    argv.push_back(a.data());
  argv.push_back(nullptr);
  execv(program.c_str(), argv.data());
  std::fprintf(stderr, "zenpa: cannot start %s: %s\n", program.c_str(), std::strerror(errno));
  return 127;
}

int OpenWindow(int argc, char **argv) {
  return RunDesktopProgram(std::vector<std::string>(argv, argv + argc));
}

int Print(const zenpa::cli::Args &args, zenpa::cli::StandardOutput &) {
  std::vector<std::string> all = {"zenpa", "print"};
  all.insert(all.end(), args.begin(), args.end());
  return RunDesktopProgram(std::move(all));
}

} // namespace

int main(int argc, char **argv) {
  return zenpa::cli::Dispatch(argc, argv, zenpa::cli::CommandTable(Print), OpenWindow);
}
