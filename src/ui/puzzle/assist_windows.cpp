#include "ui/puzzle/assist_windows.h"

#include "puzzle/play/grid_text.h"
#include "ui/common/command_guards.h"
#include "ui/common/option_panels.h"
#include "ui/common/widgets.h"
#include "ui/common/window_place.h"
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
#include <QTextBlock>
#include <QTimer>
#include <QVBoxLayout>

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
  step_ = host_.stepPanel;
  if (step_)
    step_->installEventFilter(this);
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
  host_.guards->Add(item, app::CommandGroup::Panels);
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
  // A pause widens the window and a resume narrows it again: once the
  // window has its new size, the windows move off what the player now uses.
  if (mode != lastMode_)
    QTimer::singleShot(0, this, [this] { PlaceShownWindows(); });
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
// with its top; later where the user left it. Either way wholly on the
// screen and clear of the grid and the buttons in use. The hint window
// shows its whole lines where it can, else it narrows; the assist window
// keeps its size.
void AssistWindows::Place(QWidget *window) {
  QPoint wanted = window->pos();
  if (!window->property("placed").toBool()) {
    window->setProperty("placed", true);
    wanted = host_.editor->mapToGlobal(QPoint(host_.editor->width(), 0));
  }
  if (window == hint_)
    PlaceWindow(hint_, host_.editor, KeepClear(), wanted, hint_->FullSize(),
                hint_->minimumSizeHint().width());
  else
    PlaceWindow(window, host_.editor, KeepClear(), wanted, window->size(), window->width());
}

void AssistWindows::PlaceShownWindows() {
  for (QWidget *window : {static_cast<QWidget *>(assist_), static_cast<QWidget *>(hint_)}) {
    if (window->isVisible())
      Place(window);
  }
}

// In play the game's window is all grid and buttons; in a pause the wide
// window shows the grid beside the step panel with its buttons.
std::vector<QRect> AssistWindows::KeepClear() const {
  if (session_.Game().GameOn())
    return {GlobalRect(host_.window)};
  std::vector<QRect> clear{GridRect()};
  if (step_ && step_->isVisible())
    clear.push_back(GlobalRect(step_));
  return clear;
}

// The grid's lines in the document, from its top border to its bottom one.
QRect AssistWindows::GridRect() const {
  const int top = session_.Game().Cursor().topLine;
  const QTextDocument *document = host_.editor->document();
  QRect area;
  for (int line = top; line <= play::GridRowLineIndex(top, 9) + 1; ++line) {
    QTextCursor at(document->findBlockByNumber(line));
    area |= host_.editor->cursorRect(at);
    at.movePosition(QTextCursor::EndOfBlock);
    area |= host_.editor->cursorRect(at);
  }
  return area.translated(host_.editor->viewport()->mapToGlobal(QPoint(0, 0)));
}

void AssistWindows::ShowAssist() {
  hint_->hide();
  assist_->ShowTopmost(true);
  Place(assist_);
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
    Place(hint_);
  }
  host_.focusDocument();
}

bool AssistWindows::eventFilter(QObject *watched, QEvent *event) {
  // The step panel grows with its step text as the pause goes on: the
  // windows keep clear of its buttons wherever they go.
  if (watched == step_ && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
    QTimer::singleShot(0, this, [this] { PlaceShownWindows(); });
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
