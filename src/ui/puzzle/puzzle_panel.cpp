#include "ui/puzzle/puzzle_panel.h"

#include "ui/common/command_guards.h"

#include "puzzle/play/generator_settings.h"
#include "ui/puzzle/puzzle_conditions_panel.h"
#include "ui/puzzle/puzzle_conversion_panel.h"
#include "ui/puzzle/puzzle_viewer.h"
#include "ui/puzzle/puzzle_widgets.h"
#include "ui/qt/qt_text.h"

#include <QAction>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace zenpa::ui {
namespace {

using play::AnswerCommand;

QFrame *Framed(const char *name, QWidget *parent) {
  auto *frame = new QFrame(parent);
  frame->setObjectName(name);
  frame->setFrameShape(QFrame::StyledPanel);
  return frame;
}

// A panel outside any layout, `width` wide and as tall as its contents need.
void FitWidth(QWidget *panel, int width) {
  const int height = panel->heightForWidth(width);
  panel->resize(width, height > 0 ? height : panel->sizeHint().height());
}

// A panel's nested layouts measure their widgets afresh.
void InvalidateLayouts(QWidget *panel) {
  for (QLayout *layout : panel->findChildren<QLayout *>())
    layout->invalidate();
  panel->layout()->invalidate();
}

bool CtrlHeld() { return QGuiApplication::keyboardModifiers() & Qt::ControlModifier; }

} // namespace

PuzzlePanel::PuzzlePanel(app::Session &session, QWidget *parent)
    : QWidget(parent), session_(session), puzzle_(session.Puzzle()) {
  setObjectName("Panel2");
  BuildControls();
  puzzle_.SetShowState([this] { Refresh(); });
  Refresh();
}

void PuzzlePanel::BuildControls() {
  auto *row = new QVBoxLayout(this);
  row->setContentsMargins(4, 2, 4, 2);
  auto *main = new QVBoxLayout;
  row->addLayout(main);
  auto *buttons = new QHBoxLayout;
  make_ = NamedButton("Button10", "作 る", this);
  load_ = NamedButton("Button8", "読込", this);
  stop_ = NamedButton("Button14", "中 止", this);
  auto *record = NamedButton("SpeedButton5", "Ａ", this);
  record_ = record;
  // Hidden during a run, its place stays, so that "D" does not move.
  QSizePolicy keepPlace = record->sizePolicy();
  keepPlace.setRetainSizeWhenHidden(true);
  record->setSizePolicy(keepPlace);
  record->setFixedWidth(28);
  switch_ = new ClickLabel("Label33", "D", this);
  switch_->setFixedWidth(14);
  switch_->setAlignment(Qt::AlignCenter);
  // The stop button, shown only during a repeat run, comes last, so that
  // showing it moves none of the others.
  QWidget *const commands[] = {make_, load_, record, switch_};
  for (QWidget *w : commands) {
    buttons->addWidget(w);
    guardedWidgets_.emplace_back(w, app::CommandGroup::PuzzleMaking);
  }
  buttons->addWidget(stop_);
  buttons->addStretch();
  main->addLayout(buttons);
  connect(make_, &QPushButton::clicked, this, [this] { Run([this] { puzzle_.Generate(); }); });
  connect(load_, &QPushButton::clicked, this,
          [this] { Run([this] { puzzle_.LoadFiles(CtrlHeld()); }); });
  connect(stop_, &QPushButton::clicked, this, [this] { puzzle_.StopGenerator(); });
  connect(record, &QPushButton::clicked, this,
          [this] { Run([this] { puzzle_.ToggleAutoRecord(); }); });
  connect(static_cast<ClickLabel *>(switch_), &ClickLabel::clicked, this,
          [this] { Run([this] { puzzle_.ClickSwitch(); }); });
  connect(static_cast<ClickLabel *>(switch_), &ClickLabel::hovered, this, [this](bool over) {
    switchHovered_ = over;
    RefreshSwitches();
  });
  // The document's name, as the name label of the status strip shows it.
  auto *name = new QHBoxLayout;
  name->addWidget(new QLabel(Utf("ファイル名"), this));
  documentNameLabel_ = NamedLabel("Label67", this);
  documentNameLabel_->setAccessibleName(Utf("ファイル名"));
  name->addWidget(documentNameLabel_, 1);
  main->addLayout(name);
  BuildSwitches();
  BuildResult();
  BuildStepPanel();
  conditions_ = new ConditionsPanel(puzzle_, this);
  conversion_ = new ConversionPanelView(puzzle_, this);
  connect(conditions_, &ConditionsPanel::changed, this, &PuzzlePanel::Refresh);
  connect(conversion_, &ConversionPanelView::commandDone, this, [this] { Run([] {}); });
  // The step panel comes first: while it shows, a step display or a level
  // check waits for its buttons, and nothing else on the side can be used,
  // so it stands at the top, in sight beside the grid even on a short
  // screen. The panels the user opens come next; the result panel, which a
  // run shows by itself, comes below them so that it moves nothing the user
  // is working with.
  row->addWidget(step_);
  row->addWidget(conditions_);
  row->addWidget(conversion_);
  row->addWidget(result_);
  // The run's gauges come and go during a run: below the panels, so that
  // the panels the user watches keep their places.
  BuildProgress();
  row->addWidget(progress_);
  row->addWidget(gauge_);
  auto *progressLabels = new QHBoxLayout;
  progressLabels->addWidget(trialCellsLabel_);
  progressLabels->addWidget(trialStop_);
  progressLabels->addWidget(contradictionLabel_);
  progressLabels->addStretch();
  row->addLayout(progressLabels);
  row->addStretch();
}

