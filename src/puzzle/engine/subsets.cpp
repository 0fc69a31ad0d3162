#include "puzzle/engine/subsets.h"

#include "puzzle/engine/pattern_step.h"

#include <array>
#include <bit>
#include <string>

namespace zenpa::puzzle {
namespace {

// What a search of one unit did; a naked pair or triple that changed
// something reports the block its cells share, for the follow-up.
struct UnitResult {
  bool changed = false;
  bool oneBlock = false;
  Pos block;
};

using UnitSearch = UnitResult (*)(Engine &, const Unit &, bool quiet);

// Positions 0..8 in a unit of the members of a subset.
struct Members {
  std::array<int, 4> at{};
  int size = 0;
  void Add(int i) { at[size++] = i; }
  bool Has(int i) const {
    for (int k = 0; k < size; ++k) {
      if (at[k] == i)
        return true;
    }
    return false;
  }
};

Cell CellOf(const Engine &e, const Unit &u, int i) {
  const Pos &p = u.cells[i];
  return e.CellGrid(p.x, p.y);
}

std::string Label(const char *name, const Unit &u, Cell digits) {
  return name + std::string(UnitSuffix(u.kind)) + CandidateText(digits);
}

// A step for a subset found in u: label, level and its cells marked.
void StartStep(PatternStep &step, const char *name, const Unit &u, Cell digits, const Members &m,
               bool quiet) {
  step.SetLabel(Label(name, u, digits));
  for (int k = 0; k < m.size; ++k)
    step.AddMark(u.cells[m.at[k]]);
  if (quiet)
    step.SetQuiet();
}

// The shared block of the members, reported for the follow-up.
UnitResult ChangedWith(const Unit &u, const Members &m) {
  UnitResult r;
  r.changed = true;
  const Pos first = u.cells[m.at[0]];
  r.block = Pos{BlockStart(first.x), BlockStart(first.y)};
  r.oneBlock = true;
  for (int k = 1; k < m.size; ++k) {
    const Pos p = u.cells[m.at[k]];
    if (Pos{BlockStart(p.x), BlockStart(p.y)} != r.block)
      r.oneBlock = false;
  }
  return r;
}

// Removes digits from every open cell of u that is not a member (and, for
// the pairs, whose candidates differ from skipEqual). False on Contradiction.
bool ClearOthers(Engine &e, PatternStep &step, const Unit &u, const Members &m, Cell digits,
                 Cell skipEqual = kNoCandidates) {
  for (int i = 0; i < 9; ++i) {
    const Cell c = CellOf(e, u, i);
    if (m.Has(i) || !IsOpen(c) || c == skipEqual)
      continue;
    if (!step.Remove(u.cells[i], digits))
      return false;
  }
  return true;
}

// True when ClearOthers would remove something: a step that would remove
// nothing is not started at all.
bool OthersHold(const Engine &e, const Unit &u, const Members &m, Cell digits,
                Cell skipEqual = kNoCandidates) {
  for (int i = 0; i < 9; ++i) {
    const Cell c = CellOf(e, u, i);
    if (m.Has(i) || !IsOpen(c) || c == skipEqual)
      continue;
    if ((c & digits) != 0)
      return true;
  }
  return false;
}

// True when a member holds a candidate outside keep (KeepOnly would remove it).
bool MembersHoldOutside(const Engine &e, const Unit &u, const Members &m, Cell keep) {
  for (int k = 0; k < m.size; ++k) {
    if ((CellOf(e, u, m.at[k]) & ~keep) != 0)
      return true;
  }
  return false;
}

// The frame of every subset technique: lines in switch order, the follow-up
// of a changing line's shared block, and the blocks when no line changed.
void LinesThenBlocks(Engine &e, int box, UnitSearch search, bool followUp) {
  if (e.Gated(box))
    return;
  for (const Unit *line : LineOrder(e.ColumnsFirst())) {
    const UnitResult r = search(e, *line, false);
    if (e.Contradiction)
      return;
    if (!r.changed)
      continue;
    if (followUp && r.oneBlock)
      search(e, BlockUnit(r.block.x, r.block.y), true);
    return;
  }
  for (const Pos &b : BlockOrder(e.ColumnsFirst())) {
    search(e, BlockUnit(b.x, b.y), false);
    if (e.Changed || e.Contradiction)
      return;
  }
}

UnitResult NakedPairs(Engine &e, const Unit &u, bool quiet) {
  UnitResult result;
  for (int i = 0; i < 8; ++i) {
    const Cell pair = CellOf(e, u, i);
    if (CandidateCount(pair) != 2)
      continue;
    int j = i + 1;
    while (j < 9 && CellOf(e, u, j) != pair)
      ++j;
    if (j == 9)
      continue;
    Members m;
    m.Add(i);
    m.Add(j);
    if (!OthersHold(e, u, m, pair, pair))
      continue;
    PatternStep step(e, kLevelNakedPair);
    StartStep(step, "Naked Pair", u, pair, m, quiet);
    const bool sound = ClearOthers(e, step, u, m, pair, pair);
    step.Finish();
    if (step.Removed())
      result = ChangedWith(u, m);
    if (!sound)
      return result;
  }
  return result;
}

// Greedy triple from start position s over nine digit sets (cell candidates
// or position-table entries), visiting the others cyclically. Returns true
// with three members and their three digits in digits.
bool BuildTriple(const Cell *sets, int s, Members &m, Cell &digits) {
  Cell join = sets[s];
  const int startCount = CandidateCount(join);
  if (startCount != 2 && startCount != 3)
    return false;
  m = Members{};
  m.Add(s);
  for (int k = 1; k < 9 && m.size < 3; ++k) {
    const int i = (s + k) % 9;
    const Cell c = sets[i];
    const int n = CandidateCount(c);
    if (n != 2 && n != 3)
      continue;
    bool joins = false;
    if (CandidateCount(join) == 3) {
      joins = (n == 3) ? c == join : (c & ~join) == 0;
    } else if (n == 3) {
      joins = (join & ~c) == 0;
      if (joins)
        join = c;
    } else {
      joins = (join & c) != 0;
      if (joins)
        join = static_cast<Cell>(join | c);
    }
    if (joins)
      m.Add(i);
  }
  digits = join;
  return m.size == 3 && CandidateCount(join) == 3;
}

std::array<Cell, 9> UnitCells(const Engine &e, const Unit &u) {
  std::array<Cell, 9> cells{};
  for (int i = 0; i < 9; ++i)
    cells[i] = CellOf(e, u, i);
  return cells;
}

UnitResult NakedTriples(Engine &e, const Unit &u, bool quiet) {
  UnitResult result;
  for (int s = 0; s < 9; ++s) {
    Members m;
    Cell digits = kNoCandidates;
    const std::array<Cell, 9> cells = UnitCells(e, u);
    if (!BuildTriple(cells.data(), s, m, digits) || !OthersHold(e, u, m, digits))
      continue;
    PatternStep step(e, kLevelNakedTriple);
    StartStep(step, "N. Triple", u, digits, m, quiet);
    const bool sound = ClearOthers(e, step, u, m, digits);
    step.Finish();
    if (step.Removed())
      result = ChangedWith(u, m);
    if (!sound)
      return result;
  }
  return result;
}

// PositionTable for u: each digit whose number of places lies in
// [fewest, most] is listed at each of its places.
void BuildTable(Engine &e, const Unit &u, int fewest, int most) {
  const std::array<Cell, 9> cells = UnitCells(e, u);
  std::array<int, 10> places{};
  for (Cell c : cells) {
    for (unsigned bits = c & kAllCandidates; bits != 0; bits &= bits - 1)
      ++places[std::countr_zero(bits) + 1];
  }
  Cell listed = kNoCandidates;
  for (int d = 1; d <= 9; ++d) {
    if (places[d] >= fewest && places[d] <= most)
      listed |= DigitBit(d);
  }
  e.PositionTable[0] = kNoCandidates;
  for (int i = 0; i < 9; ++i)
    e.PositionTable[i + 1] = static_cast<Cell>(cells[i] & listed);
}

// The first two digits of b (ascending) that a also holds.
Cell FirstTwoCommon(Cell a, Cell b) {
  Cell common = kNoCandidates;
  for (int d = 1; d <= 9 && CandidateCount(common) < 2; ++d) {
    if (HasDigit(b, d) && HasDigit(a, d))
      common |= DigitBit(d);
  }
  return common;
}

// Hidden pairs over the table already built for u.
UnitResult HiddenPairs(Engine &e, const Unit &u) {
  UnitResult result;
  auto &table = e.PositionTable;
  for (int p1 = 1; p1 <= 8; ++p1) {
    for (int p2 = p1 + 1; p2 <= 9 && CandidateCount(table[p1]) >= 2; ++p2) {
      if (CandidateCount(table[p2]) < 2)
        continue;
      const Pos a = u.cells[p1 - 1];
      const Pos b = u.cells[p2 - 1];
      if (CandidateCount(e.CellGrid(a.x, a.y)) == 2 && CandidateCount(e.CellGrid(b.x, b.y)) == 2)
        continue;
      const Cell common = FirstTwoCommon(table[p1], table[p2]);
      if (CandidateCount(common) < 2)
        continue;
      Members m;
      m.Add(p1 - 1);
      m.Add(p2 - 1);
      if (!MembersHoldOutside(e, u, m, common)) {
        table[p1] = common;
        table[p2] = common;
        continue;
      }
      PatternStep step(e, kLevelHiddenPair);
      StartStep(step, "Hidden Pair", u, common, m, false);
      step.Narrow(a, common);
      table[p1] = common;
      table[p2] = common;
      step.Narrow(b, common);
      step.Finish();
      result.changed = result.changed || step.Removed();
    }
  }
  return result;
}

UnitResult HiddenPairUnit(Engine &e, const Unit &u, bool) {
  BuildTable(e, u, 2, 2);
  return HiddenPairs(e, u);
}

// Positions whose entry holds a single digit take no part: that digit
// leaves every entry, until no such entry is left.
void PruneSingles(std::array<Cell, 10> &table) {
  for (bool again = true; again;) {
    again = false;
    for (int p = 1; p <= 9; ++p) {
      if (CandidateCount(table[p]) != 1)
        continue;
      const Cell single = table[p];
      for (Cell &entry : table)
        entry &= static_cast<Cell>(~single);
      again = true;
    }
  }
}

// True when no cell of u outside the members holds a digit of digits.
bool OnlyMembersHold(const Engine &e, const Unit &u, const Members &m, Cell digits) {
  for (int i = 0; i < 9; ++i) {
    if (!m.Has(i) && (CellOf(e, u, i) & digits) != 0)
      return false;
  }
  return true;
}

// Every member loses its candidates outside keep. False on Contradiction.
bool KeepOnly(Engine &e, PatternStep &step, const Unit &u, const Members &m, Cell keep) {
  for (int k = 0; k < m.size; ++k) {
    const Pos p = u.cells[m.at[k]];
    if (!step.Remove(p, static_cast<Cell>(e.CellGrid(p.x, p.y) & ~keep)))
      return false;
  }
  return true;
}

// Hidden triples over the table already built for u.
UnitResult HiddenTriples(Engine &e, const Unit &u) {
  UnitResult result;
  PruneSingles(e.PositionTable);
  for (int s = 0; s < 9; ++s) {
    Members m;
    Cell digits = kNoCandidates;
    if (!BuildTriple(&e.PositionTable[1], s, m, digits))
      continue;
    if (!OnlyMembersHold(e, u, m, digits) || !MembersHoldOutside(e, u, m, digits))
      continue;
    PatternStep step(e, kLevelHiddenTriple);
    StartStep(step, "H. Triple", u, digits, m, false);
    step.RefreshListAfterwards(true);
    const bool sound = KeepOnly(e, step, u, m, digits);
    step.Finish();
    result.changed = result.changed || step.Removed();
    if (!sound)
      return result;
  }
  return result;
}

UnitResult HiddenTripleUnit(Engine &e, const Unit &u, bool) {
  BuildTable(e, u, 2, 3);
  return HiddenTriples(e, u);
}

// The 126 sets of four digits, in lexicographic order (1234, 1235, ... 6789).
constexpr std::array<Cell, 126> MakeQuads() {
  std::array<Cell, 126> quads{};
  int n = 0;
  for (int a = 1; a <= 6; ++a) {
    for (int b = a + 1; b <= 7; ++b) {
      for (int c = b + 1; c <= 8; ++c) {
        for (int d = c + 1; d <= 9; ++d) {
          quads[n++] = static_cast<Cell>(DigitBit(a) | DigitBit(b) | DigitBit(c) | DigitBit(d));
        }
      }
    }
  }
  return quads;
}

constexpr std::array<Cell, 126> kQuads = MakeQuads();

// Cells of u with two to four candidates, all inside quad; false at a fifth.
bool NakedQuadMembers(const Engine &e, const Unit &u, Cell quad, Members &m, Cell &seen) {
  m = Members{};
  seen = kNoCandidates;
  for (int i = 0; i < 9; ++i) {
    const Cell c = CellOf(e, u, i);
    const int n = CandidateCount(c);
    if (n < 2 || n > 4 || (c & ~quad) != 0)
      continue;
    if (m.size == 4)
      return false;
    m.Add(i);
    seen |= c;
  }
  return true;
}

// Cells of u holding two or more digits of quad; false when a cell holds
// exactly one of them or at a fifth such cell.
bool HiddenQuadMembers(const Engine &e, const Unit &u, Cell quad, Members &m, Cell &seen) {
  m = Members{};
  seen = kNoCandidates;
  for (int i = 0; i < 9; ++i) {
    const Cell inQuad = static_cast<Cell>(CellOf(e, u, i) & quad);
    const int n = CandidateCount(inQuad);
    if (n == 0)
      continue;
    if (n == 1 || m.size == 4)
      return false;
    m.Add(i);
    seen |= inQuad;
  }
  return true;
}

Cell PlacedDigits(const Engine &e, const Unit &u) {
  Cell placed = kNoCandidates;
  for (int i = 0; i < 9; ++i) {
    const Cell c = CellOf(e, u, i);
    if (IsPlaced(c))
      placed |= c;
  }
  return placed;
}

// How a kind of quad finds its four members and clears the unit.
struct QuadKind {
  const char *name;
  int sub;
  bool (*members)(const Engine &, const Unit &, Cell quad, Members &, Cell &seen);
  bool (*clear)(Engine &, PatternStep &, const Unit &, const Members &, Cell quad);
  bool (*wouldClear)(const Engine &, const Unit &, const Members &, Cell quad);
  bool refreshList; // step mode: rewrite the list instead of showing each cell
};

// The first quad (in lexicographic order, within allowed) that changes
// something in u ends the search. Quads outside allowed cannot have four
// members whose digits make up the quad.
UnitResult QuadSearch(Engine &e, const Unit &u, Cell allowed, const QuadKind &kind) {
  UnitResult result;
  for (Cell quad : kQuads) {
    Members m;
    Cell seen = kNoCandidates;
    if ((quad & ~allowed) != 0)
      continue;
    if (!kind.members(e, u, quad, m, seen) || m.size != 4 || seen != quad)
      continue;
    if (!kind.wouldClear(e, u, m, quad))
      continue;
    PatternStep step(e, Level11(kind.sub));
    StartStep(step, kind.name, u, quad, m, false);
    if (kind.refreshList)
      step.RefreshListAfterwards(false);
    kind.clear(e, step, u, m, quad);
    step.Finish();
    if (step.Removed() || e.Contradiction) {
      result.changed = step.Removed();
      return result;
    }
  }
  return result;
}

bool ClearOtherCells(Engine &e, PatternStep &step, const Unit &u, const Members &m, Cell quad) {
  return ClearOthers(e, step, u, m, quad);
}

bool OtherCellsHold(const Engine &e, const Unit &u, const Members &m, Cell quad) {
  return OthersHold(e, u, m, quad);
}

// Digits of the cells of u whose candidate count lies in [fewest, most],
// or none when fewer than four such cells exist (no quad can form then).
Cell QuadDigits(const Engine &e, const Unit &u, int fewest, int most) {
  Cell digits = kNoCandidates;
  int cells = 0;
  for (int i = 0; i < 9; ++i) {
    const Cell c = CellOf(e, u, i);
    const int n = CandidateCount(c);
    if (n < fewest || n > most)
      continue;
    digits |= c;
    ++cells;
  }
  return cells >= 4 ? digits : kNoCandidates;
}

UnitResult NakedQuads(Engine &e, const Unit &u, bool) {
  static constexpr QuadKind kNaked{"N. Quad",      80,   NakedQuadMembers, ClearOtherCells,
                                   OtherCellsHold, false};
  const Cell allowed = QuadDigits(e, u, 2, 4);
  if (CandidateCount(allowed) < 4)
    return UnitResult{};
  return QuadSearch(e, u, allowed, kNaked);
}

UnitResult HiddenQuads(Engine &e, const Unit &u, bool) {
  static constexpr QuadKind kHidden{"H. Quad",          90,  HiddenQuadMembers, KeepOnly,
                                    MembersHoldOutside, true};
  const Cell free = static_cast<Cell>(kAllCandidates & ~PlacedDigits(e, u));
  if (CandidateCount(free) < 4)
    return UnitResult{};
  const Cell allowed = static_cast<Cell>(free & QuadDigits(e, u, 2, 9));
  if (CandidateCount(allowed) < 4)
    return UnitResult{};
  return QuadSearch(e, u, allowed, kHidden);
}

} // namespace

void wkoho(Engine &e) { LinesThenBlocks(e, kBoxNakedPair, NakedPairs, true); }
void blockw(Engine &e, int bx, int by) { NakedPairs(e, BlockUnit(bx, by), false); }

void wkohoH(Engine &e) { LinesThenBlocks(e, kBoxHiddenPair, HiddenPairUnit, false); }
void wkohotmpy(Engine &e, int y) { BuildTable(e, RowUnit(y), 2, 2); }
void wkohotmpx(Engine &e, int x) { BuildTable(e, ColumnUnit(x), 2, 2); }
void wkohotmpbr(Engine &e, int bx, int by) { HiddenPairUnit(e, BlockUnit(bx, by), false); }

void tkoho(Engine &e) { LinesThenBlocks(e, kBoxNakedTriple, NakedTriples, true); }
void blockt(Engine &e, int bx, int by) { NakedTriples(e, BlockUnit(bx, by), false); }

void tkohoH(Engine &e) { LinesThenBlocks(e, kBoxHiddenTriple, HiddenTripleUnit, false); }
void tkohotmpy(Engine &e, int y) { BuildTable(e, RowUnit(y), 2, 3); }
void tkohotmpx(Engine &e, int x) { BuildTable(e, ColumnUnit(x), 2, 3); }
void tkohotmpbr(Engine &e, int bx, int by) { HiddenTripleUnit(e, BlockUnit(bx, by), false); }

void qkoho(Engine &e) { LinesThenBlocks(e, kBoxNakedQuad, NakedQuads, false); }
void blockq(Engine &e, int bx, int by) { NakedQuads(e, BlockUnit(bx, by), false); }

void qkohoH(Engine &e) { LinesThenBlocks(e, kBoxHiddenQuad, HiddenQuads, false); }
void blockqH(Engine &e, int bx, int by) { HiddenQuads(e, BlockUnit(bx, by), false); }

} // namespace zenpa::puzzle
