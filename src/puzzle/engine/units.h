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

namespace detail {
struct UnitTables {
  std::array<Unit, 10> rows{};
  std::array<Unit, 10> columns{};
  std::array<Unit, 10> blocks{}; // by block number 1..9, band by band
};

constexpr int BlockNumber(int bx, int by) { return (by - 1) / 3 * 3 + (bx - 1) / 3 + 1; }

constexpr UnitTables MakeTables() {
  UnitTables t;
  for (int i = 1; i <= 9; ++i) {
    t.rows[i].kind = UnitKind::Row;
    t.rows[i].index = i;
    t.columns[i].kind = UnitKind::Column;
    t.columns[i].index = i;
    for (int j = 1; j <= 9; ++j) {
      t.rows[i].cells[j - 1] = Pos{j, i};
      t.columns[i].cells[j - 1] = Pos{i, j};
    }
  }
  for (int by = 1; by <= 7; by += 3) {
    for (int bx = 1; bx <= 7; bx += 3) {
      Unit &u = t.blocks[BlockNumber(bx, by)];
      u.kind = UnitKind::Block;
      u.index = BlockNumber(bx, by);
      u.block = Pos{bx, by};
      int k = 0;
      for (int x = bx; x < bx + 3; ++x) {
        for (int y = by; y < by + 3; ++y)
          u.cells[k++] = Pos{x, y};
      }
    }
  }
  return t;
}

inline constexpr UnitTables kUnits = MakeTables();

// The 20 cells that share a row, column or block with a cell, as cell
// indexes (y - 1) * 9 + (x - 1) in ascending order, by the cell's index:
// the cells of its three units, each once.
using PeerList = std::array<unsigned char, 20>;
constexpr std::array<PeerList, 81> MakePeerLists() {
  std::array<PeerList, 81> lists{};
  for (int i = 0; i < 81; ++i) {
    const int x = i % 9 + 1;
    const int y = i / 9 + 1;
    std::array<bool, 81> peer{};
    for (const Unit *u : {&kUnits.rows[y], &kUnits.columns[x],
                          &kUnits.blocks[BlockNumber(BlockStart(x), BlockStart(y))]}) {
      for (const Pos &p : u->cells)
        peer[(p.y - 1) * 9 + (p.x - 1)] = true;
    }
    peer[i] = false;
    int n = 0;
    for (int j = 0; j < 81; ++j) {
      if (peer[j])
        lists[i][n++] = static_cast<unsigned char>(j);
    }
  }
  return lists;
}
inline constexpr std::array<PeerList, 81> kPeerLists = MakePeerLists();

// The other cells of a cell's row (left to right), column (top to bottom)
// and block (in block order) one after the other, as cell indexes; a cell
// of the block on the same row or column comes twice.
using UnitPeerList = std::array<unsigned char, 24>;
constexpr std::array<UnitPeerList, 81> MakeUnitPeerLists() {
  std::array<UnitPeerList, 81> lists{};
  for (int i = 0; i < 81; ++i) {
    const int x = i % 9 + 1;
    const int y = i / 9 + 1;
    int n = 0;
    for (const Unit *u : {&kUnits.rows[y], &kUnits.columns[x],
                          &kUnits.blocks[BlockNumber(BlockStart(x), BlockStart(y))]}) {
      for (const Pos &p : u->cells) {
        if (p.x != x || p.y != y)
          lists[i][n++] = static_cast<unsigned char>((p.y - 1) * 9 + (p.x - 1));
      }
    }
  }
  return lists;
}
inline constexpr std::array<UnitPeerList, 81> kUnitPeerLists = MakeUnitPeerLists();

} // namespace detail

// The peers of cell (x, y) unit by unit: row, column, block (24 indexes).
constexpr const detail::UnitPeerList &UnitPeersOf(int x, int y) {
  return detail::kUnitPeerLists[(y - 1) * 9 + (x - 1)];
}

// The 20 peers of cell (x, y) as cell indexes, row by row.
constexpr const detail::PeerList &PeersOf(int x, int y) {
  return detail::kPeerLists[(y - 1) * 9 + (x - 1)];
}

inline const Unit &RowUnit(int y) { return detail::kUnits.rows[y]; }
inline const Unit &ColumnUnit(int x) { return detail::kUnits.columns[x]; }
inline const Unit &BlockUnit(int bx, int by) {
  return detail::kUnits.blocks[detail::BlockNumber(bx, by)];
}
inline const Unit &BlockOf(int x, int y) { return BlockUnit(BlockStart(x), BlockStart(y)); }

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
