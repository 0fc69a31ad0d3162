// The worksheet being filled in on screen (entry and game mode): where it
// stands in the document and which cell the caret is on. Rows count from 0
// (the top digit row, line T+1 of a sheet whose top border is line T) to
// n-1 (the final cell, line T+2n-1); row k has n-k cells, numbered from 1.
// Caret positions are byte offsets in the line's Shift-JIS text.
#pragma once

#include "platform/memo.h"
#include "settings/print_format.h"

#include <optional>
#include <string_view>

namespace zenpa::drill {

struct SheetCursor {
  int sheetCaretLine = 0;      // caret line when the sheet was looked for
  int topLine = -1;            // T: the top row's upper border, -1 when none
  int digitCount = 0;          // n
  int row = 1;                 // RowIndex
  int col = 1;                 // ColIndex
  platform::TextPos cellCaret; // caret position of the current cell
};

// Top border line of the sheet found from `fromLine`: upward to the first
// line holding "─┬─┬", stopping at a title line ("もこさん"); else downward.
std::optional<int> FindSheetTop(const platform::Memo &memo, int fromLine);

// Looks for the sheet from the caret's line (as FindSheetTop) and makes it
// the current sheet: the sheet's 2n+1 lines get their tabs expanded (with the
// record's tab width, when its tabs are on) before cells are located, the
// view scrolls the top border 4 lines below its top, and the caret goes onto
// the first cell of row 1. False when the document holds no sheet.
bool FindSheet(platform::Memo &memo, const settings::PrintFormat &format, SheetCursor &cursor);

// True when the caret stands on a cell that may be typed into: two bytes
// between two bars ("│" or "┃") holding "　", two spaces, "０"…"９", "？",
// "①"…"⑨" or "※".
bool IsEditableCell(const platform::Memo &memo, platform::TextPos caret);

// True when another cell follows the cell at byte `cell` in the line.
bool HasNextCell(std::string_view line, int cell);

// Byte offset of the first cell of a line (after its first bar), or -1.
int FirstCellOffset(std::string_view line);

// Puts the caret on cell `col` of row `row` (clamped to the sheet) and makes
// it the current cell.
void MoveToCell(platform::Memo &memo, SheetCursor &cursor, int row, int col);

} // namespace zenpa::drill
