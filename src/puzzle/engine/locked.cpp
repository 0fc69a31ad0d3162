#include "puzzle/engine/locked.h"

#include "puzzle/engine/pattern_step.h"

#include <string>

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

// The cells of source in unit order that are in set.
CellList InUnitOrder(const Unit &source, CellSet set) {
  CellList list;
  for (const Pos &p : source.cells) {
    if (set.Intersects(CellSet::Of(p.x, p.y)))
      list.Add(p);
  }
  return list;
}

CellSet SetOf(const CellList &list) {
  CellSet set;
  for (const Pos &p : list)
    set |= CellSet::Of(p.x, p.y);
  return set;
}

// Removes digit from the open target cells that list it, as one step with
// the listing cells of the source marked. Returns true when something was
// removed.
bool ClearTargets(Engine &e, const std::string &label, int digit, const CellList &noted,
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

// How one kind of locked candidates reads a source unit: the group a cell
// belongs to (third of a line, or line of a block), the cells of that group,
// and the cells the digit leaves when it is locked to the group.
template <typename GroupOf, typename GroupCells, typename TargetsOf> struct LockRule {
  GroupOf groupOf;
  GroupCells groupCells;
  TargetsOf targetsOf;
};

// One source unit for d, then, once d has changed something, the following
// digits that lock to the same group. Returns true when something changed or
// a contradiction was found. cells is taken again after every removal.
template <typename Rule>
bool ScanDigits(Engine &e, int d, const Unit &source, const std::string &label, const Rule &rule,
                DigitCells &cells) {
  const CellSet sourceCells = CellsOf(source);
  int dGroup = 0;
  bool changed = false;
  for (int digit = d; digit <= 9; ++digit) {
    if (digit > d && !changed)
      break;
    // A placed digit can still be listed by peers not yet cleared; using
    // those candidates would clear the digit's true cell.
    if (cells.placed[digit].Intersects(sourceCells)) {
      if (digit == d)
        return false;
      continue;
    }
    const CellSet listing = cells.listed[digit] & sourceCells;
    if (listing.Empty())
      continue;
    const int group = rule.groupOf(listing.First());
    if (!listing.Without(rule.groupCells(group)).Empty())
      continue;
    if (digit > d && group != dGroup)
      continue;
    dGroup = group;
    const CellList targets = rule.targetsOf(group);
    // Nothing to clear: the step is not taken at all.
    if ((cells.listed[digit] & SetOf(targets)).Empty())
      continue;
    changed = ClearTargets(e, label, digit, InUnitOrder(source, listing), targets) || changed;
    cells = e.Taking();
    if (e.Contradiction)
      return true;
  }
  return changed;
}

// Localize B in one line: group = third 1..3; targets = the rest of its block.
bool ClaimInLine(Engine &e, const Unit &line, int d, DigitCells &cells) {
  static const std::string kColumn = "Localize B-y ";
  static const std::string kRow = "Localize B-x ";
  const bool column = line.kind == UnitKind::Column;
  auto blockOf = [column, &line](int third) -> const Unit & {
    const int start = third * 3 - 2;
    return column ? BlockUnit(BlockStart(line.index), start)
                  : BlockUnit(start, BlockStart(line.index));
  };
  auto thirdOf = [column](Pos p) { return ((column ? p.y : p.x) + 2) / 3; };
  auto thirdCells = [&blockOf](int third) { return CellsOf(blockOf(third)); };
  auto targetsOf = [column, &line, &blockOf](int third) {
    CellList targets;
    for (const Pos &p : blockOf(third).cells) {
      if ((column ? p.x : p.y) != line.index)
        targets.Add(p);
    }
    return targets;
  };
  const LockRule<decltype(thirdOf), decltype(thirdCells), decltype(targetsOf)> rule{
      thirdOf, thirdCells, targetsOf};
  return ScanDigits(e, d, line, column ? kColumn : kRow, rule, cells);
}

// Localize L in one block along one kind of line: group = the column (row)
// number; targets = the rest of that column (row).
bool PointFromBlock(Engine &e, const Unit &block, UnitKind kind, int d, DigitCells &cells) {
  static const std::string kColumn = "Localize L-y ";
  static const std::string kRow = "Localize L-x ";
  const bool column = kind == UnitKind::Column;
  auto lineUnit = [column](int index) -> const Unit & {
    return column ? ColumnUnit(index) : RowUnit(index);
  };
  auto lineOf = [column](Pos p) { return column ? p.x : p.y; };
  auto lineCells = [&lineUnit](int index) { return CellsOf(lineUnit(index)); };
  auto targetsOf = [column, &block, &lineUnit](int index) {
    const int start = column ? block.block.y : block.block.x;
    CellList targets;
    for (const Pos &p : lineUnit(index).cells) {
      const int along = column ? p.y : p.x;
      if (along < start || along > start + 2)
        targets.Add(p);
    }
    return targets;
  };
  const LockRule<decltype(lineOf), decltype(lineCells), decltype(targetsOf)> rule{lineOf, lineCells,
                                                                                  targetsOf};
  return ScanDigits(e, d, block, column ? kColumn : kRow, rule, cells);
}

} // namespace

void hitoblockdake(Engine &e, int d) {
  DigitCells cells = e.Taking();
  hitoblockdake(e, d, cells);
}

void hitoretudake(Engine &e, int d) {
  DigitCells cells = e.Taking();
  hitoretudake(e, d, cells);
}

void blockhitoretu(Engine &e, int bx, int by, int d) {
  DigitCells cells = e.Taking();
  blockhitoretu(e, bx, by, d, cells);
}

void hitoblockdake(Engine &e, int d, DigitCells &cells) {
  if (e.Gated(kBoxLocalization))
    return;
  for (const Unit *line : LineOrder(e.ColumnsFirst())) {
    if (ClaimInLine(e, *line, d, cells))
      return;
  }
}

void hitoretudake(Engine &e, int d, DigitCells &cells) {
  if (e.Gated(kBoxLocalization))
    return;
  for (const Pos &b : BlockOrder(e.ColumnsFirst())) {
    blockhitoretu(e, b.x, b.y, d, cells);
    if (e.Contradiction || e.Changed)
      return;
  }
}

void blockhitoretu(Engine &e, int bx, int by, int d, DigitCells &cells) {
  const Unit &block = BlockUnit(bx, by);
  const bool columnsFirst = e.ColumnsFirst();
  for (UnitKind kind : {columnsFirst ? UnitKind::Column : UnitKind::Row,
                        columnsFirst ? UnitKind::Row : UnitKind::Column}) {
    if (PointFromBlock(e, block, kind, d, cells))
      return;
  }
}

} // namespace zenpa::puzzle
