// The window side of the drill modes: entry mode (MokoInput) and game mode
// (MokoMode). Switching a mode on puts the window into it (digit popup
// menu, enlarged text view, arrow cursor, no input method, overwrite typing,
// the mode label and the stop button Button16 "やめる" on the status strip;
// the other commands rest by the window mode's table) and plugs the sheet's
// key handling into the document's input routing; the game adds the narrow
// window, its caption, the 50 ms clock Timer1 and the goal dialog TForm6.
// Switching off puts all of it back.
#pragma once

#include "app/drill_commands.h"
#include "app/session.h"
#include "ui/common/mode_look.h"

#include <QObject>

#include <functional>
#include <memory>

class QLabel;
class QMenu;
class QPushButton;
class QTimer;

namespace zenpa::ui {

class DrillPanel;
class GoalDialog;

// What the drill modes need of the main window besides every mode's needs.
struct DrillModeWindow : ModeWindow {
  QPushButton *stop = nullptr; // Button16 "やめる", shared with the puzzle modes
  // The window may become narrower than its usual minimum (the game), or not.
  std::function<void(bool)> narrow;
};

class DrillModes : public QObject {
  Q_OBJECT
public:
  DrillModes(app::Session &session, DrillModeWindow window, DrillPanel *panel);
  ~DrillModes() override;

  void SetEntry(bool on);
  void SetGame(bool on);
  // Button16 "やめる": leaves whichever mode is on.
  void Stop();

private:
  bool Restart(bool on, bool game);
  void Enter(bool game);
  void Leave();
  void KeyDone(const drill::KeyOutcome &outcome);
  void Goal(const drill::GoalReport &report);
  void GameStarted();
  void NarrowWindow();
  void Tick();
  void BuildDigitMenu();
  app::CellMetrics Metrics() const;

  app::Session &session_;
  app::DrillCommands &drill_;
  DrillModeWindow w_;
  DrillPanel *panel_;
  ModeLook look_{session_, w_};
  std::unique_ptr<app::DrillInputMode> input_;
  QLabel *label_ = nullptr;
  QPushButton *stop_ = nullptr;
  QTimer *timer_ = nullptr;
  QMenu *digits_ = nullptr;
  GoalDialog *goal_ = nullptr;
  bool on_ = false;
  bool game_ = false;
  int savedWidth_ = 0;
  int savedWrap_ = 0;
};

} // namespace zenpa::ui
