#include "cli/sudoku_batch.h"

#include "base/file_io.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <sstream>
#include <thread>

namespace zenpa::cli {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string Trimmed(std::string text) {
  while (!text.empty() && IsBlank(text.back()))
    text.pop_back();
  std::size_t start = 0;
  while (start < text.size() && IsBlank(text[start]))
    ++start;
  return text.substr(start);
}

// Splits bytes on LF; CR before it is dropped with the trimming.
void AppendLines(const std::string &source, const std::string &bytes,
                 std::vector<PuzzleLine> &lines) {
  std::istringstream in(bytes);
  std::string text;
  for (int number = 1; std::getline(in, text); ++number) {
    text = Trimmed(text);
    if (text.empty() || text[0] == '#')
      continue;
    PuzzleLine line = ParsePuzzleLine(text);
    line.source = source;
    line.lineNumber = number;
    lines.push_back(std::move(line));
  }
}

} // namespace

std::string Where(const PuzzleLine &line) {
  return line.source + ":" + std::to_string(line.lineNumber) + ": ";
}

PuzzleLine ParsePuzzleLine(std::string text) {
  PuzzleLine line;
  text = Trimmed(std::move(text));
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

std::vector<PuzzleLine> ReadPuzzleLines(const std::vector<std::string> &files) {
  std::vector<PuzzleLine> lines;
  if (files.empty()) {
    // Read in large blocks: character by character through std::cin costs
    // more than solving an easy puzzle.
    std::string bytes;
    std::array<char, 1 << 16> block;
    for (std::size_t n; (n = std::fread(block.data(), 1, block.size(), stdin)) > 0;)
      bytes.append(block.data(), n);
    AppendLines("-", bytes, lines);
    return lines;
  }
  for (const std::string &file : files) {
    std::string bytes;
    const base::IoResult read = base::ReadFileBytes(file, bytes);
    if (!read.ok) {
      PuzzleLine missing;
      missing.source = file;
      missing.error = "cannot read the file: " + std::string(std::strerror(read.errorNumber));
      lines.push_back(missing);
      continue;
    }
    AppendLines(file, bytes, lines);
  }
  return lines;
}

std::vector<PuzzleOutput> RunBatch(const std::vector<PuzzleLine> &lines, int threads,
                                   const PuzzleJob &job) {
  std::vector<PuzzleOutput> results(lines.size());
  std::atomic<std::size_t> next{0};
  auto work = [&]() {
    puzzle::Engine engine;
    for (std::size_t i = next++; i < lines.size(); i = next++) {
      if (!lines[i].error.empty()) {
        results[i].err = Where(lines[i]) + lines[i].error + "\n";
        continue;
      }
      results[i] = job(engine, lines[i]);
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
