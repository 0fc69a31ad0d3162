// The puzzle commands of the main window, without the window: reading puzzle
// files into puzzle blocks (one file at start-up or dropped, several through
// the load command, with or without the level check), saving the document's
// grids as a puzzle file, the solver's commands (answer, difficulty check,
// step by step, all answers), the generator with its stop button, the
// conversion panel, the insertion toggle, and the keys that steer a run.
//
// Every run stays on the caller's thread and lets pending events run through
// the RunHost, which first lets the window show Display(). While a run is
// active, Running() is true, commands that would start another run do
// nothing, and keys typed in the window become the engine's StepKey. A run
// starts with no stop request left over from an earlier one; a run that
// ends by an error is reported with the error's text and leaves the
// commands free like any other end.
//
// The block writer and the generator read the record's puzzle part
// (settings::PuzzleOptions) directly; the engine takes a copy of its technique
// switches at the start of every command. Texts are Shift-JIS bytes.
#pragma once

#include "app/launch_seed.h"
#include "app/run_host.h"
#include "app/window_mode.h"
#include "platform/memo.h"
#include "puzzle/engine/engine.h"
#include "puzzle/play/conversion.h"
#include "puzzle/play/generator_run.h"
#include "puzzle/play/make_answer.h"
#include "puzzle/play/puzzle_file_commands.h"
#include "puzzle/play/puzzle_file_level_check.h"
#include "puzzle/play/step_answer.h"
#include "puzzle/play/viewer_duplicates.h"
#include "puzzle/play/viewer_launch.h"
#include "settings/format_commands.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace zenpa::app {

// What the puzzle commands need from the session.
struct PuzzleHooks {
  std::function<void()> relayout;
  // The save prompt before the document is emptied; false: cancelled.
  std::function<bool()> askSaveChanges;
  // How format files are read (the puzzle format "nbpzpf.zpf").
  std::function<settings::LoadContext()> formatContext;
  // The document takes a name (caption and labels follow).
  std::function<void(const std::string &)> takeDocumentName;
  // The page-number start becomes "1".
  std::function<void()> resetPageNumbering;
  // A run has ended (however it ended) and the display shows it.
  std::function<void()> runEnded;
  // The clocks the generator is seeded from at start-up (empty: the real ones).
  std::function<LaunchClock()> launchClock;
};

// Keys typed while a run is active, as the window reports them.
enum class RunKey { Enter, Escape, Backspace, Tab, Left, Right, Up, Down, Other };

// The conversion panel Panel8: shown, its pattern box "このパターンで作成" and
// the text of Memo2.
struct ConversionPanel {
  bool shown = false;
  bool usePattern = false;
  std::string text;
};

// What the puzzle panel and the menus show; the comments name the widget
// that shows each value.
struct PuzzleDisplay {
  bool running = false;
  std::string answerSCaption; // AnswerS, following Label39
  std::string insertionLabel; // Label39
  // Result panel Panel3: the difficulty message (Label30), the clue count
  // and level (Label31) and the hardest technique (Label40).
  bool resultVisible = false;
  std::string difficultyText, clueLevelText, hardestText;
  // Step panel Panel4, also the pause of the level check: the step line
  // (Label41) and the level line (Label44).
  bool stepVisible = false;
  bool stepBackVisible = false; // "前" in the step-by-step solve only
  std::string stepText, levelText;
  std::uint32_t stepColour = 0;
  // Trial search: ProgressBar1, the cells still to try (Label32) and Button48.
  bool trialVisible = false;
  int trialValue = 0;
  std::string trialCellsText;
  // Generator: removal trials on ProgressBar1, Gauge1, the contradictions met
  // (Label9), the attempts on the conditions panel (Label46), the auto-record
  // panel's line (Label38) and the stop button Button14.
  bool generatorProgressVisible = false;
  int progressMax = 0, progress = 0;
  int gaugeMax = 0, gaugeValue = 0;
  std::string contradictionText, attemptsText, autoRecordText;
  bool stopButtonVisible = false, stopButtonEnabled = false;
  // The conditions panel's title, Label45 under the selection switch.
  std::string conditionsTitle;
  std::uint32_t conditionsTitleColour = 0;
  // The window caption while the level check waits ("" : the document's).
  std::string caption;
};

