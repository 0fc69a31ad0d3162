// The external puzzle viewer "GRDV.COM" in the program's directory: started
// with "/C" and the puzzle file to show, waited for, and its hand-back file
// "GRDV.DAT" in the working directory (first line: a puzzle file to load)
// read into the document. Names are Shift-JIS bytes.
#pragma once

#include "puzzle/play/puzzle_file_commands.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zenpa::play {

struct ViewerCommand {
  std::string program;
  std::vector<std::string> args;
};

// "GRDV.COM" in programDir with "/C" and the full path of the chosen file
// (a name without a directory is taken in workingDir).
ViewerCommand ViewerCommandLine(const std::string &programDir, const std::string &workingDir,
                                const std::string &chosenFile);

// The puzzle file named by the first line of "GRDV.DAT" in workingDir, when
// both exist.
std::optional<std::string> ViewerHandBack(const std::string &workingDir);

struct ViewerContext {
  PuzzleReadContext &read;
  std::string programDir;
  std::string workingDir;
  bool append = false; // CheckBox8: keep the document
  // The unsaved-changes question before the handed-back file replaces a
  // modified document; false keeps the document as it is.
  std::function<bool()> askSaveChanges;
  // Makes the puzzle print format current when due, as loading does.
  std::function<void()> applyPuzzleFormat;
};

// Starts the viewer and waits; "実行できません (...)" when it cannot start.
// Afterwards loads the handed-back file like the load command (emptying the
// document unless appending, after the unsaved-changes question); nullopt
// when nothing was handed back, the question was cancelled or the file could
// not be read. With a result the window comes forward and the
// document is laid out again.
std::optional<PuzzleLoadResult> RunViewer(ViewerContext &ctx, const std::string &chosenFile);

} // namespace zenpa::play
