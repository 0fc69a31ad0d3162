// The solve behind every command that answers a puzzle in the document: the
// answer and difficulty commands, the step-by-step command, the puzzle-file
// level check and the generator's grading all run `MakeAnswer` with their
// mode flags over one AnswerContext.
//
// The grid is read from the document (or taken as the caller set it up in
// the engine), checked, solved with the human techniques, graded, and the
// answer is written at the insertion line. When the techniques get stuck the
// trial search lists the answers it finds ("★" lines), asks whether to go
// on, and reports how many it found. Messages and questions go through the
// Host; all texts are Shift-JIS.
//
// Afterwards, while state.ResultVisible is set, the result panel shows
// state.Result: difficulty (Label30), clueLevel (Label31) and hardest
// (Label40). During a trial search the count of cells still to try and the
// progress bar are in the state too.
#pragma once

#include "platform/host.h"
#include "platform/memo.h"
#include "puzzle/engine/engine.h"
#include "puzzle/engine/grader.h"
#include "puzzle/engine/trial.h"
#include "puzzle/play/puzzle_block.h"

#include <array>
#include <string>

namespace zenpa::play {

// The menu commands of the puzzle menu that solve.
enum class AnswerCommand {
  AnswerS,     // "数独解答を文末に追加(&A)": write the answer
  LevelSDK,    // "数独の難易度判定(&L)": grade only
  DebugAnswer, // "～確認しながら解答作成(&D)": step by step (step_answer.h)
  Zenkai,      // "～全解探査(&Z)": search all answers
};

// The mode flags around one call.
struct AnswerRequest {
  bool writeAnswer = true;  // WriteAnswer: write answers, search when stuck
  bool allAnswers = false;  // AllAnswers
  bool nextPage = false;    // the answer goes onto the next page
  bool keepStepKey = false; // the difficulty check leaves StepKey alone
  bool gridPreset = false;  // CellGrid was set by the caller: nothing is read
  bool stepMode = false;    // step by step (see step_answer.h)
  bool fromGame = false;    // step mode called from the game
};

// The flags of a command; DebugAnswer's are those of its step-by-step solve.
AnswerRequest RequestFor(AnswerCommand command);

// What the solve leaves for the window and for its callers.
struct SolveState {
  bool StopRequest = false;
  // The grid in use: its top border line and row indents (-1: none read).
  int GridTopLine = -1;
  std::array<std::string, 9> RowIndents;
  // Result panel Panel3 with Label30 (difficulty), Label31 (clues and level)
  // and Label40 (hardest technique).
  puzzle::GradeLabels Result;
  bool ResultVisible = false;
  std::string HardestName;
  int AnswerCount = 0;
  // Trial search display while it runs: Label32 (cells still to try) and
  // ProgressBar1 (position of maximum), with the stop button Button48.
  std::string UntriedCellsText;
  int ProgressMax = 0;
  int ProgressPosition = 0;
  bool TrialControlsVisible = false;
  // Where the trial search starts again when a step back replays a trial
  // answer shown step by step (kept for the program's life).
  puzzle::TrialResumePoint TrialResume;
  // The step panel's stop button Button30 ("やめる", or "ゲーム" when the
  // steps were asked for from the game) and the resume-game button Button51.
  std::string StepStopCaption;
  bool ResumeGameVisible = false;
  // The step command hands the puzzle back to the game: the window turns
  // game mode on when the command returns.
  bool ResumeGame = false;
  // A solve is running (commands that start another are disabled).
  bool Running = false;
};

// The parts of the program one solve works with.
struct AnswerContext {
  platform::Memo &memo;
  platform::Host &host;
  puzzle::Engine &engine;
  PuzzleBlockWriter &writer;
  SolveState &state;
  // The hint window's text, where the candidate list goes (none: nowhere).
  platform::Memo *hintText = nullptr;
  // The hint window's pruning option: the list follows the singles the
  // pruning itself leaves, until none is left.
  bool pruneRepeatedly = false;
};

// Runs one solve as the request asks.
void MakeAnswer(AnswerContext &ctx, const AnswerRequest &request);

// The generator's grading of the grid it has set up in the engine's
// CellGrid, right after writing its puzzle block: solves and grades it and,
// with writeAnswer, writes the answer at the insertion line, directly after
// the puzzle block (searching by trial placement when the techniques get
// stuck).
void GradePuzzle(AnswerContext &ctx, bool writeAnswer);

// A key for a running solve (from the document, the main window or the step
// panel's buttons): Enter (13) next step, Backspace (8) step back, Tab (9)
// candidate list, Escape (27) stop, which also sets StopRequest.
void StepKeyPressed(AnswerContext &ctx, int key);

// `AnswerEnd`: the window returns from a solve (controls enabled again,
// trial display hidden, step mode left).
void AnswerEnd(AnswerContext &ctx);

// The engine's answer writers at the insertion line of the document:
// `kotaetuke` (title line when "☆" is ticked, the answer grid, the candidate
// list while cells are open), `kotae9txt` (nine lines of nine full-width
// digits) and `kotae1txt` (one line of the 81 cell texts).
void kotaetuke(AnswerContext &ctx);
// `itiran`: the candidate list, into the document at the insertion line while
// StepKey holds 9 (Tab), otherwise over the hint window's text.
void itiran(AnswerContext &ctx);
void kotae9txt(AnswerContext &ctx);
void kotae1txt(AnswerContext &ctx);

} // namespace zenpa::play