// The block switches, the insertion toggle with its append box, the target
// and the removal trials.
void PuzzlePanel::BuildSwitches() {
  auto *main = static_cast<QVBoxLayout *>(layout()->itemAt(0)->layout());
  QGridLayout *checks = PanelGrid();
  const std::pair<const char *, const char *> names[] = {{"CheckBox25", "☆"},
                                                         {"CheckBox13", "clue"},
                                                         {"CheckBox12", "遊び方"},
                                                         {"CheckBox9", "改頁"},
                                                         {"CheckBox10", "答えも付加"}};
  bool settings::PuzzleOptions::*fields[] = {
      &settings::PuzzleOptions::printTitle, &settings::PuzzleOptions::printClue,
      &settings::PuzzleOptions::printHowToPlay, &settings::PuzzleOptions::pageBreak,
      &settings::PuzzleOptions::appendAnswer};
  for (std::size_t i = 0; i < std::size(names); ++i) {
    QCheckBox *box = NamedCheck(names[i].first, names[i].second, this);
    checks->addWidget(box, static_cast<int>(i / 3), static_cast<int>(i % 3));
    switches_.emplace_back(box, fields[i]);
  }
  main->addLayout(checks);
  auto *place = new QHBoxLayout;
  append_ = NamedCheck("CheckBox8", "", this);
  append_->setToolTip(Utf("数独を文書に追加する"));
  switches_.emplace_back(append_, &settings::PuzzleOptions::addToDocument);
  insertion_ = new ClickLabel("Label39", "", this);
  insertion_->setFrameShape(QFrame::Panel);
  insertion_->setFrameShadow(QFrame::Raised);
  place->addWidget(append_);
  place->addWidget(insertion_);
  place->addStretch();
  auto *game = NamedButton("Button19", "ゲーム", this);
  guardedWidgets_.emplace_back(game, app::CommandGroup::PuzzleGame);
  place->addWidget(game);
  connect(game, &QPushButton::clicked, this, &PuzzlePanel::gameWanted);
  main->addLayout(place);
  auto *numbers = new QHBoxLayout;
  // Typing takes any two-digit number, which the core clamps; the arrows
  // keep to their own range.
  target_ = AddLabelledSpin(numbers, "LabeledEdit12", "数字", play::kTargetTypedRange.min,
                            play::kTargetTypedRange.max, new ArrowRangeSpin);
  trials_ = AddLabelledSpin(numbers, "LabeledEdit16", "試作回数", settings::kTrialsRange.min,
                            settings::kTrialsRange.max);
  numbers->addStretch();
  main->addLayout(numbers);
  for (auto &[box, field] : switches_)
    BindSwitch(box, puzzle_, field);
  connect(static_cast<ClickLabel *>(insertion_), &ClickLabel::clicked, this,
          [this] { Run([this] { puzzle_.ToggleInsertion(); }); });
  connect(target_, &QSpinBox::editingFinished, this, [this] {
    play::SetTargetGivens(puzzle_.Options(), target_->value());
    puzzle_.SettingsChanged();
    Refresh();
  });
  connect(trials_, &QSpinBox::valueChanged, this, [this](int value) {
    puzzle_.Options().attempts = value;
    puzzle_.SettingsChanged();
  });
}

