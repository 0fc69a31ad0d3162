// Test support: an engine standing on a position, ready for one technique.
#pragma once

#include "puzzle/engine/engine.h"
#include "puzzle/support/grid_text.h"

#include <string>

namespace zenpa::testing {

// An engine on grid g as the solver leaves it before a technique: a solve
// begun, OpenCount matching the grid.
inline puzzle::Engine EngineOn(const puzzle::Grid &g) {
  puzzle::Engine e;
  e.BeginSolve();
  e.CellGrid = g;
  e.OpenCount = 81 - PlacedCount(g);
  return e;
}

// The same on a position in the token form of grid_text.h.
inline puzzle::Engine EngineOnPosition(const std::string &tokens) {
  return EngineOn(GridFromTokens(tokens));
}

// Step mode on, shown through observer.
inline void WatchSteps(puzzle::Engine &e, puzzle::StepObserver &observer) {
  e.StepMode = true;
  e.Observer = &observer;
}

} // namespace zenpa::testing
