#include "ui/print/mark_panels.h"

#include "ui/common/widgets.h"
#include "ui/print/field_spin.h"
#include "ui/qt/qt_canvas.h"
#include "ui/qt/qt_text.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace zenpa::ui {

using settings::PrintFormat;
using settings::PuzzleOptions;

OptionPanel::OptionPanel(const char *name, const char *title, const char *closeName,
                         app::MarkSettings &settings, QWidget *parent)
    : QFrame(parent), settings_(settings) {
  setObjectName(name);
  setFrameShape(QFrame::StyledPanel);
  auto *column = new QVBoxLayout(this);
  column->setContentsMargins(6, 2, 2, 4);
  column->setSpacing(2);
  top_ = new QHBoxLayout;
  if (*title) {
    top_->addWidget(NamedLabel("", this, Utf(title)));
    top_->addSpacing(12);
  }
  top_->addStretch();
  auto *close = new QToolButton(this);
  close->setObjectName(closeName);
  close->setText(Utf("×"));
  close->setAccessibleName(Utf("×"));
  top_->addWidget(close);
  column->addLayout(top_);
  checkGrid_ = new QGridLayout;
  checkGrid_->setVerticalSpacing(2);
  column->addLayout(checkGrid_);
  connect(close, &QToolButton::clicked, this, [this] {
    hide();
    emit closed();
  });
  hide();
}

void OptionPanel::AddCheck(const char *name, const char *caption, std::function<bool()> value,
                           std::function<void(bool)> set) {
  QCheckBox *box = NamedCheck(name, caption, this);
  connect(box, &QCheckBox::clicked, this, std::move(set));
  const int n = static_cast<int>(checks_.size());
  checkGrid_->addWidget(box, n / 3, n % 3);
  checkGrid_->setColumnStretch(3, 1);
  checks_.emplace_back(box, std::move(value));
}

void OptionPanel::AddToTop(QWidget *widget) { top_->insertWidget(top_->count() - 2, widget); }

void OptionPanel::AddCheck(const char *name, const char *caption, bool PrintFormat::*flag) {
  AddCheck(
      name, caption, [this, flag] { return settings_.Format().*flag; },
      [this, flag](bool on) { settings_.SetFlag(flag, on); });
}

void OptionPanel::AddCheck(const char *name, const char *caption, bool PuzzleOptions::*flag) {
  AddCheck(
      name, caption, [this, flag] { return settings_.Format().puzzle.*flag; },
      [this, flag](bool on) { settings_.SetPuzzleFlag(flag, on); });
}

void OptionPanel::RefreshChecks() {
  for (auto &[box, value] : checks_)
    box->setChecked(value());
}

MarkPanel::MarkPanel(app::MarkSettings &settings, QWidget *parent)
    : OptionPanel("MarkPanel", "", "MarkPanelClose", settings, parent) {
  AddMarkRow(app::MarkKind::PageBreak, "改頁マーク", "PageBreakMarkEdit", "PageBreakApply",
             "PageBreakStandard");
  AddMarkRow(app::MarkKind::Scale, "文字拡縮マーク", "ScaleMarkEdit", "ScaleMarkApply",
             "ScaleMarkStandard");
  AddCheck("ScaleMarksOn", "文字拡縮マークを有効にする", &PrintFormat::scaleMarksOn);
  AddCheck("ScaleLineBlank", "拡縮行を空行にする", &PrintFormat::scaleLineBlank);
}

void MarkPanel::AddMarkRow(app::MarkKind kind, const char *title, const char *field,
                           const char *apply, const char *standard) {
  QLabel *caption = NamedLabel("", this, Utf(title));
  auto *edit = new QLineEdit(this);
  edit->setObjectName(field);
  edit->setAccessibleName(Utf(title));
  edit->setFixedWidth(90);
  caption->setBuddy(edit);
  QPushButton *applyButton = NamedButton(apply, "変更", this);
  QPushButton *standardButton = NamedButton(standard, "標準に戻す", this);
  for (QWidget *widget :
       std::initializer_list<QWidget *>{caption, edit, applyButton, standardButton})
    AddToTop(widget);
  rows_[static_cast<int>(kind)] = {edit, applyButton};
  connect(edit, &QLineEdit::textEdited, this, [this, kind](const QString &text) {
    settings_.Edit(kind, FromQt(text));
    ShowField(kind);
  });
  connect(applyButton, &QPushButton::clicked, this, [this, kind] {
    settings_.Apply(kind);
    ShowField(kind);
  });
  connect(standardButton, &QPushButton::clicked, this, [this, kind] {
    settings_.Standard(kind);
    ShowField(kind);
  });
}

// The field shows the text and, while it is being edited, the editing colour.
void MarkPanel::ShowField(app::MarkKind kind) {
  const app::MarkField &field = settings_.Field(kind);
  const Row &row = rows_[static_cast<int>(kind)];
  const QString text = ToQt(field.text);
  if (row.field->text() != text)
    row.field->setText(text);
  QPalette palette = this->palette(); // the panel's, with the normal window colours
  if (field.editing)
    palette.setColor(QPalette::Base, ColorOfBgr(app::kEditingColour));
  row.field->setPalette(palette);
  row.apply->setEnabled(field.editing);
}

void MarkPanel::Open() {
  settings_.Open();
  ShowField(app::MarkKind::PageBreak);
  ShowField(app::MarkKind::Scale);
  Refresh();
}

void MarkPanel::Refresh() { RefreshChecks(); }

ReductionPanel::ReductionPanel(app::MarkSettings &settings, app::PrintSettings &print,
                               QWidget *parent)
    : OptionPanel("ReductionPanel", "ヘッダと遊び方等の印刷の縮小", "ReductionPanelClose", settings,
                  parent),
      print_(print) {
  percent_ =
      MakeField(print_, print::FormatField::ReducePercent, "ReducePercent", "縮小率", "000", this);
  QLabel *caption = NamedLabel("", this, Utf("縮小率"));
  caption->setBuddy(percent_);
  QPushButton *standard = NamedButton("ReduceStandard", "標準に戻す", this);
  for (QWidget *widget :
       std::initializer_list<QWidget *>{caption, percent_, NamedLabel("", this, "%"), standard})
    AddToTop(widget);
  connect(standard, &QPushButton::clicked, this, [this] {
    settings_.StandardReduce();
    Refresh();
  });
  AddCheck("HeaderGap", "ヘッダ・フッタと本文を１行分開ける", &PrintFormat::headerGap);
  AddCheck("SmallHeader", "ヘッダを小さくする", &PrintFormat::smallHeader);
  AddCheck("MiniText", "数独遊び方印刷を小さくする", &PuzzleOptions::minitext);
  AddCheck("MiniTitle", "数独☆title印刷を小さくする", &PuzzleOptions::minititle);
  AddCheck("MiniClue", "数独clue印刷を小さくする", &PuzzleOptions::miniclue);
}

void ReductionPanel::Refresh() {
  percent_->ShowHeld(ToQt(print_.Text(print::FormatField::ReducePercent)));
  RefreshChecks();
}

} // namespace zenpa::ui
