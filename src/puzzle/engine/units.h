// Rows, columns and blocks of the grid, and the orders in which the
// techniques visit them. All coordinates are 1-based (x column, y row).
//
// Cells of a block are listed column by column, top to bottom in each column:
//
//   1 4 7
//   2 5 8
//   3 6 9
//
// Blocks are named by their column start and row start (1, 4 or 7).
#pragma once

#include <array>

namespace zenpa::puzzle {

struct Pos {
  int x = 0;
  int y = 0;
  friend bool operator==(const Pos &, const Pos &) = default;
};

// 1, 4 or 7: the first column (row) of the block that holds column (row) v.
constexpr int BlockStart(int v) { return ((v + 2) / 3 - 1) * 3 + 1; }

enum class UnitKind { Row, Column, Block };

struct Unit {
  UnitKind kind = UnitKind::Row;
  int index = 0;              // row y, column x, or block start pair below
  Pos block;                  // for a block: (column start, row start)
  std::array<Pos, 9> cells{}; // in unit order
};

const Unit &RowUnit(int y);
const Unit &ColumnUnit(int x);
const Unit &BlockUnit(int bx, int by);
const Unit &BlockOf(int x, int y);

// The 18 lines in scan order: columns 1..9 then rows 1..9 when columns come
// first, otherwise rows 1..9 then columns 1..9.
const std::array<const Unit *, 18> &LineOrder(bool columnsFirst);

// Block starts in the common order (1,1), (4,1), (7,1), (1,4), ... band by
// band, used by every scan that visits blocks without a choice.
const std::array<Pos, 9> &BlockOrder();

// Block starts for the scans that follow the scan-order switch: band by band
// when columns come first, otherwise stack by stack: (1,1), (1,4), (1,7), (4,1), ...
const std::array<Pos, 9> &BlockOrder(bool columnsFirst);

// "-y" for a column, "-x" for a row, "-b" for a block: the suffix of step labels.
const char *UnitSuffix(UnitKind kind);

} // namespace zenpa::puzzle
