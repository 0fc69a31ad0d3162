// The assist window, the hint window and the assist settings panel of the
// main window, bound to the game in play: the game's "ヒント" and "アシスト"
// buttons show them, a game start opens the assist window when "自動表示する"
// is ticked, the assist window moves with the main window, the goal puts away the assist window's
// status label and palette, the end of a game closes both (a pause into the step display keeps
// them), a new puzzle or erased player digits start the board's marks over, and the board follows
// every change of the grid. Whenever they show, and when a pause begins or ends, the windows keep
// clear of the grid and of the buttons in use.
#pragma once

#include "app/assist_coupling.h"
#include "app/puzzle_assist.h"
#include "app/session.h"

#include <QObject>
#include <QRect>

#include <functional>
#include <memory>
#include <vector>

class QAction;
class QKeyEvent;
class QMenu;
class QPlainTextEdit;
class QVBoxLayout;

namespace zenpa::ui {

class AssistSettingsPanel;
class CommandGuards;
class AssistWindow;
class HintWindow;
class OptionPanels;

// What the windows need from the main window.
struct AssistHost {
  QWidget *window = nullptr;
  QPlainTextEdit *editor = nullptr;
  platform::Memo *memo = nullptr; // the document
  QVBoxLayout *settingsArea = nullptr;
  QMenu *puzzleMenu = nullptr;
  OptionPanels *optionPanels = nullptr; // the settings panel joins them
  CommandGuards *guards = nullptr;      // its menu item rests with the panels
  QWidget *stepPanel = nullptr;         // Panel4, whose buttons a pause waits for
  std::function<int()> fontHeight;      // the editor font's pixel height
  std::function<void()> focusDocument;  // F1setF
};

class AssistWindows : public QObject {
  Q_OBJECT
public:
  AssistWindows(app::Session &session, AssistHost host);
  ~AssistWindows() override;

  AssistWindow &Assist() { return *assist_; }
  HintWindow &Hint() { return *hint_; }
  app::PuzzleAssist &Model() { return *model_; }
  // Button20 "ヒント", Button46 "アシスト".
  void ToggleHint();
  void ToggleAssist();

protected:
  // The main window's activation and moves, for the assist window's place.
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void BuildSettings();
  void GridChanged();
  void ShowAssist();
  void Place(QWidget *window);
  void PlaceShownWindows();
  std::vector<QRect> KeepClear() const;
  QRect GridRect() const;
  void Redraw();
  void ForwardKey(QKeyEvent *event);

  app::Session &session_;
  AssistHost host_;
  std::unique_ptr<app::PuzzleAssist> model_;
  AssistWindow *assist_ = nullptr;
  HintWindow *hint_ = nullptr;
  AssistSettingsPanel *settings_ = nullptr;
  QWidget *step_ = nullptr; // the main window's step panel, Panel4
  app::WindowMode lastMode_ = app::WindowMode::None;
  app::AssistCoupling coupling_;
};

} // namespace zenpa::ui