// Cells the trial search can have left to try at most (ProgressBar1's maximum).
inline constexpr int kTrialProgressMax = 81;

class PuzzleCommands {
public:
  // modes: the window's mode, which a run enters unless a mode is on.
  PuzzleCommands(WindowModes &modes, platform::Memo &memo, platform::Host &host,
                 settings::FormatState &format, std::string programDir, PuzzleHooks hooks);

  // Called before pending events run and before a message during a run.
  void SetShowState(std::function<void()> show) { showState_ = std::move(show); }

  // A puzzle file named at start-up or dropped, read at the insertion line.
  void ReadFile(const std::string &path);
  // "数独データ読み込み(&R)..." and, with the level check, "～難易度確認読み込み(&K)".
  void LoadFiles(bool levelCheck);
  // "数独の難易度判定(&L)" asked from elsewhere (Ctrl+click, Ctrl+"次頁"):
  // the puzzle side opens to show the level; nothing while the window's
  // mode rests the puzzle commands.
  void GradeAtCaret();
  // "数独データ保存(&W)...".
  void SaveFile();
  // Where the answer of the last correctly completed game comes from (81
  // digits, or "" when there is none): the puzzle-file writers, the save
  // command's and auto-record's, append it to a short document's grid.
  void SetCompletedAnswerSource(std::function<std::string()> source) {
    completedAnswer_ = std::move(source);
  }

  // "～GRDV起動(&F)": the external viewer on a chosen file; the file it
  // hands back is read like the load command.
  void StartExternalViewer();

  // "～データビュー(&V)": whether the viewer may open (the unsaved-changes
  // question was not cancelled).
  bool MayOpenViewer();
  // "読み込む" of the viewer on the file name in folder: refused with
  // "データにエラーがあります" when its preview found errors; otherwise the
  // auto-record panel closes and the file is read like the load command.
  // The folder becomes the current directory. True when it was read.
  bool LoadFromViewer(const std::string &folder, const std::string &name, bool hasErrors);
  // "重複検査" of the viewer over its items (full paths); nullopt when
  // cancelled.
  std::optional<play::DuplicateReport>
  FindDuplicates(const std::vector<std::string> &paths,
                 const std::function<void(int done, int total)> &showProgress,
                 const std::function<bool()> &cancelled);

  // "数独解答を文末に追加(&A)", "数独の難易度判定(&L)", "～全解探査(&Z)".
  void Answer(play::AnswerCommand command);
  // "～確認しながら解答作成(&D)"; from the game ("～次の一手をみる(&D)") the
  // player's digits are taken up without asking and the puzzle is handed
  // back to the game at the end (Solve().ResumeGame).
  void StepSolve(bool fromGame = false);
  // "ゲーム再開": the step display ends and hands the puzzle back to the game.
  void HandBackToGame();
  // "数独を自動作成(&N)" and "作 る".
  void Generate();
  // Button14 "中 止" of the generator.
  void StopGenerator();
  // Button48 "中　止" of the trial search.
  void StopTrial();
  // Stops running work, as closing the window does: the generator's stop
  // button Button14 is disabled, Escape goes into StepKey and StopRequest is
  // set, so whichever run is active ends at its next check.
  void StopRuns();
  // The step panel's buttons: "Ｏ Ｋ" 13, "前" 8, "やめる" 27.
  void PressStepKey(int key);

  // Keys while a run is active; true when the key was taken (not to be
  // passed on). The window sees every key first; keys typed into the
  // document never edit it during a run.
  bool WindowKey(RunKey key);
  bool EditorKey(RunKey key);

