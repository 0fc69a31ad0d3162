// The grid work of the puzzle generator: a random complete grid, the removal
// trials that open cells while the technique-limited solve (`anzensyokyo`)
// still finishes the puzzle, the balance test, and opening the cells of a
// pasted pattern.
//
// Grids are the engine's candidate-mask grids: a placed cell is a given, an
// open cell holds all nine candidates. Coordinates are (column, row), 1-based.
#pragma once

#include "platform/host.h"
#include "puzzle/engine/engine.h"
#include "puzzle/play/symmetry.h"

#include <array>
#include <random>
#include <string>

namespace zenpa::play {

using Random = std::mt19937;

// What the generator's gauges and labels show while it works.
struct GeneratorStatus {
  int gaugeMax = 0; // Gauge1
  int gaugeValue = 0;
  int progressMax = 0; // ProgressBar1: removal trials
  int progress = 0;
  bool progressVisible = false;
  int sdkNG = 0;                 // solver contradictions met while removing
  std::string contradictionText; // Label9: "sdkNG" + count, once one was met
};

// The run's surroundings: events are let through now and then, and the stop
// button's state is checked between trials (a repeat run stops when it has
// been disabled).
struct GeneratorEnv {
  Random &rng;
  GeneratorStatus &status;
  platform::Host *host = nullptr;
  const bool *stopButtonEnabled = nullptr; // none: nothing stops the trials

  bool Stopped() const { return stopButtonEnabled != nullptr && !*stopButtonEnabled; }
  // Lets pending events run, at most every few milliseconds.
  void LetEventsRun();
  std::int64_t lastEvents = -1000;
};

// A random complete grid: cells are fixed one at a time at random and every
// fixed digit is removed from its row, column and block; a contradiction
// starts again from an empty grid (the gauge counts the restarts).
puzzle::Grid CompleteGrid(GeneratorEnv &env);

// True when no column, no row and no block holds more than 7 givens.
bool BalanceTest(const puzzle::Grid &grid);

// Number of open cells of a grid.
int OpenCellCount(const puzzle::Grid &grid);

// True when the technique-limited solve finishes the puzzle. The engine's
// CellGrid is used as scratch; a contradiction is counted as "sdkNG".
bool SafeSolves(puzzle::Engine &e, const puzzle::Grid &puzzle, GeneratorEnv &env);

struct RemovalSettings {
  int target = 32; // "数字": givens aimed at
  int trials = 6;  // "試作回数"
  Symmetry symmetry = Symmetry::None;
};

struct RemovalResult {
  puzzle::Grid puzzle;
  int clues = 81;
  bool success = false; // target reached (or best kept) and balanced
};

// The removal trials on a complete grid.
RemovalResult RemovalTrials(puzzle::Engine &e, const puzzle::Grid &solution,
                            const RemovalSettings &settings, GeneratorEnv &env);

// Opens the cells of the pattern (true = open) in the complete grid; the
// puzzle counts when the safe solve finishes it.
RemovalResult ApplyPattern(puzzle::Engine &e, const puzzle::Grid &solution,
                           const std::array<bool, 81> &open, GeneratorEnv &env);

} // namespace zenpa::play