void PuzzlePanel::BuildResult() {
  result_ = Framed("Panel3", this);
  auto *box = new QVBoxLayout(result_);
  SetPanelMargins(box);
  difficultyLabel_ = NamedLabel("Label30", result_);
  clueLevelLabel_ = NamedLabel("Label31", result_);
  hardestLabel_ = NamedLabel("Label40", result_);
  for (QLabel *label : {difficultyLabel_, clueLevelLabel_, hardestLabel_})
    box->addWidget(label);
  QFont bold = difficultyLabel_->font();
  bold.setBold(true);
  difficultyLabel_->setFont(bold);
}

void PuzzlePanel::BuildStepPanel() {
  step_ = Framed("Panel4", this);
  step_->setAutoFillBackground(true);
  auto *box = new QVBoxLayout(step_);
  SetPanelMargins(box);
  stepTextLabel_ = NamedLabel("Label41", step_);
  stepLevelLabel_ = NamedLabel("Label44", step_);
  // A long step text wraps inside the panel instead of widening the side.
  stepTextLabel_->setWordWrap(true);
  box->addWidget(stepTextLabel_);
  box->addWidget(stepLevelLabel_);
  auto *buttons = new QHBoxLayout;
  QPushButton *next = NamedButton("Button29", "Ｏ Ｋ", step_);
  stepBack_ = NamedButton("Button28", "前", step_);
  QPushButton *quit = stepQuit_ = NamedButton("Button30", "やめる", step_);
  resume_ = NamedButton("Button51", "ゲーム再開", step_);
  for (QPushButton *b : {next, stepBack_, quit, resume_})
    buttons->addWidget(b);
  // "前" is hidden outside a step-by-step solve; its place stays, so that
  // "Ｏ Ｋ" and "やめる" do not move under the user's pointer.
  QSizePolicy keepPlace = stepBack_->sizePolicy();
  keepPlace.setRetainSizeWhenHidden(true);
  stepBack_->setSizePolicy(keepPlace);
  box->addLayout(buttons);
  connect(next, &QPushButton::clicked, this, [this] { puzzle_.PressStepKey(puzzle::kKeyEnter); });
  connect(stepBack_, &QPushButton::clicked, this,
          [this] { puzzle_.PressStepKey(puzzle::kKeyBackspace); });
  // From the game, Ctrl with "ゲーム" resumes keeping the candidate notes,
  // as "ゲーム再開" does.
  connect(quit, &QPushButton::clicked, this, [this] {
    if (puzzle_.Solve().ResumeGameVisible && CtrlHeld())
      session_.Game().ResumeWithNotes();
    else
      puzzle_.PressStepKey(puzzle::kKeyEscape);
  });
  connect(resume_, &QPushButton::clicked, this, [this] { session_.Game().ResumeWithNotes(); });
}

void PuzzlePanel::BuildProgress() {
  progress_ = SlimProgressBar("ProgressBar1", this);
  gauge_ = new QProgressBar(this);
  gauge_->setObjectName("Gauge1");
  gauge_->setMaximumHeight(12);
  trialCellsLabel_ = NamedLabel("Label32", this);
  contradictionLabel_ = NamedLabel("Label9", this);
  trialStop_ = NamedButton("Button48", "中　止", this);
  connect(trialStop_, &QPushButton::clicked, this, [this] { puzzle_.StopTrial(); });
}

QAction *PuzzlePanel::AddCommand(QMenu *menu, const char *name, const char *caption,
                                 const std::function<void()> &command) {
  QAction *action = menu->addAction(Utf(caption));
  action->setObjectName(name);
  connect(action, &QAction::triggered, this, [this, command] { Run(command); });
  guardedActions_.emplace_back(action, app::CommandGroup::PuzzleMaking);
  return action;
}

