#include "puzzle/play/generator_grid.h"

#include "puzzle/engine/solver.h"

#include <algorithm>
#include <string>
#include <vector>

namespace zenpa::play {
namespace {

using puzzle::Cell;
using puzzle::Grid;
using puzzle::Pos;

int Uniform(Random &rng, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

// Removes the digit of the cell just placed at (x, y) from its row, column
// and block, and so on for every peer thereby left with one candidate (open
// count down), until nothing more is placed. A cell left with no candidate is
// a contradiction (false). The grid it leaves, and whether it meets a
// contradiction, do not depend on the order the placed cells are taken in.
bool Propagate(Grid &g, int x, int y, int &open) {
  std::array<int, 81> queue{};
  int head = 0;
  int tail = 0;
  queue[tail++] = (y - 1) * 9 + (x - 1);
  while (head < tail) {
    const int index = queue[head++];
    const Cell c = g(index % 9 + 1, index / 9 + 1);
    for (unsigned char peer : puzzle::PeersOf(index % 9 + 1, index / 9 + 1)) {
      Cell &p = g(peer % 9 + 1, peer / 9 + 1);
      if ((p & c) == 0)
        continue;
      p = static_cast<Cell>(p & ~c);
      if (p == puzzle::kNoCandidates)
        return false;
      if (puzzle::IsPlaced(p)) {
        --open;
        queue[tail++] = peer;
      }
    }
  }
  return true;
}

// One attempt at a complete grid; false on a contradiction.
bool TryCompleteGrid(Grid &g, Random &rng) {
  g.Fill(puzzle::kAllCandidates);
  int open = 81;
  while (open > 0) {
    int x, y;
    do {
      x = Uniform(rng, 1, 9);
      y = Uniform(rng, 1, 9);
    } while (!puzzle::IsOpen(g(x, y)));
    std::array<int, 9> digits{};
    int count = 0;
    for (int d = 1; d <= 9; ++d) {
      if (puzzle::HasDigit(g(x, y), d))
        digits[static_cast<std::size_t>(count++)] = d;
    }
    g(x, y) = puzzle::DigitBit(digits[static_cast<std::size_t>(Uniform(rng, 0, count - 1))]);
    --open;
    if (!Propagate(g, x, y, open))
      return false;
  }
  return true;
}

// The removal list: the 81 cells in column-major order ("11" "12" ... "99").
std::vector<Pos> FullRemovalList() {
  std::vector<Pos> list;
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y)
      list.push_back({x, y});
  }
  return list;
}

Pos TakeFromList(std::vector<Pos> &list, Pos p) {
  list.erase(std::remove(list.begin(), list.end(), p), list.end());
  return p;
}

// One pick: the first of a trial comes from the centre block.
Pos PickCell(std::vector<Pos> &list, bool first, Random &rng) {
  if (first)
    return TakeFromList(list, {Uniform(rng, 4, 6), Uniform(rng, 4, 6)});
  const auto i = static_cast<std::size_t>(Uniform(rng, 0, static_cast<int>(list.size()) - 1));
  const Pos p = list[i];
  list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
  return p;
}

// Opens a cell and its solved partners; returns the cells opened.
int OpenGroup(Grid &g, Pos p, Symmetry symmetry, puzzle::Board<bool> &tried) {
  g(p.x, p.y) = puzzle::kAllCandidates;
  int opened = 1;
  for (const Pos &q : SymmetricPartners(symmetry, p)) {
    if (!puzzle::IsPlaced(g(q.x, q.y)))
      continue;
    g(q.x, q.y) = puzzle::kAllCandidates;
    tried(q.x, q.y) = true;
    ++opened;
  }
  return opened;
}

// One removal trial from the complete grid in g; leaves the reduced puzzle.
void RunTrial(puzzle::Engine &e, Grid &g, const RemovalSettings &s, GeneratorEnv &env,
              bool firstTrial) {
  std::vector<Pos> list = FullRemovalList();
  puzzle::Board<bool> tried;
  tried.Fill(false);
  int open = OpenCellCount(g);
  bool firstPick = true;
  while (open < 81 - s.target) {
    env.LetEventsRun();
    if (list.empty())
      return;
    const Pos p = PickCell(list, firstPick, env.rng);
    firstPick = false;
    if (tried(p.x, p.y))
      continue;
    tried(p.x, p.y) = true;
    const Grid saved = g;
    const int opened = OpenGroup(g, p, s.symmetry, tried);
    if (!SafeSolves(e, g, env)) {
      g = saved;
      continue;
    }
    open += opened;
    if (firstTrial)
      env.status.gaugeValue = open;
  }
}

} // namespace

