#include "ui/puzzle/puzzle_conditions_panel.h"

#include "puzzle/play/generator_settings.h"
#include "ui/puzzle/puzzle_widgets.h"
#include "ui/qt/qt_text.h"

#include <QAction>
#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <tuple>

namespace zenpa::ui {
namespace {

// Object names of the symmetry radio buttons, in the order of play::Symmetry.
constexpr const char *kSymmetryNames[] = {"RadioButton11", "RadioButton3", "RadioButton4",
                                          "RadioButton5",  "RadioButton6", "RadioButton7",
                                          "RadioButton8",  "RadioButton9", "RadioButton10"};

constexpr int kExtraFirstBox = settings::kFirstExtraBox;

} // namespace

ConditionsPanel::ConditionsPanel(app::PuzzleCommands &puzzle, QWidget *parent)
    : QFrame(parent), puzzle_(puzzle) {
  QVBoxLayout *box = PanelLayout(this, "Panel6");
  conditionsTitle_ = NamedLabel("Label45", this);
  QPushButton *close = AddTitleRow(box, {conditionsTitle_}, "SpeedButton2", this);
  connect(close, &QPushButton::clicked, this, [this] {
    puzzle_.SetConditionsPanel(false);
    emit changed();
  });
  for (const auto &[name, caption, on] :
       {std::tuple{"ALLCheck", "すべての解法をチェック(&A)", true},
        std::tuple{"NoCheck", "すべてのチェックをはずす(&N)", false}}) {
    auto *item = new QAction(Utf(caption), this);
    item->setObjectName(name);
    connect(item, &QAction::triggered, this, [this, on = on] {
      puzzle_.SetAllTechniques(on);
      emit changed();
    });
    addAction(item);
  }
  setContextMenuPolicy(Qt::ActionsContextMenu);
  BuildClueWindow();
  BuildSymmetry();
  BuildTechniques();
  BuildRecordPanel();
}

void ConditionsPanel::BuildClueWindow() {
  auto *row = new QHBoxLayout;
  lower_ = AddLabelledSpin(row, "LabeledEdit18", "数字の許容", settings::kLowerGivensRange.min,
                           settings::kLowerGivensRange.max);
  row->addWidget(new QLabel(Utf("～")));
  upper_ = AddLabelledSpin(row, "Edit16", "", settings::kUpperGivensRange.min,
                           settings::kUpperGivensRange.max);
  attemptsLabel_ = NamedLabel("Label46", this);
  row->addWidget(attemptsLabel_);
  row->addStretch();
  static_cast<QBoxLayout *>(layout())->addLayout(row);
  connect(lower_, &QSpinBox::valueChanged, this, [this](int value) {
    puzzle_.Options().lowerGivens = value;
    puzzle_.SettingsChanged();
  });
  connect(upper_, &QSpinBox::valueChanged, this, [this](int value) {
    puzzle_.Options().upperGivens = value;
    puzzle_.SettingsChanged();
  });
}

void ConditionsPanel::BuildSymmetry() {
  QGridLayout *grid = PanelGrid();
  auto *group = new QButtonGroup(this);
  for (int i = 0; i < play::kSymmetryCount; ++i) {
    const std::string caption = play::SymmetryCaption(static_cast<play::Symmetry>(i));
    auto *radio = new QRadioButton(ToQt(caption), this);
    radio->setObjectName(kSymmetryNames[i]);
    group->addButton(radio, i);
    grid->addWidget(radio, i / 5, i % 5);
    symmetry_[static_cast<std::size_t>(i)] = radio;
  }
  static_cast<QBoxLayout *>(layout())->addLayout(grid);
  connect(group, &QButtonGroup::idClicked, this, [this](int id) {
    puzzle_.Options().symmetry = id;
    puzzle_.SettingsChanged();
    emit changed();
  });
}

void ConditionsPanel::BuildTechniques() {
  QGridLayout *grid = PanelGrid();
  extra_ = new QFrame(this);
  extra_->setObjectName("Panel20");
  extra_->setFrameShape(QFrame::StyledPanel);
  QGridLayout *extraBox = PanelGrid();
  extra_->setLayout(extraBox);
  SetPanelMargins(extraBox);
  extraBox->addWidget(new QLabel(Utf("表示中のみ有効"), extra_), 0, 0, 1, 2);
  for (int n = 1; n <= puzzle::kBoxHiddenQuad; ++n) {
    const std::string name = "CheckBoxL" + std::to_string(n);
    QWidget *owner = n >= kExtraFirstBox ? static_cast<QWidget *>(extra_) : this;
    QCheckBox *check = NamedCheck(name.c_str(), settings::TechniqueCaption(n).c_str(), owner);
    boxes_[static_cast<std::size_t>(n)] = check;
    if (n >= kExtraFirstBox)
      extraBox->addWidget(check, 1 + (n - kExtraFirstBox) / 2, (n - kExtraFirstBox) % 2);
    else
      grid->addWidget(check, (n - 1) / 3, (n - 1) % 3);
    connect(check, &QCheckBox::clicked, this, [this, n](bool on) { puzzle_.SetTechnique(n, on); });
  }
  mustUseHardest_ = NamedCheck("CheckBoxYH", "有効・必須", this);
  extraButton_ = NamedButton("SpeedButton12", "▽", this);
  extraButton_->setFixedWidth(24);
  grid->addWidget(mustUseHardest_, 4, 1);
  grid->addWidget(extraButton_, 4, 2, Qt::AlignRight);
  // Tab goes through the panel as it reads: the row with "▽" before the
  // extra panel below it.
  setTabOrder(boxes_[kExtraFirstBox - 1], mustUseHardest_);
  setTabOrder(mustUseHardest_, extraButton_);
  auto *box = static_cast<QBoxLayout *>(layout());
  box->addLayout(grid);
  box->addWidget(extra_);
  connect(mustUseHardest_, &QCheckBox::clicked, this,
          [this](bool on) { puzzle_.SetMustUseHardest(on); });
  connect(extraButton_, &QPushButton::clicked, this, [this] {
    puzzle_.SetExtraPanel(!puzzle_.Techniques().extraPanelShown);
    emit changed();
  });
}

QLineEdit *ConditionsPanel::AddRecordField(const char *name, const char *caption,
                                           std::string settings::PuzzleOptions::*field) {
  auto *edit = new QLineEdit(record_);
  edit->setObjectName(name);
  edit->setMaximumWidth(std::string_view(name) == "LabeledEdit13" ? 90 : 44);
  auto *row = static_cast<QBoxLayout *>(record_->layout()->itemAt(1)->layout());
  row->addWidget(new QLabel(Utf(caption), record_));
  row->addWidget(edit);
  connect(edit, &QLineEdit::editingFinished, this, [this, edit, field] {
    if (field == &settings::PuzzleOptions::recordFirst)
      play::SetRecordFirst(puzzle_.Options(), FromQt(edit->text()));
    else
      puzzle_.Options().*field = FromQt(edit->text());
    // Taken: from now on the field shows what the record holds.
    edit->setModified(false);
    puzzle_.SettingsChanged();
    emit changed();
  });
  return edit;
}

void ConditionsPanel::BuildRecordPanel() {
  record_ = new QFrame(this);
  QVBoxLayout *box = PanelLayout(record_, "Panel5");
  autoRecordLabel_ = NamedLabel("Label38", record_);
  QPushButton *close = AddTitleRow(box, {new QLabel(Utf("★自動記録★"), record_), autoRecordLabel_},
                                   "SpeedButton6", record_);
  auto *fields = new QHBoxLayout;
  fields->setSpacing(4);
  box->addLayout(fields);
  recordFields_ = {
      AddRecordField("LabeledEdit13", "ファイル名", &settings::PuzzleOptions::recordStem),
      AddRecordField("LabeledEdit14", "始め", &settings::PuzzleOptions::recordFirst),
      AddRecordField("LabeledEdit15", "終わり", &settings::PuzzleOptions::recordLast)};
  static_cast<QBoxLayout *>(layout())->addWidget(record_);
  connect(close, &QPushButton::clicked, this, [this] {
    puzzle_.ToggleAutoRecord();
    emit changed();
  });
}

void ConditionsPanel::Refresh(const app::PuzzleDisplay &d) {
  const settings::PuzzleOptions &options = puzzle_.Options();
  setVisible(options.techniques.conditionsPanelShown);
  SetLabelText(conditionsTitle_, d.conditionsTitle);
  conditionsTitle_->setStyleSheet(ForegroundStyle(d.conditionsTitleColour) + "font-weight: bold;");
  SetLabelText(attemptsLabel_, d.attemptsText);
  const QSignalBlocker blockLower(lower_);
  lower_->setValue(options.lowerGivens);
  const QSignalBlocker blockUpper(upper_);
  upper_->setValue(options.upperGivens);
  const int symmetry = std::clamp(options.symmetry, 0, play::kSymmetryCount - 1);
  symmetry_[static_cast<std::size_t>(symmetry)]->setChecked(true);
  RefreshTechniques();
  RefreshRecord(d);
}

void ConditionsPanel::RefreshTechniques() {
  const settings::TechniqueOptions &techniques = puzzle_.Techniques();
  for (int n = 1; n <= puzzle::kBoxHiddenQuad; ++n)
    boxes_[static_cast<std::size_t>(n)]->setChecked(techniques.boxes[static_cast<std::size_t>(n)]);
  mustUseHardest_->setChecked(techniques.mustUseHardest);
  extra_->setVisible(techniques.extraPanelShown);
  extraButton_->setText(Utf(techniques.extraPanelShown ? "△" : "▽"));
}

void ConditionsPanel::RefreshRecord(const app::PuzzleDisplay &d) {
  const settings::PuzzleOptions &options = puzzle_.Options();
  record_->setVisible(options.recordPanelShown);
  SetLabelText(autoRecordLabel_, d.autoRecordText);
  const std::string *texts[] = {&options.recordStem, &options.recordFirst, &options.recordLast};
  // A field keeps only text typed and not yet taken; one that Tab has just
  // entered shows the record, so "終わり" follows a larger "始め" at once.
  for (std::size_t i = 0; i < recordFields_.size(); ++i) {
    QLineEdit *field = recordFields_[i];
    const QString text = ToQt(*texts[i]);
    if (field->text() != text && !(field->hasFocus() && field->isModified()))
      field->setText(text);
  }
}

} // namespace zenpa::ui