void PuzzlePanel::BuildMenu(QMenu *menu) {
  menuSdk_ = menu->addAction(Utf("数独作成メニュー(&M)"));
  menuSdk_->setObjectName("MenuSDK");
  menuSdk_->setCheckable(true);
  connect(menuSdk_, &QAction::triggered, this, [this](bool on) {
    puzzle_.SetPuzzleSide(on);
    Refresh();
  });
  menu->addSeparator();
  AddCommand(menu, "NewSDK", "数独を自動作成(&N)", [this] { puzzle_.Generate(); });
  answerS_ = AddCommand(menu, "AnswerS", "", [this] { puzzle_.Answer(AnswerCommand::AnswerS); });
  AddCommand(menu, "LevelSDK", "数独の難易度判定(&L)", [this] {
    puzzle_.Answer(AnswerCommand::LevelSDK);
  })->setShortcut(Qt::Key_F1);
  // In a game it shows the next move and hands the puzzle back afterwards.
  stepSolve_ = AddCommand(menu, "DebugAnswer", "～確認しながら解答作成(&D)", [this] {
    if (session_.Game().GameOn())
      session_.Game().ShowNextMove();
    else
      puzzle_.StepSolve();
  });
  stepSolve_->setShortcut(Qt::Key_F2);
  AddCommand(menu, "Zenkai", "～全解探査(&Z)", [this] { puzzle_.Answer(AnswerCommand::Zenkai); });
  menu->addSeparator();
  AddCommand(menu, "ReadSudoku", "数独データ読み込み(&R)...", [this] { puzzle_.LoadFiles(false); });
  AddCommand(menu, "HanteiSudoku", "～難易度確認読み込み(&K)", [this] { puzzle_.LoadFiles(true); });
  // The viewer leaves the puzzle side as it is: it shows its own preview.
  QAction *view = menu->addAction(Utf("～データビュー(&V)"));
  view->setObjectName("ViewRead");
  connect(view, &QAction::triggered, this, &PuzzlePanel::OpenViewer);
  guardedActions_.emplace_back(view, app::CommandGroup::PuzzleMaking);
  AddCommand(menu, "WriteSudoku", "数独データ保存(&W)...", [this] { puzzle_.SaveFile(); });
  grdv_ = AddCommand(menu, "GRDV", "～GRDV起動(&F)", [this] {
    // The window waits while the external viewer runs.
    window()->setEnabled(false);
    puzzle_.StartExternalViewer();
    window()->setEnabled(true);
  });
  menu->addSeparator();
  BuildPanelItems(menu);
  menu->addSeparator();
  BuildSymmetryItems(menu);
  Refresh();
}

// The data viewer is made once, so that it keeps its folder and switches.
void PuzzlePanel::OpenViewer() {
  if (!viewer_) {
    viewer_ = new PuzzleViewer(session_, window());
    connect(viewer_, &PuzzleViewer::loaded, this, [this] {
      Refresh();
      emit commandDone();
    });
  }
  viewer_->Open();
  Refresh();
  emit commandDone();
}

// Items that open panels or switch the puzzle format.
void PuzzlePanel::BuildPanelItems(QMenu *menu) {
  AddCommand(menu, "ConvertSudoku", "数独データ変換パネル(&C)", [this] { conversion_->Open(); });
  AddCommand(menu, "SDKOption", "数独設定メニュー(&O)", [this] {
    puzzle_.SetConditionsPanel(!puzzle_.Options().techniques.conditionsPanelShown);
  });
  QAction *format = menu->addAction(Utf("数独書式を自動適用する(&X)"));
  format->setObjectName("nbpzpf");
  format->setCheckable(true);
  guardedActions_.emplace_back(format, app::CommandGroup::PuzzleMaking);
  format->setChecked(puzzle_.Options().autoApplyFormat);
  connect(format, &QAction::toggled, this, [this](bool on) {
    puzzle_.Options().autoApplyFormat = on;
    puzzle_.SettingsChanged();
  });
}

// The symmetry items, one for each radio button after "なし": choosing one
// unchecks the others; unchecking the chosen one goes back to "なし".
void PuzzlePanel::BuildSymmetryItems(QMenu *menu) {
  const std::pair<const char *, const char *> items[] = {
      {"GraphicSDK90", "９０度の点対称(&Q)"}, {"GraphicSDK180", "１８０度の点対称(&H)"},
      {"GraphicSDKlrud", "上下左右対称(&J)"}, {"GraphicSDKlr", "左右対称(&T)"},
      {"GraphicSDKud", "上下対称(&Y)"},       {"GraphicSDKx", "Ｘ線対称(&X)"},
      {"GraphicSDKldru", "／線対称(&P)"},     {"GraphicSDKlurd", "＼線対称(&E)"}};
  for (std::size_t i = 0; i < std::size(items); ++i) {
    QAction *item = menu->addAction(Utf(items[i].second));
    item->setObjectName(items[i].first);
    item->setCheckable(true);
    const int symmetry = static_cast<int>(i) + 1;
    connect(item, &QAction::triggered, this, [this, symmetry](bool on) {
      puzzle_.Options().symmetry = on ? symmetry : 0;
      puzzle_.SettingsChanged();
      Refresh();
    });
    symmetryItems_.push_back(item);
  }
}

