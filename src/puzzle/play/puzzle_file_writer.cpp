#include "puzzle/play/puzzle_file_writer.h"

#include "base/digits.h"
#include "base/paths.h"
#include "base/sjis.h"
#include "platform/memo.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace zenpa::play {
namespace {

// Byte position of the first "┃" of a line, on character boundaries.
std::optional<std::size_t> ThickBarPos(const std::string &line) {
  static const std::string bar = base::Sj("┃");
  const std::size_t pos = base::FindChars(line, bar);
  if (pos == std::string::npos)
    return std::nullopt;
  return pos;
}

std::string RowText(const GridDigits &g, int row, PuzzleDialect dialect) {
  std::string text;
  for (int col = 0; col < 9; ++col) {
    const int d = g[static_cast<std::size_t>(row * 9 + col)];
    if (dialect == PuzzleDialect::Csv) {
      if (col > 0)
        text += ',';
      if (d != 0)
        text += static_cast<char>('0' + d);
    } else {
      text += static_cast<char>('0' + d);
    }
  }
  return text;
}

} // namespace

PuzzleDialect DialectOfFile(const std::string &path) {
  std::string ext = base::ExtractFileExt(path);
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return ext == ".CSV" ? PuzzleDialect::Csv : PuzzleDialect::Plain;
}

std::vector<GridDigits> ScanGrids(const platform::Memo &memo) {
  std::vector<GridDigits> grids;
  const int count = memo.LineCount();
  int i = 0;
  while (count - 1 > i + 18) {
    int first = i;
    std::optional<std::size_t> p;
    for (; first < count && !(p = ThickBarPos(memo.Line(first))); ++first) {
    }
    if (!p || count - first < 17)
      break;
    GridDigits g{};
    for (int r = 0; r < 9; ++r) {
      const std::string &line = memo.Line(first + 2 * r);
      for (int c = 1; c <= 9; ++c)
        g[static_cast<std::size_t>(r * 9 + c - 1)] =
            base::FullWidthDigitValue(CellTextOf(line, *p, c));
    }
    grids.push_back(g);
    i = first + 17;
  }
  return grids;
}

std::vector<std::string> PuzzleFileLines(const platform::Memo &memo, PuzzleDialect dialect,
                                         const std::string &completedAnswer) {
  std::vector<std::string> lines;
  for (const GridDigits &g : ScanGrids(memo)) {
    for (int r = 0; r < 9; ++r)
      lines.push_back(RowText(g, r, dialect));
    lines.emplace_back();
  }
  if (memo.LineCount() < 35 && completedAnswer.size() == 81) {
    for (int r = 0; r < 9; ++r)
      lines.push_back(completedAnswer.substr(9 * r, 9));
  }
  return lines;
}

base::IoResult WritePuzzleFile(const std::string &path, const platform::Memo &memo,
                               PuzzleDialect dialect, const std::string &completedAnswer) {
  return base::WriteLines(path, PuzzleFileLines(memo, dialect, completedAnswer));
}

} // namespace zenpa::play
