// Soundness sweep: on many seeded puzzles with a unique answer, no technique
// ever takes away a cell's true digit or reports a contradiction, whether it
// runs inside the usual technique order or alone on a grid whose candidates
// have not been cleared yet.
#include "puzzle/engine/locked.h"
#include "puzzle/engine/singles.h"
#include "puzzle/engine/subsets.h"
#include "puzzle/support/grid_text.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

namespace zenpa::puzzle {
namespace {

using testing::Digits;

struct Technique {
  const char *name;
  std::function<void(Engine &)> run;
};

// Runs a per-digit technique for d = 1..9, stopping at the first change.
std::function<void(Engine &)> EachDigit(void (*fn)(Engine &, int)) {
  return [fn](Engine &e) {
    for (int d = 1; d <= 9 && !e.Changed && !e.Contradiction; ++d)
      fn(e, d);
  };
}

void CellUniqueSweep(Engine &e) {
  e.InnerChanged = false;
  for (int y = 1; y <= 9 && !e.Contradiction && !e.Changed; ++y) {
    for (int x = 1; x <= 9; ++x) {
      if (!IsPlaced(e.CellGrid(x, y)))
        continue;
      onajisuji(e, x, y);
      if (e.Contradiction || e.InnerChanged)
        break;
    }
  }
}

void Localize(Engine &e) {
  for (int d = 1; d <= 9 && !e.Changed && !e.Contradiction; ++d) {
    hitoretudake(e, d);
    if (!e.Changed && !e.Contradiction)
      hitoblockdake(e, d);
  }
}

const std::vector<Technique> &Techniques() {
  static const std::vector<Technique> kAll = {
      {"Easy", linenokori1},
      {"Easy-b", blocknokori1},
      {"Block Unique", kihonkaiho},
      {"Line Unique", EachDigit(hitotudake)},
      {"Cell Unique", CellUniqueSweep},
      {"Localize", Localize},
      {"Naked Pair", wkoho},
      {"Hidden Pair", wkohoH},
      {"Naked Triple", tkoho},
      {"Hidden Triple", tkohoH},
      {"Naked Quad", qkoho},
      {"Hidden Quad", qkohoH},
  };
  return kAll;
}

Engine EngineFor(const Digits &puzzle) {
  Engine e;
  e.CellGrid = testing::GridFromDigits(puzzle);
  e.PuzzleCopy = e.CellGrid;
  e.OpenCount = 81 - testing::PlacedCount(e.CellGrid);
  e.Options.SetExtraPanelVisible(true);
  e.Options.SetAllBoxes(true);
  return e;
}

// Fails the test when the grid lost a true digit or the counters drifted.
void ExpectSound(const Engine &e, const Digits &answer, const std::string &where) {
  ASSERT_FALSE(e.Contradiction) << where;
  ASSERT_EQ("", testing::FirstLostDigit(e.CellGrid, answer)) << where;
  ASSERT_EQ(81 - testing::PlacedCount(e.CellGrid), e.OpenCount) << where;
}

// The usual order: every change starts again from the first technique.
// Returns the number of open cells left.
int SolveInOrder(Engine &e, const Digits &answer, const std::string &seed) {
  e.Changed = true;
  while (e.Changed && !e.Contradiction) {
    e.Changed = false;
    for (const Technique &t : Techniques()) {
      t.run(e);
      ExpectSound(e, answer, seed + " " + t.name);
      if (e.Changed)
        break;
    }
  }
  return e.OpenCount;
}

struct SweepCounts {
  int puzzles = 0;
  int solved = 0;
};

TEST(TechniqueSweepTest, NoTechniqueRemovesATrueDigitInTheUsualOrder) {
  testing::PuzzleMaker maker(20261206);
  testing::BruteForce solver;
  SweepCounts counts;
  for (int i = 0; i < 150; ++i) {
    const Digits answer = maker.CompleteGrid();
    const Digits puzzle = maker.Puzzle(answer);
    ASSERT_EQ(1, solver.Count(puzzle));
    Engine e = EngineFor(puzzle);
    ++counts.puzzles;
    if (SolveInOrder(e, answer, "puzzle " + std::to_string(i)) == 0)
      ++counts.solved;
    if (::testing::Test::HasFatalFailure())
      return;
  }
  // The singles alone solve few minimal puzzles; the sweep must reach the
  // harder techniques on many of them and still finish most.
  EXPECT_LT(counts.puzzles / 2, counts.solved);
}

TEST(TechniqueSweepTest, EachTechniqueAloneIsSoundOnUnclearedCandidates) {
  testing::PuzzleMaker maker(77);
  for (int i = 0; i < 60; ++i) {
    const Digits answer = maker.CompleteGrid();
    const Digits puzzle = maker.Puzzle(answer, 30);
    for (const Technique &t : Techniques()) {
      Engine e = EngineFor(puzzle);
      for (int round = 0; round < 20; ++round) {
        e.Changed = false;
        t.run(e);
        ExpectSound(e, answer, "puzzle " + std::to_string(i) + " " + t.name);
        if (::testing::Test::HasFatalFailure())
          return;
        if (!e.Changed)
          break;
      }
    }
  }
}

// Cells either lose candidates or are placed; nothing else happens to them.
std::string FirstForeignChange(const Grid &before, const Grid &after) {
  for (int y = 1; y <= 9; ++y) {
    for (int x = 1; x <= 9; ++x) {
      const Cell b = before(x, y);
      const Cell a = after(x, y);
      if ((a & ~b) != 0 && !IsPlaced(a) && a != kNoCandidates) {
        return "r" + std::to_string(y) + "c" + std::to_string(x);
      }
    }
  }
  return {};
}

TEST(TechniqueSweepTest, ArbitraryGridsIncludingEmptyCellsStayInBounds) {
  std::mt19937 rng(5);
  for (int i = 0; i < 300; ++i) {
    Grid g;
    for (int y = 1; y <= 9; ++y) {
      for (int x = 1; x <= 9; ++x) {
        const unsigned kind = rng() % 4;
        g(x, y) = kind == 0   ? kNoCandidates
                  : kind == 1 ? DigitBit(static_cast<int>(rng() % 9) + 1)
                              : static_cast<Cell>(rng() & kAllCandidates);
      }
    }
    for (const Technique &t : Techniques()) {
      Engine e;
      e.CellGrid = g;
      e.StepMode = (i % 3) == 0;
      if (i % 2 == 0)
        e.Options.selectionSwitch = SelectionSwitch::ColumnsFirst;
      t.run(e);
      ASSERT_EQ("", FirstForeignChange(g, e.CellGrid)) << t.name << " " << testing::GridTokens(g);
    }
  }
}

} // namespace
} // namespace zenpa::puzzle
