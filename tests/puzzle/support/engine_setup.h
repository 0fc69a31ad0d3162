// Test support: an engine standing on a position, ready for one technique.
#pragma once

#include "puzzle/engine/engine.h"
#include "puzzle/support/grid_text.h"

#include <string>

namespace zenpa::testing {

// CellGrid from the token form of grid_text.h, OpenCount to match.
inline puzzle::Engine EngineOnPosition(const std::string &tokens) {
  puzzle::Engine e;
  e.CellGrid = GridFromTokens(tokens);
  e.OpenCount = 81 - PlacedCount(e.CellGrid);
  return e;
}

// Step mode on, shown through observer.
inline void WatchSteps(puzzle::Engine &e, puzzle::StepObserver &observer) {
  e.StepMode = true;
  e.Observer = &observer;
}

} // namespace zenpa::testing
