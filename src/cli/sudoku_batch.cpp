#include "cli/sudoku_batch.h"

#include "base/file_io.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <thread>

namespace zenpa::cli {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.back()))
    text.remove_suffix(1);
  while (!text.empty() && IsBlank(text.front()))
    text.remove_prefix(1);
  return text;
}

// One line of a source as it was read: found on one thread, worked on in
// the threads. A source that could not be read has one, numbered 0.
struct RawLine {
  const PuzzleSource *source = nullptr;
  int lineNumber = 0;
  std::string_view text;
};

// Splits the bytes on LF (a CR before it goes with the trimming); the last
// line needs no LF.
void FindLines(const PuzzleSource &source, std::vector<RawLine> &lines) {
  if (!source.error.empty()) {
    lines.push_back({&source, 0, {}});
    return;
  }
  std::string_view rest = source.bytes;
  for (int number = 1; !rest.empty(); ++number) {
    const std::size_t end = std::min(rest.find('\n'), rest.size());
    lines.push_back({&source, number, rest.substr(0, end)});
    rest.remove_prefix(std::min(end + 1, rest.size()));
  }
}

PuzzleOutput WorkOn(puzzle::Engine &engine, const RawLine &raw, const PuzzleJob &job) {
  PuzzleLine line;
  if (raw.source->error.empty()) {
    const std::string_view text = Trimmed(raw.text);
    if (text.empty() || text[0] == '#')
      return {};
    line = ParsePuzzleLine(text);
  } else {
    line.error = raw.source->error;
  }
  line.source = raw.source->name;
  line.lineNumber = raw.lineNumber;
  if (!line.error.empty())
    return {"", Where(line) + line.error + "\n"};
  return job(engine, line);
}

// Lines a thread takes at a time: enough that the threads rarely meet on the
// shared counter or write results side by side, few enough that they finish
// together.
constexpr std::size_t kLinesPerTake = 64;

} // namespace

std::string Where(const PuzzleLine &line) {
  return std::string(line.source) + ":" + std::to_string(line.lineNumber) + ": ";
}

PuzzleLine ParsePuzzleLine(std::string_view text) {
  PuzzleLine line;
  text = Trimmed(text);
  if (text.size() != 81) {
    line.error = "expected 81 characters, found " + std::to_string(text.size());
    return line;
  }
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '1' && c <= '9') {
      line.digits[i] = c - '0';
    } else if (c != '0' && c != '.') {
      line.error = "unexpected character at column " + std::to_string(i + 1);
      return line;
    }
  }
  return line;
}

std::vector<PuzzleSource> ReadPuzzleSources(const std::vector<std::string> &files) {
  std::vector<PuzzleSource> sources;
  if (files.empty()) {
    // Read in large blocks: character by character through std::cin costs
    // more than solving an easy puzzle.
    PuzzleSource input{"-", "", ""};
    std::array<char, 1 << 16> block;
    for (std::size_t n; (n = std::fread(block.data(), 1, block.size(), stdin)) > 0;)
      input.bytes.append(block.data(), n);
    sources.push_back(std::move(input));
    return sources;
  }
  for (const std::string &file : files) {
    PuzzleSource source{file, "", ""};
    const base::IoResult read = base::ReadFileBytes(file, source.bytes);
    if (!read.ok)
      source.error = "cannot read the file: " + std::string(std::strerror(read.errorNumber));
    sources.push_back(std::move(source));
  }
  return sources;
}

std::vector<PuzzleOutput> RunBatch(const std::vector<PuzzleSource> &sources, int threads,
                                   const PuzzleJob &job) {
  std::vector<RawLine> lines;
  for (const PuzzleSource &source : sources)
    FindLines(source, lines);
  std::vector<PuzzleOutput> results(lines.size());
  std::atomic<std::size_t> next{0};
  auto work = [&]() {
    puzzle::Engine engine;
    for (std::size_t first = next.fetch_add(kLinesPerTake); first < lines.size();
         first = next.fetch_add(kLinesPerTake)) {
      const std::size_t end = std::min(first + kLinesPerTake, lines.size());
      for (std::size_t i = first; i < end; ++i)
        results[i] = WorkOn(engine, lines[i], job);
    }
  };
  const int count = std::clamp(threads, 1, 256);
  std::vector<std::thread> pool;
  for (int t = 1; t < count; ++t)
    pool.emplace_back(work);
  work();
  for (std::thread &thread : pool)
    thread.join();
  return results;
}

} // namespace zenpa::cli
