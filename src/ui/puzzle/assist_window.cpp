#include "ui/puzzle/assist_window.h"

#include "ui/common/widgets.h"
#include "ui/puzzle/assist_board_view.h"
#include "ui/puzzle/hint_window.h"
#include "ui/qt/qt_text.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace zenpa::ui {
namespace {

constexpr const char *kDigitProperty = "paletteDigit";

bool CtrlHeld() { return (QGuiApplication::keyboardModifiers() & Qt::ControlModifier) != 0; }

} // namespace

AssistWindow::AssistWindow(play::AssistState &state, play::AssistDocument &doc,
                           AssistWindowHooks hooks, QWidget *parent)
    : QWidget(parent, Qt::Tool), state_(state), hooks_(std::move(hooks)) {
  setObjectName("TForm9");
  setWindowTitle(Utf("ZENPA - assist"));
  board_ = new AssistBoardView(state_, doc, this);
  board_->setContextMenuPolicy(Qt::PreventContextMenu);
  auto *layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addWidget(board_);
  BuildControls();
  BuildFinishedRow();
  status_ = NamedLabel("StatusBar1", this);
  status_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  status_->setMinimumHeight(status_->fontMetrics().height() + 4);
  status_->installEventFilter(this);
  layout->addWidget(status_);
  BuildPalette();
  BuildMenu();
  connect(board_, &AssistBoardView::clicked, this, [this](bool openPalette, QPoint at) {
    if (openPalette) {
      OpenPalette(at);
      return;
    }
    palette_->hide();
    Finish();
  });
  connect(board_, &AssistBoardView::keyForDocument, this, [this](QKeyEvent *event) {
    hooks_.forwardKey(event);
    Finish();
  });
  TakeOptions();
}

void AssistWindow::BuildControls() {
  auto *buttons = new QHBoxLayout;
  auto *big = NamedButton("Big", "大", this);
  auto *small = NamedButton("Small", "小", this);
  auto *stop = NamedButton("Button16", "やめる", this);
  for (QPushButton *b : {big, small, stop}) {
    b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    buttons->addWidget(b);
  }
  buttons->addStretch();
  auto *boxes = new QHBoxLayout;
  auto_ = NamedCheck("CheckBox1", "自動", this);
  hint_ = NamedCheck("CheckBox2", "ヒント", this);
  answer_ = NamedCheck("CheckBox3", "すぐに答え", this);
  for (QCheckBox *b : {auto_, hint_, answer_})
    boxes->addWidget(b);
  boxes->addStretch();
  static_cast<QVBoxLayout *>(layout())->addLayout(buttons);
  static_cast<QVBoxLayout *>(layout())->addLayout(boxes);
  connect(big, &QPushButton::clicked, this, [this] { SetSize(play::BoardSize::Big); });
  connect(small, &QPushButton::clicked, this, [this] { SetSize(play::BoardSize::Small); });
  connect(stop, &QPushButton::clicked, this, [this] {
    hooks_.stop();
    Finish();
  });
  connect(auto_, &QCheckBox::clicked, this, [this] {
    hooks_.refreshHints();
    Redraw();
    Finish();
  });
  connect(hint_, &QCheckBox::clicked, this, &AssistWindow::HintBoxChanged);
  connect(answer_, &QCheckBox::clicked, this, &AssistWindow::HintBoxChanged);
}

void AssistWindow::BuildFinishedRow() {
  finishedRow_ = new QWidget(this);
  auto *row = new QHBoxLayout(finishedRow_);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(1);
  row->addStretch();
  static const char *const kCaptions[9] = {"１", "２", "３", "４", "５", "６", "７", "８", "９"};
  for (int d = 1; d <= 9; ++d) {
    const QByteArray name = "n" + QByteArray::number(d);
    QPushButton *panel = NamedButton(name.constData(), kCaptions[d - 1], finishedRow_);
    panel->setCheckable(true);
    panel->setFixedWidth(panel->fontMetrics().horizontalAdvance(panel->text()) + 12);
    panel->setAccessibleName(panel->text());
    finished_[d - 1] = panel;
    row->addWidget(panel);
    connect(panel, &QPushButton::clicked, this, [this, d] {
      state_.ToggleFinished(d);
      palette_->hide();
      SyncPanels();
      Finish();
    });
  }
  row->addStretch();
  static_cast<QVBoxLayout *>(layout())->addWidget(finishedRow_);
}

