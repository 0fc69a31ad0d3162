// The data viewer's duplicate check over a folder of 5,000 puzzle files
// (every tenth a copy of an earlier one, and empty and binary files among
// them), as files per second, with the longest pause between two event
// rounds of the window in milliseconds (max_event_gap_ms).
#include "platform/scripted_host.h"
#include "puzzle/play/viewer_duplicates.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

namespace {

namespace fs = std::filesystem;
constexpr int kFiles = 5000;

// A real clock, and the longest time between two event rounds.
class TimedHost : public zenpa::platform::ScriptedHost {
public:
  std::int64_t Milliseconds() override { return Now(); }
  void ProcessEvents() override {
    const std::int64_t now = Now();
    maxGap = std::max(maxGap, now - last);
    last = now;
  }
  std::int64_t Now() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
  }
  std::int64_t last = Now();
  std::int64_t maxGap = 0;
};

std::string PuzzleText(std::mt19937 &rng) {
  std::uniform_int_distribution<int> digit(0, 9);
  std::string text;
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c)
      text += static_cast<char>('0' + (digit(rng) < 4 ? digit(rng) : 0));
    text += "\r\n";
  }
  return text + "\r\n";
}

std::vector<std::string> MakeFolder(const fs::path &dir) {
  fs::create_directories(dir);
  std::mt19937 rng(7);
  std::vector<std::string> texts, paths;
  for (int i = 0; i < kFiles; ++i) {
    std::string text = PuzzleText(rng);
    if (i % 10 == 9)
      text = texts[static_cast<std::size_t>(i / 2)];
    else if (i % 97 == 0)
      text.clear();
    else if (i % 89 == 0)
      text = std::string(4096, '\x81');
    texts.push_back(text);
    paths.push_back((dir / ("p" + std::to_string(i) + ".nbp")).string());
    std::ofstream(paths.back(), std::ios::binary) << text;
  }
  return paths;
}

void DuplicateCheck(benchmark::State &state) {
  const fs::path dir = fs::temp_directory_path() / "zenpa-viewer-bench";
  const std::vector<std::string> paths = MakeFolder(dir);
  TimedHost host;
  std::size_t found = 0;
  for (auto _ : state) {
    host.last = host.Now();
    const auto report = zenpa::play::FindDuplicates(paths, {host, {}, {}});
    found = report ? report->count : 0;
  }
  state.SetItemsProcessed(state.iterations() * kFiles);
  state.counters["duplicates"] = static_cast<double>(found);
  state.counters["max_event_gap_ms"] = static_cast<double>(host.maxGap);
  fs::remove_all(dir);
}
BENCHMARK(DuplicateCheck)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
