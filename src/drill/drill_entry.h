// Entry mode of a worksheet: digits typed into its cells freely (to fill a
// sheet in, or to prepare one by hand), with the caret moving from cell to
// cell.
#pragma once

#include "drill/drill_keys.h"
#include "drill/sheet_cursor.h"
#include "platform/host.h"
#include "platform/memo.h"

namespace zenpa::drill {

// Switching entry mode on: finds the sheet near the caret (sheet_cursor.h).
// Without one, says "もこさんが見つかりません" and returns false.
bool StartEntry(platform::Memo &memo, platform::Host &host, const settings::PrintFormat &format,
                SheetCursor &cursor);

// One typed key: a cell key writes "０"…"９" (or "　" for a space) into the
// cell under the caret and moves to the next cell of the row, else to the
// first cell of the next row; on the final cell the caret stays.
KeyResult EntryKey(platform::Memo &memo, SheetCursor &cursor, char key);

enum class Arrow { Left, Right, Up, Down };

// Arrow keys: left and right wrap within the row; up goes as far as the top
// digit row, down as far as the final cell, keeping the column where the
// row allows.
void EntryArrow(platform::Memo &memo, SheetCursor &cursor, Arrow arrow);

// A mouse click in entry mode, in editor pixels from the top left of the
// view. The row counts the lines from the sheet's top border, a click in the
// lower half of a line counting as the next line; the column counts cells of
// four half-width characters after the row's first bar.
int ClickedRow(const SheetCursor &cursor, int firstVisibleLine, int y, int lineHeight);
// `prefixPixels` is the width of the row's text in front of its first bar.
int ClickedColumn(const SheetCursor &cursor, int row, int x, int prefixPixels, int halfWidth);

// Replaces the two bytes of the cell at `cell` by `text`.
void WriteCell(platform::Memo &memo, platform::TextPos cell, const std::string &text);

} // namespace zenpa::drill
