// A long puzzle run as the first stage of the document's input routing:
// while a run is active, keys typed into the document steer it and never
// edit it (Enter goes on, Esc stops, Backspace steps back, Tab writes the
// candidate list, the arrows answer the step-by-step solve's wait), typed
// text is swallowed, and mouse presses do not move the caret the run writes
// at: they give the stop button the focus instead.
#pragma once

#include "app/puzzle_commands.h"
#include "editor/input_router.h"

#include <functional>

namespace zenpa::app {

// The run key of a document key.
RunKey RunKeyOf(editor::InputKey key);

class RunInputMode final : public editor::InputMode {
public:
  // mousePressed: a press in the document during a run (may be empty).
  RunInputMode(PuzzleCommands &puzzle, std::function<void()> mousePressed)
      : puzzle_(puzzle), mousePressed_(std::move(mousePressed)) {}

  bool Active() const override { return puzzle_.Running(); }
  bool Handle(const editor::InputEvent &event, platform::Memo &memo) override;

private:
  PuzzleCommands &puzzle_;
  std::function<void()> mousePressed_;
};

} // namespace zenpa::app
