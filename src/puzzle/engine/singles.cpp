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
  e.SetStepText(EasyLabel(unit.kind), digit);
  e.debug(last.x, last.y);
  return true;
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
bool LoneCandidate(const DigitCells &cells, CellSet unitCells, int d, Pos &only) {
  const CellSet listing = cells.listed[d] & unitCells;
  if (!listing.Single() || cells.placed[d].Intersects(unitCells))
    return false;
  only = listing.First();
  return true;
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
  e.SetStepText(kLabel, DigitOf(left));
  e.RaiseLevel(kLevelCellUnique);
  e.InnerChanged = true;
  e.debug(p.x, p.y);
  return true;
}

} // namespace

void linenokori1(Engine &e) {
  // Only a line with exactly one cell without a placed digit can be filled;
  // the pass's taking of the grid tells which.
  CellSet notPlaced = e.Taking().notPlaced;
  const std::array<CellSet, 18> &lineCells = LineCells(false);
  for (int k = 0; k < 18; ++k) {
    const CellSet open = notPlaced & lineCells[k];
    if (!open.Single())
      continue;
    if (!FillLastOpen(e, *LineOrder(false)[k]))
      return;
    notPlaced = notPlaced.Without(open);
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
  // Taken again only after something was placed.
  PlacedCells cells = e.Taking();
  if (!e.StepMode && e.QuietHatch == cells)
    return;
  const int start = e.OpenCount;
  for (int d = 1; d <= 9; ++d) {
    for (;;) {
      const int before = e.OpenCount;
      // The hatch is taken once for all nine blocks.
      const CellSet free = cells.HatchFree(d);
      // Without a free cell only the Easy fills of step mode could place.
      if (free.Empty() && !e.StepMode)
        break;
      for (int k = 0; k < 9; ++k) {
        // Outside step mode a block without exactly one free cell has nothing to do.
        if (!e.StepMode && !(free & BlockCellsInOrder(k)).Single())
          continue;
        const Pos &b = BlockOrder()[k];
        blockkimari(e, b.x, b.y, d, free);
        if (e.Contradiction)
          return;
      }
      if (e.OpenCount == before)
        break;
      cells = e.Taking();
    }
  }
  if (!e.StepMode && e.OpenCount == start)
    e.QuietHatch = cells;
}

void blockkimari(Engine &e, int bx, int by, int d, CellSet free) {
  if (e.Contradiction)
    return;
  const CellSet inBlock = free & CellsOf(BlockUnit(bx, by));
  if (e.StepMode) {
    if (e.InnerChanged)
      return;
    blocknokori1(e);
    if (e.InnerChanged || e.Contradiction)
      return;
  }
  if (!inBlock.Single())
    return;
  const Pos only = inBlock.First();
  e.Place(only.x, only.y, d);
  e.InnerChanged = true;
  const std::string &label = BlockUniqueLabel(e, only.x, only.y);
  e.kakunin(only.x, only.y);
  if (e.Contradiction)
    return;
  e.RaiseLevel(kLevelEasy);
  e.SetStepText(label, d);
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
  const Cell bit = DigitBit(d);
  const std::array<Cell, 81> &cells = e.CellGrid.Cells();
  for (unsigned char peer : UnitPeersOf(x, y)) {
    // Most peers neither list d nor are open: only those that do are pruned.
    const Cell c = cells[peer];
    if ((c & bit) == 0 || !IsOpen(c))
      continue;
    if (!PruneFromPeer(e, Pos{peer % 9 + 1, peer / 9 + 1}, d))
      return;
  }
}

void hitotudake(Engine &e, int d) {
  DigitCells cells = e.Taking();
  hitotudake(e, d, cells);
}

void hitotudake(Engine &e, int d, DigitCells &cells) {
  static const std::string kColumn = "Line Unique-y ";
  static const std::string kRow = "Line Unique-x ";
  const bool columnsFirst = e.ColumnsFirst();
  const std::array<CellSet, 18> &lineCells = LineCells(columnsFirst);
  for (int k = 0; k < 18; ++k) {
    Pos only;
    if (!LoneCandidate(cells, lineCells[k], d, only))
      continue;
    const Unit *line = LineOrder(columnsFirst)[k];
    e.Place(only.x, only.y, d);
    cells.Place(only, d);
    e.SetStepText(line->kind == UnitKind::Column ? kColumn : kRow, d);
    e.RaiseLevel(kLevelLineUnique);
    e.debug(only.x, only.y);
    if (e.Contradiction)
      return;
  }
  if (e.Changed)
    return;
  for (int k = 0; k < 9; ++k) {
    // Most blocks hold no lone candidate: test that before the call.
    if (!(cells.listed[d] & BlockCellsInOrder(k)).Single())
      continue;
    const Pos &b = BlockOrder()[k];
    blockkimariL2(e, b.x, b.y, d, cells);
    if (e.Contradiction)
      return;
  }
}

void blockkimariL2(Engine &e, int bx, int by, int d, DigitCells &cells) {
  static const std::string kLabel = "Block Unique H ";
  Pos only;
  if (!LoneCandidate(cells, BlockCells(bx, by), d, only))
    return;
  e.Place(only.x, only.y, d);
  cells.Place(only, d);
  e.SetStepText(kLabel, d);
  e.BlockUniqueHUsed = true;
  e.RaiseLevel(kLevelLineUnique);
  e.debug(only.x, only.y);
}

} // namespace zenpa::puzzle
