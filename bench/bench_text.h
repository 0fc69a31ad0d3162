// The benchmark document shared by the benchmarks: the Shift-JIS copy that
// bench/make_bench_text.sh writes, read from the path in ZENPA_BENCH_SJIS
// (default /tmp/zenpa_bench/bench_sjis.txt). Empty when it is missing.
#pragma once

#include <cstdlib>
#include <string>
#include <vector>

#include "base/file_io.h"

namespace zenpa::bench {

inline std::vector<std::string> BenchLines() {
  const char *env = std::getenv("ZENPA_BENCH_SJIS");
  const std::string path = env != nullptr ? env : "/tmp/zenpa_bench/bench_sjis.txt";
  std::vector<std::string> lines;
  base::ReadLines(path, lines);
  return lines;
}

} // namespace zenpa::bench
