#include "ui/print/mark_panels.h"

#include "ui/print/field_spin.h"
#include "ui/qt/qt_canvas.h"
#include "ui/qt/qt_text.h"
#include "ui/widgets.h"

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
  column_ = new QVBoxLayout(this);
  column_->setContentsMargins(6, 2, 2, 4);
  auto *top = new QHBoxLayout;
  top->addWidget(NamedLabel("", this, Utf(title)));
  top->addStretch();
  auto *close = new QToolButton(this);
  close->setObjectName(closeName);
  close->setText(Utf("×"));
  close->setAccessibleName(Utf("×"));
  top->addWidget(close);
  column_->addLayout(top);
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
  checks_.emplace_back(box, std::move(value));
  column_->addWidget(box);
}

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
    : OptionPanel("MarkPanel", "改頁マーク", "MarkPanelClose", settings, parent) {
  AddMarkRow(app::MarkKind::PageBreak, "改頁マーク", true, "PageBreakMarkEdit", "PageBreakApply",
             "PageBreakStandard");
  AddMarkRow(app::MarkKind::Scale, "文字拡縮マーク", false, "ScaleMarkEdit", "ScaleMarkApply",
             "ScaleMarkStandard");
  AddCheck("ScaleMarksOn", "文字拡縮マークを有効にする", &PrintFormat::scaleMarksOn);
  AddCheck("ScaleLineBlank", "拡縮行を空行にする", &PrintFormat::scaleLineBlank);
}

void MarkPanel::AddMarkRow(app::MarkKind kind, const char *title, bool titled, const char *field,
                           const char *apply, const char *standard) {
  if (!titled)
    Column()->addWidget(NamedLabel("", this, Utf(title)));
  auto *row = new QHBoxLayout;
  auto *edit = new QLineEdit(this);
  edit->setObjectName(field);
  edit->setAccessibleName(Utf(title));
  edit->setMaximumWidth(120);
  QPushButton *applyButton = NamedButton(apply, "変更", this);
  QPushButton *standardButton = NamedButton(standard, "標準に戻す", this);
  row->addWidget(edit);
  row->addWidget(applyButton);
  row->addWidget(standardButton);
  row->addStretch();
  Column()->addLayout(row);
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
  auto *grid = new QGridLayout;
  percent_ =
      MakeField(print_, print::FormatField::ReducePercent, "ReducePercent", "縮小率", "000", this);
  AddFieldRow(grid, 0, "縮小率", percent_, "%");
  QPushButton *standard = NamedButton("ReduceStandard", "標準に戻す", this);
  grid->addWidget(standard, 0, 3);
  grid->setColumnStretch(4, 1);
  Column()->addLayout(grid);
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
  percent_->Show(ToQt(print_.Text(print::FormatField::ReducePercent)));
  RefreshChecks();
}

void OptionPanels::Open(OptionPanel *panel) {
  for (OptionPanel *other : panels_) {
    if (other != panel)
      other->hide();
  }
  panel->Open();
  panel->show();
}

} // namespace zenpa::ui
