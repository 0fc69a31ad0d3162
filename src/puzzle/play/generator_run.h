// A whole generator run ("作 る", "数独を自動作成(&N)"): plain mode makes one
// puzzle; repeat mode (conditions panel open or auto-record on) makes puzzles
// until one meets the clue window and technique condition, for every record
// number, writing each accepted puzzle into the document and, with
// auto-record, into its own numbered puzzle file. All texts are Shift-JIS.
//
// A window drives a run as:
//   GeneratorRun run{answer, settings, labels, status, rng, hooks, programDir, completedAnswer};
//   RunGenerator(run); // returns when the run has ended
// The run lets events through answer.host between steps; the window then
// shows labels (Label46, Label38, the stop button Button14) and status
// (Gauge1, ProgressBar1, Label9), and its stop button "中 止" calls StopGenerator(run). The run
// corrects settings (the clue window, the record numbers) for the panel to
// show afterwards.
#pragma once

#include "puzzle/play/answer_solve.h"
#include "puzzle/play/generator_grid.h"
#include "puzzle/play/generator_settings.h"

#include <functional>
#include <string>

namespace zenpa::play {

// The labels and buttons of the run that the window shows.
struct GeneratorLabels {
  // Label46 of the conditions panel: "作成中／" / "完成／" / "中止／" + attempts + "回".
  std::string conditionsText;
  std::string autoRecordText; // Label38 of the auto-record panel
  // The stop button Button14 "中 止", which disables itself when pressed.
  bool stopButtonVisible = false;
  bool stopButtonEnabled = false;
  // While running, the commands that start a run or replace the document
  // are disabled, and with auto-record the three record edits are read-only.
  bool Running = false;
};

// What the run needs from the rest of the program. Every hook may be empty.
struct GeneratorHooks {
  // The unsaved-changes question before the document is emptied; false ends the run.
  std::function<bool()> askSaveChanges;
  std::function<void()> refreshLayout;
  // Makes the puzzle print format current when that is due (before each
  // puzzle is written; ApplyPuzzleFormat of puzzle_file_commands.h).
  std::function<void()> applyPuzzleFormat;
  // LabeledEdit17 := "1".
  std::function<void()> resetPageStart;
  // The document takes a new name (the recorded file's with ".txt").
  std::function<void(const std::string &)> renameDocument;
};

struct GeneratorRun {
  AnswerContext &answer; // document, host, engine, block writer, solve state
  GeneratorSettings &settings;
  GeneratorLabels &labels;
  GeneratorStatus &status;
  Random &rng;
  GeneratorHooks hooks;
  std::string programDir;      // where auto-record files go
  std::string completedAnswer; // appended to small recorded files
  bool reseedFromClock = true; // from the eleventh full grid of a puzzle on
};

struct GeneratorOutcome {
  int attempts = 0;
  int accepted = 0;      // puzzles accepted in repeat mode
  int lastRecorded = -1; // record number of the last saved file
  bool recordFailed = false;
};

GeneratorOutcome RunGenerator(GeneratorRun &run);

// The stop button: disables itself; with an empty document or without
// auto-record it also lets output through again. The window calls it while
// the run lets events through; the run ends at its next check.
void StopGenerator(GeneratorRun &run);

// Label46 when the conditions panel opens: "完成まで繰返し".
std::string ConditionsPanelReadyText();
// Label38 when auto-record is switched on: "作成と記録を繰り返します".
std::string AutoRecordReadyText();

} // namespace zenpa::play