// A command shows the puzzle side, where its results appear.
void PuzzlePanel::Run(const std::function<void()> &command) {
  if (!puzzle_.Options().menuShown) {
    puzzle_.Options().menuShown = true;
    Refresh();
  }
  command();
  Refresh();
  emit commandDone();
}

int PuzzlePanel::WidestWidth() {
  conditions_->show();
  conversion_->show();
  const int width = sizeHint().width();
  Refresh();
  return width;
}

void PuzzlePanel::Refresh() {
  const app::PuzzleDisplay d = puzzle_.Display();
  RefreshSwitches();
  RefreshRun(d);
  RefreshProgress(d);
  conditions_->Refresh(d);
  conversion_->Refresh();
  SetRunning(d.running);
  if (answerS_)
    answerS_->setText(ToQt(d.answerSCaption));
  if (menuSdk_)
    menuSdk_->setChecked(puzzle_.Options().menuShown);
  emit sideWanted(puzzle_.Options().menuShown);
  for (std::size_t i = 0; i < symmetryItems_.size(); ++i)
    symmetryItems_[i]->setChecked(puzzle_.Options().symmetry == static_cast<int>(i) + 1);
  emit captionWanted(ToQt(d.caption));
}

void PuzzlePanel::RefreshSwitches() {
  const settings::PuzzleOptions &options = puzzle_.Options();
  for (auto &[box, field] : switches_) {
    const QSignalBlocker block(box);
    box->setChecked(options.*field);
  }
  const QSignalBlocker blockTarget(target_);
  targetArrows_ = play::WidenedArrows(targetArrows_, options.targetGivens);
  static_cast<ArrowRangeSpin *>(target_)->SetArrowRange(targetArrows_.min, targetArrows_.max);
  target_->setValue(options.targetGivens);
  const QSignalBlocker blockTrials(trials_);
  trials_->setValue(options.attempts);
  const settings::TechniqueOptions &techniques = puzzle_.Techniques();
  const QColor parent = palette().color(QPalette::Window);
  const std::uint32_t parentBgr = static_cast<std::uint32_t>(parent.red()) |
                                  static_cast<std::uint32_t>(parent.green()) << 8 |
                                  static_cast<std::uint32_t>(parent.blue()) << 16;
  const std::uint32_t colour =
      switchHovered_ ? puzzle::SwitchHoverColour(techniques.selectionSwitch, parentBgr)
                     : puzzle::SwitchColour(techniques.selectionSwitch, parentBgr);
  switch_->setStyleSheet(colour != parentBgr ? BackgroundStyle(colour) : QString());
  documentNameLabel_->setText(DisplayText(session_.Doc().NameLabel()));
  switch_->setToolTip(ToQt(puzzle::SwitchHint(techniques.selectionSwitch)));
}

void PuzzlePanel::RefreshRun(const app::PuzzleDisplay &d) {
  SetLabelText(static_cast<QLabel *>(insertion_), d.insertionLabel);
  result_->setVisible(d.resultVisible);
  SetLabelText(difficultyLabel_, d.difficultyText);
  SetLabelText(clueLevelLabel_, d.clueLevelText);
  SetLabelText(hardestLabel_, d.hardestText);
  step_->setVisible(d.stepVisible);
  if (stepIndex_ >= 0) // lent beside the grid: as tall as its text needs
    FitWidth(step_, step_->width());
  step_->setStyleSheet("QFrame#Panel4 {" + BackgroundStyle(d.stepColour) + "}");
  stepBack_->setVisible(d.stepBackVisible);
  const play::SolveState &solve = puzzle_.Solve();
  stepQuit_->setText(solve.StepStopCaption.empty() ? Utf("やめる") : ToQt(solve.StepStopCaption));
  resume_->setVisible(solve.ResumeGameVisible);
  if (stepSolve_)
    stepSolve_->setText(ToQt(session_.Game().StepCommandCaption()));
  SetLabelText(stepTextLabel_, d.stepText);
  SetLabelText(stepLevelLabel_, d.levelText);
  stop_->setVisible(d.stopButtonVisible);
  stop_->setEnabled(d.stopButtonEnabled);
}

