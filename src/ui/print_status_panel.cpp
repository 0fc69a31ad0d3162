#include "ui/print_status_panel.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "base/sjis.h"

namespace zenpa::ui {
namespace {

QString FromSjis(std::string_view sjis) {
  const std::u16string u = base::SjisToUtf16(sjis);
  return QString::fromUtf16(u.data(), static_cast<qsizetype>(u.size()));
}

std::string ToSjis(const QString &text) {
  return base::Utf16ToSjis(std::u16string_view(reinterpret_cast<const char16_t *>(text.utf16()),
                                               static_cast<std::size_t>(text.size())));
}

QLabel *NamedLabel(QWidget *parent, const char *name, const QString &text = {}) {
  auto *label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

QPushButton *NamedButton(QWidget *parent, const char *name, const char *utf8Caption) {
  auto *button = new QPushButton(QString::fromUtf8(utf8Caption), parent);
  button->setObjectName(name);
  return button;
}

QLineEdit *NamedField(QWidget *parent, const char *name, const QString &text) {
  auto *field = new QLineEdit(text, parent);
  field->setObjectName(name);
  return field;
}

} // namespace

PrintStatusPanel::PrintStatusPanel(print::PrintStatus &status, QWidget *parent)
    : QWidget(parent), status_(status) {
  setObjectName("printStatusPanel");
  BuildLabels();
  BuildFields();
  BuildButtons();
}

void PrintStatusPanel::BuildLabels() {
  paper_ = NamedLabel(this, "paperLabel");
  maxLines_ = NamedLabel(this, "maxLinesLabel");
  linePitch_ = NamedLabel(this, "linePitchLabel");
  charPitch_ = NamedLabel(this, "charPitchLabel");
  rightMargin_ = NamedLabel(this, "rightMarginLabel");
  bottomMargin_ = NamedLabel(this, "bottomMarginLabel");
  topWithHeader_ = NamedLabel(this, "topWithHeaderLabel");
  tooWide_ = NamedLabel(this, "tooWideLabel", FromSjis(print::TooWideText()));
  tooLong_ = NamedLabel(this, "tooLongLabel", FromSjis(print::TooLongText()));
  atMaxLines_ = NamedLabel(this, "atMaxLinesLabel", FromSjis(print::PrintsAtMaxLinesText()));
  checkMark_ = NamedLabel(this, "checkMarkImage", QString::fromUtf8("✔"));
  endPageHint_ = NamedLabel(this, "endPageHintLabel");
  report1_ = NamedLabel(this, "reportLabel1");
  report2_ = NamedLabel(this, "reportLabel2");
  caret_ = NamedLabel(this, "caretLabel");
  auto *grid = new QGridLayout(this);
  int row = 0;
  for (QLabel *l :
       {paper_, maxLines_, linePitch_, charPitch_, rightMargin_, bottomMargin_, topWithHeader_,
        tooWide_, tooLong_, atMaxLines_, checkMark_, report1_, report2_, caret_}) {
    grid->addWidget(l, row++, 0, 1, 3);
  }
}

void PrintStatusPanel::BuildFields() {
  auto *grid = static_cast<QGridLayout *>(layout());
  const print::PageRange &r = status_.range;
  startPage_ = NamedField(this, "startPageEdit", QString::number(r.startPage()));
  endPage_ = NamedField(this, "endPageEdit", QString::number(r.endPage()));
  copies_ = NamedField(this, "copiesEdit", QString::number(r.copies()));
  oddPass_ = new QRadioButton(QString::fromUtf8("奇数頁"), this);
  oddPass_->setObjectName("oddPassButton");
  oddPass_->setChecked(true);
  evenPass_ = new QRadioButton(QString::fromUtf8("偶数頁"), this);
  evenPass_->setObjectName("evenPassButton");
  const int row = grid->rowCount();
  grid->addWidget(new QLabel(QString::fromUtf8("開始頁"), this), row, 0);
  grid->addWidget(startPage_, row, 1);
  grid->addWidget(new QLabel(QString::fromUtf8("終了頁"), this), row + 1, 0);
  grid->addWidget(endPage_, row + 1, 1);
  grid->addWidget(endPageHint_, row + 1, 2);
  grid->addWidget(new QLabel(QString::fromUtf8("部数"), this), row + 2, 0);
  grid->addWidget(copies_, row + 2, 1);
  grid->addWidget(oddPass_, row + 3, 0);
  grid->addWidget(evenPass_, row + 3, 1);
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

void PrintStatusPanel::BuildButtons() {
  auto *grid = static_cast<QGridLayout *>(layout());
  auto *pageBreak = NamedButton(this, "Button4", "改頁");
  auto *next = NamedButton(this, "Button5", "次頁");
  auto *previous = NamedButton(this, "Button6", "前頁");
  layoutButton_ = NamedButton(this, "Button7", "レイアウト");
  const int row = grid->rowCount();
  grid->addWidget(pageBreak, row, 0);
  grid->addWidget(previous, row, 1);
  grid->addWidget(next, row, 2);
  grid->addWidget(layoutButton_, row + 1, 0);
  connect(pageBreak, &QPushButton::clicked, this, &PrintStatusPanel::pageBreakRequested);
  connect(layoutButton_, &QPushButton::clicked, this, &PrintStatusPanel::layoutRequested);
  connect(next, &QPushButton::clicked, this, [this] {
    const Qt::KeyboardModifiers mods = QApplication::keyboardModifiers();
    emit nextPageRequested(mods & Qt::ShiftModifier, mods & Qt::ControlModifier);
  });
  connect(previous, &QPushButton::clicked, this, [this] {
    emit previousPageRequested(QApplication::keyboardModifiers() & Qt::ShiftModifier);
  });
}

void PrintStatusPanel::ApplyField(QLineEdit *field,
                                  std::string (print::PageRange::*enter)(std::string_view)) {
  const std::string shown = (status_.range.*enter)(ToSjis(field->text()));
  field->setText(FromSjis(shown));
  // The start page may have pulled the end page along.
  endPage_->setText(QString::number(status_.range.endPage()));
  emit rangeChanged();
}

void PrintStatusPanel::Refresh(const print::PrintFormat &format, bool realtimeLayout) {
  const print::LayoutLabels &l = status_.labels();
  paper_->setText(FromSjis(l.paper));
  maxLines_->setText(FromSjis(l.maxLines));
  linePitch_->setText(FromSjis(l.linePitch));
  charPitch_->setText(FromSjis(l.charPitch));
  rightMargin_->setText(FromSjis(l.rightMargin));
  bottomMargin_->setText(FromSjis(l.bottomMargin));
  topWithHeader_->setText(QString::number(l.topWithHeaderMm));
  tooWide_->setVisible(l.tooWide);
  tooLong_->setVisible(l.tooLong);
  atMaxLines_->setVisible(l.printsAtMaxLines);
  checkMark_->setVisible(status_.CheckMarkVisible());
  endPageHint_->setText(FromSjis(status_.endPageLabel()));
  report1_->setText(FromSjis(status_.report().line1));
  report2_->setText(FromSjis(status_.report().line2));
  report1_->setVisible(status_.reportVisible());
  report2_->setVisible(status_.reportVisible());
  caret_->setText(FromSjis(status_.caretText()));
  const bool passes = print::PrintStatus::PassButtonsVisible(format);
  oddPass_->setVisible(passes);
  evenPass_->setVisible(passes);
  layoutButton_->setVisible(!realtimeLayout);
}

} // namespace zenpa::ui
