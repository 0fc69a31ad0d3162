// Test support: runs the real zenpa binary on an input file in a scratch
// directory and keeps its exit code, standard output and standard error.
#pragma once

#include "base/file_io.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace zenpa::testing {

struct CliRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// A scratch directory for one test, removed at the end.
class CliDir {
public:
  explicit CliDir(const std::string &stem)
      : dir_(std::filesystem::temp_directory_path() / (stem + "_" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(dir_);
  }
  ~CliDir() {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }
  CliDir(const CliDir &) = delete;
  CliDir &operator=(const CliDir &) = delete;

  const std::filesystem::path &Path() const { return dir_; }

  // Writes input to the file `name` and runs "zenpa ARGS FILE".
  CliRun Run(const std::string &args, const std::string &input,
             const std::string &name = "input") const {
    return RunProgram(ZENPA_BINARY, args, input, name);
  }

  // The same with another program file.
  CliRun RunProgram(const std::string &program, const std::string &args, const std::string &input,
                    const std::string &name = "input") const {
    const std::string in = (dir_ / name).string();
    base::WriteFileAtomic(in, input);
    const std::string out = (dir_ / "out").string(), err = (dir_ / "err").string();
    const std::string command = program + " " + args + " " + in + " >" + out + " 2>" + err;
    const int status = std::system(command.c_str());
    CliRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    base::ReadFileBytes(out, run.out);
    base::ReadFileBytes(err, run.err);
    return run;
  }

private:
  std::filesystem::path dir_;
};

} // namespace zenpa::testing
