#include "ui/print/mark_dialogs.h"

#include "print/mark_insertion.h"
#include "ui/common/widgets.h"
#include "ui/qt/qt_text.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace zenpa::ui {
namespace {

// The base font at a size whose drawn text stands `height` pixels tall: a
// glyph fills less than its em, so the em grows by what the ink falls short.
QFont FontDrawnAt(const QFont &base, int height, const QString &text) {
  QFont font = base;
  font.setPixelSize(std::max(1, height));
  const int ink = QFontMetrics(font).tightBoundingRect(text).height();
  if (ink > 0)
    font.setPixelSize(std::max(1, (height * height + ink / 2) / ink));
  return font;
}

} // namespace

// A few lines of text drawn as bars, with the gap the spacing gives.
class SpacingPicture : public QWidget {
public:
  explicit SpacingPicture(QWidget *parent) : QWidget(parent) {
    setObjectName("SpacingPicture");
    setFixedSize(120, 90);
  }
  void SetGap(int gap) {
    gap_ = gap;
    update();
  }

protected:
  void paintEvent(QPaintEvent *) override {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(Qt::gray);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    constexpr int kBar = 8;
    for (int y = 6; y + kBar < height() - 4; y += kBar + gap_) {
      p.fillRect(8, y, width() - 16, kBar, Qt::darkGray);
      if (gap_ <= 0)
        break; // lines on top of each other: one bar
    }
  }

private:
  int gap_ = 15;
};

