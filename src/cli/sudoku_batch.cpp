#include "cli/sudoku_batch.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
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

// Reads one input a block of whole lines at a time (the last line of the
// input needs no LF). A block holds about kBlockBytes: enough lines to keep
// the threads busy, few enough that memory stays small.
class SourceReader {
public:
  explicit SourceReader(const std::string &name)
      : file_(name == "-" ? stdin : std::fopen(name.c_str(), "rb")) {
    if (file_ == nullptr || IsFolder(file_)) {
      Fail(file_ == nullptr ? errno : EISDIR);
      atStart_ = true;
    }
  }
  ~SourceReader() {
    if (file_ != nullptr && file_ != stdin)
      std::fclose(file_);
  }
  SourceReader(const SourceReader &) = delete;
  SourceReader &operator=(const SourceReader &) = delete;

  // The next block into block; false at the end of the input.
  bool Next(std::string &block) {
    block.clear();
    while (!ended_ && !TakeBlock(block))
      ReadMore();
    if (block.empty()) {
      block.swap(pending_);
      pending_.clear();
    }
    return !block.empty();
  }

  std::string error; // why the input ended early; empty at its normal end
  bool failedAtStart() const { return atStart_; }

private:
  static constexpr std::size_t kBlockBytes = 1 << 20;

  static bool IsFolder(std::FILE *file) {
    struct stat st {};
    return ::fstat(::fileno(file), &st) == 0 && S_ISDIR(st.st_mode);
  }

  // Moves the whole lines read so far into block once there are enough, or
  // once the line after them is too long.
  bool TakeBlock(std::string &block) {
    const std::size_t lastBreak = pending_.rfind('\n');
    const std::size_t whole = lastBreak == std::string::npos ? 0 : lastBreak + 1;
    const bool tooLong = pending_.size() - whole > kMaxLineBytes;
    if (tooLong) {
      error = "the line is longer than " + std::to_string(kMaxLineBytes >> 20) + " MB";
      ended_ = true;
      pending_.resize(whole);
    }
    if (!tooLong && (whole == 0 || pending_.size() < kBlockBytes))
      return false;
    block.assign(pending_, 0, whole);
    pending_.erase(0, whole);
    return true;
  }

  void ReadMore() {
    std::array<char, 1 << 16> buffer;
    const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), file_);
    pending_.append(buffer.data(), n);
    if (n == 0 && std::ferror(file_))
      Fail(errno);
    ended_ = ended_ || n == 0;
  }

  void Fail(int code) {
    error = "cannot read the file: " + std::string(std::strerror(code));
    ended_ = true;
  }

  std::FILE *file_;
  std::string pending_;
  bool ended_ = false;
  bool atStart_ = false;
};

// One line of a block as it was read: found on one thread, worked on in the
// threads.
struct RawLine {
  std::string_view source;
  int lineNumber = 0;
  std::string_view text;
};

// Splits the block on LF (a CR before it goes with the trimming), numbering
// the lines on from number.
void FindLines(std::string_view source, std::string_view block, int &number,
               std::vector<RawLine> &lines) {
  lines.clear();
  while (!block.empty()) {
    const std::size_t end = std::min(block.find('\n'), block.size());
    lines.push_back({source, number++, block.substr(0, end)});
    block.remove_prefix(std::min(end + 1, block.size()));
  }
}

PuzzleOutput WorkOn(puzzle::Engine &engine, const RawLine &raw, const PuzzleJob &job) {
  const std::string_view text = Trimmed(raw.text);
  if (text.empty() || text[0] == '#')
    return {};
  PuzzleLine line = ParsePuzzleLine(text);
  line.source = raw.source;
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
  // Without a branch per character (givens and open cells come in no
  // order a processor could guess); the column of a bad character is
  // looked for only when there is one.
  unsigned bad = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const unsigned digit = static_cast<unsigned char>(c - '0');
    const unsigned given = static_cast<unsigned>(digit - 1u < 9u);
    const unsigned open = static_cast<unsigned>(c == '0') | static_cast<unsigned>(c == '.');
    line.digits[i] = static_cast<int>(digit & (0u - given));
    bad |= (given | open) ^ 1u;
  }
  if (bad == 0)
    return line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if ((c < '0' || c > '9') && c != '.') {
      line.error = "unexpected character at column " + std::to_string(i + 1);
      return line;
    }
  }
  return line;
}

namespace {

// Works on the lines with the threads; the results in the lines' order.
void WorkOnBlock(const std::vector<RawLine> &lines, int threads, const PuzzleJob &job,
                 std::vector<PuzzleOutput> &results) {
  results.assign(lines.size(), {});
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
}

// One input, block by block; false when sink stopped the batch. A file that
// cannot be opened gives its error at line 0, a fault later at the line where
// reading stopped.
bool RunSource(const std::string &name, int threads, const PuzzleJob &job, const PuzzleSink &sink) {
  SourceReader reader(name);
  std::string block;
  std::vector<RawLine> lines;
  std::vector<PuzzleOutput> results;
  int number = 1;
  while (reader.Next(block)) {
    FindLines(name, block, number, lines);
    WorkOnBlock(lines, threads, job, results);
    for (const PuzzleOutput &result : results) {
      if (!sink(result))
        return false;
    }
  }
  if (reader.error.empty())
    return true;
  PuzzleLine fault;
  fault.source = name;
  fault.lineNumber = reader.failedAtStart() ? 0 : number;
  return sink({"", Where(fault) + reader.error + "\n"});
}

} // namespace

WholeInput ReadWholeInput(const std::string &name) {
  SourceReader reader(name);
  WholeInput input;
  std::string block;
  int number = 1;
  while (reader.Next(block)) {
    number += static_cast<int>(std::count(block.begin(), block.end(), '\n'));
    input.bytes += block;
  }
  if (reader.error.empty())
    return input;
  const int line = reader.failedAtStart() ? 0 : number;
  return {"", name + ":" + std::to_string(line) + ": " + reader.error};
}

bool RunBatch(const std::vector<std::string> &files, int threads, const PuzzleJob &job,
              const PuzzleSink &sink) {
  const std::vector<std::string> names = files.empty() ? std::vector<std::string>{"-"} : files;
  for (const std::string &name : names) {
    if (!RunSource(name, threads, job, sink))
      return false;
  }
  return true;
}

} // namespace zenpa::cli
