// The cell cursor of puzzle entry and game mode: which grid of the document
// is in use, the cursor cell in it, and how keys and clicks move the cursor.
//
// Rows and columns are 0..8. The cursor cell (column c, row r) is the two
// bytes at byte offset indent(r) + 2 + 4c of line top + 2r + 1, where top is
// the grid's top border line and indent(r) the row's prefix before its
// first "┃" (Shift-JIS bytes).
//
// A grid is taken only when it is whole: nine row lines, each its indent,
// "┃" and nine two-byte cells with their separators, so no cell write can
// reach past the grid's frame.
#pragma once

#include "platform/memo.h"

#include <array>
#include <string>

namespace zenpa::play {

// Bytes of a grid row after its indent: "┃" and nine cells with their
// separators.
inline constexpr std::size_t kGridRowBytes = 2 + 9 * 4;

struct EntryCursor {
  int topLine = -1; // the grid's top border line
  std::array<std::string, 9> rowIndents;
  int row = 0;
  int column = 0;
  platform::TextPos caret;   // the cursor cell
  bool titleVisible = false; // the title line is shown above the grid
  bool found = false;
};

// Where cell (column, row) starts in the document.
platform::TextPos CellCaret(const EntryCursor &cursor, int column, int row);
// The two bytes of the cursor cell ("" when the document no longer holds it).
std::string CursorCell(const platform::Memo &memo, const EntryCursor &cursor);
// True when the row line is a whole grid row after its indent.
bool IsWholeRowLine(const std::string &line, std::size_t indentLength);

// The whole grid nearest the caret line (cursor on its first cell, the view
// and caret untouched); found stays false without one.
EntryCursor LocateWholeGrid(const platform::Memo &memo, int caretLine);

// `SudokunyuryokuSet`: locates the grid nearest the caret, scrolls it to the
// top of the view (the title line above it with `titleShown`), puts the
// cursor on its first blank cell (else on the first cell) and the caret
// there. found stays false when there is no whole grid; nothing moves then.
EntryCursor SudokunyuryokuSet(platform::Memo &memo, bool titleShown);

// The cursor moves to (column, row) and the caret follows.
void MoveCursorTo(platform::Memo &memo, EntryCursor &cursor, int column, int row);

enum class CursorMove {
  Right,    // wraps within the row
  Left,     // wraps within the row
  Down,     // wraps within the column
  Up,       // wraps within the column
  Next,     // Enter: on to the next row's first cell, stops at the last cell
  Previous, // Backspace: back to the previous row's last cell, stops at the first
};
void MoveCursor(platform::Memo &memo, EntryCursor &cursor, CursorMove move);

// After a digit in entry mode: the next cell of the line, else the first
// cell of the next row; the last cell stays where it is.
void AdvanceCursor(platform::Memo &memo, EntryCursor &cursor);

// The editor's text sizes in pixels, for mapping a click to a cell.
struct CellPixels {
  int lineHeight = 16;
  int halfWidth = 8; // a half-width character
  int tabWidth = 8;  // columns per tab stop of the row indents
  int left = 0;      // where the text starts in the view
  int top = 0;
};

// A click at (x, y) pixels from the top left of the text area. When the
// view was scrolled away from the grid it scrolls back first and the click
// is shifted by the scrolled lines. The cursor goes to the clicked cell
// (clamped to the grid).
void ClickCell(platform::Memo &memo, EntryCursor &cursor, int x, int y, const CellPixels &pixels);

// The line the view shows first while the grid is in use.
int GridViewTop(const EntryCursor &cursor);

} // namespace zenpa::play
