#include "ui/print/frame_panel.h"

#include "ui/common/widgets.h"
#include "ui/print/field_spin.h"
#include "ui/qt/qt_text.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace zenpa::ui {
namespace {

QColor ColourOf(base::Colour bgr) {
  return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

} // namespace

VerticalCaption::VerticalCaption(const QString &caption, QWidget *parent)
    : QWidget(parent), caption_(caption) {
  setObjectName("frameColourPanel");
  setAccessibleName(caption);
  setCursor(Qt::PointingHandCursor);
}

void VerticalCaption::SetColour(const QColor &colour) {
  colour_ = colour;
  update();
}

QSize VerticalCaption::sizeHint() const {
  const QFontMetrics fm = fontMetrics();
  return {fm.horizontalAdvance(QChar(0x6F22)) + 6, fm.height() * int(caption_.size()) + 6};
}

void VerticalCaption::paintEvent(QPaintEvent *) {
  QPainter p(this);
  p.fillRect(rect(), colour_);
  p.setPen(colour_.lightness() < 128 ? Qt::white : Qt::black);
  const QFontMetrics fm = fontMetrics();
  const int y0 = (height() - fm.height() * int(caption_.size())) / 2;
  for (qsizetype i = 0; i < caption_.size(); ++i) {
    const QRect cell(0, y0 + int(i) * fm.height(), width(), fm.height());
    p.drawText(cell, Qt::AlignCenter, caption_.mid(i, 1));
  }
}

void VerticalCaption::mouseReleaseEvent(QMouseEvent *event) {
  if (rect().contains(event->position().toPoint()))
    emit clicked();
}

FramePanel::FramePanel(app::PrintSettings &settings, QWidget *parent)
    : QWidget(parent), settings_(settings) {
  setObjectName("framePanel");
  auto *grid = new QGridLayout;
  grid->setSpacing(2);
  using F = print::FormatField;
  const std::tuple<const char *, const char *, F> rows[] = {
      {"frameLeftEdit", "枠左", F::FrameLeft},
      {"frameTopEdit", "枠上", F::FrameTop},
      {"frameWidthEdit", "枠幅", F::FrameWidth},
      {"frameHeightEdit", "枠高", F::FrameHeight}};
  int row = 0;
  for (const auto &[name, caption, field] : rows) {
    FieldSpin *spin = MakeField(settings, field, name, caption, "0000", this);
    AddFieldRow(grid, row++, caption, spin, "mm");
    fields_.emplace_back(spin, field);
  }
  printed_ = NamedCheck("CheckBoxWakuP", "枠印刷", this);
  auto *close = NamedButton("frameCloseButton", "×", this);
  close->setAccessibleName(Utf("×"));
  close->setFixedWidth(close->sizeHint().height() + 8);
  grid->addWidget(printed_, row, 0, 1, 2);
  grid->addWidget(close, row, 2);
  colour_ = new VerticalCaption(Utf("用紙端・枠色"), this);
  auto *box = new QHBoxLayout(this);
  box->setContentsMargins(0, 0, 0, 0);
  box->addLayout(grid);
  box->addWidget(colour_);
  connect(printed_, &QCheckBox::toggled, this,
          [this](bool on) { settings_.SetFlag(&settings::PrintFormat::framePrinted, on); });
  connect(close, &QPushButton::clicked, this, &FramePanel::closeRequested);
  connect(colour_, &VerticalCaption::clicked, this, [this] { settings_.ChooseFrameColour(); });
}

void FramePanel::Refresh() {
  for (const auto &[spin, field] : fields_)
    spin->ShowHeld(ToQt(settings_.Text(field)));
  const QSignalBlocker block(printed_);
  printed_->setChecked(settings_.Format().framePrinted);
  colour_->SetColour(ColourOf(settings_.FrameColour()));
}

} // namespace zenpa::ui