  // Label39: "文末に追加" / "ここに挿入".
  void ToggleInsertion();

  // The conversion panel: the grid at the caret as text (nullopt without a
  // grid), and "データから数独作成".
  std::optional<std::string> Convert(play::ConversionForm form);
  void Import(const std::string &text);
  ConversionPanel &Conversion() { return conversion_; }

  // The record's puzzle settings; SettingsChanged after writing to them.
  settings::PuzzleOptions &Options() { return format_.format.puzzle; }
  void SettingsChanged() { format_.modified = true; }
  // The technique boxes, "有効・必須", the extra panel and the "D" switch.
  const settings::TechniqueOptions &Techniques() const { return format_.format.puzzle.techniques; }
  void SetTechnique(int box, bool on);
  void SetMustUseHardest(bool on);
  void SetExtraPanel(bool shown);
  void SetAllTechniques(bool on);
  void ClickSwitch();
  // The conditions panel Panel6; closing it closes the extra panel and
  // switches auto-record off.
  void SetConditionsPanel(bool shown);
  // "Ａ" / "×": the auto-record panel Panel5, opening the conditions panel.
  void ToggleAutoRecord();
  // "数独作成メニュー(&M)": shows or hides the puzzle side; hiding it switches
  // auto-record off.
  void SetPuzzleSide(bool shown);

  // The generator's random numbers start from seed (the clock at start-up).
  void SeedRandom(unsigned seed);

  bool Running() const { return run_ != Run::None; }
  // The stop state the runs poll: StopRequest and StepKey.
  bool StopRequested() const { return state_.StopRequest; }
  int StepKey() const { return engine_.StepKey; }
  PuzzleDisplay Display() const;
  puzzle::Engine &Engine() { return engine_; }
  const play::SolveState &Solve() const { return state_; }
  // The block writer at the insertion line (the entry mode's new frame).
  play::PuzzleBlockWriter &Writer() { return writer_; }

  // The hint window's text, where the candidate list goes (none: nowhere).
  void SetHintText(platform::Memo *hintText) { ctx_.hintText = hintText; }
  // The hint window's pruning option, for every candidate list written.
  void SetHintPruning(bool repeatedly) { ctx_.pruneRepeatedly = repeatedly; }
  // The candidate list of the grid model written again into the hint text
  // (not while a run is active); returns the list's grid (ListGrid).
  const puzzle::Grid &RefreshCandidateList();

private:
  enum class Run { None, Read, LevelCheck, Solve, Steps, Generate };

  // Runs command as a run of kind unless one is active.
  void RunCommand(Run kind, const std::function<void()> &command);
  // Puts back what an active run shows and holds, however the run ended.
  void EndRun();
  // The engine's copy of the record's technique switches.
  void TakeSettings();
  void ApplyPuzzleFormatIfDue();
  // The number of files read.
  int ReadFiles(const std::vector<std::string> &paths, bool levelCheck);
  play::GeneratorHooks GeneratorHooksOf();
  void ShowState();
  std::string CompletedAnswer() const;

  WindowModes &modes_;
  platform::Memo &memo_;
  RunHost host_;
  settings::FormatState &format_;
  std::string programDir_;
  PuzzleHooks hooks_;
  std::function<void()> showState_;
  std::function<std::string()> completedAnswer_;

  puzzle::Engine engine_;
  play::SolveState state_;
  play::PuzzleBlockWriter writer_{memo_, format_.format};
  play::AnswerContext ctx_{memo_, host_, engine_, writer_, state_};
  play::DocumentStepDisplay steps_{ctx_};
  play::LevelCheckDisplay levelCheck_;

  play::GeneratorLabels labels_;
  play::GeneratorStatus status_;
  play::Random rng_;
  play::GeneratorRun *generator_ = nullptr; // the run in progress
  ConversionPanel conversion_;
  std::string lastPuzzleFile_;
  Run run_ = Run::None;
};

} // namespace zenpa::app
