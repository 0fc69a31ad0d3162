#include "ui/print/print_status_panel.h"

#include "ui/common/widgets.h"
#include "ui/qt/qt_text.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

namespace zenpa::ui {
namespace {

// A page field wide enough for three digits and the frame.
QLineEdit *NamedField(QWidget *parent, const char *name, int value) {
  auto *field = new QLineEdit(QString::number(value), parent);
  field->setObjectName(name);
  field->setMaxLength(3);
  field->setAlignment(Qt::AlignRight);
  field->setFixedWidth(field->fontMetrics().horizontalAdvance("0000") + 12);
  return field;
}

QLabel *Caption(QWidget *parent, const char *utf8, QWidget *field = nullptr) {
  auto *label = new QLabel(Utf(utf8), parent);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  // The caption names its field for screen readers and, with a mnemonic,
  // takes Alt+letter to it.
  if (field)
    label->setBuddy(field);
  return label;
}

// A figure with its unit, e.g. "4.2" and "mm".
void AddFigure(QGridLayout *grid, int row, int column, const char *caption, QLabel *value) {
  QWidget *parent = value->parentWidget();
  value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  value->setMinimumWidth(value->fontMetrics().horizontalAdvance("000.0"));
  grid->addWidget(Caption(parent, caption), row, column);
  grid->addWidget(value, row, column + 1);
  grid->addWidget(new QLabel(Utf("mm"), parent), row, column + 2);
}

// The green tick shown while the layout fits the paper.
QPixmap CheckMarkPixmap(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0, 150, 60), size / 6.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  QPainterPath tick;
  tick.moveTo(size * 0.15, size * 0.55);
  tick.lineTo(size * 0.42, size * 0.8);
  tick.lineTo(size * 0.85, size * 0.2);
  p.drawPath(tick);
  return pixmap;
}

QFrame *Separator(QWidget *parent) {
  auto *line = new QFrame(parent);
  line->setFrameShape(QFrame::VLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}

} // namespace

PrintStatusPanel::PrintStatusPanel(print::PrintStatus &status, QWidget *parent)
    : QWidget(parent), status_(status) {
  setObjectName("printStatusPanel");
  auto *row = new QHBoxLayout(this);
  row->setContentsMargins(4, 3, 4, 3);
  row->setSpacing(4);
  row->addLayout(BuildFigures());
  row->addWidget(Separator(this));
  row->addLayout(BuildMessages(), 1);
  row->addWidget(Separator(this));
  row->addLayout(BuildRange());
  row->addWidget(Separator(this));
  row->addLayout(BuildButtons());
  caret_ = NamedLabel("caretLabel", this);
  ConnectRange();
  ConnectButtons();
}

// Paper, maximum lines, pitches and the margins left around the text.
QGridLayout *PrintStatusPanel::BuildFigures() {
  paper_ = NamedLabel("paperLabel", this);
  maxLines_ = NamedLabel("maxLinesLabel", this);
  linePitch_ = NamedLabel("linePitchLabel", this);
  charPitch_ = NamedLabel("charPitchLabel", this);
  rightMargin_ = NamedLabel("rightMarginLabel", this);
  bottomMargin_ = NamedLabel("bottomMarginLabel", this);
  topWithHeader_ = NamedLabel("topWithHeaderLabel", this);
  auto *grid = new QGridLayout;
  grid->setHorizontalSpacing(4);
  grid->setVerticalSpacing(2);
  grid->addWidget(paper_, 0, 0, 1, 3);
  grid->addWidget(maxLines_, 0, 3, 1, 3);
  AddFigure(grid, 1, 0, "行送り", linePitch_);
  AddFigure(grid, 1, 3, "字送り", charPitch_);
  AddFigure(grid, 2, 0, "右余白", rightMargin_);
  AddFigure(grid, 2, 3, "下余白", bottomMargin_);
  AddFigure(grid, 3, 0, "上余白", topWithHeader_);
  grid->setRowStretch(4, 1);
  return grid;
}

// The check mark, or the warnings; the report after printing; the offsets
// the printer reported at setup.
QGridLayout *PrintStatusPanel::BuildMessages() {
  tooWide_ = NamedLabel("tooWideLabel", this, ToQt(print::TooWideText()));
  tooLong_ = NamedLabel("tooLongLabel", this, ToQt(print::TooLongText()));
  atMaxLines_ = NamedLabel("atMaxLinesLabel", this, ToQt(print::PrintsAtMaxLinesText()));
  checkMark_ = NamedLabel("checkMarkImage", this);
  checkMark_->setPixmap(CheckMarkPixmap(fontMetrics().height() * 2));
  report1_ = NamedLabel("reportLabel1", this);
  report2_ = NamedLabel("reportLabel2", this);
  offsets_ = NamedLabel("offsetLabel", this);
  for (QLabel *warning : {tooWide_, tooLong_, atMaxLines_})
    warning->setStyleSheet("color: #c00000;");
  report1_->setStyleSheet("color: #0040c0;");
  // Long messages wrap, so the row keeps to the window's width.
  for (QLabel *l : {tooWide_, tooLong_, atMaxLines_, report1_, report2_, offsets_})
    l->setWordWrap(true);
  auto *grid = new QGridLayout;
  grid->setVerticalSpacing(2);
  grid->addWidget(checkMark_, 0, 0, 3, 1, Qt::AlignLeft | Qt::AlignTop);
  int row = 0;
  for (QLabel *l : {tooWide_, tooLong_, atMaxLines_, report1_, report2_, offsets_})
    grid->addWidget(l, row++, 1);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(row, 1);
  return grid;
}

// 開始頁, 終了頁 with its hint, 部数, and the pass buttons of manual duplex.
QGridLayout *PrintStatusPanel::BuildRange() {
  const print::PageRange &r = status_.range;
  startPage_ = NamedField(this, "startPageEdit", r.startPage());
  endPage_ = NamedField(this, "endPageEdit", r.endPage());
  copies_ = NamedField(this, "copiesEdit", r.copies());
  endPageHint_ = NamedLabel("endPageHintLabel", this);
  oddPass_ = new QRadioButton(Utf("奇数頁"), this);
  oddPass_->setObjectName("oddPassButton");
  oddPass_->setChecked(true);
  evenPass_ = new QRadioButton(Utf("偶数頁"), this);
  evenPass_->setObjectName("evenPassButton");
  auto *passes = new QButtonGroup(this);
  passes->addButton(oddPass_);
  passes->addButton(evenPass_);
  auto *grid = new QGridLayout;
  grid->setHorizontalSpacing(4);
  grid->setVerticalSpacing(2);
  // The end page beside the start page and its hint under it; the copies
  // below the start page: Tab goes start, end, copies as the row reads.
  grid->addWidget(Caption(this, "開始頁", startPage_), 0, 0);
  grid->addWidget(startPage_, 0, 1);
  grid->addWidget(Caption(this, "終了頁", endPage_), 0, 2);
  grid->addWidget(endPage_, 0, 3);
  grid->addWidget(Caption(this, "部数", copies_), 1, 0);
  grid->addWidget(copies_, 1, 1);
  grid->addWidget(endPageHint_, 1, 2, 1, 2);
  grid->addWidget(oddPass_, 2, 0, 1, 2);
  grid->addWidget(evenPass_, 2, 2, 1, 2);
  grid->setRowStretch(3, 1);
  return grid;
}

QGridLayout *PrintStatusPanel::BuildButtons() {
  // Made in the order they are laid out, so that Tab follows the rows.
  print_ = NamedButton("Button1", "印　刷", this);
  printerSetup_ = NamedButton("Button2", "プリンタ設定", this);
  previous_ = NamedButton("Button6", "前頁", this);
  next_ = NamedButton("Button5", "次頁", this);
  pageBreak_ = NamedButton("Button4", "改頁", this);
  layoutButton_ = NamedButton("Button7", "レイアウト", this);
  QFont bold = print_->font();
  bold.setBold(true);
  print_->setFont(bold);
  auto *grid = new QGridLayout;
  grid->setSpacing(3);
  grid->addWidget(print_, 0, 0);
  grid->addWidget(printerSetup_, 0, 1);
  grid->addWidget(previous_, 1, 0);
  grid->addWidget(next_, 1, 1);
  grid->addWidget(pageBreak_, 2, 0);
  grid->addWidget(layoutButton_, 2, 1);
  grid->setRowStretch(3, 1);
  return grid;
}

void PrintStatusPanel::ConnectRange() {
  connect(startPage_, &QLineEdit::editingFinished, this,
          [this] { ApplyField(startPage_, &print::PageRange::EnterStartPage); });
  connect(endPage_, &QLineEdit::editingFinished, this,
          [this] { ApplyField(endPage_, &print::PageRange::EnterEndPage); });
  connect(copies_, &QLineEdit::editingFinished, this,
          [this] { ApplyField(copies_, &print::PageRange::EnterCopies); });
  connect(evenPass_, &QRadioButton::toggled, this, [this](bool on) {
    status_.range.SetEvenPass(on);
    emit rangeChanged();
  });
}

void PrintStatusPanel::ConnectButtons() {
  connect(print_, &QPushButton::clicked, this, &PrintStatusPanel::printRequested);
  connect(printerSetup_, &QPushButton::clicked, this, &PrintStatusPanel::printerSetupRequested);
  connect(pageBreak_, &QPushButton::clicked, this, &PrintStatusPanel::pageBreakRequested);
  connect(layoutButton_, &QPushButton::clicked, this, &PrintStatusPanel::layoutRequested);
  connect(next_, &QPushButton::clicked, this, [this] {
    const Qt::KeyboardModifiers mods = QApplication::keyboardModifiers();
    emit nextPageRequested(mods & Qt::ShiftModifier, mods & Qt::ControlModifier);
  });
  connect(previous_, &QPushButton::clicked, this, [this] {
    emit previousPageRequested(QApplication::keyboardModifiers() & Qt::ShiftModifier);
  });
}

void PrintStatusPanel::ApplyField(QLineEdit *field,
                                  std::string (print::PageRange::*enter)(std::string_view)) {
  const std::string shown = (status_.range.*enter)(FromQt(field->text()));
  field->setText(ToQt(shown));
  // The start page may have pulled the end page along.
  endPage_->setText(QString::number(status_.range.endPage()));
  emit rangeChanged();
}

void PrintStatusPanel::ChooseEvenPass() { evenPass_->setChecked(true); }

void PrintStatusPanel::Refresh(const settings::PrintFormat &format, bool realtimeLayout) {
  const print::LayoutLabels &l = status_.labels();
  paper_->setText(ToQt(l.paper));
  maxLines_->setText(ToQt(l.maxLines));
  linePitch_->setText(ToQt(l.linePitch));
  charPitch_->setText(ToQt(l.charPitch));
  rightMargin_->setText(ToQt(l.rightMargin));
  bottomMargin_->setText(ToQt(l.bottomMargin));
  topWithHeader_->setText(QString::number(l.topWithHeaderMm));
  tooWide_->setVisible(l.tooWide);
  tooLong_->setVisible(l.tooLong);
  atMaxLines_->setVisible(l.printsAtMaxLines);
  checkMark_->setVisible(status_.CheckMarkVisible());
  endPageHint_->setText(ToQt(status_.endPageLabel()));
  report1_->setText(ToQt(status_.report().line1));
  report2_->setText(ToQt(status_.report().line2));
  report1_->setVisible(status_.reportVisible());
  report2_->setVisible(status_.reportVisible() && !status_.report().line2.empty());
  offsets_->setText(ToQt(status_.offsetText()));
  offsets_->setVisible(status_.offsetVisible());
  caret_->setText(ToQt(status_.caretText()));
  const bool passes = print::PrintStatus::PassButtonsVisible(format);
  oddPass_->setVisible(passes);
  evenPass_->setVisible(passes);
  layoutButton_->setVisible(!realtimeLayout);
}

} // namespace zenpa::ui