void GeneratorEnv::LetEventsRun() {
  if (host == nullptr)
    return;
  const std::int64_t now = host->Milliseconds();
  if (now - lastEvents < 5 && now >= lastEvents)
    return;
  lastEvents = now;
  host->ProcessEvents();
}

Grid CompleteGrid(GeneratorEnv &env) {
  Grid g;
  env.status.gaugeMax = 700;
  env.status.gaugeValue = 0;
  while (!TryCompleteGrid(g, env.rng))
    ++env.status.gaugeValue;
  return g;
}

bool BalanceTest(const Grid &grid) {
  auto givens = [&grid](const puzzle::Unit &u) {
    return std::count_if(u.cells.begin(), u.cells.end(),
                         [&grid](Pos p) { return puzzle::IsPlaced(grid(p.x, p.y)); });
  };
  for (int i = 1; i <= 9; ++i) {
    if (givens(puzzle::RowUnit(i)) > 7 || givens(puzzle::ColumnUnit(i)) > 7)
      return false;
  }
  for (const Pos &b : puzzle::BlockOrder()) {
    if (givens(puzzle::BlockUnit(b.x, b.y)) > 7)
      return false;
  }
  return true;
}

int OpenCellCount(const Grid &grid) {
  int open = 0;
  for (int y = 1; y <= 9; ++y) {
    for (int x = 1; x <= 9; ++x)
      open += puzzle::IsPlaced(grid(x, y)) ? 0 : 1;
  }
  return open;
}

bool SafeSolves(puzzle::Engine &e, const Grid &puzzle, GeneratorEnv &env) {
  e.CellGrid = puzzle;
  e.OpenCount = OpenCellCount(puzzle);
  e.Contradiction = false;
  e.Changed = false;
  e.StepMode = false;
  puzzle::anzensyokyo(e);
  if (e.Contradiction) {
    ++env.status.sdkNG;
    env.status.contradictionText = "sdkNG" + std::to_string(env.status.sdkNG);
    return false;
  }
  return puzzle::AllPlaced(e.CellGrid);
}

RemovalResult RemovalTrials(puzzle::Engine &e, const Grid &solution, const RemovalSettings &s,
                            GeneratorEnv &env) {
  RemovalResult best{solution, 81, false};
  env.status.gaugeMax = 81 - s.target;
  env.status.progressMax = s.trials;
  env.status.progressVisible = true;
  for (int trial = 1;; ++trial) {
    if (env.Stopped())
      break;
    env.status.progress = trial;
    env.LetEventsRun();
    Grid g = solution;
    RunTrial(e, g, s, env, trial == 1);
    const int clues = 81 - OpenCellCount(g);
    if (clues < best.clues) {
      best = {g, clues, false};
      env.status.gaugeValue = 81 - clues;
    }
    if (clues <= s.target && BalanceTest(g))
      return {g, clues, true};
    if (trial >= s.trials)
      break;
  }
  best.success = best.clues < 81 && BalanceTest(best.puzzle);
  env.status.gaugeValue = 81 - best.clues;
  return best;
}

RemovalResult ApplyPattern(puzzle::Engine &e, const Grid &solution,
                           const std::array<bool, 81> &open, GeneratorEnv &env) {
  Grid g = solution;
  for (int i = 0; i < 81; ++i) {
    if (open[static_cast<std::size_t>(i)])
      g(i % 9 + 1, i / 9 + 1) = puzzle::kAllCandidates;
  }
  if (!SafeSolves(e, g, env))
    return {solution, 81, false};
  return {g, 81 - OpenCellCount(g), true};
}

} // namespace zenpa::play
