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

GridDigits AnswerDigits(const std::string &answer) {
  GridDigits digits{};
  for (std::size_t i = 0; i < digits.size(); ++i)
    digits[i] = answer[i] - '0';
  return digits;
}

// The stored game answer belongs to the document's one grid: 81 digits
// 1..9 that agree with every given. An answer of another puzzle (a game
// played before the document was replaced) is not written with this one.
bool AnswerFits(const std::string &answer, const std::vector<GridDigits> &grids) {
  if (answer.size() != 81 || grids.size() != 1 ||
      answer.find_first_not_of("123456789") != std::string::npos)
    return false;
  const GridDigits digits = AnswerDigits(answer);
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (grids[0][i] != 0 && grids[0][i] != digits[i])
      return false;
  }
  return true;
}

} // namespace

PuzzleDialect DialectOfFile(const std::string &path) {
  std::string marker = base::ExtractFileExt(path).substr(0, 4);
  std::transform(marker.begin(), marker.end(), marker.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return marker == ".CSV" ? PuzzleDialect::Csv : PuzzleDialect::Plain;
}

std::vector<GridDigits> ScanGrids(const platform::Memo &memo) {
  std::vector<GridDigits> grids;
  const int count = memo.LineCount();
  int i = 0;
  // The scan goes on while a grid's nine rows can still follow; a lone grid
  // block that fills the whole document is found too.
  while (count - i >= 17) {
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

std::vector<std::string> PuzzleFileRows(const GridDigits &grid, PuzzleDialect dialect) {
  std::vector<std::string> rows;
  for (int r = 0; r < 9; ++r)
    rows.push_back(RowText(grid, r, dialect));
  return rows;
}

std::vector<std::string> PuzzleFileLines(const platform::Memo &memo, PuzzleDialect dialect,
                                         const std::string &completedAnswer) {
  std::vector<std::string> lines;
  const std::vector<GridDigits> grids = ScanGrids(memo);
  for (const GridDigits &g : grids) {
    const std::vector<std::string> rows = PuzzleFileRows(g, dialect);
    lines.insert(lines.end(), rows.begin(), rows.end());
    lines.emplace_back();
  }
  if (memo.LineCount() < 35 && AnswerFits(completedAnswer, grids)) {
    const std::vector<std::string> rows = PuzzleFileRows(AnswerDigits(completedAnswer), dialect);
    lines.insert(lines.end(), rows.begin(), rows.end());
  }
  return lines;
}

base::IoResult WritePuzzleFile(const std::string &path, const platform::Memo &memo,
                               PuzzleDialect dialect, const std::string &completedAnswer) {
  return base::WriteLines(path, PuzzleFileLines(memo, dialect, completedAnswer));
}

} // namespace zenpa::play
