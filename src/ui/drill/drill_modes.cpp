#include "ui/drill/drill_modes.h"

#include "drill/drill_texts.h"
#include "ui/common/goal_dialog.h"
#include "ui/common/grid_editing.h"
#include "ui/common/widgets.h"
#include "ui/common/window_place.h"
#include "ui/drill/drill_panel.h"
#include "ui/qt/qt_text.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>

namespace zenpa::ui {
namespace {

constexpr int kClockInterval = 50; // ms

} // namespace

DrillModes::DrillModes(app::Session &session, DrillModeWindow window, DrillPanel *panel)
    : QObject(window.window), session_(session), drill_(session.Drill()), w_(std::move(window)),
      panel_(panel) {
  input_ = std::make_unique<app::DrillInputMode>(
      drill_, [this](const drill::KeyOutcome &outcome) { KeyDone(outcome); },
      [this] { return Metrics(); }, [this] { digits_->popup(QCursor::pos()); });
  w_.router->Plug(*input_, editor::ModeStage::Grid);
  label_ = NamedLabel("MokoLabel", w_.window);
  stop_ = w_.stop;
  w_.status->addWidget(label_);
  label_->hide();
  connect(stop_, &QPushButton::clicked, this, &DrillModes::Stop);
  timer_ = new QTimer(this);
  timer_->setObjectName("Timer1");
  timer_->setInterval(kClockInterval);
  connect(timer_, &QTimer::timeout, this, &DrillModes::Tick);
  goal_ = new GoalDialog(w_.window);
  BuildDigitMenu();
  // A puzzle mode starting ends the drill mode: the window comes back first.
  drill_.OnStopped([this] {
    if (on_)
      Leave();
  });
}

DrillModes::~DrillModes() {
  drill_.OnStopped(nullptr);
  w_.router->Unplug(*input_);
}

// The digit popup sends its digit as a key, and the key counts as released.
void DrillModes::BuildDigitMenu() {
  digits_ = DigitPopup(w_.window, "DigitPopup", [this](char key) {
    KeyDone(drill_.Key(key));
    drill_.KeyReleased();
  });
}

app::CellMetrics DrillModes::Metrics() const {
  const QFontMetrics m(w_.editor->font());
  return {m.lineSpacing(), m.horizontalAdvance(QLatin1Char('0'))};
}

// Ends the running mode and, when `on`, enters the wanted one afresh (a
// puzzle mode ends first); false when the mode was only ended.
bool DrillModes::Restart(bool on, bool game) {
  if (!on) {
    Stop();
    return false;
  }
  if (on_)
    Leave();
  drill_.LeaveOtherModes();
  Enter(game);
  return true;
}

void DrillModes::SetEntry(bool on) {
  if (!Restart(on, false))
    return;
  if (!drill_.StartEntry()) {
    Leave();
    return;
  }
  label_->setText(ToQt(drill::EntryModeLabel()));
  w_.editor->setFocus();
}

// The boxes are read as typed, before the mode's look refreshes the panel.
void DrillModes::SetGame(bool on) {
  app::DrillBoxes boxes = panel_->Boxes();
  if (!Restart(on, true))
    return;
  const bool prepared = drill_.PrepareGame(boxes);
  panel_->ShowBoxes(boxes);
  if (!prepared) {
    Leave();
    return;
  }
  // The window is narrowed to the sheet before the start box shows.
  NarrowWindow();
  if (!drill_.BeginGame()) {
    Leave();
    return;
  }
  GameStarted();
}

void DrillModes::Stop() {
  drill_.Stop();
  if (on_)
    Leave();
}

// What both modes do to the window before their sheet is found.
void DrillModes::Enter(bool game) {
  on_ = true;
  game_ = game;
  look_.Enter();
  panel_->SetModeRunning(!game, game);
  label_->setText(ToQt(game ? drill::GameModeLabel() : drill::EntryModeLabel()));
  label_->show();
  stop_->setVisible(!game);
  if (!game)
    return;
  savedWidth_ = w_.window->width();
  SetGameView(w_.editor, true, savedWrap_);
  w_.window->setWindowTitle(ToQt(drill::GameWindowCaption()));
}

void DrillModes::Leave() {
  const bool game = game_;
  on_ = game_ = false;
  timer_->stop();
  label_->hide();
  stop_->hide();
  if (game) {
    w_.narrow(false);
    SetGameView(w_.editor, false, savedWrap_);
    w_.window->resize(savedWidth_, w_.window->height());
  }
  look_.Leave([this] { panel_->SetModeRunning(false, false); });
}

// The window becomes as wide as the document's longest line.
void DrillModes::NarrowWindow() {
  const QFontMetrics m(w_.editor->font());
  int longest = 0;
  const QStringList lines = w_.editor->toPlainText().split(QChar('\n'));
  for (const QString &line : lines)
    longest = std::max(longest, m.horizontalAdvance(line));
  // The window's usual minimum gives way for the game; it returns when the
  // mode ends.
  w_.narrow(true);
  const QScreen *screen = w_.window->screen();
  const QRect room = screen ? screen->availableGeometry() : QRect(0, 0, QWIDGETSIZE_MAX, 0);
  const int frame = w_.window->frameGeometry().width() - w_.window->width();
  const int sheet = drill::GameWindowWidth(longest, session_.UiScale(), room.width() - frame);
  w_.window->resize(std::max(sheet, MenuBarWidth(w_.window)), w_.window->height());
  PullOntoScreen(w_.window);
}

void DrillModes::GameStarted() {
  label_->setText(ToQt(drill_.Game().Clock()));
  stop_->show();
  timer_->start();
  w_.editor->setFocus();
}

void DrillModes::Tick() { label_->setText(ToQt(drill_.Game().Clock())); }

void DrillModes::KeyDone(const drill::KeyOutcome &outcome) {
  if (outcome.result == drill::KeyResult::LeaveMode) {
    Leave();
    return;
  }
  if (outcome.result == drill::KeyResult::Goal && outcome.goal)
    Goal(*outcome.goal);
}

// The goal: the clock stops, the dialog asks whether to go on; ＯＫ plays a
// new sheet of the same level at once.
void DrillModes::Goal(const drill::GoalReport &report) {
  timer_->stop();
  label_->setText(ToQt(drill::GameModeLabel()));
  stop_->hide();
  drill_.KeyReleased();
  const GoalTexts texts{ToQt(report.caption),    ToQt(report.headline), ToQt(report.timeLine),
                        ToQt(report.resultLine), ToQt(report.question), ToQt(report.note),
                        report.allCorrect};
  if (!goal_->Ask(texts)) {
    Leave();
    return;
  }
  if (!drill_.ContinueSameLevel()) {
    Leave();
    return;
  }
  panel_->Refresh();
  panel_->SetModeRunning(false, true);
  GameStarted();
}

} // namespace zenpa::ui
