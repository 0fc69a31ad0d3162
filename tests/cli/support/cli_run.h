// Test support: runs the real zenpa binary in a scratch directory and keeps
// its exit code, standard output and standard error.
#pragma once

#include "base/file_io.h"
#include "support/temp_dir.h"

#include <sys/wait.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace zenpa::testing {

struct CliRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

class CliDir : public TempDir {
public:
  // Runs "zenpa ARGS" (ARGS already quoted for the shell).
  CliRun Run(const std::string &args) const { return Command(std::string(ZENPA_BINARY), args); }

  // Writes input to the file `name` and runs "zenpa ARGS FILE".
  CliRun Run(const std::string &args, const std::string &input,
             const std::string &name = "input") const {
    return RunProgram(ZENPA_BINARY, args, input, name);
  }

  // The same with another program file.
  CliRun RunProgram(const std::string &program, const std::string &args, const std::string &input,
                    const std::string &name = "input") const {
    return Command(program, args + " " + Write(name, input));
  }

  // Runs a shell script; "zenpa" in it is to be written as ZENPA_BINARY.
  CliRun Shell(const std::string &script) const { return Command("sh", "-c '" + script + "'"); }

  // Runs "PROGRAM ARGS", any program on the path.
  CliRun Command(const std::string &program, const std::string &args) const {
    const std::string command = program + " " + args + " >" + Path("out") + " 2>" + Path("err");
    const int status = std::system(command.c_str());
    CliRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    base::ReadFileBytes(Path("out"), run.out);
    base::ReadFileBytes(Path("err"), run.err);
    return run;
  }
};

// The lines of a text split at LF (a CR before it stays).
inline std::vector<std::string> LfLines(const std::string &text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

} // namespace zenpa::testing
