// The document a benchmark reads: the file named by ZENPA_BENCH_DOC (the
// comparison scripts make one and run the peer tool on the same file), or
// else one the benchmark generates into the temporary directory.
#pragma once

#include "base/file_io.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace zenpa::bench {

// ZENPA_BENCH_DOC, or the file name in the temporary directory written
// with the lines makeLines() returns.
template <typename MakeLines>
std::string BenchDocument(const std::string &name, MakeLines makeLines) {
  if (const char *given = std::getenv("ZENPA_BENCH_DOC"))
    return given;
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "zenpa-bench";
  std::filesystem::create_directories(dir);
  const std::string path = (dir / name).string();
  const std::vector<std::string> lines = makeLines();
  base::WriteLines(path, lines);
  return path;
}

inline std::int64_t FileSizeOf(const std::string &path) {
  return static_cast<std::int64_t>(std::filesystem::file_size(path));
}

} // namespace zenpa::bench
