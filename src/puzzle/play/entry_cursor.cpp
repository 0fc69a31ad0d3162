#include "puzzle/play/entry_cursor.h"

#include "base/sjis.h"
#include "base/tabs.h"
#include "puzzle/play/grid_text.h"

#include <algorithm>

namespace zenpa::play {
namespace {

const std::string &Blank() {
  static const std::string blank = base::Sj("　");
  return blank;
}

bool IsBlankCell(const std::string &cell) { return cell == "  " || cell == Blank(); }

bool IsSeparator(std::string_view two, int column) {
  static const std::string thick = base::Sj("┃");
  static const std::string thin = base::Sj("│");
  return two == (column % 3 == 0 ? thick : thin);
}

int Clamp(int v) { return std::clamp(v, 0, 8); }

} // namespace

platform::TextPos CellCaret(const EntryCursor &cursor, int column, int row) {
  return {GridRowLineIndex(cursor.topLine, row + 1),
          static_cast<int>(cursor.rowIndents[row].size()) + 2 + 4 * column};
}

std::string CursorCell(const platform::Memo &memo, const EntryCursor &cursor) {
  const platform::TextPos at = CellCaret(cursor, cursor.column, cursor.row);
  if (!cursor.found || at.line >= memo.LineCount())
    return {};
  const std::string &line = memo.Line(at.line);
  if (static_cast<std::size_t>(at.col) + 2 > line.size())
    return {};
  return line.substr(at.col, 2);
}

bool IsWholeRowLine(const std::string &line, std::size_t indentLength) {
  if (line.size() < indentLength + kGridRowBytes)
    return false;
  const std::string_view row(line.data() + indentLength, kGridRowBytes);
  if (!IsSeparator(row.substr(0, 2), 3))
    return false;
  for (int column = 1; column <= 9; ++column) {
    const std::size_t cell = 4 * static_cast<std::size_t>(column) - 2;
    // A cell is one double-byte character or two half-width ones.
    if (base::CharLen(row, cell) == 1 &&
        base::IsLeadByte(static_cast<unsigned char>(row[cell + 1])))
      return false;
    if (!IsSeparator(row.substr(cell + 2, 2), column))
      return false;
  }
  return true;
}

EntryCursor LocateWholeGrid(const platform::Memo &memo, int caretLine) {
  EntryCursor cursor;
  const std::optional<int> top = LocateGridTop(memo, caretLine);
  if (!top || GridRowLineIndex(*top, 9) >= memo.LineCount())
    return cursor;
  cursor.topLine = *top;
  for (int row = 0; row < 9; ++row) {
    const std::string &line = memo.Line(GridRowLineIndex(*top, row + 1));
    cursor.rowIndents[row] = RowIndentOf(line);
    if (!IsWholeRowLine(line, cursor.rowIndents[row].size()))
      return EntryCursor{};
  }
  cursor.found = true;
  cursor.caret = CellCaret(cursor, 0, 0);
  return cursor;
}

EntryCursor SudokunyuryokuSet(platform::Memo &memo, bool titleShown) {
  EntryCursor cursor = LocateWholeGrid(memo, memo.Caret().line);
  if (!cursor.found)
    return cursor;
  const int top = cursor.topLine;
  memo.ScrollToLine(titleShown && top > 0 ? top - 1 : top);
  cursor.titleVisible = memo.FirstVisibleLine() != top;
  for (int row = 0; row < 9; ++row) {
    for (int column = 0; column < 9; ++column) {
      cursor.row = row;
      cursor.column = column;
      if (IsBlankCell(CursorCell(memo, cursor))) {
        MoveCursorTo(memo, cursor, column, row);
        return cursor;
      }
    }
  }
  MoveCursorTo(memo, cursor, 0, 0);
  return cursor;
}

void MoveCursorTo(platform::Memo &memo, EntryCursor &cursor, int column, int row) {
  cursor.column = Clamp(column);
  cursor.row = Clamp(row);
  cursor.caret = CellCaret(cursor, cursor.column, cursor.row);
  memo.SetCaret(cursor.caret);
}

void MoveCursor(platform::Memo &memo, EntryCursor &cursor, CursorMove move) {
  int c = cursor.column, r = cursor.row;
  switch (move) {
  case CursorMove::Right:
    c = (c + 1) % 9;
    break;
  case CursorMove::Left:
    c = (c + 8) % 9;
    break;
  case CursorMove::Down:
    r = (r + 1) % 9;
    break;
  case CursorMove::Up:
    r = (r + 8) % 9;
    break;
  case CursorMove::Next:
    if (c < 8 || r < 8)
      c < 8 ? ++c : (c = 0, ++r);
    break;
  case CursorMove::Previous:
    if (c > 0 || r > 0)
      c > 0 ? --c : (c = 8, --r);
    break;
  }
  MoveCursorTo(memo, cursor, c, r);
}

void AdvanceCursor(platform::Memo &memo, EntryCursor &cursor) {
  MoveCursor(memo, cursor, CursorMove::Next);
}

int GridViewTop(const EntryCursor &cursor) {
  return cursor.titleVisible && cursor.topLine > 0 ? cursor.topLine - 1 : cursor.topLine;
}

void ClickCell(platform::Memo &memo, EntryCursor &cursor, int x, int y, const CellPixels &px) {
  x -= px.left;
  y -= px.top;
  const int viewTop = GridViewTop(cursor);
  const int first = memo.FirstVisibleLine();
  if (first != viewTop) {
    memo.ScrollToLine(viewTop);
    y += (first - viewTop) * px.lineHeight;
  }
  const int lh = std::max(px.lineHeight, 1), hw = std::max(px.halfWidth, 1);
  const int titleLines = cursor.titleVisible ? 1 : 0;
  const int row = Clamp((y - titleLines * lh - lh / 2) / (2 * lh));
  const std::string &indent = cursor.rowIndents[row];
  const int indentColumns = base::ExpandedColumn(indent, indent.size(), px.tabWidth);
  const int column = Clamp((x - (indentColumns + 1) * hw - hw / 2) / (4 * hw));
  MoveCursorTo(memo, cursor, column, row);
}

} // namespace zenpa::play
