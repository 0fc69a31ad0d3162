#include "puzzle/engine/units.h"

namespace zenpa::puzzle {
namespace {

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

constexpr UnitTables kUnits = MakeTables();

constexpr std::array<const Unit *, 18> MakeLineOrder(bool columnsFirst) {
  std::array<const Unit *, 18> order{};
  const auto &first = columnsFirst ? kUnits.columns : kUnits.rows;
  const auto &second = columnsFirst ? kUnits.rows : kUnits.columns;
  for (int i = 1; i <= 9; ++i) {
    order[i - 1] = &first[i];
    order[i + 8] = &second[i];
  }
  return order;
}

constexpr std::array<const Unit *, 18> kRowsFirst = MakeLineOrder(false);
constexpr std::array<const Unit *, 18> kColumnsFirst = MakeLineOrder(true);

constexpr std::array<Pos, 9> kBandByBand = {
    {{1, 1}, {4, 1}, {7, 1}, {1, 4}, {4, 4}, {7, 4}, {1, 7}, {4, 7}, {7, 7}}};
constexpr std::array<Pos, 9> kStackByStack = {
    {{1, 1}, {1, 4}, {1, 7}, {4, 1}, {4, 4}, {4, 7}, {7, 1}, {7, 4}, {7, 7}}};

} // namespace

const Unit &RowUnit(int y) { return kUnits.rows[y]; }
const Unit &ColumnUnit(int x) { return kUnits.columns[x]; }
const Unit &BlockUnit(int bx, int by) { return kUnits.blocks[BlockNumber(bx, by)]; }
const Unit &BlockOf(int x, int y) { return BlockUnit(BlockStart(x), BlockStart(y)); }

const std::array<const Unit *, 18> &LineOrder(bool columnsFirst) {
  return columnsFirst ? kColumnsFirst : kRowsFirst;
}

const std::array<Pos, 9> &BlockOrder() { return kBandByBand; }

const std::array<Pos, 9> &BlockOrder(bool columnsFirst) {
  return columnsFirst ? kBandByBand : kStackByStack;
}

const char *UnitSuffix(UnitKind kind) {
  switch (kind) {
  case UnitKind::Row:
    return "-x ";
  case UnitKind::Column:
    return "-y ";
  case UnitKind::Block:
    break;
  }
  return "-b ";
}

} // namespace zenpa::puzzle
