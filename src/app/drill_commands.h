// The drill commands of the main window, without the window: generating
// worksheets from the もこさん panel's settings, the answer sheet at the
// caret, the entry mode (digits typed freely into a sheet's cells) and the
// game mode (a sheet played against the clock, ending in the goal report and
// optionally continuing with a new sheet of the same level).
//
// The window binds its panel, menus, status strip and goal dialog to these;
// the rules of sheets and games stay in src/drill. Entry and game mode
// exclude each other and both puzzle modes. Texts are Shift-JIS bytes.
#pragma once

#include "app/launch_seed.h"
#include "app/program_files.h"
#include "app/window_mode.h"
#include "drill/drill_entry.h"
#include "drill/drill_game.h"
#include "drill/drill_settings.h"
#include "drill/random_source.h"
#include "editor/input_router.h"
#include "platform/host.h"
#include "platform/memo.h"
#include "settings/format_commands.h"

#include <functional>
#include <optional>
#include <string>

namespace zenpa::app {

// What the drill commands need from the session.
struct DrillHooks {
  std::function<void()> relayout;
  // The save prompt before the document is emptied; false: cancelled.
  std::function<bool()> askSaveChanges;
  // The page-number start becomes "1" (a new set of sheets).
  std::function<void()> resetPageNumbering;
  // Real-time layout: read, and switched for the length of a run.
  std::function<bool &()> realtimeLayout;
  // The clocks the sheets' digits are seeded from (empty: the real ones).
  std::function<LaunchClock()> launchClock;
};

// The three number boxes of the panel as typed.
struct DrillBoxes {
  drill::NumberBox digits, sheets, hints;
};

class DrillCommands {
public:
  // The commands own the drill modes of `modes`: entering another mode
  // leaves them through Stop(). Making sheets is a run.
  DrillCommands(WindowModes &modes, platform::Memo &memo, platform::Host &host,
                settings::FormatState &format, DrillHooks hooks);

  settings::DrillOptions &Options() { return format_.format.drill; }
  void SettingsChanged() { format_.modified = true; }
  void SeedRandom(unsigned seed) { rng_ = drill::SeededRandom(seed); }

  // "作 る" and "もこさんを自動作成(&N)": the boxes are read (and corrected in
  // place) into the record first. False when the save prompt was cancelled.
  bool Generate(DrillBoxes &boxes);
  // The answer item: the answer sheet of the sheet near the caret.
  void Answer();

  // MokoInput: false (and a message shown) when there is no sheet.
  bool StartEntry();
  // MokoMode, in two steps so that the window can narrow to the sheet
  // before the start box shows. PrepareGame: without a sheet near the caret
  // one is generated from the boxes; false when the save prompt was
  // cancelled. BeginGame: the sheet is blanked and the start box asked;
  // false on Cancel. The mode is off after either failed.
  bool PrepareGame(DrillBoxes &boxes);
  bool BeginGame();
  bool StartGame(DrillBoxes &boxes) { return PrepareGame(boxes) && BeginGame(); }
  // Leaves whichever mode is on (the stop button "やめる", a puzzle mode
  // starting); the observer hears when a mode was on.
  void Stop();
  void OnStopped(std::function<void()> observer) { stopped_ = std::move(observer); }
  // A drill mode is about to start: the mode on (a puzzle mode) ends first.
  void LeaveOtherModes() { modes_.Leave(); }

  // One typed character of a mode; the outcome tells the window what to do.
  drill::KeyOutcome Key(char key);
  void Arrow(drill::Arrow arrow);
  void KeyReleased() { game_.KeyReleased(); }
  // The goal dialog's ＯＫ: a new sheet of the same level and its game.
  bool ContinueSameLevel();

  // The game's sound files, as the program files give them.
  void SetSounds(const GameSoundFiles &files) {
    game_.SetSoundFiles(files.start, files.wrong, files.goal);
  }

  // DrillEntry, DrillGame or None.
  WindowMode Mode() const;
  const drill::DrillGame &Game() const { return game_; }
  drill::DrillGame &Game() { return game_; }
  drill::SheetCursor &Cursor() { return cursor_; }

private:
  // Runs a writing command with real-time layout off, then lays out.
  void Write(const std::function<void()> &command);
  bool Started(drill::StartResult result);

  void SetMode(WindowMode mode);

  WindowModes &modes_;
  platform::Memo &memo_;
  platform::Host &host_;
  settings::FormatState &format_;
  DrillHooks hooks_;
  drill::SeededRandom rng_; // seeded from the clocks at start-up
  drill::DrillGame game_;
  drill::SheetCursor cursor_;
  std::function<void()> stopped_;
};

// Sizes of the editor's text, for finding the cell under a click.
struct CellMetrics {
  int lineHeight = 0;
  int halfWidth = 0; // a half-width character; a double-byte one is twice as wide
};

// The drill modes as a mode of the document's input routing: while one is
// on, typed characters, arrows and clicks go to the sheet and nothing else
// reaches the document (pastes, drops and input-method text are swallowed),
// so the sheet's frame never breaks. `keyDone` tells the window what a
// typed key did; a held key answers once (its repeats are not released).
class DrillInputMode final : public editor::InputMode {
public:
  DrillInputMode(DrillCommands &commands, std::function<void(const drill::KeyOutcome &)> keyDone,
                 std::function<CellMetrics()> metrics, std::function<void()> popup)
      : commands_(commands), keyDone_(std::move(keyDone)), metrics_(std::move(metrics)),
        popup_(std::move(popup)) {}
  bool Active() const override { return commands_.Mode() != WindowMode::None; }
  bool Handle(const editor::InputEvent &event, platform::Memo &memo) override;

private:
  bool Typed(const std::string &text);
  bool KeyDown(editor::InputKey key);
  void Clicked(const editor::InputEvent &event, platform::Memo &memo);

  DrillCommands &commands_;
  std::function<void(const drill::KeyOutcome &)> keyDone_;
  std::function<CellMetrics()> metrics_;
  std::function<void()> popup_; // the digit popup menu instead of the editor's
};

} // namespace zenpa::app
