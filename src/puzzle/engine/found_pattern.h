// The frame shared by the fish, wing and chain techniques.
//
// These techniques first find a pattern on CellGrid without changing it and
// describe it as a FoundPattern: the step label, the level, the cells to mark
// and the candidates the pattern removes, in removal order. ApplyPattern then
// makes the removals through a PatternStep (flags, level, placement check,
// step trace). The grid stays untouched until a pattern removes something,
// and the technique returns right after that, so a scan may read the grid
// directly.
//
// Line searches are written once over (line, position) pairs. An Axis turns
// them into cells: along columns the line is the column x and the position
// the row y (labels "-y"); along rows the line is the row y and the position
// the column x (labels "-x"). In those terms a "band" of positions or of lines
// is a group of three: 1-3, 4-6 or 7-9.
#pragma once

#include "puzzle/engine/engine.h"

#include <array>
#include <string>
#include <string_view>

namespace zenpa::puzzle {

struct Axis {
  bool columns = true;
  Pos at(int line, int pos) const { return columns ? Pos{line, pos} : Pos{pos, line}; }
  int lineOf(Pos p) const { return columns ? p.x : p.y; }
  int posOf(Pos p) const { return columns ? p.y : p.x; }
  // "-y " along columns, "-x " along rows.
  const char *suffix() const { return columns ? "-y " : "-x "; }
};

inline constexpr Axis kAlongColumns{true};
inline constexpr Axis kAlongRows{false};

// The two axes in the order the selection switch asks for: columns first
// when it is green, rows first otherwise.
std::array<Axis, 2> AxisOrder(const Engine &e);

constexpr bool SameBand(int a, int b) { return BlockStart(a) == BlockStart(b); }

// Bit i-1 for each index i (position or line) 1..9 of a group of three
// starting at start (1, 4 or 7).
constexpr Cell BandBits(int start) { return static_cast<Cell>(7u << (start - 1)); }

// Lowest index in a non-empty set of indexes (bit i-1 for index i).
int LowestIndex(Cell set);

inline Cell CellAt(const Grid &g, Pos p) { return g(p.x, p.y); }

// The places of every digit in every line along both axes, taken from the
// grid in one pass: a line's places of d are the positions (bit p-1 for
// position p) of its open cells that list d.
class PlaceTable {
public:
  explicit PlaceTable(const Grid &g);
  Cell places(Axis axis, int line, int d) const { return table_[axis.columns][d][line]; }
  // Lines of the group of three starting at `first` (1, 4 or 7) whose cell
  // at `pos` lists d, leaving out line `skip` (0 leaves out none).
  Cell linesHolding(Axis axis, int first, int pos, int d, int skip = 0) const;

private:
  // [along columns][digit][line]
  std::array<std::array<std::array<Cell, 10>, 10>, 2> table_{};
};

class FoundPattern {
public:
  // The step text is name + suffix + the digits of `digits` in ascending
  // order ("X-Wing" "-y " "5", "Remote Pair " "" "37").
  FoundPattern(const TechniqueLevel &level, std::string_view name, std::string_view suffix,
               Cell digits)
      : level_(level), name_(name), suffix_(suffix), digits_(digits) {}

  // A pattern cell, shown "◆" (mark) or "◇" (markR, a second role) when the
  // step is shown. A cell named twice is marked once.
  void mark(Pos p) { addMark(p, false); }
  void markR(Pos p) { addMark(p, true); }
  // Takes the digits of `digits` out of cell p while it is open. A cell is
  // never emptied: once it is down to one candidate it keeps it.
  void remove(Pos p, Cell digits) { push(removals_, removalCount_, Removal{p, digits}); }

  std::string stepText() const;
  int removalCount() const { return removalCount_; }

private:
  friend bool ApplyPattern(Engine &e, const FoundPattern &f);

  struct Mark {
    Pos pos;
    bool second = false;
  };
  void addMark(Pos p, bool second);
  struct Removal {
    Pos pos;
    Cell digits = 0;
  };
  // The largest pattern (a Swordfish: 3 rows x 6 lines) removes from 18
  // cells and marks 9.
  template <typename T, std::size_t N> static void push(std::array<T, N> &a, int &n, T v) {
    assert(n < static_cast<int>(N));
    a[n++] = v;
  }

  TechniqueLevel level_;
  std::string_view name_;
  std::string_view suffix_;
  Cell digits_;
  std::array<Mark, 16> marks_{};
  int markCount_ = 0;
  std::array<Removal, 24> removals_{};
  int removalCount_ = 0;
};

// Makes the removals of f. Returns true when the technique must return now:
// Changed is set (by these removals or before) or a placement check found a
// contradiction.
bool ApplyPattern(Engine &e, const FoundPattern &f);

} // namespace zenpa::puzzle
