// The drill game: a worksheet played against the clock. At the start the
// check row and the final cell are blanked and the top digits hidden until
// the player confirms the start box; every digit typed is then checked at
// once against the two cells above it, wrong digits are counted, and the
// final cell ends the game with the time written into the sheet's time box
// and a goal report for the window's dialog.
//
// One call per typed key; the window does the rest (key routing, status
// strip, timer display, the goal dialog and what follows it).
#pragma once

#include "drill/drill_keys.h"
#include "drill/goal_report.h"
#include "drill/sheet_cursor.h"
#include "platform/host.h"
#include "platform/memo.h"
#include "settings/print_format.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace zenpa::drill {

// Game sounds: the start, wrong-digit and goal sound files (empty when
// missing), played when enabled and only while the file is there.
struct GameSounds {
  bool enabled = false;
  std::string start, wrong, goal;
};

enum class StartResult { Started, Cancelled, NoSheet };

struct KeyOutcome {
  KeyResult result = KeyResult::Ignored;
  std::optional<GoalReport> goal; // set with KeyResult::Goal
};

class DrillGame {
public:
  DrillGame(platform::Host &host, GameSounds sounds = {})
      : host_(host), sounds_(std::move(sounds)) {}

  // Starts a game on the sheet near the caret: blanks its check row and final
  // cell, rewrites its count line for the game's cell total, and asks to
  // start with the top digits hidden. Cancelled leaves the sheet blanked
  // with its top digits shown again.
  StartResult Start(platform::Memo &memo, const settings::PrintFormat &format);

  // One typed key. `showWrongDigit` (`gotou`) leaves a wrong digit itself in
  // the cell instead of "？".
  KeyOutcome Key(platform::Memo &memo, char key, bool showWrongDigit);

  // "ゲーム時、音を鳴らす(&B)".
  void SetSoundsEnabled(bool on) { sounds_.enabled = on; }
  void SetSoundFiles(std::string start, std::string wrong, std::string goal) {
    sounds_.start = std::move(start);
    sounds_.wrong = std::move(wrong);
    sounds_.goal = std::move(goal);
  }

  // The key of the last handled digit was released.
  void KeyReleased() { keyHeld_ = false; }

  // A mouse click in the game: the caret goes back to the current cell and
  // the view scrolls it 7 lines below its top.
  void ReturnToCell(platform::Memo &memo) const;

  bool Running() const { return running_; }
  bool KeyHeld() const { return keyHeld_; }
  int MistakeCount() const { return mistakes_; }
  int CellTotal() const { return cellTotal_; }
  bool IsAddition() const { return isAddition_; }
  const SheetCursor &Cursor() const { return cursor_; }

  // The status strip's clock text now.
  std::string Clock() const;

  // The panel settings that continue with a sheet of the same level.
  settings::DrillOptions SameLevel(settings::DrillOptions options) const;

private:
  int ExpectedDigit(const platform::Memo &memo, platform::TextPos cell) const;
  KeyOutcome Advance(platform::Memo &memo, platform::TextPos cell);
  GoalReport Finish(platform::Memo &memo);
  void Play(const std::string &path);

  platform::Host &host_;
  GameSounds sounds_;
  SheetCursor cursor_;
  bool running_ = false;
  bool keyHeld_ = false;
  bool isAddition_ = true;
  int cellTotal_ = 0;
  int mistakes_ = 0;
  std::int64_t startTime_ = 0;
};

} // namespace zenpa::drill
