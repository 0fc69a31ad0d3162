#include "puzzle/engine/locked.h"

#include "puzzle/engine/pattern_step.h"
#include "puzzle/engine/singles.h"

#include <string>
#include <vector>

namespace zenpa::puzzle {
namespace {

// A short list of cells without allocation.
struct CellList {
  std::array<Pos, 9> cells{};
  int size = 0;
  void Add(Pos p) { cells[size++] = p; }
  const Pos *begin() const { return cells.data(); }
  const Pos *end() const { return cells.data() + size; }
};

// The group (third of a line, or line of a block) that holds every open
// source cell listing digit, or 0 when there are none or they spread over
// several groups. The listing cells are noted for marking.
template <typename GroupOf>
int SingleGroup(const Grid &g, const Unit &source, int digit, GroupOf groupOf,
                std::vector<Pos> &noted) {
  int found = 0;
  bool several = false;
  noted.clear();
  for (const Pos &p : source.cells) {
    const Cell c = g(p.x, p.y);
    if (!IsOpen(c) || !HasDigit(c, digit))
      continue;
    noted.push_back(p);
    const int group = groupOf(p);
    if (found == 0)
      found = group;
    if (group != found)
      several = true;
  }
  return several ? 0 : found;
}

// Removes digit from the open target cells that list it, as one step.
// Returns true when something was removed.
bool ClearTargets(Engine &e, const std::string &label, int digit, const std::vector<Pos> &noted,
                  const CellList &targets) {
  PatternStep step(e, kLevelLocalize);
  step.SetLabel(label + std::to_string(digit));
  for (const Pos &p : noted)
    step.AddMark(p);
  for (const Pos &p : targets) {
    const Cell c = e.CellGrid(p.x, p.y);
    if (!IsOpen(c) || !HasDigit(c, digit))
      continue;
    if (!step.Remove(p, DigitBit(digit)))
      break;
  }
  step.Finish();
  return step.Removed();
}

// One source unit for d, then, once d has changed something, the following
// digits that lock to the same group. Returns true when something changed or
// a contradiction was found.
template <typename GroupOf, typename TargetsOf>
bool ScanDigits(Engine &e, int d, const Unit &source, const std::string &label, GroupOf groupOf,
                TargetsOf targetsOf) {
  int dGroup = 0;
  bool changed = false;
  std::vector<Pos> noted;
  for (int digit = d; digit <= 9; ++digit) {
    if (digit > d && !changed)
      break;
    // A placed digit can still be listed by peers not yet cleared; using
    // those candidates would clear the digit's true cell.
    if (PlacedIn(e.CellGrid, source, digit)) {
      if (digit == d)
        return false;
      continue;
    }
    const int group = SingleGroup(e.CellGrid, source, digit, groupOf, noted);
    if (group == 0 || (digit > d && group != dGroup))
      continue;
    dGroup = group;
    changed = ClearTargets(e, label, digit, noted, targetsOf(group)) || changed;
    if (e.Contradiction)
      return true;
  }
  return changed;
}

// Localize B in one line: group = third 1..3; targets = the rest of its block.
bool ClaimInLine(Engine &e, const Unit &line, int d) {
  static const std::string kColumn = "Localize B-y ";
  static const std::string kRow = "Localize B-x ";
  const bool column = line.kind == UnitKind::Column;
  auto thirdOf = [column](Pos p) { return ((column ? p.y : p.x) + 2) / 3; };
  auto targetsOf = [column, &line](int third) {
    const int start = third * 3 - 2;
    const Unit &block = column ? BlockUnit(BlockStart(line.index), start)
                               : BlockUnit(start, BlockStart(line.index));
    CellList targets;
    for (const Pos &p : block.cells) {
      if ((column ? p.x : p.y) != line.index)
        targets.Add(p);
    }
    return targets;
  };
  return ScanDigits(e, d, line, column ? kColumn : kRow, thirdOf, targetsOf);
}

// Localize L in one block along one kind of line: group = the column (row)
// number; targets = the rest of that column (row).
bool PointFromBlock(Engine &e, const Unit &block, UnitKind kind, int d) {
  static const std::string kColumn = "Localize L-y ";
  static const std::string kRow = "Localize L-x ";
  const bool column = kind == UnitKind::Column;
  auto lineOf = [column](Pos p) { return column ? p.x : p.y; };
  auto targetsOf = [column, &block](int index) {
    const Unit &line = column ? ColumnUnit(index) : RowUnit(index);
    const int start = column ? block.block.y : block.block.x;
    CellList targets;
    for (const Pos &p : line.cells) {
      const int along = column ? p.y : p.x;
      if (along < start || along > start + 2)
        targets.Add(p);
    }
    return targets;
  };
  return ScanDigits(e, d, block, column ? kColumn : kRow, lineOf, targetsOf);
}

} // namespace

void hitoblockdake(Engine &e, int d) {
  if (e.Gated(kBoxLocalization))
    return;
  for (const Unit *line : LineOrder(e.ColumnsFirst())) {
    if (ClaimInLine(e, *line, d))
      return;
  }
}

void hitoretudake(Engine &e, int d) {
  if (e.Gated(kBoxLocalization))
    return;
  for (const Pos &b : BlockOrder(e.ColumnsFirst())) {
    blockhitoretu(e, b.x, b.y, d);
    if (e.Contradiction || e.Changed)
      return;
  }
}

void blockhitoretu(Engine &e, int bx, int by, int d) {
  const Unit &block = BlockUnit(bx, by);
  const bool columnsFirst = e.ColumnsFirst();
  for (UnitKind kind : {columnsFirst ? UnitKind::Column : UnitKind::Row,
                        columnsFirst ? UnitKind::Row : UnitKind::Column}) {
    if (PointFromBlock(e, block, kind, d))
      return;
  }
}

} // namespace zenpa::puzzle
