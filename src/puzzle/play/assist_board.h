// The assist window's board as numbers: its size from the document font,
// the cell a click falls on, where the digit palette opens, the colours of
// its layers, and the 81 cells of the document's grid as the board shows
// them.
//
// Geometry, in screen pixels: the unit U is the document font's height
// ("大") or nine tenths of it ("小"), at least 19. A cell is 2U square; the
// board is 18U + 5 square; cell (c, r), 0-based, has its top-left corner at
// (2 + 2U c, 2 + 2U r). The two pixels around the cells are the margin.
//
// Colours are 0x00BBGGRR values (base::Colour).
#pragma once

#include "base/colour.h"
#include "settings/print_format.h"

#include <array>
#include <optional>
#include <string>

namespace zenpa::platform {
class Memo;
}

namespace zenpa::play {

enum class BoardSize { Big, Small }; // "大", "小"

struct BoardPoint {
  int x = 0;
  int y = 0;
  bool operator==(const BoardPoint &) const = default;
};

struct BoardExtent {
  int width = 0;
  int height = 0;
};

// A cell of the board, 0-based column and row.
struct BoardCellPos {
  int column = 0;
  int row = 0;
  bool operator==(const BoardCellPos &) const = default;
};

inline constexpr int kMinBoardUnit = 19;
// The unit never grows past this, so a huge document font cannot ask for a
// board larger than any screen.
inline constexpr int kMaxBoardUnit = 100;

struct BoardGeometry {
  int unit = kMinBoardUnit;

  int CellSide() const { return 2 * unit; }
  int BoardSide() const { return 18 * unit + 5; }
  BoardPoint CellCorner(BoardCellPos cell) const {
    return {2 + CellSide() * cell.column, 2 + CellSide() * cell.row};
  }
  // The cell under (x, y); none on the margin or outside the board.
  std::optional<BoardCellPos> CellAt(int x, int y) const;
  // Digits: font height 1.68U, drawn U/6 + 1 inside the cell.
  int DigitFontHeight() const { return unit * 168 / 100; }
  int DigitInset() const { return unit / 6 + 1; }
  // Notes and hints: font height 0.65U, three by three in the cell.
  int NoteFontHeight() const { return unit * 65 / 100; }
};

BoardGeometry GeometryFor(int fontHeight, BoardSize size);

// Top-left corner of the palette opened at the pointer: to the right and
// below when it fits in the window, else to the left or above.
BoardPoint PalettePlace(BoardPoint pointer, BoardExtent palette, BoardExtent window);

// The colours of the board's layers.
struct BoardColours {
  base::Colour background = 0xFFFFFF;
  base::Colour givenFill = 0xECECEC;
  base::Colour givenDigit = 0xE04000;
  base::Colour playerDigit = 0xE05000;
  base::Colour line = 0x000000;
  std::optional<base::Colour> palette; // none: the palette keeps its own colour
  base::Colour note = 0xE060E0;
  base::Colour hint = 0x606060;
  base::Colour erasedHint = 0xFFD8FF;
  base::Colour cursor = 0x0000FF;
  base::Colour markFill = 0x80FFFF; // cells showing "◆" or "◇"
};

// A colour made lighter (amount > 0) or darker (amount < 0) component by
// component. A pure grey is moved away from the end it is near, so that a
// black or white font still gives a visible shade.
base::Colour Shade(base::Colour colour, int amount);

BoardColours ColoursFor(const settings::AssistOptions &options, base::Colour fontColour);

// What a cell of the document's grid shows.
enum class BoardCellKind { Empty, Given, Player, Mark, MarkR };

struct BoardCell {
  BoardCellKind kind = BoardCellKind::Empty;
  int digit = 0; // Given, Player: 1..9
  bool operator==(const BoardCell &) const = default;
};

// Row by row, index 9 * row + column (0-based).
using BoardCells = std::array<BoardCell, 81>;

BoardCell BoardCellOf(const std::string &cellText);

// The cells of the grid whose top border is at topLine; rows past the end
// of the document and short lines read as empty.
BoardCells ReadBoardCells(const platform::Memo &memo, int topLine);

} // namespace zenpa::play
