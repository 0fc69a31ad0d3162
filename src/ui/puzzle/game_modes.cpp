#include "ui/puzzle/game_modes.h"

#include "ui/common/goal_dialog.h"
#include "ui/common/grid_editing.h"
#include "ui/common/widgets.h"
#include "ui/common/window_place.h"
#include "ui/qt/qt_text.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>

namespace zenpa::ui {
namespace {

constexpr int kClockInterval = 50; // ms

using app::WindowMode;

// A row of buttons for the status strip.
QWidget *ButtonRow(const char *name, QWidget *parent) {
  auto *row = new QWidget(parent);
  row->setObjectName(name);
  auto *layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  row->hide();
  return row;
}

// Buttons as narrow as their captions: the game's window is only as wide
// as its grid.
void Narrow(QPushButton *button) {
  button->setMaximumWidth(button->fontMetrics().horizontalAdvance(button->text()) + 16);
}

QPushButton *AddButton(QWidget *row, const char *name, const char *caption) {
  QPushButton *button = NamedButton(name, caption, row);
  Narrow(button);
  row->layout()->addWidget(button);
  return button;
}

// The width the status strip's shown controls take side by side.
int StripWidth(QStatusBar *status) {
  constexpr int kSpacing = 8;
  int width = 0;
  for (QWidget *w : status->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
    if (w->isVisibleTo(status))
      width += std::min(w->sizeHint().width(), w->maximumWidth()) + kSpacing;
  }
  return width;
}

} // namespace

GameModes::GameModes(app::Session &session, GameModeWindow window)
    : QObject(window.window), session_(session), game_(session.Game()), w_(std::move(window)) {
  input_ = std::make_unique<app::PuzzleInputMode>(
      game_, [this] { return Pixels(); }, [this] { digits_->popup(QCursor::pos()); });
  w_.router->Plug(*input_, editor::ModeStage::Grid);
  clock_ = new QTimer(this);
  clock_->setObjectName("GameClock");
  clock_->setInterval(kClockInterval);
  connect(clock_, &QTimer::timeout, this, &GameModes::Tick);
  goal_ = new GoalDialog(w_.window);
  BuildPanels();
  BuildDigitMenu();
  connect(w_.stop, &QPushButton::clicked, this, [this] { game_.Stop(); });
  Narrow(w_.stop);
  app::PuzzleGameHooks &hooks = game_.Hooks();
  hooks.showGoal = [this](const play::PuzzleGoalTexts &texts) { Goal(texts); };
  hooks.modeChanged = [this](WindowMode mode) { Follow(mode); };
  game_.OnGridChanged([this] { Tick(); });
}

GameModes::~GameModes() {
  game_.Hooks().showGoal = nullptr;
  game_.Hooks().modeChanged = nullptr;
  w_.router->Unplug(*input_);
}

// Label28 and the two panels: the entry panel's rearrangements and the
// game's progress with its hint and assist buttons.
void GameModes::BuildPanels() {
  modeLabel_ = NamedLabel("Label28", w_.window);
  progressLabel_ = NamedLabel("Label64", w_.window);
  entryPanel_ = ButtonRow("EntryPanel", w_.window);
  connect(AddButton(entryPanel_, "Button15", "全消去"), &QPushButton::clicked, this,
          [this] { game_.ClearAll(); });
  const std::pair<const char *, const char *> names[] = {
      {"Button18", "右回転"}, {"Button23", "左右反転"}, {"Button25", "Ｂ反転"},
      {"Button24", "Ｂ左へ"}, {"Button27", "321"},      {"Button26", "231"}};
  const play::GridTransform transforms[] = {
      play::GridTransform::RotateRight, play::GridTransform::Mirror,
      play::GridTransform::BlocksSwap,  play::GridTransform::BlocksLeft,
      play::GridTransform::Swap321,     play::GridTransform::Cycle231};
  for (std::size_t i = 0; i < std::size(names); ++i) {
    const play::GridTransform t = transforms[i];
    connect(AddButton(entryPanel_, names[i].first, names[i].second), &QPushButton::clicked, this,
            [this, t] { game_.Transform(t); });
  }
  gamePanel_ = ButtonRow("GamePanel", w_.window);
  gamePanel_->layout()->addWidget(progressLabel_);
  connect(AddButton(gamePanel_, "Button20", "ヒント"), &QPushButton::clicked, this,
          [this] { game_.Hint(); });
  connect(AddButton(gamePanel_, "Button46", "アシスト"), &QPushButton::clicked, this,
          [this] { game_.Assist(); });
  for (QWidget *w : {static_cast<QWidget *>(modeLabel_), entryPanel_, gamePanel_})
    w_.status->addWidget(w);
  modeLabel_->hide();
  // The buttons give the focus back to the document at once.
  for (QPushButton *b :
       entryPanel_->findChildren<QPushButton *>() + gamePanel_->findChildren<QPushButton *>()) {
    b->setFocusPolicy(Qt::NoFocus);
    connect(b, &QPushButton::clicked, w_.editor, qOverload<>(&QWidget::setFocus));
  }
}

// The digit popup types its digit into the cell, as the key would.
void GameModes::BuildDigitMenu() {
  digits_ = DigitPopup(w_.window, "SudokuDigitPopup", [this](char key) { game_.Key(key); });
}

play::CellPixels GameModes::Pixels() const {
  const QFontMetrics m(w_.editor->font());
  const int margin = static_cast<int>(w_.editor->document()->documentMargin());
  play::CellPixels px;
  px.lineHeight = m.lineSpacing();
  px.halfWidth = std::max(1, m.horizontalAdvance(QChar(0x3000)) / 2);
  px.tabWidth = std::max(1, session_.Format().format.tabWidth);
  px.left = margin;
  px.top = margin;
  return px;
}

void GameModes::SetGame(bool on, bool ctrlHeld) {
  if (on)
    game_.StartGame(ctrlHeld);
  else
    game_.Stop();
  emit modeChanged();
}

void GameModes::SetEntry(bool on) {
  if (on)
    game_.StartEntry();
  else
    game_.Stop();
  emit modeChanged();
}

// The paused game shows no grid mode: the step display has the window.
void GameModes::Follow(WindowMode mode) {
  if (!app::GridMode(mode))
    mode = WindowMode::None;
  if (mode != shown_) {
    if (shown_ != WindowMode::None)
      Leave();
    if (mode != WindowMode::None)
      Enter(mode);
    emit modeChanged();
  }
  Tick();
}

void GameModes::Enter(WindowMode mode) {
  const bool game = mode == WindowMode::PuzzleGame;
  shown_ = mode;
  savedSize_ = w_.window->size();
  savedMinWidth_ = w_.window->minimumWidth();
  look_.Enter();
  modeLabel_->show();
  w_.stop->show();
  entryPanel_->setVisible(!game);
  gamePanel_->setVisible(game);
  if (game) {
    SetGameView(w_.editor, true, savedWrap_);
    w_.window->setWindowTitle(ToQt(play::GameCaption()));
    clock_->start();
  }
  Tick();
  FitWindow(game);
  w_.editor->setFocus();
}

void GameModes::Leave() {
  const bool game = shown_ == WindowMode::PuzzleGame;
  shown_ = WindowMode::None;
  clock_->stop();
  for (QWidget *w : {static_cast<QWidget *>(modeLabel_), entryPanel_, gamePanel_,
                     static_cast<QWidget *>(w_.stop)})
    w->hide();
  if (game)
    SetGameView(w_.editor, false, savedWrap_);
  w_.window->setMinimumWidth(savedMinWidth_);
  w_.window->setMaximumWidth(QWIDGETSIZE_MAX);
  w_.window->resize(savedSize_);
  look_.Leave([] {});
  // The side panels the game hid take their room back as the window lays
  // itself out again.
  QTimer::singleShot(0, w_.window, [window = w_.window] { PullOntoScreen(window); });
}

// The window grows to show the whole grid; the game locks it to the grid's
// width.
void GameModes::FitWindow(bool game) {
  // The panels the mode hid have to leave the layout before it is measured.
  w_.window->layout()->activate();
  const QFontMetrics m(w_.editor->font());
  const bool title = game_.Cursor().titleVisible;
  const int extraHeight = w_.window->height() - w_.editor->viewport()->height();
  int height =
      std::max(w_.window->height(), extraHeight + play::GridViewHeight(m.lineSpacing(), title));
  if (const QScreen *screen = w_.window->screen())
    height = std::min(height, screen->availableGeometry().height() -
                                  (w_.window->frameGeometry().height() - w_.window->height()));
  if (!game) {
    w_.window->resize(w_.window->width(), height);
    PullOntoScreen(w_.window);
    return;
  }
  int text = 0;
  const play::EntryCursor &c = game_.Cursor();
  for (int row = 0; row < 9; ++row) {
    const std::string &line = w_.memo->Line(play::GridRowLineIndex(c.topLine, row + 1));
    const std::string grid = line.substr(0, c.rowIndents[row].size() + play::kGridRowBytes);
    text = std::max(text, m.horizontalAdvance(ToQt(grid)));
  }
  const int margin = 2 * static_cast<int>(w_.editor->document()->documentMargin());
  // As wide as the grid needs, the status strip's controls and the menus.
  const int width = std::max({w_.window->width() - w_.editor->viewport()->width() + margin +
                                  play::GridViewWidth(text, m.horizontalAdvance(QChar(0x3000))),
                              StripWidth(w_.status), MenuBarWidth(w_.window)});
  w_.window->setMinimumWidth(0);
  w_.window->setFixedWidth(width);
  w_.window->resize(width, height);
  PullOntoScreen(w_.window);
}

void GameModes::Tick() {
  modeLabel_->setText(ToQt(game_.ModeLabel()));
  progressLabel_->setText(ToQt(game_.ProgressText()));
}

// The goal: the clock stops and the dialog congratulates with ＯＫ alone.
void GameModes::Goal(const play::PuzzleGoalTexts &texts) {
  clock_->stop();
  Tick();
  goal_->Congratulate(GoalTexts{ToQt(texts.caption), ToQt(texts.headline), ToQt(texts.timeLine),
                                ToQt(texts.resultLine), QString(), QString(), false});
}

} // namespace zenpa::ui
