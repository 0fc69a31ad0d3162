// Soundness sweep: on seeded puzzles with a unique answer no technique may
// remove a cell's answer digit nor let OpenCount drift from the grid. Between
// calls the sweep passes placed digits on and now and then drops a wrong
// candidate, as another sound deduction would, to reach many more positions.
#include "technique_cases.h"

#include "puzzle/engine/solver.h"

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

// Removes every placed digit from the open cells that see it, until no new
// single is left.
void Settle(Grid &g) {
  for (bool again = true; again;) {
    again = false;
    for (int i = 0; i < 81; ++i) {
      const int x = i % 9 + 1, y = i / 9 + 1;
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

using NamedTechnique = std::pair<std::string, puzzle::TechniqueFn>;

// Every technique: the singles and locked candidates (each digit loop as the
// solver runs it), then those of the solver's table.
std::vector<NamedTechnique> AllTechniques() {
  std::vector<NamedTechnique> all = {
      {"linenokori1", puzzle::linenokori1},   {"blocknokori1", puzzle::blocknokori1},
      {"kihonkaiho", puzzle::kihonkaiho},     {"hitotudake", puzzle::LineUniqueDigits},
      {"onajisuji", puzzle::CellUniqueSweep}, {"Localize", puzzle::LocalizeDigits}};
  for (const Listed &t : ListedTechniques())
    all.emplace_back(t.name, t.Run());
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

// Runs every technique once, in a shuffled order so that no technique always
// takes the patterns of the others; counts the changes of each.
bool RunAll(puzzle::Engine &e, const Digits &answer, std::mt19937 &rng,
            std::map<std::string, int> &fired, std::string *failure) {
  static const std::vector<NamedTechnique> kAll = AllTechniques();
  std::vector<NamedTechnique> order = kAll;
  std::shuffle(order.begin(), order.end(), rng);
  for (const auto &[name, run] : order) {
    const Grid before = e.CellGrid;
    e.Changed = false;
    e.StepText.clear();
    e.OpenCount = 81 - PlacedCount(e.CellGrid); // the sweep's own settling places digits too
    run(e);
    *failure = Fault(e, answer);
    if (!failure->empty()) {
      *failure = name + " " + *failure + " in " + GridTokens(before);
      return false;
    }
    fired[name] += e.Changed ? 1 : 0;
    Settle(e.CellGrid);
  }
  return true;
}

TEST(SoundnessTest, NoTechniqueRemovesAnAnswerDigit) {
  PuzzleMaker maker(20261206);
  std::mt19937 rng(99);
  std::map<std::string, int> fired;
  std::string failure;
  for (int n = 0; n < 40 && failure.empty(); ++n) {
    const Digits answer = maker.CompleteGrid();
    const Digits puzzle = maker.Puzzle(answer);
    for (int walk = 0; walk < 4 && failure.empty(); ++walk) {
      puzzle::Engine e = EngineOn(GridFromDigits(puzzle));
      Settle(e.CellGrid);
      for (int round = 0; round < 200 && PlacedCount(e.CellGrid) < 81; ++round) {
        if (!RunAll(e, answer, rng, fired, &failure))
          break;
        DropWrongCandidate(e.CellGrid, answer, rng);
        Settle(e.CellGrid);
      }
    }
  }
  EXPECT_EQ("", failure);
  // Every technique of the table changed something: the sweep speaks for each.
  for (const Listed &t : ListedTechniques())
    EXPECT_LT(0, fired[t.name]) << t.name;
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

// On random grids a cell never gains a candidate without being placed; the
// fish, wing and chain techniques never take a cell's last candidate either,
// the others may, as a contradiction.
TEST(SoundnessTest, AnyGridOnlyLosesCandidates) {
  std::mt19937 rng(5);
  for (int n = 0; n < 300; ++n) {
    const Grid g = RandomGrid(rng);
    for (const auto &[name, run] : AllTechniques()) {
      puzzle::Engine e = EngineOn(g);
      e.StepMode = n % 3 == 0;
      if (n % 2 == 0)
        e.Options.selectionSwitch = puzzle::SelectionSwitch::ColumnsFirst;
      run(e);
      const Listed *listed = FindListed(name);
      const bool mayEmpty = listed == nullptr || listed->subset;
      for (int i = 0; i < 81; ++i) {
        const Cell b = g(i % 9 + 1, i / 9 + 1), a = e.CellGrid(i % 9 + 1, i / 9 + 1);
        const bool grown = (a & ~b) != 0 && !puzzle::IsPlaced(a) && a != 0;
        ASSERT_FALSE(grown || (!mayEmpty && b != 0 && a == 0))
            << name << " at " << CellName(i % 9 + 1, i / 9 + 1) << " in " << GridTokens(g);
      }
    }
  }
}

} // namespace
} // namespace zenpa::testing
