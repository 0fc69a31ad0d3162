// Replace all of a two-character Japanese word in a long Shift-JIS document:
// in the editor's text alone, and from file to file as sed does it.
// The document comes from ZENPA_BENCH_DOC (bench/replace_vs_sed.sh makes one
// of 100,000 lines and runs sed on its UTF-8 copy); without it a document of
// that size is generated here.
#include "base/file_io.h"
#include "base/sjis.h"
#include "bench_document.h"
#include "editor/find_replace.h"
#include "platform/text_memo.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using namespace zenpa;

std::vector<std::string> GeneratedLines() {
  std::vector<std::string> lines;
  for (int i = 0; i < 100000; ++i)
    lines.push_back(base::Sj(i % 8 == 2 ? "Shift-JIS 文字コードと ASCII 文字が混在する行"
                                        : "吾輩は猫である。名前はまだ無い。"));
  return lines;
}

const std::string &DocumentPath() {
  static const std::string path = bench::BenchDocument("replace.txt", GeneratedLines);
  return path;
}

std::int64_t FileSize() { return bench::FileSizeOf(DocumentPath()); }

// Each run replaces the word and the next one puts it back, so every run
// does the same work on the same text.
editor::SearchRequest Request(bool back) {
  const std::string word = base::Sj("文字"), other = base::Sj("もじ");
  return back ? editor::SearchRequest{other, word, {}} : editor::SearchRequest{word, other, {}};
}

void BM_ReplaceAllInEditor(benchmark::State &state) {
  std::vector<std::string> lines;
  base::ReadLines(DocumentPath(), lines);
  platform::TextMemo memo(lines);
  bool back = false;
  int count = 0;
  for (auto _ : state) {
    count = editor::ReplaceAll(memo, Request(back));
    back = !back;
  }
  state.counters["replaced"] = count;
  state.SetBytesProcessed(state.iterations() * FileSize());
}

// A Latin word without the match-case option: every line is compared in
// upper case. The replacement matches the pattern again, so every run
// replaces as many.
void BM_ReplaceAllIgnoringCase(benchmark::State &state) {
  std::vector<std::string> lines;
  base::ReadLines(DocumentPath(), lines);
  platform::TextMemo memo(lines);
  const editor::SearchRequest request{"ascii", "Ascii", {}};
  int count = 0;
  for (auto _ : state)
    count = editor::ReplaceAll(memo, request);
  state.counters["replaced"] = count;
  state.SetBytesProcessed(state.iterations() * FileSize());
}

// Read, replace all, write: the whole job sed does.
void BM_ReplaceAllFileToFile(benchmark::State &state) {
  const std::string out = DocumentPath() + ".replaced.txt";
  for (auto _ : state) {
    std::vector<std::string> lines;
    base::ReadLines(DocumentPath(), lines);
    platform::TextMemo memo(std::move(lines));
    editor::ReplaceAll(memo, Request(false));
    // A plain write, as sed's: the editor's own save also syncs the disk.
    std::ofstream(out, std::ios::binary) << base::JoinLines(memo.Lines());
  }
  std::filesystem::remove(out);
  state.SetBytesProcessed(state.iterations() * FileSize());
}

BENCHMARK(BM_ReplaceAllInEditor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceAllIgnoringCase)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceAllFileToFile)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
