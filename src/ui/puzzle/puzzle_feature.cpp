#include "ui/puzzle/puzzle_feature.h"

#include "editor/editor_look.h"
#include "puzzle/play/game_state.h"
#include "puzzle/play/grid_text.h"
#include "ui/common/command_guards.h"
#include "ui/common/editor_view.h"
#include "ui/common/mode_look.h"
#include "ui/common/option_panels.h"
#include "ui/common/widgets.h"
#include "ui/puzzle/assist_windows.h"
#include "ui/puzzle/game_modes.h"
#include "ui/puzzle/puzzle_panel.h"
#include "ui/puzzle/title_panel_view.h"
#include "ui/qt/qt_memo.h"
#include "ui/qt/qt_text.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBlock>
#include <QTimer>

#include <QVBoxLayout>
#include <algorithm>

namespace zenpa::ui {
namespace {

bool CtrlHeld() { return QGuiApplication::keyboardModifiers() & Qt::ControlModifier; }

QAction *AddItem(QMenu *menu, const char *name, const char *caption, bool checkable = false) {
  QAction *item = menu->addAction(Utf(caption));
  item->setObjectName(name);
  item->setCheckable(checkable);
  return item;
}

} // namespace

PuzzleFeature::PuzzleFeature(Shell &shell)
    : QObject(shell.Window()), shell_(shell), session_(shell.Session()) {
  BuildSide();
  BuildTitlePanel();
  BuildGameItems();
  BuildAssist();
  panel_->GuardControls(shell_.Guards());
}

PuzzleFeature::~PuzzleFeature() {
  session_.Puzzle().SetShowState(nullptr);
  shell_.Router().Unplug(*runInput_);
}

// The puzzle panel in the side area and its menu. A press in the document
// during a run gives the stop button the focus, where Enter and Esc steer.
void PuzzleFeature::BuildSide() {
  panel_ = new PuzzlePanel(session_, shell_.Window());
  side_ = new QScrollArea(shell_.Window());
  side_->setWidget(panel_);
  side_->setWidgetResizable(true);
  side_->setFrameShape(QFrame::NoFrame);
  side_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  side_->setMinimumWidth(panel_->WidestWidth() + side_->verticalScrollBar()->sizeHint().width());
  shell_.SetSide(side_);
  connect(panel_, &PuzzlePanel::sideWanted, this, [this] { ShowSide(); });
  panel_->BuildMenu(shell_.Menu(MenuId::Puzzle));
  connect(panel_, &PuzzlePanel::commandDone, this, [this] { shell_.Sync(); });
  connect(panel_, &PuzzlePanel::captionWanted, this, [this](const QString &caption) {
    if (caption.isEmpty())
      shell_.RestoreCaption();
    else
      shell_.Window()->setWindowTitle(caption);
  });
  shell_.AttachEditMenu(panel_->ConversionText());
  runInput_ =
      std::make_unique<app::RunInputMode>(session_.Puzzle(), [this] { panel_->FocusStopButton(); });
  shell_.Router().Plug(*runInput_, editor::ModeStage::First);
}

void PuzzleFeature::ShowSide() { shell_.ShowSide(session_.Puzzle().Options().menuShown); }

// The title and how-to-play panel Panel17 above the document, one option
// panel among the others.
void PuzzleFeature::BuildTitlePanel() {
  titlePanel_ = new TitlePanelView(session_, shell_.Memo(), shell_.Window());
  titlePanel_->hide();
  shell_.SettingsArea()->addWidget(titlePanel_);
  QMenu *menu = shell_.Menu(MenuId::Puzzle);
  menu->addSeparator();
  QAction *item = AddItem(menu, "Utitle", "◆数独タイトル・遊び方編集(&T)");
  OptionPanels &panels = shell_.Panels();
  panels.Add(titlePanel_, item);
  shell_.Guards().Add(item, app::CommandGroup::Panels);
  connect(&panels, &OptionPanels::shown, this, [this](QWidget *panel, bool on) {
    if (panel == titlePanel_ && on)
      titlePanel_->Load();
  });
  connect(titlePanel_, &TitlePanelView::closeWanted, this,
          [this, &panels] { panels.Show(titlePanel_, false); });
  connect(titlePanel_, &TitlePanelView::documentChanged, this, [this] {
    shell_.Sync();
    shell_.Editor()->setFocus();
  });
}

// Entry and game mode: their items, the "ゲーム" button and the sound item.
void PuzzleFeature::BuildGameItems() {
  GameModeWindow w;
  static_cast<ModeWindow &>(w) = ModeWindowOf(shell_);
  w.memo = &shell_.Memo();
  w.stop = shell_.StopButton();
  gameModes_ = new GameModes(session_, std::move(w));
  app::PuzzleGame &game = session_.Game();
  QMenu *menu = shell_.Menu(MenuId::Puzzle);
  menu->addSeparator();
  CommandGuards &guards = shell_.Guards();
  QAction *newEntry = AddItem(menu, "EditSDK", "数独新規入力(&E)");
  guards.Add(newEntry, app::CommandGroup::PuzzleMaking);
  connect(newEntry, &QAction::triggered, this, [this, &game] {
    game.NewEntry();
    shell_.Sync();
  });
  entry_ = AddItem(menu, "InputSudoku", "数独数字入力モード(&I)", true);
  guards.Add(entry_, app::CommandGroup::PuzzleEntry);
  connect(entry_, &QAction::triggered, gameModes_, &GameModes::SetEntry);
  play_ = AddItem(menu, "Sudokumode", "数独ゲームモード(&S)", true);
  guards.Add(play_, app::CommandGroup::PuzzleGame);
  connect(play_, &QAction::triggered, this,
          [this](bool on) { gameModes_->SetGame(on, CtrlHeld()); });
  QAction *clear = AddItem(menu, "ClearSudoku", "数独の答え数字消去(&Q)");
  guards.Add(clear, app::CommandGroup::PuzzleGame);
  connect(clear, &QAction::triggered, this, [&game] { game.ClearPlayerDigits(); });
  beep_ = AddItem(menu, "SBeep", "ゲーム時、音を鳴らす(&B)", true);
  guards.Add(beep_, app::CommandGroup::GameSound,
             [this] { return session_.Menus().soundsEnabled; });
  connect(beep_, &QAction::toggled, this,
          [this](bool on) { session_.Format().format.puzzle.gameSound = on; });
  connect(panel_, &PuzzlePanel::gameWanted, this,
          [this, &game] { gameModes_->SetGame(!game.GameOn(), CtrlHeld()); });
  connect(gameModes_, &GameModes::modeChanged, this, [this] {
    SyncGameItems();
    panel_->Refresh();
  });
}

// The assist and hint windows and the assist settings panel, whose item
// goes on the puzzle menu.
void PuzzleFeature::BuildAssist() {
  AssistHost host;
  host.window = shell_.Window();
  host.editor = shell_.Editor();
  host.memo = &shell_.Memo();
  host.settingsArea = shell_.SettingsArea();
  host.puzzleMenu = shell_.Menu(MenuId::Puzzle);
  host.optionPanels = &shell_.Panels();
  host.guards = &shell_.Guards();
  host.stepPanel = panel_->StepPanel();
  host.fontHeight = [this] { return shell_.DocumentFontPixels(); };
  host.focusDocument = [this] {
    shell_.Window()->activateWindow();
    shell_.Editor()->setFocus();
  };
  assist_ = new AssistWindows(session_, std::move(host));
}

// The mode items show the running mode, and the sound item whether sounds
// are wanted.
void PuzzleFeature::SyncGameItems() {
  const app::PuzzleGame &game = session_.Game();
  entry_->setChecked(game.EntryOn());
  play_->setChecked(game.GameOn());
  beep_->setChecked(session_.Format().format.puzzle.gameSound);
}

void PuzzleFeature::Refresh() {
  panel_->Refresh();
  SyncGameItems();
}

void PuzzleFeature::ModeChanged(app::WindowMode mode) {
  SyncGameItems();
  if (mode == app::WindowMode::PausedGame)
    QTimer::singleShot(0, this, &PuzzleFeature::LendStepPanel);
  else
    panel_->TakeBackStepPanel();
}

// Beside the grid's widest line, level with its top border, in the room
// the document leaves on the right.
void PuzzleFeature::LendStepPanel() {
  if (session_.Modes().Mode() != app::WindowMode::PausedGame)
    return;
  QPlainTextEdit *editor = shell_.Editor();
  const int top = session_.Game().Cursor().topLine;
  const QTextDocument *document = editor->document();
  int right = 0;
  for (int line = top; line <= play::GridRowLineIndex(top, 9) + 1; ++line) {
    QTextCursor at(document->findBlockByNumber(line));
    at.movePosition(QTextCursor::EndOfBlock);
    right = std::max(right, editor->cursorRect(at).right());
  }
  const int gap = editor->fontMetrics().horizontalAdvance(QChar(0x3000)) / 2;
  const QPoint at(right + gap,
                  editor->cursorRect(QTextCursor(document->findBlockByNumber(top))).top());
  const int room = editor->viewport()->width() - at.x() - 2;
  panel_->LendStepPanel(editor->viewport(), at, std::min(room, side_->viewport()->width()));
}

} // namespace zenpa::ui
