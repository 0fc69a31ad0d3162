#include "puzzle/play/puzzle_file_reader.h"

#include "base/digits.h"
#include "base/file_io.h"
#include "base/paths.h"
#include "base/sjis.h"
#include "editor/insertion.h"
#include "puzzle/engine/engine.h"
#include "puzzle/play/pattern_text.h"

namespace zenpa::play {
namespace {

bool StartsWith(std::string_view line, std::string_view head) {
  return line.substr(0, head.size()) == head;
}

std::string_view TrimSpaces(std::string_view s) {
  const std::size_t first = s.find_first_not_of(' ');
  if (first == std::string_view::npos)
    return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

int CellOf(char c) {
  if (c == '.' || c == '0' || c == '-' || c == '_')
    return 0;
  if (c >= '1' && c <= '9')
    return c - '0';
  return kUnreadableCell;
}

// Collects rows into grids.
class GridCollector {
public:
  explicit GridCollector(PuzzleFileContent &content) : content_(content) {}

  void AddRow(const std::array<int, 9> &row) {
    for (int c = 0; c < 9; ++c) {
      const int cell = row[static_cast<std::size_t>(c)];
      const std::size_t at = static_cast<std::size_t>(9 * rows_ + c);
      current_.givens[at] = cell > 0 ? cell : 0;
      current_.cells[at] = base::zenkaku(cell == 0 ? 10 : cell);
      current_.givenCount += cell > 0 ? 1 : 0;
      content_.unreadableCells |= cell == kUnreadableCell;
    }
    if (++rows_ < 9)
      return;
    content_.grids.push_back(current_);
    current_ = ReadGrid{};
    rows_ = 0;
  }
  void Finish() { content_.leftoverRows = rows_; }

private:
  PuzzleFileContent &content_;
  ReadGrid current_;
  int rows_ = 0;
};

void AddCandidate(GridCollector &collector, std::string_view row) {
  if (const auto cells = ReadCandidateRow(row))
    collector.AddRow(*cells);
}

// The nine rows an "A=" line holds.
void AddAddressRows(GridCollector &collector, std::string_view line) {
  const std::string_view body = line.substr(2, 81);
  for (std::size_t r = 0; r < 9 && 9 * r < body.size(); ++r)
    AddCandidate(collector, body.substr(9 * r, 9));
}

} // namespace

bool HasDoubleByteChar(std::string_view line) {
  for (std::size_t i = 0; i < line.size(); i += base::CharLen(line, i)) {
    if (base::CharLen(line, i) == 2)
      return true;
  }
  return false;
}

std::string RebuildSeparatedRow(std::string_view line) {
  std::string cells;
  std::size_t i = 0;
  while (cells.size() < 9) {
    if (i >= line.size() || line[i] == '\t' || line[i] == ',') {
      cells += '.';
      ++i;
      continue;
    }
    const char c = line[i++];
    if (c == ' ')
      continue;
    cells += c;
    while (i < line.size() && line[i] == ' ')
      ++i;
    ++i; // the separator
  }
  return cells;
}

std::optional<std::array<int, 9>> ReadCandidateRow(std::string_view row) {
  const std::string_view trimmed = TrimSpaces(row);
  if (trimmed.size() < 9 || trimmed.size() > 17)
    return std::nullopt;
  std::array<int, 9> cells{};
  std::size_t i = 0;
  for (int &cell : cells) {
    while (i < trimmed.size() && trimmed[i] == ' ')
      ++i;
    // A row that runs out of cells (spaced "1 2 3 4 5") is not a full row:
    // its missing cells are unreadable, so the reading reports it.
    cell = i < trimmed.size() ? CellOf(trimmed[i++]) : kUnreadableCell;
  }
  return cells;
}

PuzzleFileContent ReadPuzzleLines(const std::vector<std::string> &lines, PuzzleDialect dialect) {
  PuzzleFileContent content;
  GridCollector collector(content);
  bool separated = dialect == PuzzleDialect::Csv;
  for (const std::string &line : lines) {
    if (StartsWith(line, "C=") || StartsWith(line, "T="))
      continue;
    if (StartsWith(line, "A=")) {
      AddAddressRows(collector, line);
      continue;
    }
    if (line.size() < 8 || HasDoubleByteChar(line))
      continue;
    separated = separated || line.find('\t') != std::string::npos;
    AddCandidate(collector, separated ? RebuildSeparatedRow(line) : line);
  }
  collector.Finish();
  return content;
}

const std::string &MissingDataMessage() {
  static const std::string text = base::Sj("データが足りません");
  return text;
}

const std::string &DataErrorMessage() {
  static const std::string text = base::Sj("データにエラーがあります");
  return text;
}

bool WriteReadGrids(PuzzleReadContext &ctx, const PuzzleFileContent &content,
                    const std::string &path) {
  PuzzleBlockWriter &w = ctx.writer;
  for (const ReadGrid &grid : content.grids) {
    const bool full = grid.givenCount >= 81;
    if (full && !w.Options().appendAnswer)
      continue;
    w.WriteTitle();
    w.WriteGrid(grid.cells);
    int key = puzzle::kKeyNone;
    if (!full) {
      w.hint(std::to_string(grid.givenCount));
      if (ctx.levelCheck)
        key = ctx.levelCheck(grid, path);
      w.asobikata();
    }
    w.kaigyo();
    // Escape ends the reading once the block of its puzzle is complete.
    if (key == puzzle::kKeyEscape)
      return false;
  }
  return true;
}

std::vector<std::string> SplitFileLines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find_first_of("\r\n", start);
    lines.emplace_back(bytes.substr(start, end - start));
    if (end == std::string_view::npos)
      break;
    start = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return lines;
}

std::optional<std::vector<std::string>> ReadFileLines(const std::string &path, std::string &error) {
  std::string bytes;
  const base::IoResult io = base::ReadFileBytes(path, bytes);
  if (!io.ok) {
    error = io.error;
    return std::nullopt;
  }
  return SplitFileLines(bytes);
}

ReadOutcome ReadPuzzleFile(PuzzleReadContext &ctx, const std::string &path) {
  std::string error;
  const std::optional<std::vector<std::string>> lines = ReadFileLines(path, error);
  if (!lines) {
    ctx.host.Message(error);
    return ReadOutcome::Failed;
  }
  const PuzzleFileContent content = ReadPuzzleLines(*lines, DialectOfFile(path));
  if (!WriteReadGrids(ctx, content, path))
    return ReadOutcome::Stopped;
  if (content.leftoverRows > 0)
    ctx.host.Message(MissingDataMessage());
  if (content.unreadableCells)
    ctx.host.Message(DataErrorMessage());
  return ReadOutcome::Read;
}

std::string PuzzleFormatPath(const std::string &programDir) { return programDir + "nbpzpf.zpf"; }

bool PuzzleFormatDue(bool autoApplyOn, bool append, const std::string &currentFormatFile,
                     const std::string &programDir) {
  if (!autoApplyOn || append)
    return false;
  const std::string path = PuzzleFormatPath(programDir);
  if (!base::FileExists(path))
    return false;
  return !StartsWith(base::ExtractFileName(currentFormatFile), "nbpzpf") ||
         path != currentFormatFile;
}

} // namespace zenpa::play