MarkDialog::MarkDialog(const char *name, const char *caption, app::MarkCommands &marks,
                       QWidget *parent)
    : QDialog(parent), marks_(marks) {
  setObjectName(name);
  setWindowTitle(Utf(caption));
  auto *column = new QVBoxLayout(this);
  body_ = new QVBoxLayout;
  column->addLayout(body_);
  auto *buttons = new QHBoxLayout;
  buttons->addStretch();
  QPushButton *ok = NamedButton("OKButton", "OK", this);
  ok->setDefault(true);
  QPushButton *cancel = NamedButton("CancelButton", "キャンセル", this);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  column->addLayout(buttons);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QSpinBox *MarkDialog::AddSpin(const char *name, const char *caption, int min, int max, int step) {
  auto *row = new QHBoxLayout;
  QLabel *label = NamedLabel("", this, Utf(caption));
  auto *spin = new QSpinBox(this);
  spin->setObjectName(name);
  spin->setRange(min, max);
  spin->setSingleStep(step);
  spin->setAccessibleName(Utf(caption));
  label->setBuddy(spin);
  row->addWidget(label);
  row->addWidget(spin);
  row->addStretch();
  body_->addLayout(row);
  return spin;
}

ScaleMarkDialog::ScaleMarkDialog(app::MarkCommands &marks, QWidget *parent)
    : MarkDialog("TForm11", "文字拡縮マーク挿入", marks, parent) {
  steps_ = AddSpin("ScaleSteps", "文字拡縮", print::kScaleStepsMin, print::kScaleStepsMax, 1);
  mark_ = NamedLabel("ScaleMarkText", this);
  percent_ = NamedLabel("ScalePercent", this);
  auto *row = new QHBoxLayout;
  row->addWidget(mark_);
  row->addWidget(percent_);
  row->addWidget(NamedLabel("ScaleHint", this, Utf("（50～200％）")));
  row->addStretch();
  Body()->addLayout(row);
  sample_ = NamedLabel("ScaleSample", this, Utf("字"));
  sample_->setAlignment(Qt::AlignCenter);
  sample_->setMinimumSize(200, 120);
  Body()->addWidget(sample_);
  connect(steps_, &QSpinBox::valueChanged, this, &ScaleMarkDialog::Show);
}

void ScaleMarkDialog::Show(int steps) {
  mark_->setText(ToQt(print::ScaleMarkLine(marks_.ScaleMark(), steps)));
  percent_->setText(ToQt(print::ScalePercentText(steps)));
  const int height = QFontInfo(font_).pixelSize() * print::ScaleMarkPercent(steps) / 100;
  sample_->setFont(FontDrawnAt(font_, height, sample_->text()));
}

void ScaleMarkDialog::Run(const QFont &sample) {
  font_ = sample;
  steps_->setValue(0);
  Show(0);
  if (exec() == QDialog::Accepted)
    marks_.InsertScaleMark(steps_->value());
}

FontMarkDialog::FontMarkDialog(app::MarkCommands &marks, QWidget *parent)
    : MarkDialog("TForm8", "フォント切替", marks, parent) {
  name_ = new QLineEdit(this);
  name_->setObjectName("FontName");
  name_->setAccessibleName(Utf("フォント"));
  name_->setMinimumHeight(40);
  list_ = new QListWidget(this);
  list_->setObjectName("FontList");
  list_->setAccessibleName(Utf("フォント"));
  Body()->addWidget(name_);
  Body()->addWidget(list_);
  connect(list_, &QListWidget::currentRowChanged, this, &FontMarkDialog::Choose);
}

void FontMarkDialog::Choose(int row) {
  if (row < 0)
    return;
  const QString face = list_->item(row)->text();
  name_->setText(face);
  QFont font = name_->font();
  font.setFamily(face);
  font.setPointSize(14);
  name_->setFont(font);
}

void FontMarkDialog::Run() {
  list_->clear();
  for (const std::string &face : marks_.Faces())
    list_->addItem(ToQt(face));
  list_->setCurrentRow(marks_.FontIndex());
  if (marks_.FontIndex() < 0)
    name_->clear();
  if (exec() == QDialog::Accepted)
    marks_.InsertFont(FromQt(name_->text()));
}

SpacingMarkDialog::SpacingMarkDialog(app::MarkCommands &marks, QWidget *parent)
    : MarkDialog("TForm10", "行間切替", marks, parent) {
  held_ = NamedLabel("HeldSpacing", this);
  auto *row = new QHBoxLayout;
  row->addWidget(NamedLabel("", this, Utf("既定")));
  row->addWidget(held_);
  row->addStretch();
  Body()->addLayout(row);
  change_ = AddSpin("SpacingChange", "変更", print::kSpacingChangeMin, print::kSpacingChangeMax, 1);
  after_ = NamedLabel("SpacingAfter", this);
  pitch_ = NamedLabel("SpacingPitch", this);
  auto *result = new QHBoxLayout;
  result->addWidget(NamedLabel("", this, Utf("変更後")));
  result->addWidget(after_);
  result->addWidget(pitch_);
  result->addStretch();
  Body()->addLayout(result);
  picture_ = new SpacingPicture(this);
  Body()->addWidget(picture_);
  connect(change_, &QSpinBox::valueChanged, this, &SpacingMarkDialog::Show);
}

void SpacingMarkDialog::Show(int change) {
  const int held = marks_.HeldSpacing();
  after_->setText(QString::number(held + print::RaisedSpacingChange(change, held)));
  pitch_->setText(ToQt(marks_.PitchText(change)));
  picture_->SetGap(print::SpacingPictureGap(held, change));
}

void SpacingMarkDialog::Run() {
  held_->setText(QString::number(marks_.HeldSpacing()));
  change_->setValue(marks_.SpacingStart());
  Show(change_->value());
  if (exec() == QDialog::Accepted)
    marks_.InsertSpacing(change_->value());
}

IndentMarkDialog::IndentMarkDialog(app::MarkCommands &marks, QWidget *parent)
    : MarkDialog("TForm12", "左余白切替", marks, parent) {
  change_ = AddSpin("IndentChange", "左余白を1/10mm単位で増減", print::kIndentChangeMin,
                    print::kIndentChangeMax, print::kIndentChangeStep);
  margin_ = NamedLabel("IndentMargin", this);
  Body()->addWidget(margin_);
  connect(change_, &QSpinBox::valueChanged, this,
          [this](int change) { margin_->setText(ToQt(marks_.MarginText(change))); });
}

void IndentMarkDialog::Run() {
  change_->setValue(marks_.IndentStart());
  margin_->setText(ToQt(marks_.MarginText(change_->value())));
  if (exec() == QDialog::Accepted)
    marks_.InsertIndent(change_->value());
}

} // namespace zenpa::ui
