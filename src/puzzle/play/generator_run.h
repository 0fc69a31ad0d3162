// A whole generator run ("作 る", "数独を自動作成(&N)"): plain mode makes one
// puzzle; repeat mode (conditions panel open or auto-record on) makes puzzles
// until one meets the clue window and technique condition, for every record
// number, writing each accepted puzzle into the document and, with
// auto-record, into its own numbered puzzle file. All texts are Shift-JIS.
#pragma once

#include "puzzle/play/generator_grid.h"
#include "puzzle/play/generator_settings.h"
#include "puzzle/play/make_answer.h"

#include <functional>
#include <string>

namespace zenpa::play {

// The labels and buttons of the run that the window shows.
struct GeneratorLabels {
  std::string Label46; // conditions panel: "作成中／" / "完成／" / "中止／" + attempts + "回"
  std::string Label38; // auto-record panel
  bool Button14Visible = false;
  bool Button14Enabled = false; // disabled by the stop button
  bool Running = false;         // commands that start a run are disabled
};

// What the run needs from the rest of the program. Every hook may be empty.
struct GeneratorHooks {
  // The unsaved-changes question before the document is emptied; false ends the run.
  std::function<bool()> askSaveChanges;
  std::function<void()> refreshLayout;
  // Makes the puzzle print format current when that is due.
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
// auto-record it also lets output through again.
void StopGenerator(GeneratorRun &run);

} // namespace zenpa::play
