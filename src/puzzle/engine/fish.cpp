#include "puzzle/engine/fish.h"

#include "puzzle/engine/found_pattern.h"

#include <array>

namespace zenpa::puzzle {
namespace {

// Places of d per line (index 1..9), kept only where there are lo to hi of
// them; 0 where not kept.
using LinePlaces = std::array<Cell, 10>;

LinePlaces KeptPlaces(const PlaceTable &table, Axis axis, int d, int lo, int hi) {
  LinePlaces kept{};
  for (int line = 1; line <= 9; ++line) {
    const Cell places = table.places(axis, line, d);
    const int n = CandidateCount(places);
    if (n >= lo && n <= hi)
      kept[line] = places;
  }
  return kept;
}

bool IsSubset(Cell a, Cell b) { return (a & ~b) == 0; }

// Marks the cells of the member lines at their kept places within `rows`.
void MarkMembers(FoundPattern &f, Axis axis, const LinePlaces &kept, Cell members, Cell rows) {
  for (int line = 1; line <= 9; ++line) {
    for (int pos = 1; pos <= 9; ++pos) {
      if (HasDigit(members, line) && HasDigit(rows & kept[line], pos))
        f.mark(axis.at(line, pos));
    }
  }
}

// Removes d from the positions `rows` of every line that is not a member.
void RemoveOutsideMembers(FoundPattern &f, Axis axis, Cell rows, Cell members, int d) {
  for (int pos = 1; pos <= 9; ++pos) {
    if (!HasDigit(rows, pos))
      continue;
    for (int line = 1; line <= 9; ++line) {
      if (!HasDigit(members, line))
        f.remove(axis.at(line, pos), DigitBit(d));
    }
  }
}

// X-Wing: the first line after c1 whose two places are those of c1.
Cell XwingMembers(const LinePlaces &kept, int c1, Cell &rows) {
  rows = kept[c1];
  for (int c2 = c1 + 1; c2 <= 9; ++c2) {
    if (kept[c2] == kept[c1])
      return DigitBit(c1) | DigitBit(c2);
  }
  return 0;
}

// Whether a line with places q joins a Swordfish whose rows so far are
// `rows`; widens `rows` where the joining rule says so.
bool JoinsSwordfish(Cell &rows, Cell q) {
  const int nb = CandidateCount(rows);
  const int nq = CandidateCount(q);
  if (nb == 3)
    return (nq == 3 && q == rows) || (nq == 2 && IsSubset(q, rows));
  if (nq == 3 && IsSubset(rows, q)) {
    rows = q;
    return true;
  }
  if (nq == 2 && CandidateCount(rows & q) == 1) {
    rows |= q;
    return true;
  }
  return false;
}

// Swordfish: a greedy search from base line c1 over the other lines in
// order; a line that fits is taken even where another choice would have
// led to a fish.
Cell SwordfishMembers(const LinePlaces &kept, int c1, Cell &rows) {
  rows = kept[c1];
  Cell members = DigitBit(c1);
  int count = 1;
  for (int c = 1; c <= 9 && count < 3; ++c) {
    if (c == c1 || kept[c] == 0 || !JoinsSwordfish(rows, kept[c]))
      continue;
    members |= DigitBit(c);
    ++count;
  }
  return count == 3 ? members : 0;
}

struct FishKind {
  int box;
  int minPlaces, maxPlaces; // lines with other numbers of places take no part
  // The member lines of the fish based on line c1 (0 for none) and its rows.
  Cell (*members)(const LinePlaces &kept, int c1, Cell &rows);
  TechniqueLevel level;
  const char *name;
};

constexpr FishKind kXWing{kBoxXWing, 2, 2, XwingMembers, kLevelXWing, "X-Wing"};
constexpr FishKind kSwordfish{kBoxSwordfish, 2, 3, SwordfishMembers, kLevelSwordfish, "Swordfish"};

// Removes d from the fish rows in every line that is not a member.
bool ApplyFish(Engine &e, Axis axis, const FishKind &kind, const LinePlaces &kept, Cell members,
               Cell rows, int d) {
  FoundPattern f(kind.level, kind.name, axis.suffix(), DigitBit(d));
  MarkMembers(f, axis, kept, members, rows);
  RemoveOutsideMembers(f, axis, rows, members, d);
  return ApplyPattern(e, f);
}

void Fish(Engine &e, Axis axis, const FishKind &kind) {
  if (e.Gated(kind.box))
    return;
  const PlaceTable table(e.CellGrid);
  for (int d = 1; d <= 9; ++d) {
    const LinePlaces kept = KeptPlaces(table, axis, d, kind.minPlaces, kind.maxPlaces);
    for (int c1 = 1; c1 <= 9; ++c1) {
      Cell rows = 0;
      const Cell members = kept[c1] != 0 ? kind.members(kept, c1, rows) : 0;
      if (members != 0 && ApplyFish(e, axis, kind, kept, members, rows, d))
        return;
    }
  }
}

// --- Skyscraper, finned X-Wing, finned Skyscraper --------------------------

// The places of a line in ascending (or descending) order, padded to four by
// repeating the last one.
std::array<int, 4> OrderedPlaces(Cell places, bool descending) {
  std::array<int, 4> e{};
  int n = 0;
  for (int i = 0; i < 9 && n < 4; ++i) {
    const int pos = descending ? 9 - i : i + 1;
    if (HasDigit(places, pos))
      e[n++] = pos;
  }
  for (int i = n; i < 4; ++i)
    e[i] = e[i - 1];
  return e;
}

struct Tower {
  int c1 = 0, c2 = 0;     // the line with two places, the line that meets it at base
  int base = 0, top = 0;  // the places of c1
  std::array<int, 4> e{}; // the places of c2 from base onward
  int count = 0;          // number of places of c2
};

bool TowerHolds(const Tower &t) {
  if (t.e[0] != t.base || SameBand(t.e[1], t.base) || SameBand(t.e[2], t.base))
    return false;
  return SameBand(t.e[1], t.top) && SameBand(t.e[2], t.top) && SameBand(t.e[3], t.top);
}

// Removes d at position pos from the lines of the stack of `line`, other
// than c1 and c2.
void RemoveInStack(FoundPattern &f, Axis axis, const Tower &t, int line, int pos, int d) {
  for (int c = BlockStart(line); c < BlockStart(line) + 3; ++c) {
    if (c != t.c1 && c != t.c2)
      f.remove(axis.at(c, pos), DigitBit(d));
  }
}

bool ApplyTower(Engine &e, Axis axis, const Tower &t, int d) {
  const bool finned = t.count > 2;
  const bool xwing = finned && (t.e[1] == t.top || t.e[2] == t.top || t.e[3] == t.top);
  const char *name = !finned ? "Skyscraper" : (xwing ? "F. X-Wing" : "F. Skyscraper");
  const TechniqueLevel level = Level11(!finned ? 0 : (xwing ? 10 : 20));
  FoundPattern f(level, name, axis.suffix(), DigitBit(d));
  f.mark(axis.at(t.c1, t.base));
  f.mark(axis.at(t.c1, t.top));
  for (int pos : t.e)
    f.mark(axis.at(t.c2, pos));
  if (!finned)
    RemoveInStack(f, axis, t, t.c1, t.e[1], d);
  RemoveInStack(f, axis, t, t.c2, t.top, d);
  return ApplyPattern(e, f);
}

// Tries c1 against c2 with base the upper place of c1 (c2 read downward),
// then with base the lower one (c2 read upward).
bool TryTower(Engine &e, Axis axis, const LinePlaces &kept, int c1, int c2, int d) {
  const std::array<int, 4> ends = OrderedPlaces(kept[c1], false);
  for (bool descending : {false, true}) {
    Tower t{c1,
            c2,
            ends[descending ? 1 : 0],
            ends[descending ? 0 : 1],
            OrderedPlaces(kept[c2], descending),
            CandidateCount(kept[c2])};
    if (TowerHolds(t) && ApplyTower(e, axis, t, d))
      return true;
  }
  return false;
}

void Skyscraper(Engine &e, Axis axis) {
  if (e.Gated(kBoxSkyscraper))
    return;
  const PlaceTable table(e.CellGrid);
  for (int d = 1; d <= 9; ++d) {
    const LinePlaces kept = KeptPlaces(table, axis, d, 1, 4);
    for (int c1 = 1; c1 <= 9; ++c1) {
      if (CandidateCount(kept[c1]) != 2)
        continue;
      for (int c2 = 1; c2 <= 9; ++c2) {
        if (c2 == c1 || kept[c2] == kept[c1] || CandidateCount(kept[c2]) < 2)
          continue;
        if (TryTower(e, axis, kept, c1, c2, d))
          return;
      }
    }
  }
}

} // namespace

void Xwingtate(Engine &e) { Fish(e, kAlongColumns, kXWing); }
void Xwingyoko(Engine &e) { Fish(e, kAlongRows, kXWing); }
void Swordfishtate(Engine &e) { Fish(e, kAlongColumns, kSwordfish); }
void Swordfishyoko(Engine &e) { Fish(e, kAlongRows, kSwordfish); }
void Skyscrapertate(Engine &e) { Skyscraper(e, kAlongColumns); }
void Skyscraperyoko(Engine &e) { Skyscraper(e, kAlongRows); }

} // namespace zenpa::puzzle
