#include "puzzle/engine/units.h"

namespace zenpa::puzzle {
namespace {

constexpr std::array<const Unit *, 18> MakeLineOrder(bool columnsFirst) {
  std::array<const Unit *, 18> order{};
  const auto &first = columnsFirst ? detail::kUnits.columns : detail::kUnits.rows;
  const auto &second = columnsFirst ? detail::kUnits.rows : detail::kUnits.columns;
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
