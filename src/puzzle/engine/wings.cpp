#include "puzzle/engine/wings.h"

#include "puzzle/engine/found_pattern.h"

namespace zenpa::puzzle {
namespace {

constexpr TechniqueLevel kLevelXYWing = Level11(30);
constexpr TechniqueLevel kLevelXYZWing = Level11(40);

// Calls f(p) for every cell, column by column, each column top to bottom,
// until f returns true; returns whether it did.
template <typename F> bool AnyCell(F f) {
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      if (f(Pos{x, y}))
        return true;
    }
  }
  return false;
}

// A wing of pivot candidates pm: two candidates sharing exactly one digit
// with the pivot. z gets the wing's other digit, s the pivot's digit the
// wing lacks.
bool IsWing(Cell pm, Cell wm, Cell &z, Cell &s) {
  if (CandidateCount(wm) != 2 || CandidateCount(pm & wm) != 1)
    return false;
  z = wm & ~pm;
  s = pm & ~wm;
  return true;
}

// --- XY-Wing with its wings in the pivot's row and column ------------------

bool XYwingAt(Engine &e, Pos pivot) {
  const Grid &g = e.CellGrid;
  const Cell pm = g(pivot.x, pivot.y);
  for (int x1 = 1; x1 <= 9; ++x1) {
    Cell z = 0, s = 0;
    if (x1 == pivot.x || !IsWing(pm, g(x1, pivot.y), z, s))
      continue;
    for (int y2 = 1; y2 <= 9; ++y2) {
      if (y2 == pivot.y || g(pivot.x, y2) != (s | z))
        continue;
      FoundPattern f(kLevelXYWing, "XY-Wing ", "", z);
      f.markR(pivot);
      f.mark(Pos{x1, pivot.y});
      f.mark(Pos{pivot.x, y2});
      f.remove(Pos{x1, y2}, z);
      if (ApplyPattern(e, f))
        return true;
    }
  }
  return false;
}

// --- Wings with one wing in the pivot's block -----------------------------

// Pivot at (line, pos); W1 at (line, pos1), outside the pivot's band of
// positions; W2 at (line2, pos2) in the pivot's block on another line.
struct BlockWing {
  Axis axis;
  int line = 0, pos = 0, pos1 = 0, line2 = 0, pos2 = 0;
};

// Removes z from line `line` at the positions of the band of `pos`, except
// position `skip`.
void RemoveInBand(FoundPattern &f, Axis axis, int line, int pos, int skip, Cell z) {
  for (int q = BlockStart(pos); q < BlockStart(pos) + 3; ++q) {
    if (q != skip)
      f.remove(axis.at(line, q), z);
  }
}

bool ApplyBlockWing(Engine &e, const BlockWing &w, Cell z, bool xyz) {
  FoundPattern f(xyz ? kLevelXYZWing : kLevelXYWing, xyz ? "XYZ-Wing" : "XY-Wing", w.axis.suffix(),
                 z);
  f.markR(w.axis.at(w.line, w.pos));
  f.mark(w.axis.at(w.line, w.pos1));
  f.mark(w.axis.at(w.line2, w.pos2));
  RemoveInBand(f, w.axis, w.line, w.pos, w.pos, z);
  if (!xyz)
    RemoveInBand(f, w.axis, w.line2, w.pos1, 0, z);
  return ApplyPattern(e, f);
}

// Tries every W1 of the pivot whose candidates pass wing1 (which gives the
// candidates W2 must have) and every W2 with those candidates.
template <typename Wing1> bool AnyBlockWing(Engine &e, BlockWing w, bool xyz, Wing1 wing1) {
  const Grid &g = e.CellGrid;
  for (w.pos1 = 1; w.pos1 <= 9; ++w.pos1) {
    Cell z = 0, want = 0;
    if (SameBand(w.pos1, w.pos) || !wing1(CellAt(g, w.axis.at(w.line, w.pos1)), z, want))
      continue;
    for (w.line2 = BlockStart(w.line); w.line2 < BlockStart(w.line) + 3; ++w.line2) {
      for (w.pos2 = BlockStart(w.pos); w.pos2 < BlockStart(w.pos) + 3; ++w.pos2) {
        const Cell w2 = CellAt(g, w.axis.at(w.line2, w.pos2));
        if (w.line2 != w.line && w2 == want && ApplyBlockWing(e, w, z, xyz))
          return true;
      }
    }
  }
  return false;
}

bool XYwingBAt(Engine &e, Axis axis, Pos pivot) {
  const Cell pm = e.CellGrid(pivot.x, pivot.y);
  const BlockWing w{axis, axis.lineOf(pivot), axis.posOf(pivot)};
  return AnyBlockWing(e, w, false, [pm](Cell wm, Cell &z, Cell &want) {
    Cell s = 0;
    if (!IsWing(pm, wm, z, s))
      return false;
    want = s | z;
    return true;
  });
}

// z is one of the pivot's three candidates: W1 holds z and one other pivot
// digit, W2 z and the remaining one.
bool XYZwingAt(Engine &e, Axis axis, Pos pivot, Cell z) {
  const Cell pm = e.CellGrid(pivot.x, pivot.y);
  const BlockWing w{axis, axis.lineOf(pivot), axis.posOf(pivot)};
  return AnyBlockWing(e, w, true, [pm, z](Cell wm, Cell &wz, Cell &want) {
    if (CandidateCount(wm) != 2 || (wm & z) == 0 || (wm & ~pm) != 0)
      return false;
    wz = z;
    want = (pm & ~wm) | z;
    return true;
  });
}

bool XYZwingPivot(Engine &e, Axis axis, Pos pivot) {
  const Cell pm = e.CellGrid(pivot.x, pivot.y);
  if (CandidateCount(pm) != 3)
    return false;
  for (int d = 1; d <= 9; ++d) {
    if (HasDigit(pm, d) && XYZwingAt(e, axis, pivot, DigitBit(d)))
      return true;
  }
  return false;
}

bool IsPair(const Engine &e, Pos p) { return CandidateCount(e.CellGrid(p.x, p.y)) == 2; }

} // namespace

void XYwing(Engine &e) {
  if (e.Gated(kBoxXYWing))
    return;
  AnyCell([&e](Pos p) { return IsPair(e, p) && XYwingAt(e, p); });
}

void XYwingB(Engine &e) {
  if (e.Gated(kBoxXYWing))
    return;
  for (Axis axis : AxisOrder(e)) {
    if (AnyCell([&e, axis](Pos p) { return IsPair(e, p) && XYwingBAt(e, axis, p); }))
      return;
  }
}

void XYZwing(Engine &e) {
  if (e.Gated(kBoxXYWing))
    return;
  for (Axis axis : AxisOrder(e)) {
    if (AnyCell([&e, axis](Pos p) { return XYZwingPivot(e, axis, p); }))
      return;
  }
}

} // namespace zenpa::puzzle
