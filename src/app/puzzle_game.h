// Playing a puzzle in the document, without the window: entry mode (a new
// puzzle's givens typed into an empty grid, with the entry panel's erase,
// turns, mirrors and column swaps), game mode (the givens fixed, the
// player's digits circled, a clock, the move history and the completion
// check ending in the goal dialog), erasing the player's digits, pausing
// into the step display ("～次の一手をみる(&D)") and resuming.
//
// The document text stays the only record of a game: every digit, from a
// key, a click on the digit popup or the assist window, goes through Key()
// (the document input handler), which writes the cell and runs the
// completion check. Observers hear when the grid changed and when a mode
// started or ended; the window shows the labels and the goal dialog, and
// fills the hint and assist hooks. Texts are Shift-JIS bytes.
#pragma once

#include "app/puzzle_commands.h"
#include "editor/input_router.h"
#include "platform/host.h"
#include "platform/memo.h"
#include "puzzle/play/entry_cursor.h"
#include "puzzle/play/game_state.h"
#include "puzzle/play/grid_transforms.h"
#include "settings/format_commands.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zenpa::app {

// One cell of the grid in use as the assist window shows it.
struct GameCell {
  int digit = 0;      // 1..9, 0 when open
  bool given = false; // a given ("１".."９"), which the game never changes
};

// What the window does around the game.
struct PuzzleGameHooks {
  std::function<void()> relayout;
  // The goal dialog, shown modally; it returns when the player closed it.
  std::function<void(const play::PuzzleGoalTexts &)> showGoal;
  // The window follows the mode (panels, menus, labels, clock).
  std::function<void(WindowMode)> modeChanged;
  // The assist window's marks, notes and digit palette start afresh (a
  // different puzzle, or the player's digits were erased).
  std::function<void()> resetAssist;
  // The game is complete, just before the goal dialog: the assist window
  // puts away what belongs to play (its status label, the digit palette).
  std::function<void()> goalReached;
};

class PuzzleGame {
public:
  // The game owns the puzzle modes of `modes`: entering another mode leaves
  // them through Stop(). The puzzle commands take the completed answer from
  // this game while it lives.
  PuzzleGame(WindowModes &modes, platform::Memo &memo, platform::Host &host,
             settings::FormatState &format, PuzzleCommands &puzzle, PuzzleGameHooks hooks);
  ~PuzzleGame();
  PuzzleGame(const PuzzleGame &) = delete;
  PuzzleGame &operator=(const PuzzleGame &) = delete;

  void SetHooks(PuzzleGameHooks hooks) { hooks_ = std::move(hooks); }
  // The hooks one by one (the window fills its own, the assist window its).
  PuzzleGameHooks &Hooks() { return hooks_; }
  // The start and completion sounds (empty: no file).
  void SetSounds(std::string start, std::string finish);

  // The puzzle mode on (PuzzleEntry, PuzzleGame, PausedGame), or None.
  WindowMode Mode() const;
  bool EntryOn() const { return Mode() == WindowMode::PuzzleEntry; }
  bool GameOn() const { return Mode() == WindowMode::PuzzleGame; }

  // Observers, called after every change of the grid in use (a digit, an
  // erase, a transform, a game start), of its cursor and of the mode.
  void OnGridChanged(std::function<void()> observer);

  // `EditSDK` "数独新規入力(&E)": an empty frame for a new puzzle, then entry
  // mode. False when a question was answered with Cancel.
  bool NewEntry();
  // `InputSudoku` "数独数字入力モード(&I)" on; false (with "数独が見つかりません")
  // without a grid near the caret.
  bool StartEntry();
  // `Sudokumode` and `Button19` "ゲーム": without a grid near the caret a new
  // puzzle is generated. A puzzle the grader finds contradictory is refused
  // unless ignoreContradiction (Ctrl held). False when no game started.
  bool StartGame(bool ignoreContradiction = false);
  // `Button16` "やめる", unticking the menu items, Esc: the mode ends.
  void Stop();

  // The entry panel: "全消去" (asks first), and the turns and swaps.
  void ClearAll();
  void Transform(play::GridTransform transform);
  // `ClearSudoku` "数独の答え数字消去(&Q)": the player's digits go.
  void ClearPlayerDigits();