QPushButton *AssistWindow::PaletteButton(const char *name, const char *caption, int digit) {
  QPushButton *button = NamedButton(name, caption, palette_);
  button->setFixedWidth(button->fontMetrics().horizontalAdvance(button->text()) + 16);
  button->setProperty(kDigitProperty, digit);
  // The right button notes a digit; it never opens the window's menu.
  button->setContextMenuPolicy(Qt::PreventContextMenu);
  button->installEventFilter(this);
  connect(button, &QPushButton::clicked, this,
          [this, digit] { PressPalette(digit, false, CtrlHeld()); });
  return button;
}

void AssistWindow::BuildPalette() {
  palette_ = new QFrame(this);
  palette_->setObjectName("Panel1");
  palette_->setFrameStyle(QFrame::Panel | QFrame::Raised);
  palette_->setAutoFillBackground(true);
  palette_->setContextMenuPolicy(Qt::PreventContextMenu);
  auto *grid = new QGridLayout(palette_);
  grid->setSpacing(1);
  grid->addWidget(NamedLabel("PaletteTitle", palette_, Utf("ヒントは右click")), 0, 0, 1, 3);
  static const char *const kDigits[9] = {"1", "2", "3", "4", "5", "6", "7", "8", "9"};
  for (int d = 1; d <= 9; ++d) {
    const QByteArray name = "P" + QByteArray::number(d);
    grid->addWidget(PaletteButton(name.constData(), kDigits[d - 1], d), 1 + (d - 1) / 3,
                    (d - 1) % 3);
  }
  grid->addWidget(PaletteButton("P0", "消す", 0), 4, 0);
  QPushButton *back = NamedButton("Pr", "＜", palette_);
  QPushButton *forward = NamedButton("Pf", "＞", palette_);
  for (QPushButton *b : {back, forward})
    b->setFixedWidth(b->fontMetrics().horizontalAdvance(b->text()) + 16);
  grid->addWidget(back, 4, 1);
  grid->addWidget(forward, 4, 2);
  connect(back, &QPushButton::clicked, this, [this] { Step(hooks_.stepBack); });
  connect(forward, &QPushButton::clicked, this, [this] { Step(hooks_.stepForward); });
  palette_->adjustSize();
  palette_->hide();
}

void AssistWindow::BuildMenu() {
  menu_ = new QMenu(this);
  const auto item = [this](const char *name, const char *caption, auto action) {
    QAction *a = menu_->addAction(Utf(caption));
    a->setObjectName(name);
    connect(a, &QAction::triggered, this, [this, action] {
      action();
      Redraw();
      Finish();
    });
  };
  item("htinit", "ヒント初期化(&H)", [this] { state_.ClearNotes(); });
  item("chinit", "解けた数字初期化((&N)", [this] {
    state_.ResetFinished();
    SyncPanels();
  });
  item("sikaku", "■カーソル On,Off(&C)", [this] { state_.ToggleCursorShown(); });
  item("hisigata", "◆マーク On,Off(&M)", [this] { state_.ToggleMarksShown(); });
}

void AssistWindow::OpenPalette(QPoint boardPoint) {
  const QPoint at = board_->mapTo(this, boardPoint);
  palette_->adjustSize();
  const play::BoardPoint place = play::PalettePlace(
      {at.x(), at.y()}, {palette_->width(), palette_->height()}, {width(), height()});
  palette_->move(place.x, place.y);
  palette_->show();
  palette_->raise();
  Finish();
}

