#include "ui/common/goal_dialog.h"

#include "ui/common/widgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zenpa::ui {
namespace {

constexpr int kWidth = 240, kHeight = 189;

QLabel *CentredLabel(const char *name, QWidget *parent) {
  QLabel *label = NamedLabel(name, parent);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

} // namespace

GoalDialog::GoalDialog(QWidget *parent) : QDialog(parent) {
  setObjectName("TForm6");
  setModal(true);
  setFixedSize(kWidth, kHeight);
  setStyleSheet("QDialog#TForm6 { background: white; }");
  auto *column = new QVBoxLayout(this);
  headline_ = CentredLabel("GoalHeadline", this);
  time_ = CentredLabel("GoalTime", this);
  result_ = CentredLabel("GoalResult", this);
  question_ = CentredLabel("GoalQuestion", this);
  note_ = CentredLabel("GoalNote", this);
  for (QLabel *label : {headline_, time_, result_, question_, note_})
    column->addWidget(label);
  auto *buttons = new QHBoxLayout;
  QPushButton *ok = ok_ = NamedButton("GoalOk", "ＯＫ", this);
  cancel_ = NamedButton("GoalCancel", "キャンセル", this);
  ok->setDefault(true);
  buttons->addWidget(ok);
  buttons->addWidget(cancel_);
  column->addLayout(buttons);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

bool GoalDialog::Ask(const GoalTexts &report) {
  cancel_->show();
  Fill(report);
  return exec() == QDialog::Accepted;
}

void GoalDialog::Congratulate(const GoalTexts &report) {
  cancel_->hide();
  Fill(report);
  exec();
}

void GoalDialog::Fill(const GoalTexts &report) {
  setWindowTitle(report.caption);
  headline_->setText(report.headline);
  time_->setText(report.timeLine);
  result_->setText(report.resultLine);
  // The rounded highlight behind a game without a mistake.
  result_->setStyleSheet(report.allCorrect
                             ? "QLabel { background: #ffff80; border: 1px solid #c0a000; "
                               "border-radius: 8px; padding: 2px; }"
                             : QString());
  question_->setText(report.question);
  note_->setText(report.note);
  for (QLabel *label : {headline_, time_, result_, question_, note_})
    label->setAccessibleName(label->text());
  for (QLabel *label : {question_, note_})
    label->setVisible(!label->text().isEmpty());
  ok_->setFocus();
}

} // namespace zenpa::ui