  // The document input handler: a typed cell key ("1".."9", "0" or a space)
  // writes the cursor cell; any other key changes nothing. True when the
  // cell changed.
  bool Key(char key);
  void MoveCursor(play::CursorMove move);
  void Click(int x, int y, const play::CellPixels &pixels);
  // The caret goes back to the cursor cell (a mouse release).
  void ReturnCaret();
  // The assist window's board: the cursor goes to (column, row), 0..8.
  void SelectCell(int column, int row);

  // "＜" and "＞": one move taken back or played again; false when there
  // was none.
  bool StepBack();
  bool StepForward();

  // The grid in use: 81 cells row by row (all open without a grid).
  std::array<GameCell, 81> Cells() const;
  const play::EntryCursor &Cursor() const { return cursor_; }
  const play::GameState &State() const { return state_; }
  play::GameState &State() { return state_; }

  // Label28: "数独入力", the clock "数独ゲーム 　１分　５秒", "数独ゲーム"
  // after the goal, "" when no mode is on.
  std::string ModeLabel() const;
  // Label64: digits entered and open cells.
  const std::string &ProgressText() const { return progress_; }
  bool ClockRunning() const { return clockRunning_; }
  // The step command's menu caption: "～次の一手をみる(&D)" in game mode,
  // else "～確認しながら解答作成(&D)".
  std::string StepCommandCaption() const;

  // `Button20` "ヒント" and `Button46` "アシスト": the windows they open are
  // the window's; these hooks are where they plug in.
  std::function<void()> hintButton;
  std::function<void()> assistButton;
  void Hint();
  void Assist();
  // Ctrl+← and Ctrl+→ in the grid go to the assist window, whose "＜" and
  // "＞" they press (forward: "＞").
  std::function<void(bool forward)> assistStep;

  // "～次の一手をみる(&D)" in game mode: the step display runs with the game
  // paused and the game resumes when it ends.
  void ShowNextMove();
  // `Button51` "ゲーム再開": the step display ends, the player's candidate
  // notes are kept for the resumed game.
  void ResumeWithNotes();
  // The game is paused in the step display and will resume.
  bool Paused() const { return paused_; }

private:
  void SetMode(WindowMode mode);
  // The step display of a paused game ended without the game resuming.
  void EndPause();
  void Changed();
  bool SetUp();
  bool LocateOrGenerate();
  bool StartGameFrom(bool ignoreContradiction, bool resuming);
  void BeginGame(bool resuming);
  void RunCompletionCheck();
  bool Replay(const std::optional<play::Move> &move, bool forward);
  void Goal();
  void PlaySound(const std::string &path);
  void Relayout();
  // Rewrites the nine row lines of the grid in use from cell texts.
  void WriteRows(const play::GridCells &cells);

  WindowModes &modes_;
  platform::Memo &memo_;
  platform::Host &host_;
  settings::FormatState &format_;
  PuzzleCommands &puzzle_;
  PuzzleGameHooks hooks_;
  std::vector<std::function<void()>> observers_;
  std::string startSound_, finishSound_;
  play::EntryCursor cursor_;
  play::GameState state_;
  std::string progress_;
  int level_ = 0;
  bool clockRunning_ = false;
  bool replaying_ = false; // "＜"/"＞" write without recording
  bool paused_ = false;
};

// The puzzle modes as a mode of the document's input routing: while one is
// on, cell keys, the cell cursor keys, Delete and clicks go to the grid and
// nothing else reaches the document (pastes, drops and input-method text are
// swallowed), so givens stay and the frame never breaks. Esc leaves the
// mode. `popup` shows the digit popup instead of the editor's menu.
class PuzzleInputMode final : public editor::InputMode {
public:
  PuzzleInputMode(PuzzleGame &game, std::function<play::CellPixels()> pixels,
                  std::function<void()> popup)
      : game_(game), pixels_(std::move(pixels)), popup_(std::move(popup)) {}
  bool Active() const override { return game_.EntryOn() || game_.GameOn(); }
  bool Handle(const editor::InputEvent &event, platform::Memo &memo) override;

private:
  bool Typed(const std::string &text);
  bool KeyDown(const editor::InputEvent &event);

  PuzzleGame &game_;
  std::function<play::CellPixels()> pixels_;
  std::function<void()> popup_;
};

} // namespace zenpa::app
