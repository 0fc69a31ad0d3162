#include "puzzle/engine/chains.h"

#include "puzzle/engine/found_pattern.h"

#include <array>
#include <optional>

namespace zenpa::puzzle {
namespace {

constexpr TechniqueLevel kLevelRemotePair = Level11(50);
constexpr TechniqueLevel kLevelKite = Level11(60);
constexpr TechniqueLevel kLevelGroupedKite = Level11(61);
constexpr TechniqueLevel kLevelEmptyRectangle = Level11(70);

// --- Remote Pair ------------------------------------------------------------

constexpr int kSameRow = 1;
constexpr int kSameColumn = 2;

// The i-th (0..8) cell searched from p in a mode.
Pos SearchCell(Pos p, int mode, int i) {
  if (mode == kSameRow)
    return Pos{i + 1, p.y};
  if (mode == kSameColumn)
    return Pos{p.x, i + 1};
  return Pos{BlockStart(p.x) + i / 3, BlockStart(p.y) + i % 3};
}

std::optional<Pos> Partner(const Grid &g, Cell pair, Pos p, int mode) {
  for (int i = 0; i < 9; ++i) {
    const Pos q = SearchCell(p, mode, i);
    if (q == p || (mode > kSameColumn && (q.x == p.x || q.y == p.y)))
      continue;
    if (g(q.x, q.y) == pair)
      return q;
  }
  return std::nullopt;
}

struct Chain {
  std::array<Pos, 8> cells{};
  int length = 0;
  Pos front() const { return cells[0]; }
  Pos back() const { return cells[length - 1]; }
};

// Follows partners from start, turning through the three search modes, until
// the chain has `target` cells, or the search has failed three times in a
// row at the start cell (twice in a row after a step).
Chain BuildChain(const Grid &g, Pos start, int target) {
  const Cell pair = g(start.x, start.y);
  Chain chain;
  chain.cells[chain.length++] = start;
  int mode = kSameRow;
  int failures = 0;
  int allowed = 3;
  while (chain.length < target) {
    const std::optional<Pos> next = Partner(g, pair, chain.back(), mode);
    mode = mode % 3 + 1;
    if (!next) {
      if (++failures == allowed)
        break;
      continue;
    }
    chain.cells[chain.length++] = *next;
    failures = 0;
    allowed = 2;
  }
  return chain;
}

// Removes the pair from line `line` at the positions of the band of `pos`,
// leaving alone the cells that hold exactly the pair.
void RemovePairInBand(FoundPattern &f, const Grid &g, Axis axis, int line, int pos, Cell pair) {
  for (int q = BlockStart(pos); q < BlockStart(pos) + 3; ++q) {
    const Pos p = axis.at(line, q);
    if (g(p.x, p.y) != pair)
      f.remove(p, pair);
  }
}

bool ApplyRemotePair(Engine &e, const Chain &chain) {
  const Grid &g = e.CellGrid;
  const Pos s = chain.front();
  const Pos t = chain.back();
  const Cell pair = g(s.x, s.y);
  FoundPattern f(kLevelRemotePair, "Remote Pair ", "", pair);
  f.mark(s);
  f.mark(t);
  for (int i = 1; i + 1 < chain.length; ++i)
    f.markR(chain.cells[i]);
  f.remove(Pos{s.x, t.y}, pair);
  f.remove(Pos{t.x, s.y}, pair);
  if (SameBand(s.x, t.x)) {
    RemovePairInBand(f, g, kAlongColumns, t.x, s.y, pair);
    RemovePairInBand(f, g, kAlongColumns, s.x, t.y, pair);
  }
  if (SameBand(s.y, t.y)) {
    RemovePairInBand(f, g, kAlongRows, t.y, s.x, pair);
    RemovePairInBand(f, g, kAlongRows, s.y, t.x, pair);
  }
  return ApplyPattern(e, f);
}

bool RemotePairFrom(Engine &e, Pos start) {
  for (int target = 4; target <= 8; target += 2) {
    const Chain chain = BuildChain(e.CellGrid, start, target);
    if (chain.length < target)
      return false;
    const Pos end = chain.back();
    if (end.x != start.x && end.y != start.y && ApplyRemotePair(e, chain))
      return true;
  }
  return false;
}

// --- 2-String Kite and Empty Rectangle --------------------------------------
//
// Written along columns: a "line" is a column, a "position" a row, a "stack"
// three lines. Along rows the two exchange.

// One digit searched along one axis, with the places of the grid.
struct DigitScan {
  Engine &e;
  const PlaceTable &table;
  Axis axis;
  int d = 0;
  Cell linesHolding(int first, int pos, int skip = 0) const {
    return table.linesHolding(axis, first, pos, d, skip);
  }
};

// Calls f(line, ra, rf) for every line with exactly two places of d in
// different bands, once with each place as the end A (ra), the other as F.
template <typename F> bool AnyStrongLine(const DigitScan &s, F f) {
  for (int line = 1; line <= 9; ++line) {
    const Cell places = s.table.places(s.axis, line, s.d);
    if (CandidateCount(places) != 2)
      continue;
    const int r1 = LowestIndex(places);
    const int r2 = LowestIndex(places & static_cast<Cell>(places - 1));
    if (SameBand(r1, r2))
      continue;
    if (f(line, r1, r2) || f(line, r2, r1))
      return true;
  }
  return false;
}

// Lines outside the stack of `line` whose cell at pos lists d.
Cell LinesOutsideStack(const DigitScan &s, int line, int pos) {
  Cell lines = 0;
  for (int first = 1; first <= 7; first += 3) {
    if (first != BlockStart(line))
      lines |= s.linesHolding(first, pos);
  }
  return lines;
}

bool KiteAt(const DigitScan &s, int line, int ra, int rf) {
  const Axis axis = s.axis;
  int bLine = 0, bPos = 0, found = 0;
  for (int q = BlockStart(ra); q < BlockStart(ra) + 3; ++q) {
    const Cell lines = q == ra ? 0 : s.linesHolding(BlockStart(line), q);
    found += CandidateCount(lines);
    if (lines != 0) {
      bLine = LowestIndex(lines);
      bPos = q;
    }
  }
  if (found != 1)
    return false;
  const Cell cLines = LinesOutsideStack(s, line, bPos);
  if (CandidateCount(cLines) != 1)
    return false;
  const int cLine = LowestIndex(cLines);
  FoundPattern f(kLevelKite, "2-String Kite ", "", DigitBit(s.d));
  f.markR(axis.at(line, ra));
  f.markR(axis.at(bLine, bPos));
  f.mark(axis.at(line, rf));
  f.mark(axis.at(cLine, bPos));
  f.remove(axis.at(cLine, rf), DigitBit(s.d));
  return ApplyPattern(s.e, f);
}

// A line with three places: two (the group) in one band, one (F) in another.
bool SplitGroup(Cell places, int &groupBand, int &rf) {
  groupBand = rf = 0;
  if (CandidateCount(places) != 3)
    return false;
  for (int band = 1; band <= 7; band += 3) {
    const Cell in = places & BandBits(band);
    if (CandidateCount(in) == 2)
      groupBand = band;
    if (CandidateCount(in) == 1)
      rf = LowestIndex(in);
  }
  return groupBand != 0 && rf != 0;
}

bool GroupedKiteAt(const DigitScan &s, int line) {
  const Axis axis = s.axis;
  const Cell places = s.table.places(axis, line, s.d);
  int groupBand = 0, rf = 0;
  if (!SplitGroup(places, groupBand, rf))
    return false;
  const int r = LowestIndex(BandBits(groupBand) & ~places);
  const Cell bLines = s.linesHolding(BlockStart(line), r, line);
  const Cell cLines = LinesOutsideStack(s, line, r);
  if (bLines == 0 || CandidateCount(cLines) != 1)
    return false;
  const int cLine = LowestIndex(cLines);
  FoundPattern f(kLevelGroupedKite, "G. 2-String Kite ", "", DigitBit(s.d));
  for (int q = groupBand; q < groupBand + 3; ++q) {
    if (HasDigit(places, q))
      f.markR(axis.at(line, q));
  }
  for (int l = 1; l <= 9; ++l) {
    if (HasDigit(bLines, l))
      f.markR(axis.at(l, r));
  }
  f.mark(axis.at(cLine, r));
  f.mark(axis.at(line, rf));
  f.remove(axis.at(cLine, rf), DigitBit(s.d));
  return ApplyPattern(s.e, f);
}

// The block of stack `first` in the band of ra: its places of d in row ra
// and one line lE elsewhere (lE must take d when row ra cannot).
bool EmptyRectangleIn(const DigitScan &s, int first, int line, int ra, int rf) {
  const Axis axis = s.axis;
  const Cell rowLines = s.linesHolding(first, ra);
  Cell outside = 0;
  for (int q = BlockStart(ra); q < BlockStart(ra) + 3; ++q) {
    if (q != ra)
      outside |= s.linesHolding(first, q);
  }
  if (rowLines == 0 || CandidateCount(outside) != 1 || rowLines == outside)
    return false;
  const int le = LowestIndex(outside);
  FoundPattern f(kLevelEmptyRectangle, "Empty Rectagle ", "", DigitBit(s.d));
  f.markR(axis.at(line, ra));
  f.mark(axis.at(line, rf));
  for (int q = BlockStart(ra); q < BlockStart(ra) + 3; ++q) {
    if (HasDigit(s.table.places(axis, le, s.d), q))
      f.mark(axis.at(le, q));
  }
  f.remove(axis.at(le, rf), DigitBit(s.d));
  return ApplyPattern(s.e, f);
}

bool EmptyRectangleAt(const DigitScan &s, int line, int ra, int rf) {
  for (int first = 1; first <= 7; first += 3) {
    if (first != BlockStart(line) && EmptyRectangleIn(s, first, line, ra, rf))
      return true;
  }
  return false;
}

using StrongLinePattern = bool (*)(const DigitScan &s, int line, int ra, int rf);

// Tries `at` on every strong line of every digit along one axis.
bool AnyStrongLinePattern(Engine &e, const PlaceTable &table, Axis axis, StrongLinePattern at) {
  for (int d = 1; d <= 9; ++d) {
    const DigitScan s{e, table, axis, d};
    const auto tryAt = [&s, at](int line, int ra, int rf) { return at(s, line, ra, rf); };
    if (AnyStrongLine(s, tryAt))
      return true;
  }
  return false;
}

bool GroupedKites(Engine &e, const PlaceTable &table, Axis axis) {
  for (int d = 1; d <= 9; ++d) {
    const DigitScan s{e, table, axis, d};
    for (int line = 1; line <= 9; ++line) {
      if (GroupedKiteAt(s, line))
        return true;
    }
  }
  return false;
}

} // namespace

void RemotePair(Engine &e) {
  if (e.Gated(kBoxRemotePair))
    return;
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      if (CandidateCount(e.CellGrid(x, y)) == 2 && RemotePairFrom(e, Pos{x, y}))
        return;
    }
  }
}

void WStringKite(Engine &e) {
  if (e.Gated(kBoxTwoStringKite))
    return;
  const std::array<Axis, 2> axes = AxisOrder(e);
  const PlaceTable table(e.CellGrid);
  for (Axis axis : axes) {
    if (AnyStrongLinePattern(e, table, axis, KiteAt))
      return;
  }
  for (Axis axis : axes) {
    if (GroupedKites(e, table, axis))
      return;
  }
}

void EmptyRectangle(Engine &e) {
  if (e.Gated(kBoxEmptyRectangle))
    return;
  const PlaceTable table(e.CellGrid);
  for (Axis axis : AxisOrder(e)) {
    if (AnyStrongLinePattern(e, table, axis, EmptyRectangleAt))
      return;
  }
}

std::string RemotePairPartner(const Engine &e, std::string_view cellText, int x, int y, int mode) {
  const std::optional<Pos> q = Partner(e.CellGrid, CellFromText(cellText), Pos{x, y}, mode);
  if (!q)
    return {};
  return std::string{static_cast<char>('0' + q->x), static_cast<char>('0' + q->y)};
}

} // namespace zenpa::puzzle
