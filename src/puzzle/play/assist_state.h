// What the assist window holds besides the picture: the player's
// hand-written candidate notes, the solver's hint candidates with the ones
// the player erased, the finished-digit switches n1…n9, the cursor, the
// ◆/◇ highlight and whether the digit palette is open; and the rules of
// clicking the board, the palette and the cursor keys.
//
// Every digit the board or the palette enters goes to the document through
// AssistDocument::TypeKey, the document's own input handler, so the
// document text stays the single record of the game.
//
// Cells are 0-based (column, row); digits 1..9; a note set is a 9-bit mask,
// bit d - 1 for digit d.
#pragma once

#include "puzzle/engine/cell.h"
#include "puzzle/play/assist_board.h"

#include <array>
#include <cstdint>
#include <string>

namespace zenpa::play {

// The document side of the assist window.
class AssistDocument {
public:
  virtual ~AssistDocument() = default;
  // The document's caret goes to the cell of the grid in play.
  virtual void MoveCaretTo(BoardCellPos cell) = 0;
  // A key '0'..'9' as if typed in the document.
  virtual void TypeKey(char key) = 0;
};

using NoteMask = std::uint16_t;
using NoteGrid = std::array<NoteMask, 81>;

// The key of the assist window that moves the cursor.
enum class CursorKey { Left, Right, Up, Down };

// What a click on the board did.
struct BoardClick {
  bool onCell = false;      // a cell was hit: the cursor moved there
  bool openPalette = false; // the palette opens beside the pointer
};

class AssistState {
public:
  // A new puzzle, or the player's digits erased: notes, hints and finished
  // digits start over (ヒント初期化 does only the first two).
  void Reset();
  void ClearNotes();

  // The grid in play as the document shows it.
  void SetCells(const BoardCells &cells) { cells_ = cells; }
  const BoardCells &Cells() const { return cells_; }
  // The solver's candidates (the candidate list's grid), every cell's.
  void SetHints(const puzzle::Grid &candidates);

  BoardClick Click(const BoardGeometry &geometry, BoardPoint at, bool right, bool ctrl,
                   AssistDocument &doc);
  // A palette button, 0 for "消す". True when the palette stays open.
  bool PressPalette(int digit, bool right, bool ctrl, bool continuous, AssistDocument &doc);
  void MoveCursor(CursorKey key, AssistDocument &doc);
  void PutCursor(BoardCellPos cell) { cursor_ = cell; }
  // A digit key typed in the assist window.
  void TypeDigit(char key, AssistDocument &doc) const { doc.TypeKey(key); }

  // The panel n1..n9 of digit d; closes the palette.
  void ToggleFinished(int digit);
  void ResetFinished() { finished_ = {}; }
  bool Finished(int digit) const { return finished_.at(digit - 1); }

  void ToggleCursorShown() { cursorShown_ = !cursorShown_; }
  void ToggleMarksShown() { marksShown_ = !marksShown_; }
  void SetHintLayerShown(bool shown) { hintLayerShown_ = shown; }
  void ClosePalette() { paletteOpen_ = false; }

  BoardCellPos Cursor() const { return cursor_; }
  bool CursorShown() const { return cursorShown_; }
  bool MarksShown() const { return marksShown_; }
  bool HintLayerShown() const { return hintLayerShown_; }
  bool PaletteOpen() const { return paletteOpen_; }
  NoteMask Notes(BoardCellPos cell) const { return notes_[Index(cell)]; }
  // The solver's candidates of a cell the board shows open, a single one
  // included (the display pruning narrows many cells to one): a cell
  // holding a digit or a step mark has none.
  NoteMask Hints(BoardCellPos cell) const;
  NoteMask ErasedHints(BoardCellPos cell) const { return erased_[Index(cell)]; }

private:
  static int Index(BoardCellPos c) { return 9 * c.row + c.column; }
  void ToggleAllOff(int cell);

  BoardCells cells_{};
  NoteGrid notes_{};
  NoteGrid hints_{};
  NoteGrid erased_{};
  std::array<bool, 9> finished_{};
  BoardCellPos cursor_;
  bool cursorShown_ = true;
  bool marksShown_ = true;
  bool hintLayerShown_ = false;
  bool paletteOpen_ = false;
};

} // namespace zenpa::play
