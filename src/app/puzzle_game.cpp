#include "app/puzzle_game.h"

#include "base/sjis.h"
#include "editor/insertion.h"
#include "puzzle/play/grid_keys.h"

#include <span>

namespace zenpa::app {
namespace {

using base::Sj;

void Call(const std::function<void()> &f) {
  if (f)
    f();
}

// The four bytes of cell c (0..8) of a row line: the cell and its separator.
constexpr std::size_t CellOffset(std::size_t indent, int c) { return indent + 2 + 4 * c; }

bool IsClueLine(const std::string &line) { return line.ends_with("-clue"); }

// The cells of a whole grid as they stand, two bytes each.
play::GridCells CellTexts(const platform::Memo &memo, const play::EntryCursor &cursor) {
  play::GridCells cells;
  for (int row = 0; row < 9; ++row) {
    const std::string &line = memo.Line(play::GridRowLineIndex(cursor.topLine, row + 1));
    for (int c = 0; c < 9; ++c)
      cells[9 * row + c] = line.substr(CellOffset(cursor.rowIndents[row].size(), c), 2);
  }
  return cells;
}

} // namespace

PuzzleGame::PuzzleGame(WindowModes &modes, platform::Memo &memo, platform::Host &host,
                       settings::FormatState &format, PuzzleCommands &puzzle, PuzzleGameHooks hooks)
    : modes_(modes), memo_(memo), host_(host), format_(format), puzzle_(puzzle),
      hooks_(std::move(hooks)) {
  puzzle_.SetCompletedAnswerSource([this] { return state_.CompletedAnswer(); });
  for (WindowMode mode : {WindowMode::PuzzleEntry, WindowMode::PuzzleGame})
    modes_.SetLeaveStep(mode, [this] { Stop(); });
  // A pause ends with its step display: the game resumes from it (the
  // pause then simply gives way) or EndPause ends it.
}

PuzzleGame::~PuzzleGame() { puzzle_.SetCompletedAnswerSource(nullptr); }

WindowMode PuzzleGame::Mode() const {
  const WindowMode mode = modes_.Mode();
  const bool puzzle = mode == WindowMode::PuzzleEntry || mode == WindowMode::PuzzleGame ||
                      mode == WindowMode::PausedGame;
  return puzzle ? mode : WindowMode::None;
}

void PuzzleGame::SetSounds(std::string start, std::string finish) {
  startSound_ = std::move(start);
  finishSound_ = std::move(finish);
}

void PuzzleGame::OnGridChanged(std::function<void()> observer) {
  observers_.push_back(std::move(observer));
}

void PuzzleGame::Changed() {
  for (const auto &observer : observers_)
    observer();
}

// Entering a mode leaves the one before (a drill mode, the other puzzle
// mode) through its own step first.
void PuzzleGame::SetMode(WindowMode mode) {
  if (mode == WindowMode::None)
    modes_.Ended(Mode());
  else if (!modes_.Enter(mode))
    return;
  if (hooks_.modeChanged)
    hooks_.modeChanged(mode);
  Changed();
}

void PuzzleGame::Relayout() { Call(hooks_.relayout); }

bool PuzzleGame::SetUp() {
  cursor_ = play::SudokunyuryokuSet(memo_, format_.format.puzzle.printTitle);
  return cursor_.found;
}

bool PuzzleGame::StartEntry() {
  if (EntryOn() || GameOn())
    Stop();
  if (!SetUp()) {
    host_.Message(Sj("数独が見つかりません"));
    return false;
  }
  clockRunning_ = false;
  SetMode(WindowMode::PuzzleEntry);
  return true;
}

bool PuzzleGame::NewEntry() {
  const settings::PuzzleOptions &o = format_.format.puzzle;
  const bool hasText = memo_.LineCount() > 1 || (memo_.LineCount() == 1 && !memo_.Line(0).empty());
  const bool atCaret = format_.format.insertionPlace == settings::InsertionPlace::AtCaret;
  if (hasText && o.addToDocument && atCaret &&
      host_.Message(Sj("ここに数独枠を挿入します"), Sj("新規入力(挿入)"),
                    platform::Buttons::OkCancel) != platform::Answer::Ok)
    return false;
  if (hasText && !o.addToDocument) {
    if (host_.Message(Sj("テキストをすべて消去してよいですか？"), Sj("新規入力(全消去)"),
                      platform::Buttons::OkCancel,
                      platform::Icon::Question) != platform::Answer::Ok)
      return false;
    memo_.SetLines({});
  }
  if (EntryOn() || GameOn())
    Stop();
  const int first = editor::gyo(memo_, format_.format.insertionPlace);
  play::PuzzleBlockWriter &writer = puzzle_.Writer();
  play::GridCells blank;
  blank.fill(Sj("　"));
  writer.WriteAnswerGrid(blank);
  if (o.printHowToPlay && o.printClue)
    writer.WriteLine("");
  writer.asobikata();
  writer.kaigyo();
  // Into the new grid's first row, so that the set-up finds this grid.
  memo_.SetCaret({first + (o.printTitle ? 1 : 0) + 1, 0});
  Relayout();
  return StartEntry();
}

bool PuzzleGame::StartGame(bool ignoreContradiction) {
  return StartGameFrom(ignoreContradiction, false);
}

bool PuzzleGame::StartGameFrom(bool ignoreContradiction, bool resuming) {
  if (EntryOn() || GameOn())
    Stop();
  state_.History().Reset();
  puzzle_.Answer(play::AnswerCommand::LevelSDK);
  if (puzzle_.Engine().Contradiction && !ignoreContradiction)
    return false;
  level_ = puzzle_.Engine().Level;
  if (!LocateOrGenerate())
    return false;
  BeginGame(resuming);
  return true;
}

// With no grid in the document, the generator makes one (it may ask to
// save first; Cancel leaves no grid).
bool PuzzleGame::LocateOrGenerate() {
  if (SetUp())
    return true;
  puzzle_.Generate();
  level_ = puzzle_.Engine().Level;
  return SetUp();
}

void PuzzleGame::BeginGame(bool resuming) {
  const play::GridReading givens = play::ReadGridAt(memo_, cursor_.topLine);
  puzzle_.Engine().ClueText = std::to_string(givens.placedCount);
  if (!resuming)
    state_.DropCandidates();
  if (state_.Start(givens.digits, host_.Milliseconds()))
    Call(hooks_.resetAssist);
  paused_ = false;
  clockRunning_ = true;
  SetMode(WindowMode::PuzzleGame);
  if (format_.format.puzzle.gameSound)
    PlaySound(startSound_);
  RunCompletionCheck();
}

void PuzzleGame::PlaySound(const std::string &path) {
  if (!path.empty())
    host_.PlaySound(path);
}

void PuzzleGame::RunCompletionCheck() {
  const play::Completion result = state_.Check(memo_, cursor_.topLine, puzzle_.Engine().CellGrid);
  progress_ = result.progressText;
  Changed();
  if (result.complete)
    Goal();
}

// The clock stops, the dialog congratulates, and the game ends.
void PuzzleGame::Goal() {
  clockRunning_ = false;
  const std::int64_t elapsed = host_.Milliseconds() - state_.StartTime();
  if (format_.format.puzzle.gameSound)
    PlaySound(finishSound_);
  Call(hooks_.goalReached);
  if (hooks_.showGoal)
    hooks_.showGoal(play::PuzzleGoal(level_, elapsed));
  Stop();
}

void PuzzleGame::Stop() {
  clockRunning_ = false;
  if (!(EntryOn() || GameOn()))
    return;
  SetMode(WindowMode::None);
}

void PuzzleGame::EndPause() {
  paused_ = false;
  if (Mode() == WindowMode::PausedGame)
    SetMode(WindowMode::None);
  else
    Changed();
}

std::string PuzzleGame::ModeLabel() const {
  if (EntryOn())
    return Sj("数独入力");
  if (!GameOn())
    return {};
  if (!clockRunning_)
    return Sj("数独ゲーム");
  return play::GameClockText(host_.Milliseconds() - state_.StartTime());
}

std::string PuzzleGame::StepCommandCaption() const {
  return Sj(GameOn() ? "～次の一手をみる(&D)" : "～確認しながら解答作成(&D)");
}

void PuzzleGame::WriteRows(const play::GridCells &cells) {
  for (int row = 0; row < 9; ++row) {
    const int index = play::GridRowLineIndex(cursor_.topLine, row + 1);
    const std::string &old = memo_.Line(index);
    const std::string &indent = cursor_.rowIndents[row];
    std::string line =
        play::GridRowLine(std::span<const std::string, 9>(&cells[9 * row], 9), indent);
    // Whatever follows the grid's frame on the line stays.
    line += old.substr(std::min(old.size(), CellOffset(indent.size(), 9)));
    if (line != old)
      memo_.ReplaceLine(index, line);
  }
}

void PuzzleGame::Transform(play::GridTransform transform) {
  cursor_ = play::LocateWholeGrid(memo_, memo_.Caret().line);
  if (!cursor_.found)
    return;
  WriteRows(play::Transformed(CellTexts(memo_, cursor_), transform));
  Relayout();
  SetUp();
  Changed();
}

void PuzzleGame::ClearAll() {
  if (host_.Message(Sj("数字をすべて消去してよいですか？"), Sj("全消去"),
                    platform::Buttons::OkCancel, platform::Icon::Question) != platform::Answer::Ok)
    return;
  cursor_ = play::LocateWholeGrid(memo_, memo_.Caret().line);
  if (!cursor_.found)
    return;
  play::GridCells blank;
  blank.fill(Sj("　"));
  WriteRows(blank);
  // The clue line under the grid no longer counts anything; other text there stays.
  const int clue = cursor_.topLine + play::kGridBlockLineCount;
  if (clue < memo_.LineCount() && IsClueLine(memo_.Line(clue)))
    memo_.ReplaceLine(clue, "");
  Relayout();
  SetUp();
  Changed();
}

void PuzzleGame::ClearPlayerDigits() {
  cursor_ = play::LocateWholeGrid(memo_, memo_.Caret().line);
  if (!cursor_.found)
    return;
  play::GridCells cells = CellTexts(memo_, cursor_);
  for (std::string &cell : cells) {
    if (play::IsPlayerCell(cell))
      cell = Sj("　");
  }
  WriteRows(cells);
  Relayout();
  Call(hooks_.resetAssist);
  if (GameOn()) {
    StartGame(true);
    return;
  }
  SetUp();
  Changed();
}

bool PuzzleGame::Key(char key) {
  const std::optional<int> digit = play::CellKeyDigit(key);
  if (!digit || !(EntryOn() || GameOn()))
    return false;
  if (EntryOn()) {
    if (!play::EntryDigit(memo_, cursor_, *digit))
      return false;
    Changed();
    return true;
  }
  const std::optional<int> before = play::GameDigit(memo_, cursor_, *digit);
  if (!before)
    return false;
  if (!replaying_)
    state_.History().Record(cursor_.column, cursor_.row, *before, *digit);
  RunCompletionCheck();
  return true;
}

void PuzzleGame::MoveCursor(play::CursorMove move) {
  if (!(EntryOn() || GameOn()))
    return;
  play::MoveCursor(memo_, cursor_, move);
  Changed();
}

void PuzzleGame::Click(int x, int y, const play::CellPixels &pixels) {
  if (!(EntryOn() || GameOn()))
    return;
  play::ClickCell(memo_, cursor_, x, y, pixels);
  Changed();
}

void PuzzleGame::ReturnCaret() {
  if ((EntryOn() || GameOn()))
    memo_.SetCaret(play::CellCaret(cursor_, cursor_.column, cursor_.row));
}

void PuzzleGame::SelectCell(int column, int row) {
  if (!(EntryOn() || GameOn()))
    return;
  play::MoveCursorTo(memo_, cursor_, column, row);
  Changed();
}

bool PuzzleGame::StepBack() { return GameOn() && Replay(state_.History().StepBack(), false); }

bool PuzzleGame::StepForward() { return GameOn() && Replay(state_.History().StepForward(), true); }

// A move of the history written again through the input handler, without
// being recorded: its new digit (forward) or the digit it replaced.
bool PuzzleGame::Replay(const std::optional<play::Move> &move, bool forward) {
  if (!move)
    return false;
  play::MoveCursorTo(memo_, cursor_, move->column, move->row);
  replaying_ = true;
  Key(static_cast<char>('0' + (forward ? move->after : move->before)));
  replaying_ = false;
  return true;
}

std::array<GameCell, 81> PuzzleGame::Cells() const {
  std::array<GameCell, 81> cells{};
  if (!cursor_.found || play::GridRowLineIndex(cursor_.topLine, 9) >= memo_.LineCount())
    return cells;
  const play::GridReading all = play::ReadGridAt(memo_, cursor_.topLine, true);
  const play::GridReading givens = play::ReadGridAt(memo_, cursor_.topLine);
  for (int i = 0; i < 81; ++i)
    cells[i] = {all.digits[i], givens.digits[i] != 0};
  return cells;
}

void PuzzleGame::Hint() { Call(hintButton); }
void PuzzleGame::Assist() { Call(assistButton); }

void PuzzleGame::ShowNextMove() {
  if (!GameOn())
    return;
  memo_.SetCaret(play::CellCaret(cursor_, cursor_.column, cursor_.row));
  paused_ = true;
  clockRunning_ = false;
  SetMode(WindowMode::PausedGame);
  puzzle_.StepSolve(true);
  if (!puzzle_.Solve().ResumeGame) {
    EndPause();
    return;
  }
  memo_.SetCaret(play::CellCaret(cursor_, cursor_.column, cursor_.row));
  if (!StartGameFrom(true, true))
    EndPause();
}

void PuzzleGame::ResumeWithNotes() {
  state_.KeepCandidates(puzzle_.Engine().CellGrid);
  puzzle_.HandBackToGame();
}

// Key-downs of character keys pass on, so that their typed text arrives;
// the cell cursor keys move the cursor, Delete clears the cell, Esc leaves
// the mode, and every other key (editing, paste, Tab) is swallowed.
bool PuzzleInputMode::KeyDown(const editor::InputEvent &event) {
  using editor::InputKey;
  using play::CursorMove;
  switch (event.key) {
  case InputKey::Escape:
    game_.Stop();
    return true;
  case InputKey::Right:
  case InputKey::Left:
    // Ctrl with the arrows belongs to the assist window.
    if (!event.ctrl)
      game_.MoveCursor(event.key == InputKey::Right ? CursorMove::Right : CursorMove::Left);
    else if (game_.assistStep && game_.GameOn())
      game_.assistStep(event.key == InputKey::Right);
    return true;
  case InputKey::Down:
    game_.MoveCursor(CursorMove::Down);
    return true;
  case InputKey::Up:
    game_.MoveCursor(CursorMove::Up);
    return true;
  case InputKey::Enter:
    game_.MoveCursor(CursorMove::Next);
    return true;
  case InputKey::Backspace:
    game_.MoveCursor(CursorMove::Previous);
    return true;
  case InputKey::Delete:
    game_.Key(' ');
    return true;
  case InputKey::None:
  case InputKey::Other:
    // Ctrl with a letter would edit (undo, cut) past the cell keys.
    return event.ctrl;
  default:
    return true;
  }
}

bool PuzzleInputMode::Typed(const std::string &text) {
  for (char key : text)
    game_.Key(key);
  return true;
}

bool PuzzleInputMode::Handle(const editor::InputEvent &event, platform::Memo &) {
  switch (event.kind) {
  case editor::InputKind::KeyPress:
    return Typed(event.text);
  case editor::InputKind::KeyDown:
    return KeyDown(event);
  case editor::InputKind::KeyUp:
  case editor::InputKind::Resize:
    return false;
  case editor::InputKind::MouseDown:
    if (!event.rightButton)
      game_.Click(event.x, event.y, pixels_());
    return true;
  case editor::InputKind::MouseUp:
    game_.ReturnCaret();
    return true;
  case editor::InputKind::ContextMenu:
    popup_();
    return true;
  default:
    return true;
  }
}

} // namespace zenpa::app