void PuzzlePanel::RefreshProgress(const app::PuzzleDisplay &d) {
  progress_->setVisible(d.trialVisible || d.generatorProgressVisible);
  if (d.trialVisible) {
    progress_->setRange(0, app::kTrialProgressMax);
    progress_->setValue(d.trialValue);
  } else if (d.generatorProgressVisible) {
    progress_->setRange(0, std::max(1, d.progressMax));
    progress_->setValue(d.progress);
  }
  trialCellsLabel_->setVisible(d.trialVisible);
  trialStop_->setVisible(d.trialVisible);
  SetLabelText(trialCellsLabel_, d.trialCellsText);
  gauge_->setVisible(d.running && d.gaugeMax > 0);
  gauge_->setRange(0, std::max(1, d.gaugeMax));
  gauge_->setValue(std::min(d.gaugeValue, std::max(1, d.gaugeMax)));
  SetLabelText(contradictionLabel_, d.contradictionText);
  contradictionLabel_->setVisible(!d.contradictionText.empty());
}

// The auto-record button steps aside while a run works.
void PuzzlePanel::SetRunning(bool running) {
  if (running == wasRunning_)
    return;
  wasRunning_ = running;
  record_->setVisible(!running);
}

bool PuzzlePanel::LendStepPanel(QWidget *place, QPoint at, int width) {
  if (stepIndex_ >= 0)
    return false;
  // Beside the grid the buttons are only as wide as their captions.
  const QList<QPushButton *> buttons = step_->findChildren<QPushButton *>();
  for (QPushButton *b : buttons)
    b->setMaximumWidth(b->fontMetrics().horizontalAdvance(b->text()) + 24);
  InvalidateLayouts(step_);
  if (width < step_->minimumSizeHint().width()) {
    for (QPushButton *b : buttons)
      b->setMaximumWidth(QWIDGETSIZE_MAX);
    return false;
  }
  auto *side = static_cast<QVBoxLayout *>(layout());
  stepIndex_ = side->indexOf(step_);
  side->removeWidget(step_);
  const bool shown = step_->isVisibleTo(this);
  step_->setParent(place);
  step_->move(at);
  FitWidth(step_, width);
  step_->setVisible(shown);
  step_->raise();
  return true;
}

void PuzzlePanel::TakeBackStepPanel() {
  if (stepIndex_ < 0)
    return;
  const bool shown = step_->isVisible();
  for (QPushButton *b : step_->findChildren<QPushButton *>())
    b->setMaximumWidth(QWIDGETSIZE_MAX);
  InvalidateLayouts(step_);
  static_cast<QVBoxLayout *>(layout())->insertWidget(stepIndex_, step_);
  step_->setVisible(shown);
  stepIndex_ = -1;
}

void PuzzlePanel::FocusStopButton() {
  if (stop_->isVisible() && stop_->isEnabled())
    stop_->setFocus();
}

QPlainTextEdit *PuzzlePanel::ConversionText() const { return conversion_->TextBox(); }

void PuzzlePanel::GuardControls(CommandGuards &guards) {
  for (auto &[action, group] : guardedActions_)
    guards.Add(action, action == stepSolve_ ? app::CommandGroup::PuzzleSteps : group,
               action == grdv_
                   ? CommandGuards::Condition([this] { return session_.Menus().grdvEnabled; })
                   : CommandGuards::Condition());
  for (auto &[widget, group] : guardedWidgets_)
    guards.Add(widget, group);
  guards.Add(conversion_, app::CommandGroup::PuzzleMaking);
  guards.Add(conditions_, app::CommandGroup::PuzzleMaking);
  if (menuSdk_)
    guards.Add(menuSdk_, app::CommandGroup::PuzzleMaking);
  for (QAction *item : symmetryItems_)
    guards.Add(item, app::CommandGroup::PuzzleMaking);
}

} // namespace zenpa::ui
