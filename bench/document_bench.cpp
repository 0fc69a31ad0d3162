// Loading and saving a large Shift-JIS document, and decoding it to UTF-8.
// The document comes from ZENPA_BENCH_DOC (bench/document_vs_iconv.sh makes
// one of 100,000 lines and runs iconv on the same file); without it a
// document of that size is generated here.
#include "base/file_io.h"
#include "base/sjis.h"
#include "bench_document.h"
#include "editor/document.h"
#include "platform/scripted_host.h"
#include "platform/text_memo.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

using namespace zenpa;

class QuietHooks : public editor::DocumentHooks {
public:
  void NameRecorded(const std::string &) override {}
  void Relayout() override {}
  void RefreshPreview(bool) override {}
  bool PreviewFollowsChanges() const override { return false; }
  void DocumentReplaced() override {}
  void FocusEditor() override {}
  settings::LoadContext FormatLoadContext() const override { return {}; }
  settings::SaveContext FormatSaveContext() const override { return {}; }
  settings::FormatEnvironment FormatEnv() const override { return {}; }
};

std::vector<std::string> GeneratedLines() {
  std::vector<std::string> lines;
  for (int i = 0; i < 100000; ++i) {
    lines.push_back(std::to_string(i) + base::Sj("行目：日本語のテキスト、ｶﾀｶﾅ and ASCII ①②③"));
  }
  return lines;
}

const std::string &DocumentPath() {
  static const std::string path = bench::BenchDocument("document.txt", GeneratedLines);
  return path;
}

std::int64_t FileSize() { return bench::FileSizeOf(DocumentPath()); }

void BM_LoadDocument(benchmark::State &state) {
  platform::TextMemo memo;
  platform::ScriptedHost host;
  settings::FormatState format;
  QuietHooks hooks;
  editor::Document doc(memo, host, format, hooks);
  const std::string cwd = std::filesystem::current_path().string();
  for (auto _ : state) {
    if (doc.Load(DocumentPath()) != editor::LoadStatus::Loaded)
      state.SkipWithError("load failed");
    benchmark::DoNotOptimize(memo.LineCount());
  }
  std::filesystem::current_path(cwd);
  state.SetBytesProcessed(state.iterations() * FileSize());
}

void BM_SaveDocument(benchmark::State &state) {
  std::vector<std::string> lines;
  base::ReadLines(DocumentPath(), lines);
  platform::TextMemo memo(lines);
  platform::ScriptedHost host;
  settings::FormatState format;
  format.format.autoSaveFormat = false;
  QuietHooks hooks;
  editor::Document doc(memo, host, format, hooks);
  doc.SetFileName(DocumentPath() + ".saved.txt");
  for (auto _ : state) {
    if (!doc.Save())
      state.SkipWithError("save failed");
  }
  std::filesystem::remove(DocumentPath() + ".saved.txt");
  state.SetBytesProcessed(state.iterations() * FileSize());
}

void BM_DecodeToUtf8(benchmark::State &state) {
  std::string bytes;
  base::ReadFileBytes(DocumentPath(), bytes);
  for (auto _ : state)
    benchmark::DoNotOptimize(base::SjisToUtf8(bytes));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}

void BM_ReadAndDecodeToUtf8(benchmark::State &state) {
  for (auto _ : state) {
    std::string bytes;
    base::ReadFileBytes(DocumentPath(), bytes);
    benchmark::DoNotOptimize(base::SjisToUtf8(bytes));
  }
  state.SetBytesProcessed(state.iterations() * FileSize());
}

BENCHMARK(BM_LoadDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeToUtf8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAndDecodeToUtf8)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
