// The level-check reading of puzzle files: every puzzle read is graded (no
// answer written), its level shown on the level panel, and the reading
// pauses until Enter (next puzzle) or Escape (stop reading) is stored in
// the engine's StepKey by the window, the document or the panel's buttons.
#pragma once

#include "puzzle/play/answer_solve.h"
#include "puzzle/play/puzzle_file_reader.h"

#include <string>

namespace zenpa::play {

// What the window shows while a level check waits.
struct LevelCheckDisplay {
  bool panelVisible = false; // Panel4 ("[ENTER] で次へ", "Ｏ Ｋ", "やめる")
  std::string levelLabel;    // Label44: "L." + level
  std::string caption;       // "ZENPA - " + the file's name
};

// A level check for ReadPuzzleFile over the solve context; the caption
// names the file the puzzle was read from. The returned function refers to
// ctx and display, which must outlive it. While it waits, display shows the
// panel: a window refreshes it when the run lets events through.
LevelCheck GradingLevelCheck(AnswerContext &ctx, LevelCheckDisplay &display);

} // namespace zenpa::play
