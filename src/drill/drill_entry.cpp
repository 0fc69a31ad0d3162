#include "drill/drill_entry.h"

#include "base/digits.h"
#include "base/sjis.h"

#include <algorithm>

namespace zenpa::drill {

bool StartEntry(platform::Memo &memo, platform::Host &host, const settings::PrintFormat &format,
                SheetCursor &cursor) {
  if (FindSheet(memo, format, cursor))
    return true;
  host.Message(base::Sj("もこさんが見つかりません"));
  return false;
}

void WriteCell(platform::Memo &memo, platform::TextPos cell, const std::string &text) {
  std::string line = memo.Line(cell.line);
  line.replace(static_cast<std::size_t>(cell.col), 2, text);
  memo.ReplaceLine(cell.line, line);
}

KeyResult EntryKey(platform::Memo &memo, SheetCursor &cursor, char key) {
  const platform::TextPos cell = memo.Caret();
  if (!IsCellKey(key) || !IsEditableCell(memo, cell))
    return key == kEscKey ? KeyResult::LeaveMode : KeyResult::Ignored;
  WriteCell(memo, cell, key == ' ' ? base::zenkaku(10) : base::zenkaku(KeyDigit(key)));
  if (HasNextCell(memo.Line(cell.line), cell.col)) {
    ++cursor.col;
    cursor.cellCaret = {cell.line, cell.col + 4};
    memo.SetCaret(cursor.cellCaret);
    return KeyResult::Moved;
  }
  cursor.col = 1;
  if (cursor.row >= cursor.digitCount - 1) {
    cursor.cellCaret = cell;
    memo.SetCaret(cell);
    return KeyResult::Moved;
  }
  MoveToCell(memo, cursor, cursor.row + 1, 1);
  return KeyResult::Moved;
}

int ClickedRow(const SheetCursor &cursor, int firstVisibleLine, int y, int lineHeight) {
  if (lineHeight <= 0)
    return cursor.row;
  const int lowerHalf = y % lineHeight > lineHeight / 2 ? 1 : 0;
  const int row = (firstVisibleLine + y / lineHeight - cursor.topLine - 1 + lowerHalf) / 2;
  return std::clamp(row, 0, std::max(0, cursor.digitCount - 1));
}

int ClickedColumn(const SheetCursor &cursor, int row, int x, int prefixPixels, int halfWidth) {
  if (halfWidth <= 0)
    return cursor.col;
  const int col = (x - prefixPixels - halfWidth / 2) / (4 * halfWidth) + 1;
  return std::clamp(col, 1, std::max(1, cursor.digitCount - row));
}

void EntryArrow(platform::Memo &memo, SheetCursor &cursor, Arrow arrow) {
  const int width = cursor.digitCount - cursor.row;
  switch (arrow) {
  case Arrow::Right:
    MoveToCell(memo, cursor, cursor.row, cursor.col < width ? cursor.col + 1 : 1);
    break;
  case Arrow::Left:
    MoveToCell(memo, cursor, cursor.row, cursor.col > 1 ? cursor.col - 1 : width);
    break;
  case Arrow::Up:
    MoveToCell(memo, cursor, cursor.row - 1, cursor.col);
    break;
  case Arrow::Down:
    MoveToCell(memo, cursor, cursor.row + 1, cursor.col);
    break;
  }
}

} // namespace zenpa::drill
