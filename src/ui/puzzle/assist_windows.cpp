#include "ui/puzzle/assist_windows.h"

#include "ui/common/option_panels.h"
#include "ui/common/widgets.h"
#include "ui/puzzle/assist_board_view.h"
#include "ui/puzzle/assist_settings_panel.h"
#include "ui/puzzle/assist_window.h"
#include "ui/puzzle/hint_window.h"
#include "ui/qt/qt_memo.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace zenpa::ui {
namespace {
app::ScreenPoint PointOf(const QWidget *window) { return {window->x(), window->y()}; }
} // namespace

AssistWindows::AssistWindows(app::Session &session, AssistHost host)
    : QObject(host.window), session_(session), host_(std::move(host)) {
  app::PuzzleGame &game = session_.Game();
  model_ = std::make_unique<app::PuzzleAssist>(*host_.memo, game, session_.Puzzle());
  AssistWindowHooks hooks;
  hooks.fontHeight = host_.fontHeight;
  hooks.fontColour = [this] { return session_.Format().format.textColor; };
  hooks.options = [this]() -> settings::AssistOptions & {
    return session_.Puzzle().Options().assist;
  };
  hooks.gameOn = [&game] { return game.GameOn(); };
  hooks.statusText = [&game] { return game.GameOn() ? game.ProgressText() : std::string(); };
  hooks.stop = [&game] { game.Stop(); };
  hooks.refreshHints = [this] { model_->RefreshHints(); };
  hooks.stepBack = [this] { model_->StepBack(); };
  hooks.stepForward = [this] { model_->StepForward(); };
  hooks.focusDocument = host_.focusDocument;
  hooks.forwardKey = [this](QKeyEvent *event) { ForwardKey(event); };
  // Windows of their own: their widget names are their own, apart from the
  // main window's.
  assist_ = new AssistWindow(model_->State(), *model_, std::move(hooks), nullptr);
  hint_ = new HintWindow(nullptr);
  session_.Puzzle().SetHintText(&hint_->Text());
  connect(hint_, &HintWindow::refreshWanted, this, [this] {
    session_.Puzzle().SetHintPruning(hint_->PruneRepeatedly());
    model_->RefreshHints();
    Redraw();
  });
  connect(hint_, &HintWindow::done, this, [this] { host_.focusDocument(); });
  game.hintButton = [this] { ToggleHint(); };
  game.assistButton = [this] { ToggleAssist(); };
  game.Hooks().resetAssist = [this] { model_->State().Reset(); };
  game.Hooks().goalReached = [this] { assist_->GameCompleted(); };
  game.OnGridChanged([this] { GridChanged(); });
  BuildSettings();
  host_.window->installEventFilter(this);
}

AssistWindows::~AssistWindows() {
  delete assist_;
  delete hint_;
  session_.Puzzle().SetHintText(nullptr);
  session_.Game().hintButton = nullptr;
  session_.Game().assistButton = nullptr;
  session_.Game().Hooks().resetAssist = nullptr;
  session_.Game().Hooks().goalReached = nullptr;
}

void AssistWindows::BuildSettings() {
  settings_ = new AssistSettingsPanel(
      session_.Puzzle().Options().assist, session_.DesktopHost(),
      [this] {
        session_.Puzzle().SettingsChanged();
        Redraw();
      },
      host_.window);
  host_.settingsArea->addWidget(settings_);
  settings_->hide();
  QAction *item = host_.puzzleMenu->addAction(Utf("◆アシストウィンドウ設定(&A)"));
  item->setObjectName("SetAssist");
  // One option panel at a time: opening this one closes the others.
  OptionPanels *panels = host_.optionPanels;
  panels->Add(settings_, item);
  connect(panels, &OptionPanels::shown, this, [this](QWidget *panel, bool on) {
    if (panel == settings_ && on)
      settings_->Sync();
  });
  connect(settings_, &AssistSettingsPanel::closeWanted, this,
          [this, panels] { panels->Show(settings_, false); });
}

// The board follows the grid; a game start shows the assist window when
// "自動表示する" asks for it; the end of a game closes both windows unless
// the game only paused for the step display.
void AssistWindows::GridChanged() {
  const app::PuzzleGame &game = session_.Game();
  const app::WindowMode mode = game.Mode();
  model_->Follow();
  if (mode == app::WindowMode::PuzzleGame && lastMode_ != app::WindowMode::PuzzleGame) {
    assist_->GameStarted();
    if (session_.Puzzle().Options().assist.autoShow && !hint_->isVisible())
      ShowAssist();
  } else if (mode != app::WindowMode::PuzzleGame && !game.Paused()) {
    assist_->hide();
    hint_->hide();
  }
  lastMode_ = mode;
  Redraw();
}

void AssistWindows::Redraw() {
  if (assist_->HintLayerShown() && session_.Game().GameOn())
    model_->RefreshHints();
  if (assist_->isVisible())
    assist_->Redraw();
}

// Beside the grid on first show: after the document's text width, level
// with its top, but never past the screen's edge (on a small screen it then
// overlaps the document rather than hiding part of itself).
void AssistWindows::PlaceBesideGrid(QWidget *window) {
  if (window->property("placed").toBool())
    return;
  window->setProperty("placed", true);
  QPoint at = host_.editor->mapToGlobal(QPoint(host_.editor->width(), 0));
  if (const QScreen *screen = host_.editor->screen()) {
    const QRect free = screen->availableGeometry();
    const QSize size = window->frameGeometry().size();
    at.setX(std::max(free.left(), std::min(at.x(), free.right() + 1 - size.width())));
    at.setY(std::max(free.top(), std::min(at.y(), free.bottom() + 1 - size.height())));
  }
  window->move(at);
}

void AssistWindows::ShowAssist() {
  hint_->hide();
  assist_->ShowTopmost(true);
  PlaceBesideGrid(assist_);
  // The document takes the focus back at once, which activates the main
  // window only when it was not active already: take the offset here too.
  coupling_.MainActivated(PointOf(host_.window), PointOf(assist_), true);
  Redraw();
}

void AssistWindows::ToggleAssist() {
  if (assist_->isVisible())
    assist_->hide();
  else
    ShowAssist();
  host_.focusDocument();
}

void AssistWindows::ToggleHint() {
  if (hint_->isVisible()) {
    hint_->hide();
  } else {
    assist_->hide();
    model_->RefreshHints();
    hint_->ShowTopmost(true);
    PlaceBesideGrid(hint_);
  }
  host_.focusDocument();
}

bool AssistWindows::eventFilter(QObject *watched, QEvent *event) {
  if (watched != host_.window)
    return QObject::eventFilter(watched, event);
  if (event->type() == QEvent::WindowActivate) {
    coupling_.MainActivated(PointOf(host_.window), PointOf(assist_), assist_->isVisible());
  } else if (event->type() == QEvent::Move) {
    const bool both = host_.window->isVisible() && assist_->isVisible();
    if (const auto to = coupling_.MainMoved(PointOf(host_.window), both))
      assist_->move(to->x, to->y);
  }
  return QObject::eventFilter(watched, event);
}

void AssistWindows::ForwardKey(QKeyEvent *event) {
  QKeyEvent copy(event->type(), event->key(), event->modifiers(), event->text());
  host_.focusDocument();
  QCoreApplication::sendEvent(host_.editor, &copy);
}

} // namespace zenpa::ui
