#include "ui/puzzle/puzzle_widgets.h"

#include "ui/qt/qt_canvas.h"
#include "ui/qt/qt_text.h"

#include <algorithm>

#include <QBoxLayout>
#include <QFrame>
#include <QGridLayout>
#include <QMouseEvent>
#include <QProgressBar>

namespace zenpa::ui {

ClickLabel::ClickLabel(const char *name, const char *caption, QWidget *parent)
    : QLabel(Utf(caption), parent) {
  setObjectName(name);
  setCursor(Qt::PointingHandCursor);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit clicked();
}

void ArrowRangeSpin::stepBy(int steps) {
  setValue(std::clamp(value() + steps, std::min(lo_, value()), std::max(hi_, value())));
}

QAbstractSpinBox::StepEnabled ArrowRangeSpin::stepEnabled() const {
  StepEnabled enabled = StepNone;
  if (value() < hi_)
    enabled |= StepUpEnabled;
  if (value() > lo_)
    enabled |= StepDownEnabled;
  return enabled;
}

void ClickLabel::enterEvent(QEnterEvent *event) {
  QLabel::enterEvent(event);
  emit hovered(true);
}

void ClickLabel::leaveEvent(QEvent *event) {
  QLabel::leaveEvent(event);
  emit hovered(false);
}

QSpinBox *AddLabelledSpin(QBoxLayout *layout, const char *name, const char *caption, int lo, int hi,
                          QSpinBox *spin) {
  if (!spin)
    spin = new QSpinBox;
  spin->setObjectName(name);
  spin->setRange(lo, hi);
  if (caption[0] != '\0') {
    auto *label = new QLabel(Utf(caption));
    label->setBuddy(spin);
    layout->addWidget(label);
  }
  layout->addWidget(spin);
  return spin;
}

QVBoxLayout *PanelLayout(QFrame *panel, const char *name) {
  panel->setObjectName(name);
  panel->setFrameShape(QFrame::StyledPanel);
  auto *box = new QVBoxLayout(panel);
  SetPanelMargins(box);
  box->setSpacing(2);
  return box;
}

void SetPanelMargins(QLayout *layout) { layout->setContentsMargins(6, 2, 6, 2); }

QGridLayout *PanelGrid() {
  auto *grid = new QGridLayout;
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(2);
  return grid;
}

QPushButton *AddTitleRow(QBoxLayout *layout, std::initializer_list<QWidget *> title,
                         const char *closeName, QWidget *parent) {
  auto *row = new QHBoxLayout;
  for (QWidget *w : title)
    row->addWidget(w);
  row->addStretch();
  QPushButton *close = NamedButton(closeName, "×", parent);
  close->setFixedWidth(24);
  row->addWidget(close);
  layout->addLayout(row);
  return close;
}

QString BackgroundStyle(std::uint32_t bgr) { return "background: " + ColorOfBgr(bgr).name() + ";"; }

QString ForegroundStyle(std::uint32_t bgr) { return "color: " + ColorOfBgr(bgr).name() + ";"; }

void BindSwitch(QCheckBox *box, app::PuzzleCommands &puzzle, bool settings::PuzzleOptions::*field) {
  QObject::connect(box, &QCheckBox::toggled, box, [&puzzle, field](bool on) {
    puzzle.Options().*field = on;
    puzzle.SettingsChanged();
  });
}

QProgressBar *SlimProgressBar(const char *name, QWidget *parent) {
  auto *bar = new QProgressBar(parent);
  bar->setObjectName(name);
  bar->setTextVisible(false);
  bar->setMaximumHeight(12);
  return bar;
}

void SetLabelText(QLabel *label, const std::string &sjis) {
  const QString text = ToQt(sjis);
  if (label->text() != text)
    label->setText(text);
}

} // namespace zenpa::ui
