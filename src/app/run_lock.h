// Which of the window's commands and panels a puzzle run leaves usable. A
// run holds the window's thread and lets events through while it works, so
// a command that replaced the document, started a second run or changed
// what the run reads would act under it; such commands are disabled for the
// length of the run. The window puts each of its controls in one of these
// groups and asks whether the group is usable in the current state.
#pragma once

namespace zenpa::app {

enum class WindowCommand {
  // The File menu's items that start anew, open, save, insert, rename, read
  // or write formats, and the history entries.
  FileCommand,
  // "終了(&X)": closing the window stops the run and closes once it ended.
  Exit,
  // The puzzle menu's items and the puzzle side's "作 る", "読込", "Ａ", "D".
  PuzzleCommand,
  // The conversion panel, whose "データから数独作成" writes a puzzle block.
  ConversionPanel,
  // The conditions panel: symmetry, clue window and technique boxes.
  ConditionsPanel,
  // Mouse presses in the document, which would move the caret the run
  // writes at (keys typed there go to the run instead).
  DocumentMouse,
};

// Whether the group's controls can be used; all of them can while no run is
// active.
bool CommandEnabled(WindowCommand command, bool running);

} // namespace zenpa::app
