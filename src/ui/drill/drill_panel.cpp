#include "ui/drill/drill_panel.h"

#include "ui/common/command_guards.h"

#include "drill/drill_texts.h"
#include "ui/common/widgets.h"
#include "ui/qt/qt_text.h"

#include <QAction>
#include <QActionGroup>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>

namespace zenpa::ui {
namespace {

// An edit with its up-down: the up-down writes its position into the edit.
QLineEdit *NumberBox(const char *name, const char *caption, QSpinBox *&upDown, int min, int max,
                     QGridLayout *grid, int row, QWidget *parent) {
  auto *label = new QLabel(Utf(caption), parent);
  auto *edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setAccessibleName(Utf(caption));
  edit->setMaximumWidth(48);
  upDown = new QSpinBox(parent);
  upDown->setObjectName(QString(name) + "UpDown");
  upDown->setAccessibleName(Utf(caption) + Utf(" 増減"));
  upDown->setRange(min, max);
  upDown->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
  upDown->setFixedWidth(18);
  QObject::connect(upDown, &QSpinBox::valueChanged, edit,
                   [edit](int value) { edit->setText(QString::number(value)); });
  label->setBuddy(edit);
  grid->addWidget(label, row, 0);
  grid->addWidget(edit, row, 1);
  grid->addWidget(upDown, row, 2);
  return edit;
}

drill::NumberBox BoxOf(const QLineEdit *edit, const QSpinBox *upDown) {
  return {edit->text().toStdString(), upDown->value()};
}

void ShowNumber(QLineEdit *edit, QSpinBox *upDown, int value) {
  const QSignalBlocker block(upDown);
  upDown->setValue(value);
  edit->setText(QString::number(value));
}

} // namespace

DrillPanel::DrillPanel(app::Session &session, QWidget *parent)
    : QWidget(parent), session_(session), drill_(session.Drill()) {
  setObjectName("Panel1");
  setAccessibleName(Utf("もこさん"));
  setWindowTitle(Utf("もこさん"));
  BuildBoxes();
  BuildSwitches();
  Refresh();
}

void DrillPanel::BuildBoxes() {
  auto *grid = new QGridLayout(this);
  grid->setContentsMargins(4, 2, 4, 2);
  grid->addWidget(NamedLabel("DrillCaption", this, Utf("もこさん")), 0, 0, 1, 3);
  digits_ = NumberBox("DigitsBox", "けた数", digitsUpDown_, drill::kMinDigits,
                      drill::kSpinMaxDigits, grid, 1, this);
  sheets_ = NumberBox("SheetsBox", "まい数", sheetsUpDown_, drill::kMinSheets,
                      drill::kSpinMaxSheets, grid, 2, this);
  hints_ = NumberBox("HintsBox", "ヒント", hintsUpDown_, drill::kMinHints, drill::kMaxHints, grid,
                     3, this);
  // The "ヒント" speed button stands in for the box's caption.
  delete grid->itemAtPosition(3, 0)->widget();
  hintButton_ = new QToolButton(this);
  hintButton_->setObjectName("HintButton");
  hintButton_->setText(Utf("ヒント"));
  hintButton_->setAccessibleName(Utf("ヒント"));
  grid->addWidget(hintButton_, 3, 0);
  connect(hintButton_, &QToolButton::clicked, this,
          [this] { SetHintByDigit(!drill_.Options().hintByDigit); });
}

void DrillPanel::BuildSwitches() {
  auto *grid = static_cast<QGridLayout *>(layout());
  plus_ = new QRadioButton(Utf("＋"), this);
  plus_->setObjectName("PlusButton");
  minus_ = new QRadioButton(Utf("－"), this);
  minus_->setObjectName("MinusButton");
  grid->addWidget(plus_, 1, 3);
  grid->addWidget(minus_, 2, 3);
  // One group: Tab enters it at the checked radio and the arrow keys move
  // within it. The operation follows every way a radio gets checked (click,
  // arrow key, or an assistive tool toggling it), not only clicks.
  auto *operations = new QButtonGroup(this);
  operations->addButton(plus_);
  operations->addButton(minus_);
  const auto follow = [this](QRadioButton *radio, settings::DrillOperation op) {
    connect(radio, &QRadioButton::toggled, this, [this, op](bool on) {
      if (on && drill_.Options().operation != op)
        SetOperation(op);
    });
  };
  follow(plus_, settings::DrillOperation::Addition);
  follow(minus_, settings::DrillOperation::Subtraction);
  pageBreak_ = NamedCheck("PageBreakCheck", "改頁", this);
  answers_ = NamedCheck("AnswersCheck", "答えも付加", this);
  addToDocument_ = NamedCheck("AddToDocumentCheck", "", this);
  addToDocument_->setAccessibleName(Utf("追加"));
  insertion_ = NamedButton("Label42", "", this);
  insertion_->setFlat(true);
  make_ = NamedButton("MakeButton", "作 る", this);
  game_ = NamedButton("GameButton", "ゲーム", this);
  grid->addWidget(pageBreak_, 1, 4);
  grid->addWidget(answers_, 2, 4);
  grid->addWidget(addToDocument_, 3, 3);
  grid->addWidget(insertion_, 3, 4);
  grid->addWidget(make_, 1, 5);
  grid->addWidget(game_, 2, 5);
  grid->setColumnStretch(6, 1);
  const auto bind = [this](QCheckBox *box, bool settings::DrillOptions::*field) {
    connect(box, &QCheckBox::toggled, this, [this, field](bool on) {
      drill_.Options().*field = on;
      drill_.SettingsChanged();
    });
  };
  bind(pageBreak_, &settings::DrillOptions::pageBreak);
  bind(answers_, &settings::DrillOptions::appendAnswer);
  bind(addToDocument_, &settings::DrillOptions::addToDocument);
  connect(insertion_, &QPushButton::clicked, this, &DrillPanel::insertionToggled);
  connect(make_, &QPushButton::clicked, this, &DrillPanel::Generate);
  connect(game_, &QPushButton::clicked, this, [this] { emit gameWanted(true); });
}

app::DrillBoxes DrillPanel::Boxes() const {
  return {BoxOf(digits_, digitsUpDown_), BoxOf(sheets_, sheetsUpDown_),
          BoxOf(hints_, hintsUpDown_)};
}

void DrillPanel::ShowBoxes(const app::DrillBoxes &boxes) {
  digits_->setText(QString::fromStdString(boxes.digits.text));
  sheets_->setText(QString::fromStdString(boxes.sheets.text));
  hints_->setText(QString::fromStdString(boxes.hints.text));
}

bool DrillPanel::Generate() {
  app::DrillBoxes boxes = Boxes();
  const bool made = drill_.Generate(boxes);
  ShowBoxes(boxes);
  emit commandDone();
  if (made && entry_->isChecked())
    emit entryWanted(true);
  else if (made && gameMode_->isChecked() && session_.Menus().enlargedView)
    emit gameWanted(true);
  return made;
}

void DrillPanel::SetOperation(settings::DrillOperation op) {
  drill_.Options().operation = op;
  drill_.SettingsChanged();
  Refresh();
}

void DrillPanel::SetHintByDigit(bool on) {
  drill_.Options().hintByDigit = on;
  drill_.SettingsChanged();
  Refresh();
}

QAction *DrillPanel::Item(QMenu *menu, const char *name, const char *caption,
                          const std::function<void()> &command) {
  QAction *action = menu->addAction(Utf(caption));
  action->setObjectName(name);
  if (command)
    connect(action, &QAction::triggered, this, command);
  return action;
}

QAction *DrillPanel::Check(QMenu *menu, const char *name, const char *caption,
                           bool settings::DrillOptions::*field) {
  QAction *action = Item(menu, name, caption, {});
  action->setCheckable(true);
  connect(action, &QAction::triggered, this, [this, field](bool on) {
    drill_.Options().*field = on;
    drill_.SettingsChanged();
    Refresh();
  });
  return action;
}

void DrillPanel::BuildMenu(QMenu *menu) {
  menuKp_ = Check(menu, "MenuKP", "もこさん作成メニュー(&M)", &settings::DrillOptions::menuShown);
  connect(menuKp_, &QAction::triggered, this, &DrillPanel::panelWanted);
  menu->addSeparator();
  newKp_ = Item(menu, "NewKP", "もこさんを自動作成(&N)", [this] { Generate(); });
  answer_ = Item(menu, "AnswerKP", "", [this] {
    drill_.Answer();
    emit commandDone();
  });
  menu->addSeparator();
  plusItem_ = Item(menu, "PlusKP", "たしざん(&+)",
                   [this] { SetOperation(settings::DrillOperation::Addition); });
  minusItem_ = Item(menu, "MinusKP", "ひきざん(&-)",
                    [this] { SetOperation(settings::DrillOperation::Subtraction); });
  auto *ops = new QActionGroup(this);
  for (QAction *op : {plusItem_, minusItem_}) {
    op->setCheckable(true);
    ops->addAction(op);
  }
  hintNo_ = Item(menu, "hintno", "ヒントは数字指定にする(&H)",
                 [this] { SetHintByDigit(hintNo_->isChecked()); });
  hintNo_->setCheckable(true);
  menu->addSeparator();
  entry_ = Item(menu, "MokoInput", "もこさん数字入力モード(&I)", {});
  gameMode_ = Item(menu, "MokoMode", "もこさんゲームモード(&K)", {});
  for (QAction *mode : {entry_, gameMode_})
    mode->setCheckable(true);
  connect(entry_, &QAction::triggered, this, &DrillPanel::entryWanted);
  connect(gameMode_, &QAction::triggered, this, &DrillPanel::gameWanted);
  gotou_ =
      Check(menu, "gotou", "ゲームで誤答数字を表示(&G)", &settings::DrillOptions::showWrongDigits);
  beep_ = Check(menu, "MokoBeep", "ゲーム時、音を鳴らす(&B)", &settings::DrillOptions::gameSound);
  Refresh();
}

void DrillPanel::SetModeRunning(bool entry, bool game) {
  if (!menuKp_)
    return;
  entry_->setChecked(entry);
  gameMode_->setChecked(game);
}

void DrillPanel::Refresh() {
  const settings::DrillOptions &o = drill_.Options();
  ShowNumber(digits_, digitsUpDown_, o.digits);
  ShowNumber(sheets_, sheetsUpDown_, o.sheets);
  ShowNumber(hints_, hintsUpDown_, o.hint);
  const bool add = o.operation == settings::DrillOperation::Addition;
  plus_->setChecked(add);
  minus_->setChecked(!add);
  pageBreak_->setChecked(o.pageBreak);
  answers_->setChecked(o.appendAnswer);
  addToDocument_->setChecked(o.addToDocument);
  hintButton_->setToolTip(ToQt(drill::HintButtonTooltip(o.hintByDigit)));
  hints_->setStyleSheet(drill::HintBoxHighlighted(o.hintByDigit) ? "background: yellow;" : "");
  const editor::InsertionPlace place = session_.Format().format.insertionPlace;
  insertion_->setText(ToQt(editor::InsertionLabel(place)));
  insertion_->setAccessibleName(insertion_->text());
  if (!menuKp_)
    return;
  menuKp_->setChecked(o.menuShown);
  answer_->setText(ToQt(drill::AnswerMenuCaption(place)));
  plusItem_->setChecked(add);
  minusItem_->setChecked(!add);
  hintNo_->setChecked(o.hintByDigit);
  gotou_->setChecked(o.showWrongDigits);
  beep_->setChecked(o.gameSound);
}

void DrillPanel::GuardControls(CommandGuards &guards) {
  guards.Add(this, app::CommandGroup::Drill);
  for (QAction *item : {menuKp_, newKp_, answer_, plusItem_, minusItem_, hintNo_, gotou_})
    guards.Add(item, app::CommandGroup::Drill);
  guards.Add(entry_, app::CommandGroup::DrillEntry);
  guards.Add(gameMode_, app::CommandGroup::DrillGame);
  guards.Add(beep_, app::CommandGroup::GameSound,
             [this] { return session_.Menus().soundsEnabled; });
}

} // namespace zenpa::ui
