// The one mode the main window is in, and which of its commands each mode
// leaves usable.
//
// The window is in at most one mode at a time: puzzle entry, a puzzle game,
// a game paused in the step display, drill entry, a drill game, or a long
// run (generation, reading with the level check, the step-by-step solve,
// the duplicate check). A grid mode turns the document into a board; a run
// holds the window's thread and lets events through while it works. In
// either, commands that would replace the document, start a second run or
// change what the mode reads would act under it, so they rest.
//
// WindowModes holds the mode. Whoever owns a mode (the puzzle game, the
// drill commands) registers how it is left; entering a mode leaves the one
// before through that one step, so no mode is ever left running under
// another. A run does not leave a grid mode: a run started inside one (the
// step display of a paused game, the generator that makes a game's puzzle)
// runs within it.
#pragma once

#include <array>
#include <functional>
#include <vector>

namespace zenpa::app {

enum class WindowMode { None, PuzzleEntry, PuzzleGame, PausedGame, DrillEntry, DrillGame, LongRun };

// The window's commands by what they touch; the window puts each control in
// one group.
enum class CommandGroup {
  File,          // new, open, save, insert, rename, format files, history
  Exit,          // "終了(&X)": closing stops whatever runs
  Edit,          // the Edit menu and the document's own context menu
  Print,         // the print and printer buttons, the preview, the print menu
  Settings,      // the Settings menu and the editor's width
  PuzzleMaking,  // making, reading, solving and saving puzzles; the side panels
  PuzzleEntry,   // "数独数字入力モード(&I)", which also leaves entry mode
  PuzzleGame,    // "数独ゲームモード(&S)", "ゲーム", erasing the player's digits
  PuzzleSteps,   // "～次の一手をみる(&D)" / "～確認しながら解答作成(&D)"
  Drill,         // the drill menu's sheet commands and the drill panel
  DrillEntry,    // the drill entry mode item, which also leaves it
  DrillGame,     // the drill game mode item, which also leaves it
  GameSound,     // the two games' sound items
  Panels,        // the option panels above the document
  Help,          // the Help menu
  DocumentMouse, // mouse presses in the document
};

inline constexpr int kCommandGroups = static_cast<int>(CommandGroup::DocumentMouse) + 1;

// Whether the group's commands can be used in the mode.
bool CommandEnabled(CommandGroup group, WindowMode mode);

// Whether the mode turns the document into a board (digit popup, cell keys).
bool GridMode(WindowMode mode);

class WindowModes {
public:
  WindowMode Mode() const { return mode_; }
  bool Enabled(CommandGroup group) const { return CommandEnabled(group, mode_); }

  // How the owner of `mode` leaves it; the step ends in Ended(mode).
  void SetLeaveStep(WindowMode mode, std::function<void()> leave);
  // Enters `mode`, leaving the mode before through its leave step first.
  // A run cannot be left at once: while one is active only a run may be
  // "entered" (it runs within), and false is returned for anything else.
  bool Enter(WindowMode mode);
  // Leaves whatever grid mode is on through its leave step.
  void Leave();
  // The owner ended `mode`: no mode from now on, if `mode` was the one on.
  void Ended(WindowMode mode);

  // A run begins: the window enters LongRun unless a mode is on, which the
  // run then works within. RunEnded undoes exactly what RunBegins did.
  void RunBegins();
  void RunEnded();

  // Observers hear every change of the mode.
  void OnChanged(std::function<void()> observer) { observers_.push_back(std::move(observer)); }

private:
  void Set(WindowMode mode);

  WindowMode mode_ = WindowMode::None;
  std::array<std::function<void()>, 7> leave_{};
  std::vector<std::function<void()>> observers_;
  int runDepth_ = 0;
  bool runEntered_ = false; // the outermost run entered LongRun itself
};

} // namespace zenpa::app
