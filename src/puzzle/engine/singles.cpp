#include "puzzle/engine/singles.h"

#include "base/sjis.h"

#include <string>

namespace zenpa::puzzle {
namespace {

const std::string &EasyLabel(UnitKind kind) {
  static const std::string kRow = base::Sj("　Easy-x ");
  static const std::string kColumn = base::Sj("　Easy-y ");
  static const std::string kBlock = base::Sj("　Easy-b ");
  if (kind == UnitKind::Row)
    return kRow;
  return kind == UnitKind::Column ? kColumn : kBlock;
}

// Places the digit that completes a unit in its one open cell: 45 minus the
// sum of the placed cells. Returns false on Contradiction.
bool FillLastOpen(Engine &e, const Unit &unit) {
  long sum = 0;
  int open = 0;
  Pos last;
  for (const Pos &p : unit.cells) {
    const Cell c = e.CellGrid(p.x, p.y);
    if (IsPlaced(c)) {
      sum += DigitOf(c);
      continue;
    }
    last = p;
    if (++open == 2)
      return true;
  }
  if (open != 1)
    return true;
  const long digit = 45 - sum;
  e.CellGrid(last.x, last.y) = PlacedCell(static_cast<int>(digit));
  e.Changed = true;
  e.InnerChanged = true;
  e.kakunin(last.x, last.y);
  if (e.Contradiction)
    return false;
  --e.OpenCount;
  e.RaiseLevel(kLevelEasy);
  e.StepText = EasyLabel(unit.kind) + std::to_string(digit);
  e.debug(last.x, last.y);
  return true;
}

// Crosses out, on HatchGrid, every free cell seen by a placed d (a cell
// in a row, column or block that holds d).
// Returns false when no cell is left free.
bool RebuildHatch(Engine &e, int d) {
  const Cell bit = DigitBit(d);
  unsigned seen[3] = {0, 0, 0}; // rows, columns, blocks holding d, by bit
  for (int y = 1; y <= 9; ++y) {
    for (int x = 1; x <= 9; ++x) {
      if (e.CellGrid(x, y) != bit)
        continue;
      seen[0] |= 1u << y;
      seen[1] |= 1u << x;
      seen[2] |= 1u << ((y - 1) / 3 * 3 + (x - 1) / 3);
    }
  }
  bool anyFree = false;
  for (int y = 1; y <= 9; ++y) {
    for (int x = 1; x <= 9; ++x) {
      const Cell c = e.CellGrid(x, y);
      std::uint8_t &h = e.HatchGrid(x, y);
      const unsigned block = (y - 1) / 3 * 3 + (x - 1) / 3;
      if (IsPlaced(c)) {
        h = static_cast<std::uint8_t>(DigitOf(c));
      } else if (((seen[0] >> y) | (seen[1] >> x) | (seen[2] >> block)) & 1u) {
        h = kHatchSeen;
      } else {
        h = kHatchFree;
        anyFree = true;
      }
    }
  }
  return anyFree;
}

// "　Easy " when the cell's block, row or column is now complete.
const std::string &BlockUniqueLabel(const Engine &e, int x, int y) {
  static const std::string kEasy = base::Sj("　Easy ");
  static const std::string kBlockUnique = "Block Unique ";
  const Grid &g = e.CellGrid;
  if (UnitSum(g, BlockOf(x, y)) == 45 || UnitSum(g, RowUnit(y)) == 45 ||
      UnitSum(g, ColumnUnit(x)) == 45) {
    return kEasy;
  }
  return kBlockUnique;
}

// The one open cell of a unit that still lists d, when d is not placed in
// the unit and exactly one open cell lists it.
bool LoneCandidate(const Grid &g, const Unit &unit, int d, Pos &only) {
  const Cell bit = DigitBit(d);
  int count = 0;
  for (const Pos &p : unit.cells) {
    const Cell c = g(p.x, p.y);
    if (c == bit)
      return false;
    if (!IsOpen(c) || (c & bit) == 0)
      continue;
    only = p;
    if (++count == 2)
      return false;
  }
  return count == 1;
}

// Removes d from an open peer; a peer left with one candidate is the step of
// Cell Unique. Returns false on Contradiction.
bool PruneFromPeer(Engine &e, Pos p, int d) {
  static const std::string kLabel = "Cell Unique ";
  const Cell c = e.CellGrid(p.x, p.y);
  if (!IsOpen(c) || !HasDigit(c, d))
    return true;
  e.RemoveCandidate(p.x, p.y, d);
  const Cell left = e.CellGrid(p.x, p.y);
  if (!IsPlaced(left))
    return true;
  if (!e.SettleCell(p.x, p.y))
    return false;
  e.StepText = kLabel + std::to_string(DigitOf(left));
  e.RaiseLevel(kLevelCellUnique);
  e.InnerChanged = true;
  e.debug(p.x, p.y);
  return true;
}

} // namespace

bool PlacedIn(const Grid &g, const Unit &unit, int d) {
  for (const Pos &p : unit.cells) {
    if (g(p.x, p.y) == DigitBit(d))
      return true;
  }
  return false;
}

void linenokori1(Engine &e) {
  for (const Unit *line : LineOrder(false)) {
    if (!FillLastOpen(e, *line))
      return;
  }
}

void blocknokori1(Engine &e) {
  for (const Pos &b : BlockOrder()) {
    blockn1S(e, b.x, b.y);
    if (e.Contradiction)
      return;
  }
}

void blockn1S(Engine &e, int bx, int by) { FillLastOpen(e, BlockUnit(bx, by)); }

void kihonkaiho(Engine &e) {
  for (int d = 1; d <= 9; ++d) {
    for (;;) {
      const int before = e.OpenCount;
      // Without a free cell only the Easy fills of step mode could place.
      if (!RebuildHatch(e, d) && !e.StepMode)
        break;
      for (const Pos &b : BlockOrder()) {
        blockkimari(e, b.x, b.y, d);
        if (e.Contradiction)
          return;
      }
      if (e.OpenCount == before)
        break;
    }
  }
}

void blockkimari(Engine &e, int bx, int by, int d) {
  if (e.Contradiction)
    return;
  if (e.StepMode) {
    if (e.InnerChanged)
      return;
    blocknokori1(e);
    if (e.InnerChanged || e.Contradiction)
      return;
  }
  Pos only;
  int free = 0;
  for (const Pos &p : BlockUnit(bx, by).cells) {
    if (e.HatchGrid(p.x, p.y) != kHatchFree)
      continue;
    only = p;
    if (++free == 2)
      return;
  }
  if (free != 1)
    return;
  e.Place(only.x, only.y, d);
  e.InnerChanged = true;
  const std::string &label = BlockUniqueLabel(e, only.x, only.y);
  e.kakunin(only.x, only.y);
  if (e.Contradiction)
    return;
  e.RaiseLevel(kLevelEasy);
  e.StepText = label + std::to_string(d);
  e.debug(only.x, only.y);
  if (!e.StepMode)
    return;
  blockn1S(e, bx, by);
  if (!e.Contradiction)
    linenokori1(e);
}

void onajisuji(Engine &e, int x, int y) {
  e.InnerChanged = false;
  const int d = DigitOf(e.CellGrid(x, y));
  if (d == 0)
    return;
  for (const Unit *u : {&RowUnit(y), &ColumnUnit(x), &BlockOf(x, y)}) {
    for (const Pos &p : u->cells) {
      if (p == Pos{x, y})
        continue;
      if (!PruneFromPeer(e, p, d))
        return;
    }
  }
}

void hitotudake(Engine &e, int d) {
  static const std::string kColumn = "Line Unique-y ";
  static const std::string kRow = "Line Unique-x ";
  for (const Unit *line : LineOrder(e.ColumnsFirst())) {
    Pos only;
    if (!LoneCandidate(e.CellGrid, *line, d, only))
      continue;
    e.Place(only.x, only.y, d);
    e.StepText = (line->kind == UnitKind::Column ? kColumn : kRow) + std::to_string(d);
    e.RaiseLevel(kLevelLineUnique);
    e.debug(only.x, only.y);
    if (e.Contradiction)
      return;
  }
  if (e.Changed)
    return;
  for (const Pos &b : BlockOrder()) {
    blockkimariL2(e, b.x, b.y, d);
    if (e.Contradiction)
      return;
  }
}

void blockkimariL2(Engine &e, int bx, int by, int d) {
  static const std::string kLabel = "Block Unique H ";
  Pos only;
  if (!LoneCandidate(e.CellGrid, BlockUnit(bx, by), d, only))
    return;
  e.Place(only.x, only.y, d);
  e.StepText = kLabel + std::to_string(d);
  e.BlockUniqueHUsed = true;
  e.RaiseLevel(kLevelLineUnique);
  e.debug(only.x, only.y);
}

} // namespace zenpa::puzzle
