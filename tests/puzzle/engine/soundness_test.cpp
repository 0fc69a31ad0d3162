// Soundness sweep: every technique, run again and again on seeded random
// puzzles with a unique answer, must never remove a cell's answer digit nor
// let OpenCount drift from the grid.
//
// Between technique calls the sweep keeps the candidates consistent (a placed
// digit leaves its peers) and now and then takes a wrong candidate out at
// random, as some other sound deduction would: that walks the techniques
// through many more positions than a plain solve reaches. Each technique also
// runs alone on a puzzle whose candidates were never cleared, and on random
// grids, where a cell may only lose candidates or be placed.
#include "technique_cases.h"

#include "puzzle/engine/singles.h"
#include "puzzle/engine/solver.h"
#include "puzzle/engine/subsets.h"
#include "puzzle/support/grid_text.h"
#include "puzzle/support/puzzle_maker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace zenpa::testing {
namespace {

using puzzle::Cell;
using puzzle::Grid;

// Removes every placed digit from the open cells that see it, until no cell
// is left with a single candidate that has not been passed on.
void Settle(Grid &g) {
  for (bool again = true; again;) {
    again = false;
    for (int y = 1; y <= 9; ++y) {
      for (int x = 1; x <= 9; ++x) {
        if (!puzzle::IsPlaced(g(x, y)))
          continue;
        for (const puzzle::Unit *u :
             {&puzzle::RowUnit(y), &puzzle::ColumnUnit(x), &puzzle::BlockOf(x, y)}) {
          for (const puzzle::Pos &p : u->cells) {
            Cell &c = g(p.x, p.y);
            if (!puzzle::IsOpen(c) || !(c & g(x, y)))
              continue;
            c &= static_cast<Cell>(~g(x, y));
            again = again || puzzle::IsPlaced(c);
          }
        }
      }
    }
  }
}

// Takes one wrong candidate out of a random open cell.
void DropWrongCandidate(Grid &g, const Digits &answer, std::mt19937 &rng) {
  std::vector<std::pair<int, int>> wrong; // (cell index, digit)
  for (int i = 0; i < 81; ++i) {
    const Cell c = g(i % 9 + 1, i / 9 + 1);
    for (int d = 1; d <= 9 && puzzle::IsOpen(c); ++d) {
      if (puzzle::HasDigit(c, d) && d != answer[i])
        wrong.emplace_back(i, d);
    }
  }
  if (wrong.empty())
    return;
  const auto [i, d] = wrong[rng() % wrong.size()];
  g(i % 9 + 1, i / 9 + 1) &= static_cast<Cell>(~puzzle::DigitBit(d));
}

bool Solved(const Grid &g) { return PlacedCount(g) == 81; }

struct Sweep {
  std::map<std::string, int> fired; // step labels without their digits
  std::string failure;              // first unsound removal, with its position
};

using NamedTechnique = std::pair<std::string, Technique>;

// The techniques that remove candidates without placing digits directly.
std::vector<NamedTechnique> Eliminators() {
  std::vector<NamedTechnique> all(AdvancedTechniques().begin(), AdvancedTechniques().end());
  all.insert(all.end(), SubsetTechniques().begin(), SubsetTechniques().end());
  return all;
}

// Every technique: the singles and locked candidates (each digit loop as the
// solver runs it), then the eliminators.
std::vector<NamedTechnique> AllTechniques() {
  std::vector<NamedTechnique> all = {
      {"linenokori1", puzzle::linenokori1},   {"blocknokori1", puzzle::blocknokori1},
      {"kihonkaiho", puzzle::kihonkaiho},     {"hitotudake", puzzle::LineUniqueDigits},
      {"onajisuji", puzzle::CellUniqueSweep}, {"Localize", puzzle::LocalizeDigits}};
  for (const NamedTechnique &t : Eliminators())
    all.push_back(t);
  return all;
}

// What went wrong on the engine's grid, empty when nothing did.
std::string Fault(const puzzle::Engine &e, const Digits &answer) {
  const std::string lost = FirstLostDigit(e.CellGrid, answer);
  if (!lost.empty() || e.Contradiction)
    return "lost the answer at " + lost;
  if (81 - PlacedCount(e.CellGrid) != e.OpenCount)
    return "left OpenCount at " + std::to_string(e.OpenCount);
  return {};
}

// Runs every technique once on the current position, in an order of its
// own each round so that no technique always takes the patterns of the
// others; false on a fault.
bool RunAll(puzzle::Engine &e, const Digits &answer, std::mt19937 &rng, Sweep &sweep) {
  static const std::vector<NamedTechnique> kAll = AllTechniques();
  std::vector<NamedTechnique> order = kAll;
  std::shuffle(order.begin(), order.end(), rng);
  for (const auto &[name, run] : order) {
    const Grid before = e.CellGrid;
    e.Changed = false;
    e.StepText.clear();
    e.OpenCount = 81 - PlacedCount(e.CellGrid); // the sweep's own settling places digits too
    run(e);
    const std::string fault = Fault(e, answer);
    if (!fault.empty()) {
      sweep.failure = name + " " + fault + " in " + GridTokens(before);
      return false;
    }
    if (e.Changed)
      ++sweep.fired[name];
    Settle(e.CellGrid);
  }
  return true;
}

void SweepPuzzle(const Digits &puzzle, const Digits &answer, std::mt19937 &rng, Sweep &sweep) {
  puzzle::Engine e = EngineOn(GridFromDigits(puzzle));
  Settle(e.CellGrid);
  for (int round = 0; round < 200 && !Solved(e.CellGrid); ++round) {
    if (!RunAll(e, answer, rng, sweep))
      return;
    DropWrongCandidate(e.CellGrid, answer, rng);
    Settle(e.CellGrid);
  }
}

TEST(SoundnessTest, NoTechniqueRemovesAnAnswerDigit) {
  PuzzleMaker maker(20261206);
  std::mt19937 rng(99);
  Sweep sweep;
  for (int n = 0; n < 40 && sweep.failure.empty(); ++n) {
    const Digits answer = maker.CompleteGrid();
    const Digits puzzle = maker.Puzzle(answer);
    for (int walk = 0; walk < 4; ++walk)
      SweepPuzzle(puzzle, answer, rng, sweep);
  }
  EXPECT_EQ("", sweep.failure);
  // Every eliminator has changed something, so the sweep speaks for each.
  // (The sweep's own settling leaves little to Easy and Cell Unique.)
  for (const NamedTechnique &t : Eliminators())
    EXPECT_LT(0, sweep.fired[t.first]) << t.first;
}

TEST(SoundnessTest, EachTechniqueAloneIsSoundOnUnclearedCandidates) {
  PuzzleMaker maker(77);
  for (int i = 0; i < 60; ++i) {
    const Digits answer = maker.CompleteGrid();
    const Digits puzzle = maker.Puzzle(answer, 30);
    for (const auto &[name, run] : AllTechniques()) {
      puzzle::Engine e = EngineOn(GridFromDigits(puzzle));
      e.Changed = true;
      for (int round = 0; round < 20 && e.Changed; ++round) {
        e.Changed = false;
        run(e);
        ASSERT_EQ("", Fault(e, answer)) << name << " on puzzle " << i;
      }
    }
  }
}

// The first cell that gained a candidate without being placed, or (when
// `emptied` is asked for) that lost its last one.
std::string FirstBadCell(const Grid &before, const Grid &after, bool emptied) {
  for (int y = 1; y <= 9; ++y) {
    for (int x = 1; x <= 9; ++x) {
      const Cell a = after(x, y);
      const bool grown = (a & ~before(x, y)) != 0 && !puzzle::IsPlaced(a) && a != 0;
      const bool empty = emptied && before(x, y) != 0 && a == 0;
      if (grown || empty)
        return "r" + std::to_string(y) + "c" + std::to_string(x);
    }
  }
  return {};
}

TEST(SoundnessTest, AnyGridOnlyLosesCandidates) {
  // The fish, wing and chain techniques never take a cell's last candidate
  // either; the others may, as a contradiction.
  std::mt19937 rng(5);
  for (int n = 0; n < 300; ++n) {
    const Grid g = RandomGrid(rng);
    for (const auto &[name, run] : AllTechniques()) {
      puzzle::Engine e = EngineOn(g);
      e.StepMode = n % 3 == 0;
      if (n % 2 == 0)
        e.Options.selectionSwitch = puzzle::SelectionSwitch::ColumnsFirst;
      run(e);
      const bool advanced = AdvancedTechniques().count(name) != 0;
      ASSERT_EQ("", FirstBadCell(g, e.CellGrid, advanced)) << name << " in " << GridTokens(g);
    }
  }
}

} // namespace
} // namespace zenpa::testing
