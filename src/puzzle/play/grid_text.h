// The puzzle grid as text in the document (Shift-JIS bytes).
//
// A grid block is 19 lines: the top border, nine row lines separated by thin
// lines (after rows 1, 2, 4, 5, 7, 8) and thick lines (after rows 3 and 6),
// and the bottom border. Every frame character, digit and blank is one
// double-byte character. A row line is "┃", then each cell character
// followed by "│" (after columns 1, 2, 4, 5, 7, 8) or "┃" (after 3, 6, 9);
// it may carry a prefix (the row indent) before its first "┃". Cell c (1..9)
// of a row whose indent is p bytes long is the two bytes starting at byte
// p + 4c - 2 (0-based) of the line.
//
// Cells: "１".."９" are givens, "①".."⑨" digits of the player or of a
// trial, anything else ("　", "？", "Ｅ", ...) an empty cell.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zenpa::platform {
class Memo;
}

namespace zenpa::play {

inline constexpr int kGridBlockLineCount = 19;

// 81 digits, row by row (index 9 * (row - 1) + (column - 1)); 0 = empty.
using GridDigits = std::array<int, 81>;

// Cell characters of the nine rows, row by row, each two bytes.
using GridCells = std::array<std::string, 81>;

const std::string &GridTopBorder();
const std::string &GridBottomBorder();

// One row line: prefix, then the nine cell characters framed.
std::string GridRowLine(std::span<const std::string, 9> cells, std::string_view prefix = {});

// The 19 lines of a grid block showing the given cells.
std::vector<std::string> GridBlockLines(const GridCells &cells);

// Cell characters of a digit grid: givens "１".."９", empty "　".
GridCells GivenCells(const GridDigits &digits);

// The text before the first "┃" of a row line ("" when it has none).
std::string RowIndentOf(std::string_view rowLine);

// The two bytes of cell `column` (1..9) of a row line with the given indent
// length; shorter or empty at the end of a short line.
std::string CellTextOf(std::string_view rowLine, std::size_t indentLength, int column);

// True when the line holds the start of a grid's top border.
bool IsGridTopLine(std::string_view line);

// Index of the top border of the grid nearest to the caret line: the first
// one at or above the line below the caret, else the first one below that.
std::optional<int> LocateGridTop(const platform::Memo &memo, int caretLine);

// A grid read from the document.
struct GridReading {
  int topLine = 0;
  std::array<std::string, 9> rowIndents;
  GridDigits digits{};
  int placedCount = 0;
};

// Reads the grid whose top border is at topLine. Givens "１".."９" are
// placed; with withPlayerDigits "①".."⑨" are placed too. Rows beyond the
// end of the document read as empty.
GridReading ReadGridAt(const platform::Memo &memo, int topLine, bool withPlayerDigits = false);

// `yomitori`: locates the grid nearest the caret and reads its givens.
std::optional<GridReading> yomitori(const platform::Memo &memo);

// Row r (1..9) of a grid with its top border at topLine.
inline int GridRowLineIndex(int topLine, int row) { return topLine + 2 * row - 1; }

} // namespace zenpa::play
