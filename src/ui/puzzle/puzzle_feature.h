// The puzzle feature of the main window: the puzzle menu, the puzzle side
// (Panel2 with its conditions and conversion panels) in the shell's side
// area, the keys of a long run as the first stage of the document's input
// routing, puzzle entry and game mode with their menu items and the
// "ゲーム" button, the assist and hint windows with the assist settings
// panel, and the title and how-to-play panel.
#pragma once

#include "app/run_input.h"
#include "ui/common/shell.h"

#include <QObject>

#include <memory>

class QAction;
class QScrollArea;

namespace zenpa::ui {

class AssistWindows;
class GameModes;
class PuzzlePanel;
class TitlePanelView;

class PuzzleFeature : public QObject, public Feature {
  Q_OBJECT
public:
  explicit PuzzleFeature(Shell &shell);
  ~PuzzleFeature() override;

  void Refresh() override;
  void ModeChanged(app::WindowMode mode) override;

private:
  void BuildSide();
  void BuildGameItems();
  void BuildTitlePanel();
  void BuildAssist();
  // The side shows while "数独作成メニュー" is checked.
  void ShowSide();
  void SyncGameItems();
  // A paused game's step panel stands beside the grid (after the window
  // has taken its size back from the game).
  void LendStepPanel();

  Shell &shell_;
  app::Session &session_;
  PuzzlePanel *panel_ = nullptr;
  QScrollArea *side_ = nullptr;
  GameModes *gameModes_ = nullptr;
  AssistWindows *assist_ = nullptr;
  TitlePanelView *titlePanel_ = nullptr;
  QAction *entry_ = nullptr, *play_ = nullptr, *beep_ = nullptr;
  std::unique_ptr<app::RunInputMode> runInput_;
};

} // namespace zenpa::ui
