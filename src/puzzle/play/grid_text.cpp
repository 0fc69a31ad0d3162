#include "puzzle/play/grid_text.h"

#include "base/digits.h"
#include "base/sjis.h"
#include "platform/memo.h"
#include "puzzle/engine/answer_text.h"

namespace zenpa::play {
namespace {

const std::string &ThickBar() {
  static const std::string bar = base::Sj("┃");
  return bar;
}

// Frame character written after column c (1..9) of a row line.
const std::string &CellSeparator(int column) {
  static const std::string thin = base::Sj("│");
  return column % 3 == 0 ? ThickBar() : thin;
}

int CellDigit(std::string_view cell, bool withPlayerDigits) {
  return withPlayerDigits ? base::CellDigitValue(cell) : base::FullWidthDigitValue(cell);
}

} // namespace

const std::string &GridTopBorder() {
  static const std::string line = base::Sj("┏━┯━┯━┳━┯━┯━┳━┯━┯━┓");
  return line;
}

const std::string &GridBottomBorder() {
  static const std::string line = base::Sj("┗━┷━┷━┻━┷━┷━┻━┷━┷━┛");
  return line;
}

std::string GridRowLine(std::span<const std::string, 9> cells, std::string_view prefix) {
  std::string line(prefix);
  line += ThickBar();
  for (int column = 1; column <= 9; ++column) {
    line += cells[column - 1];
    line += CellSeparator(column);
  }
  return line;
}

std::vector<std::string> GridBlockLines(const GridCells &cells) {
  return puzzle::GridFrameLines([&cells](int x, int y) { return cells[9 * (y - 1) + (x - 1)]; });
}

GridCells GivenCells(const GridDigits &digits) {
  GridCells cells;
  for (std::size_t i = 0; i < digits.size(); ++i)
    cells[i] = digits[i] >= 1 && digits[i] <= 9 ? base::zenkaku(digits[i]) : base::zenkaku(10);
  return cells;
}

std::string RowIndentOf(std::string_view rowLine) {
  const std::size_t bar = base::FindChars(rowLine, ThickBar());
  if (bar == std::string_view::npos)
    return {};
  return std::string(rowLine.substr(0, bar));
}

std::string CellTextOf(std::string_view rowLine, std::size_t indentLength, int column) {
  const std::size_t start = indentLength + 4 * static_cast<std::size_t>(column) - 2;
  if (start >= rowLine.size())
    return {};
  return std::string(rowLine.substr(start, 2));
}

bool IsGridTopLine(std::string_view line) {
  static const std::string mark = base::Sj("┏━┯");
  return base::FindChars(line, mark) != std::string_view::npos;
}

std::optional<int> LocateGridTop(const platform::Memo &memo, int caretLine) {
  const int count = memo.LineCount();
  if (count == 0)
    return std::nullopt;
  const int start = std::min(caretLine + 1, count - 1);
  for (int i = start; i >= 0; --i) {
    if (IsGridTopLine(memo.Line(i)))
      return i;
  }
  for (int i = start + 1; i < count; ++i) {
    if (IsGridTopLine(memo.Line(i)))
      return i;
  }
  return std::nullopt;
}

GridReading ReadGridAt(const platform::Memo &memo, int topLine, bool withPlayerDigits) {
  GridReading reading;
  reading.topLine = topLine;
  for (int row = 1; row <= 9; ++row) {
    const int index = GridRowLineIndex(topLine, row);
    const std::string line = index < memo.LineCount() ? memo.Line(index) : std::string();
    std::string &indent = reading.rowIndents[row - 1];
    indent = RowIndentOf(line);
    for (int column = 1; column <= 9; ++column) {
      const int digit = CellDigit(CellTextOf(line, indent.size(), column), withPlayerDigits);
      reading.digits[9 * (row - 1) + column - 1] = digit;
      reading.placedCount += digit > 0 ? 1 : 0;
    }
  }
  return reading;
}

std::optional<GridReading> yomitori(const platform::Memo &memo) {
  const std::optional<int> top = LocateGridTop(memo, memo.Caret().line);
  if (!top)
    return std::nullopt;
  return ReadGridAt(memo, *top);
}

} // namespace zenpa::play
