// The entry panel's rearrangements of a grid. Every one keeps a valid
// puzzle valid: a turn, a mirror image, or a permutation of the block
// columns or of the columns inside the first block column.
//
// With cell (c, r) = column c, row r (1..9), the new cell (c, r) takes:
//   RotateRight "右回転"   old (r, 10 - c): a quarter turn clockwise
//   Mirror      "左右反転" old (10 - c, r)
//   BlocksLeft  "Ｂ左へ"   old (c + 3, r), the first block column to the end
//   BlocksSwap  "Ｂ反転"   the first and last block columns exchanged
//   Swap321     "321"      columns 1 and 3 exchanged
//   Cycle231    "231"      new columns 1, 2, 3 = old columns 2, 3, 1
#pragma once

#include "puzzle/play/grid_text.h"

namespace zenpa::play {

enum class GridTransform { RotateRight, Mirror, BlocksLeft, BlocksSwap, Swap321, Cycle231 };

// Cells row by row (index 9 * (r - 1) + (c - 1)), any cell type.
template <typename Cells> Cells Transformed(const Cells &old, GridTransform transform);

// The old column and row a new cell (c, r) takes its content from.
struct CellRef {
  int column;
  int row;
};
CellRef SourceCell(GridTransform transform, int column, int row);

template <typename Cells> Cells Transformed(const Cells &old, GridTransform transform) {
  Cells cells = old;
  for (int r = 1; r <= 9; ++r) {
    for (int c = 1; c <= 9; ++c) {
      const CellRef from = SourceCell(transform, c, r);
      cells[9 * (r - 1) + (c - 1)] = old[9 * (from.row - 1) + (from.column - 1)];
    }
  }
  return cells;
}

} // namespace zenpa::play
