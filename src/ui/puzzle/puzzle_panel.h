// The puzzle side of the main window (Panel2): the generator's and the file
// loader's buttons, the block switches "☆" "clue" "遊び方" "改頁" "答えも付加",
// the insertion toggle Label39 with CheckBox8, the target "数字" and the
// trials "試作回数", the selection switch Label33 "D", the result panel Panel3,
// the step panel Panel4, the trial search's progress, the generator's
// counters and stop button Button14, and beside them the conditions panel
// (ConditionsPanel) and the conversion panel (ConversionPanelView).
//
// A thin binding over app::PuzzleCommands: buttons and menu items call its
// commands, Refresh shows its Display() and the record's switches. Refresh
// also runs while a long run lets events run, so the window follows it.
#pragma once

#include "app/session.h"
#include "puzzle/play/generator_settings.h"

#include <QWidget>

#include <functional>
#include <utility>
#include <vector>

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace zenpa::ui {

class CommandGuards;
class ConditionsPanel;
class ConversionPanelView;
class PuzzleViewer;

class PuzzlePanel : public QWidget {
  Q_OBJECT
public:
  explicit PuzzlePanel(app::Session &session, QWidget *parent = nullptr);

  // The puzzle menu: solver, generator, files and panels.
  void BuildMenu(QMenu *menu);
  // The panel's controls and menu items by command group, so that the
  // window enables them as its mode allows.
  void GuardControls(CommandGuards &guards);
  // Panel4, the step panel: a step display or a level check waits for its
  // buttons there.
  QWidget *StepPanel() const { return step_; }
  // In a paused game the step panel stands beside the grid in the document
  // (`place`, its top-left corner at `at`, at most `width` wide), so that
  // the assist and hint windows can keep clear of both; false when the
  // panel would not fit there. TakeBackStepPanel puts it back on the side.
  bool LendStepPanel(QWidget *place, QPoint at, int width);
  void TakeBackStepPanel();
  // The stop button of a repeat run takes the focus, when it shows.
  void FocusStopButton();
  // Memo2, the conversion panel's text box.
  QPlainTextEdit *ConversionText() const;
  // Width that holds the panel with all its parts shown.
  int WidestWidth();
  // Shows the state of the puzzle commands and the record's switches.
  void Refresh();

signals:
  // A command ended: the document's name and caption may have changed.
  void commandDone();
  // The puzzle side is to be shown or hidden ("数独作成メニュー(&M)").
  void sideWanted(bool shown);
  // The window caption while the level check waits (empty: the document's).
  void captionWanted(const QString &caption);
  // Button19 "ゲーム": game mode on or off.
  void gameWanted();

private:
  void BuildControls();
  void BuildSwitches();
  void BuildResult();
  void BuildStepPanel();
  void BuildProgress();
  QAction *AddCommand(QMenu *menu, const char *name, const char *caption,
                      const std::function<void()> &command);
  void BuildPanelItems(QMenu *menu);
  void BuildSymmetryItems(QMenu *menu);
  void OpenViewer();
  void Run(const std::function<void()> &command);
  void RefreshSwitches();
  void RefreshRun(const app::PuzzleDisplay &d);
  void RefreshProgress(const app::PuzzleDisplay &d);
  void SetRunning(bool running);

  app::Session &session_;
  app::PuzzleCommands &puzzle_;
  ConditionsPanel *conditions_ = nullptr;
  ConversionPanelView *conversion_ = nullptr;
  PuzzleViewer *viewer_ = nullptr;
  QPushButton *make_ = nullptr, *load_ = nullptr, *stop_ = nullptr;
  QLabel *insertion_ = nullptr, *switch_ = nullptr;
  QCheckBox *append_ = nullptr;
  std::vector<std::pair<QCheckBox *, bool settings::PuzzleOptions::*>> switches_;
  QSpinBox *target_ = nullptr, *trials_ = nullptr;
  settings::NumberRange targetArrows_ = play::kTargetArrowStart;
  QWidget *result_ = nullptr, *step_ = nullptr;
  QLabel *difficultyLabel_ = nullptr, *clueLevelLabel_ = nullptr, *hardestLabel_ = nullptr;
  QLabel *stepTextLabel_ = nullptr, *stepLevelLabel_ = nullptr;
  QPushButton *stepBack_ = nullptr;
  QPushButton *stepQuit_ = nullptr; // Button30: "やめる", or "ゲーム" from the game
  QPushButton *resume_ = nullptr;   // Button51 "ゲーム再開"
  QAction *stepSolve_ = nullptr;    // DebugAnswer
  QProgressBar *progress_ = nullptr, *gauge_ = nullptr;
  QLabel *trialCellsLabel_ = nullptr, *contradictionLabel_ = nullptr;
  QPushButton *trialStop_ = nullptr;
  QAction *answerS_ = nullptr;
  QAction *grdv_ = nullptr; // "～GRDV起動(&F)", only with "GRDV.COM"
  QAction *menuSdk_ = nullptr;
  std::vector<QAction *> symmetryItems_; // GraphicSDK90 .. GraphicSDKlurd
  // Controls by command group (the window enables them).
  std::vector<std::pair<QAction *, app::CommandGroup>> guardedActions_;
  std::vector<std::pair<QWidget *, app::CommandGroup>> guardedWidgets_;
  QWidget *record_ = nullptr; // SpeedButton5 "Ａ", hidden during a run
  int stepIndex_ = -1;        // the step panel's place on the side while it is lent
  bool wasRunning_ = false;
  bool switchHovered_ = false; // the mouse is over Label33
  QLabel *documentNameLabel_ = nullptr;
};

} // namespace zenpa::ui
