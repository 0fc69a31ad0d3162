// The window side of puzzle entry and game mode. Switching a mode on puts
// the window into it: the digit popup (m1..m9, m0) instead of the editor's
// menu, the enlarged text view, an arrow pointer, no input method and no
// drops, overwrite typing with a block caret, the window grown around the
// grid, the mode label Label28 on the status strip with the stop button
// Button16 "やめる" (the other commands rest by the window mode's table).
// Entry mode adds the entry panel (Button15 "全消去" and the turns and
// swaps); the game adds the window locked to the grid's width (never
// narrower than its menu bar), the caption "ZENPA - 数独", the clock, the
// progress label Label64 with Button20 "ヒント" and Button46 "アシスト", and
// the goal dialog TForm6. Switching off puts all of it back.
#pragma once

#include "app/puzzle_game.h"
#include "app/session.h"
#include "ui/common/mode_look.h"

#include <QObject>
#include <QSize>

#include <functional>
#include <memory>

class QLabel;
class QMenu;
class QPushButton;
class QTimer;
class QWidget;

namespace zenpa::ui {

class GoalDialog;

// What the puzzle modes need of the main window besides every mode's needs.
struct GameModeWindow : ModeWindow {
  platform::Memo *memo = nullptr; // the editor's text
  QPushButton *stop = nullptr;    // Button16 "やめる", shared with the drill modes
};

class GameModes : public QObject {
  Q_OBJECT
public:
  GameModes(app::Session &session, GameModeWindow window);
  ~GameModes() override;

  // Button19 "ゲーム" and Sudokumode: Ctrl held ignores a grading failure.
  void SetGame(bool on, bool ctrlHeld);
  void SetEntry(bool on);

signals:
  // The mode changed (menus' check marks follow).
  void modeChanged();

private:
  void Follow(app::WindowMode mode);
  void Enter(app::WindowMode mode);
  void Leave();
  void FitWindow(bool game);
  void Tick();
  void Goal(const play::PuzzleGoalTexts &texts);
  void BuildPanels();
  void BuildDigitMenu();
  play::CellPixels Pixels() const;

  app::Session &session_;
  app::PuzzleGame &game_;
  GameModeWindow w_;
  ModeLook look_{session_, w_};
  std::unique_ptr<app::PuzzleInputMode> input_;
  QLabel *modeLabel_ = nullptr, *progressLabel_ = nullptr;
  QWidget *entryPanel_ = nullptr, *gamePanel_ = nullptr;
  QTimer *clock_ = nullptr;
  QMenu *digits_ = nullptr;
  GoalDialog *goal_ = nullptr;
  app::WindowMode shown_ = app::WindowMode::None;
  QSize savedSize_;
  int savedMinWidth_ = 0;
  int savedWrap_ = 0;
};

} // namespace zenpa::ui
