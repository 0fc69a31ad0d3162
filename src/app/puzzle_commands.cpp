#include "app/puzzle_commands.h"

#include "base/file_io.h"
#include "base/paths.h"
#include "base/sjis.h"
#include "puzzle/engine/answer_text.h"
#include "puzzle/play/partial_answer.h"
#include "puzzle/play/viewer_folder.h"

#include <cstdlib>
#include <exception>

namespace zenpa::app {
namespace {

using base::Sj;

constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kTeal = 0x808000;

void Call(const std::function<void()> &f) {
  if (f)
    f();
}

// The step key a run takes from a key typed into the document.
int RunCommandKey(RunKey key) {
  switch (key) {
  case RunKey::Tab:
    return puzzle::kKeyTab;
  case RunKey::Backspace:
    return puzzle::kKeyBackspace;
  case RunKey::Escape:
    return puzzle::kKeyEscape;
  case RunKey::Enter:
    return puzzle::kKeyEnter;
  default:
    return puzzle::kKeyNone;
  }
}

// Runs command; the text of the error that ended it, if one did.
std::optional<std::string> RunCatchingErrors(const std::function<void()> &command) {
  try {
    command();
  } catch (const std::exception &error) {
    return std::string(error.what());
  }
  return std::nullopt;
}

// While the step-by-step solve waits, the arrows step back (left, up) and
// on (right, down) as well.
int StepWaitKey(RunKey key) {
  if (key == RunKey::Left || key == RunKey::Up)
    return puzzle::kKeyBackspace;
  if (key == RunKey::Right || key == RunKey::Down)
    return puzzle::kKeyEnter;
  return RunCommandKey(key);
}

} // namespace

PuzzleCommands::PuzzleCommands(WindowModes &modes, platform::Memo &memo, platform::Host &host,
                               settings::FormatState &format, std::string programDir,
                               PuzzleHooks hooks)
    : modes_(modes), memo_(memo), host_(host), format_(format), programDir_(std::move(programDir)),
      hooks_(std::move(hooks)) {
  host_.showState = [this] { ShowState(); };
  const std::uint64_t seed = LaunchSeed(LaunchClockOf(hooks_.launchClock));
  rng_.seed(static_cast<unsigned>(seed ^ (seed >> 32)));
}

void PuzzleCommands::ShowState() { Call(showState_); }

void PuzzleCommands::SeedRandom(unsigned seed) { rng_.seed(seed); }

void PuzzleCommands::TakeSettings() { engine_.Options = format_.format.puzzle.techniques; }

void PuzzleCommands::RunCommand(Run kind, const std::function<void()> &command) {
  if (Running())
    return;
  TakeSettings();
  state_.StopRequest = false;
  run_ = kind;
  modes_.RunBegins();
  const std::optional<std::string> error = RunCatchingErrors(command);
  EndRun();
  modes_.RunEnded();
  // What the run wrote before the error stays in the document.
  if (error)
    ctx_.host.Message(*error);
  ShowState();
  Call(hooks_.runEnded);
}

void PuzzleCommands::EndRun() {
  run_ = Run::None;
  generator_ = nullptr;
  engine_.Observer = nullptr;
  engine_.StepMode = false;
  writer_.SetSuppressed(false);
  steps_.panelVisible = false;
  levelCheck_.panelVisible = false;
  state_.Running = false;
  state_.TrialControlsVisible = false;
  labels_.Running = false;
  labels_.stopButtonVisible = labels_.stopButtonEnabled = false;
  status_.progressVisible = false;
}

void PuzzleCommands::ApplyPuzzleFormatIfDue() {
  if (!hooks_.formatContext || !play::ApplyPuzzleFormat(format_, hooks_.formatContext(), host_,
                                                        format_.format.puzzle.addToDocument))
    return;
  TakeSettings();
  Call(hooks_.relayout);
}

void PuzzleCommands::ReadFile(const std::string &path) {
  RunCommand(Run::Read, [this, &path] { ReadFiles({path}, false); });
}

// Reads the files in turn at the insertion line; Escape in the level check
// ends the reading of this file and of all further ones. A document that
// was replaced takes the name of the last file read.
int PuzzleCommands::ReadFiles(const std::vector<std::string> &paths, bool levelCheck) {
  play::PuzzleReadContext read{memo_, host_, writer_,
                               levelCheck ? play::GradingLevelCheck(ctx_, levelCheck_)
                                          : play::LevelCheck{}};
  const play::PuzzleLoadResult result = play::LoadPuzzleFiles(
      read, paths, format_.format.puzzle.addToDocument, [this] { ApplyPuzzleFormatIfDue(); });
  if (result.filesRead > 0)
    lastPuzzleFile_ = paths.back();
  if (result.documentName.empty())
    return result.filesRead;
  if (hooks_.takeDocumentName)
    hooks_.takeDocumentName(result.documentName);
  Call(hooks_.resetPageNumbering);
  return result.filesRead;
}

void PuzzleCommands::LoadFiles(bool levelCheck) {
  if (Running() ||
      !play::AskBeforeReplacing(memo_, format_.format.puzzle.addToDocument, hooks_.askSaveChanges))
    return;
  const std::vector<std::string> paths = host_.OpenFileNames(play::PuzzleOpenDialog());
  if (paths.empty())
    return;
  format_.format.puzzle.recordPanelShown = false;
  RunCommand(levelCheck ? Run::LevelCheck : Run::Read, [&] {
    ReadFiles(paths, levelCheck);
    Call(hooks_.relayout);
  });
}

void PuzzleCommands::StartExternalViewer() {
  if (Running())
    return;
  const std::optional<std::string> chosen = host_.OpenFileName(play::ViewerOpenDialog());
  if (!chosen)
    return;
  format_.format.puzzle.recordPanelShown = false;
  RunCommand(Run::Read, [&] {
    play::PuzzleReadContext read{memo_, host_, writer_, {}};
    play::ViewerContext viewer{read,
                               programDir_,
                               base::CurrentDirectory(),
                               format_.format.puzzle.addToDocument,
                               hooks_.askSaveChanges,
                               [this] { ApplyPuzzleFormatIfDue(); }};
    const std::optional<play::PuzzleLoadResult> loaded = play::RunViewer(viewer, *chosen);
    if (!loaded)
      return;
    if (!loaded->documentName.empty() && hooks_.takeDocumentName) {
      hooks_.takeDocumentName(loaded->documentName);
      Call(hooks_.resetPageNumbering);
    }
    Call(hooks_.relayout);
  });
}

bool PuzzleCommands::MayOpenViewer() {
  return !Running() && play::AskBeforeReplacing(memo_, format_.format.puzzle.addToDocument,
                                                hooks_.askSaveChanges);
}

bool PuzzleCommands::LoadFromViewer(const std::string &folder, const std::string &name,
                                    bool hasErrors) {
  if (Running())
    return false;
  if (hasErrors) {
    ctx_.host.Message(play::DataErrorMessage());
    return false;
  }
  const std::string path = play::ItemPath(folder, name);
  bool read = false;
  if (base::FileExists(path)) {
    format_.format.puzzle.recordPanelShown = false;
    RunCommand(Run::Read, [&] {
      read = ReadFiles({path}, false) > 0;
      Call(hooks_.relayout);
    });
  }
  base::SetCurrentDirectory(folder);
  return read;
}

std::optional<play::DuplicateReport>
PuzzleCommands::FindDuplicates(const std::vector<std::string> &paths,
                               const std::function<void(int done, int total)> &showProgress,
                               const std::function<bool()> &cancelled) {
  return play::FindDuplicates(paths, {host_, showProgress, cancelled});
}

void PuzzleCommands::SaveFile() {
  if (Running())
    return;
  const std::optional<std::string> path =
      host_.SaveFileName(play::PuzzleSaveDialog(lastPuzzleFile_));
  if (!path)
    return;
  const std::optional<std::string> name =
      play::SavePuzzleFile(memo_, host_, *path, CompletedAnswer());
  if (!name)
    return;
  lastPuzzleFile_ = *path;
  if (hooks_.takeDocumentName)
    hooks_.takeDocumentName(*name);
}

std::string PuzzleCommands::CompletedAnswer() const {
  return completedAnswer_ ? completedAnswer_() : std::string();
}

void PuzzleCommands::Answer(play::AnswerCommand command) {
  RunCommand(Run::Solve, [this, command] {
    play::MakeAnswer(ctx_, command);
    Call(hooks_.relayout);
  });
}

void PuzzleCommands::StepSolve(bool fromGame) {
  RunCommand(Run::Steps, [this, fromGame] {
    engine_.Observer = &steps_;
    play::DebugAnswer(ctx_, fromGame);
    Call(hooks_.relayout);
  });
}

void PuzzleCommands::HandBackToGame() { play::HandBackToGame(ctx_); }

play::GeneratorHooks PuzzleCommands::GeneratorHooksOf() {
  play::GeneratorHooks hooks;
  hooks.askSaveChanges = hooks_.askSaveChanges;
  hooks.refreshLayout = hooks_.relayout;
  hooks.applyPuzzleFormat = [this] { ApplyPuzzleFormatIfDue(); };
  hooks.resetPageStart = hooks_.resetPageNumbering;
  hooks.renameDocument = hooks_.takeDocumentName;
  return hooks;
}

void PuzzleCommands::Generate() {
  RunCommand(Run::Generate, [this] {
    play::GeneratorSettings settings{format_.format.puzzle,
                                     conversion_.shown && conversion_.usePattern, conversion_.text};
    play::GeneratorRun run{ctx_, settings,           labels_,     status_,
                           rng_, GeneratorHooksOf(), programDir_, CompletedAnswer()};
    generator_ = &run;
    play::RunGenerator(run);
  });
}

void PuzzleCommands::StopGenerator() {
  if (generator_ != nullptr)
    play::StopGenerator(*generator_);
}

void PuzzleCommands::StopRuns() {
  PressStepKey(puzzle::kKeyEscape);
  StopGenerator();
}

void PuzzleCommands::StopTrial() { state_.StopRequest = true; }

void PuzzleCommands::PressStepKey(int key) { play::StepKeyPressed(ctx_, key); }

bool PuzzleCommands::WindowKey(RunKey key) {
  if (!Running())
    return false;
  if (key == RunKey::Escape) {
    PressStepKey(puzzle::kKeyEscape);
    return true;
  }
  if (key == RunKey::Enter) {
    PressStepKey(puzzle::kKeyEnter);
    return true;
  }
  return false;
}

bool PuzzleCommands::EditorKey(RunKey key) {
  if (!Running())
    return false;
  if (WindowKey(key))
    return true;
  PressStepKey(run_ == Run::Steps ? StepWaitKey(key) : RunCommandKey(key));
  return true;
}

void PuzzleCommands::ToggleInsertion() {
  format_.format.insertionPlace = editor::Toggled(format_.format.insertionPlace);
  SettingsChanged();
}

std::optional<std::string> PuzzleCommands::Convert(play::ConversionForm form) {
  return play::ConvertGridAtCaret(memo_, form, play::AddressEndpoints{});
}

void PuzzleCommands::Import(const std::string &text) {
  RunCommand(Run::Read, [this, &text] {
    play::ImportContext import{memo_, host_, writer_, format_.format.puzzle.addToDocument,
                               format_.format.insertionPlace};
    if (play::ImportGrid(import, text))
      Call(hooks_.relayout);
  });
}

void PuzzleCommands::SetTechnique(int box, bool on) {
  format_.format.puzzle.techniques.boxes.at(static_cast<std::size_t>(box)) = on;
  SettingsChanged();
}

void PuzzleCommands::SetMustUseHardest(bool on) {
  format_.format.puzzle.techniques.mustUseHardest = on;
  SettingsChanged();
}

void PuzzleCommands::SetExtraPanel(bool shown) {
  format_.format.puzzle.techniques.SetExtraPanelVisible(shown);
}

void PuzzleCommands::SetAllTechniques(bool on) {
  format_.format.puzzle.techniques.SetAllBoxes(on);
  SettingsChanged();
}

void PuzzleCommands::ClickSwitch() { format_.format.puzzle.techniques.AdvanceSwitch(); }

void PuzzleCommands::SetConditionsPanel(bool shown) {
  if (shown && !format_.format.puzzle.techniques.conditionsPanelShown)
    labels_.conditionsText = Sj("完成まで繰返し");
  format_.format.puzzle.techniques.conditionsPanelShown = shown;
  if (!shown) {
    SetExtraPanel(false);
    format_.format.puzzle.recordPanelShown = false;
  }
  SettingsChanged();
}

void PuzzleCommands::ToggleAutoRecord() {
  settings::PuzzleOptions &p = format_.format.puzzle;
  if (p.recordPanelShown) {
    p.recordPanelShown = false;
  } else {
    SetConditionsPanel(true);
    p.recordPanelShown = true;
    labels_.autoRecordText = Sj("作成と記録を繰り返します");
  }
  SettingsChanged();
}

void PuzzleCommands::GradeAtCaret() {
  if (!modes_.Enabled(CommandGroup::PuzzleMaking))
    return;
  if (!Options().menuShown)
    SetPuzzleSide(true);
  Answer(play::AnswerCommand::LevelSDK);
}

void PuzzleCommands::SetPuzzleSide(bool shown) {
  format_.format.puzzle.menuShown = shown;
  // The puzzle side and the drill panel take turns.
  if (shown)
    format_.format.drill.menuShown = false;
  if (!shown)
    format_.format.puzzle.recordPanelShown = false;
  SettingsChanged();
}

const puzzle::Grid &PuzzleCommands::RefreshCandidateList() {
  if (Running())
    return engine_.ListGrid;
  puzzle::TextOutput out;
  out.hintText = ctx_.hintText;
  out.pruneRepeatedly = ctx_.pruneRepeatedly;
  // Outside a run a Tab left in StepKey must not send the list into the
  // document.
  const int key = engine_.StepKey;
  engine_.StepKey = 0;
  puzzle::itiran(engine_, out);
  engine_.StepKey = key;
  return engine_.ListGrid;
}

PuzzleDisplay PuzzleCommands::Display() const {
  PuzzleDisplay d;
  d.running = Running();
  const bool here = format_.format.insertionPlace == settings::InsertionPlace::AtCaret;
  d.answerSCaption = Sj(here ? "数独解答を次頁に挿入(&A)" : "数独解答を文末に追加(&A)");
  d.insertionLabel = editor::InsertionLabel(format_.format.insertionPlace);
  d.resultVisible = state_.ResultVisible;
  d.difficultyText = state_.Result.difficulty;
  d.clueLevelText = state_.Result.clueLevel;
  d.hardestText = state_.Result.hardest;
  d.stepVisible = steps_.panelVisible || levelCheck_.panelVisible;
  d.stepBackVisible = run_ == Run::Steps;
  d.stepText = levelCheck_.panelVisible ? Sj("[ENTER] で次へ") : steps_.stepText;
  d.levelText = levelCheck_.panelVisible ? levelCheck_.levelLabel : steps_.levelText;
  d.stepColour = engine_.LevelPanelColour;
  d.caption = levelCheck_.panelVisible ? levelCheck_.caption : std::string();
  d.trialVisible = state_.TrialControlsVisible;
  d.trialCellsText = state_.UntriedCellsText;
  d.trialValue = kTrialProgressMax - std::atoi(state_.UntriedCellsText.c_str());
  d.generatorProgressVisible = status_.progressVisible;
  d.progressMax = status_.progressMax;
  d.progress = status_.progress;
  d.gaugeMax = status_.gaugeMax;
  d.gaugeValue = status_.gaugeValue;
  d.contradictionText = status_.contradictionText;
  d.attemptsText = labels_.conditionsText;
  d.autoRecordText = labels_.autoRecordText;
  d.stopButtonVisible = labels_.stopButtonVisible;
  d.stopButtonEnabled = labels_.stopButtonEnabled;
  const bool switchOn = format_.format.puzzle.techniques.SwitchOn();
  d.conditionsTitle = Sj(switchOn ? "★数独の条件設定有効★" : "★数独の条件設定★");
  d.conditionsTitleColour = switchOn ? kRed : kTeal;
  return d;
}

} // namespace zenpa::app
