#include "puzzle/play/assist_board.h"

#include "base/digits.h"
#include "base/sjis.h"
#include "platform/memo.h"
#include "puzzle/play/grid_text.h"

#include <algorithm>

namespace zenpa::play {

namespace {

// Floor division, so that the margin left of the first cell is not cell 0.
int CellIndex(int offset, int side) {
  if (offset < 0)
    return -1;
  return offset / side;
}

int Clamp8(int v) { return std::clamp(v, 0, 255); }

} // namespace

std::optional<BoardCellPos> BoardGeometry::CellAt(int x, int y) const {
  const int side = BoardSide() / 9;
  const int column = CellIndex(x - 2, side);
  const int row = CellIndex(y - 2, side);
  if (column < 0 || column > 8 || row < 0 || row > 8)
    return std::nullopt;
  return BoardCellPos{column, row};
}

BoardGeometry GeometryFor(int fontHeight, BoardSize size) {
  const int unit = size == BoardSize::Small ? fontHeight * 9 / 10 : fontHeight;
  return {std::clamp(unit, kMinBoardUnit, kMaxBoardUnit)};
}

BoardPoint PalettePlace(BoardPoint pointer, BoardExtent palette, BoardExtent window) {
  const auto place = [](int at, int size, int room) {
    if (at + size <= room)
      return at;
    return std::max(0, at - size);
  };
  return {place(pointer.x, palette.width, window.width),
          place(pointer.y, palette.height, window.height)};
}

base::Colour Shade(base::Colour colour, int amount) {
  int r = base::RedOf(colour), g = base::GreenOf(colour), b = base::BlueOf(colour);
  if (r == g && g == b && (amount > 0 ? r + amount > 255 : r + amount < 0))
    amount = -amount;
  return base::RGB(Clamp8(r + amount), Clamp8(g + amount), Clamp8(b + amount));
}

BoardColours ColoursFor(const settings::AssistOptions &options, base::Colour fontColour) {
  BoardColours c;
  c.playerDigit = options.circledDigits ? 0xE05000 : 0xE08000;
  c.note = options.memoColour;
  c.hint = options.writtenHintColour;
  c.erasedHint = options.erasedHintColour;
  if (options.digitColours) {
    c.givenFill = 0xE8E8E8;
    c.givenDigit = fontColour;
    c.playerDigit = Shade(fontColour, options.circledDigits ? 0x50 : 0x80);
  }
  if (options.lineColours) {
    c.line = Shade(fontColour, 0x30);
    c.palette = Shade(fontColour, 0xC0);
  }
  return c;
}

BoardCell BoardCellOf(const std::string &cellText) {
  if (const int given = base::FullWidthDigitValue(cellText); given != 0)
    return {BoardCellKind::Given, given};
  if (const int player = base::CellDigitValue(cellText); player != 0)
    return {BoardCellKind::Player, player};
  static const std::string kMark = base::Sj("◆");
  static const std::string kMarkR = base::Sj("◇");
  if (cellText == kMark)
    return {BoardCellKind::Mark, 0};
  if (cellText == kMarkR)
    return {BoardCellKind::MarkR, 0};
  return {};
}

BoardCells ReadBoardCells(const platform::Memo &memo, int topLine) {
  BoardCells cells{};
  for (int row = 0; row < 9; ++row) {
    const int line = GridRowLineIndex(topLine, row + 1);
    if (line < 0 || line >= memo.LineCount())
      continue;
    const std::string text = memo.Line(line);
    const std::size_t indent = RowIndentOf(text).size();
    for (int column = 0; column < 9; ++column)
      cells[9 * row + column] = BoardCellOf(CellTextOf(text, indent, column + 1));
  }
  return cells;
}

} // namespace zenpa::play