void AssistWindow::PressPalette(int digit, bool right, bool ctrl) {
  const bool continuous = hooks_.options().continuousHint;
  if (!state_.PressPalette(digit, right, ctrl, continuous, board_->Doc()))
    palette_->hide();
  Redraw();
  Finish();
}

void AssistWindow::Step(const std::function<void()> &step) {
  step();
  if (!CtrlHeld())
    palette_->hide();
  Redraw();
  Finish();
}

void AssistWindow::SetSize(play::BoardSize size) {
  size_ = size;
  palette_->hide();
  Redraw();
  Finish();
}

void AssistWindow::HintBoxChanged() {
  state_.SetHintLayerShown(HintLayerShown());
  if (HintLayerShown())
    hooks_.refreshHints();
  Redraw();
  Finish();
}

bool AssistWindow::HintLayerShown() const { return hint_->isChecked() || answer_->isChecked(); }

void AssistWindow::TakeOptions() {
  const settings::AssistOptions &o = hooks_.options();
  hint_->setChecked(o.autoHint);
  answer_->setChecked(o.answerAtOnce);
  state_.SetHintLayerShown(HintLayerShown());
}

void AssistWindow::GameStarted() {
  TakeOptions();
  status_->show();
}

void AssistWindow::GameCompleted() {
  state_.ClosePalette();
  palette_->hide();
  status_->hide();
}

void AssistWindow::Redraw() {
  const settings::AssistOptions &o = hooks_.options();
  const play::BoardColours colours = play::ColoursFor(o, hooks_.fontColour());
  board_->Show(play::GeometryFor(hooks_.fontHeight(), size_), colours, o.circledDigits);
  QPalette pal = palette_->palette();
  pal.setColor(QPalette::Window,
               colours.palette ? ColourOf(*colours.palette) : palette().color(QPalette::Window));
  palette_->setPalette(pal);
  finishedRow_->setVisible(hooks_.gameOn());
  status_->setText(ToQt(hooks_.statusText()));
  SyncPanels();
}

void AssistWindow::SyncPanels() {
  for (int d = 1; d <= 9; ++d) {
    QPushButton *panel = finished_[d - 1];
    panel->setChecked(state_.Finished(d));
    panel->setStyleSheet(state_.Finished(d) ? "color: #C0C0C0" : "color: black");
  }
}

void AssistWindow::Finish() { hooks_.focusDocument(); }

void AssistWindow::ShowTopmost(bool topmost) {
  SetTopmost(this, topmost);
  Redraw();
  show();
}

void AssistWindow::showEvent(QShowEvent *event) {
  Redraw();
  QWidget::showEvent(event);
}

void AssistWindow::closeEvent(QCloseEvent *event) {
  palette_->hide();
  SetTopmost(this, false);
  QWidget::closeEvent(event);
}

void AssistWindow::contextMenuEvent(QContextMenuEvent *event) { menu_->popup(event->globalPos()); }

// Right clicks on the palette's buttons, and Ctrl or Shift clicks on the
// status panel.
bool AssistWindow::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() != QEvent::MouseButtonPress)
    return QWidget::eventFilter(watched, event);
  auto *mouse = static_cast<QMouseEvent *>(event);
  const bool ctrl = (mouse->modifiers() & Qt::ControlModifier) != 0;
  if (watched == status_) {
    if (ctrl)
      state_.ToggleCursorShown();
    else if ((mouse->modifiers() & Qt::ShiftModifier) != 0)
      state_.ToggleMarksShown();
    board_->update();
    Finish();
    return true;
  }
  const QVariant digit = watched->property(kDigitProperty);
  if (mouse->button() != Qt::RightButton || !digit.isValid())
    return QWidget::eventFilter(watched, event);
  PressPalette(digit.toInt(), true, ctrl);
  return true;
}

} // namespace zenpa::ui
