// The main window's puzzle-play side: the entry and game items of the
// puzzle menu, the puzzle panel's "ゲーム" button, and the modes.
#include "ui/main/editor_input.h"
#include "ui/main/editor_view.h"
#include "ui/main/main_window.h"
#include "ui/print/print_status_panel.h"
#include "ui/puzzle/game_modes.h"
#include "ui/puzzle/puzzle_panel.h"
#include "ui/qt/qt_text.h"
#include "ui/widgets.h"

#include <QDockWidget>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>

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

ModeWindow MainWindow::ModeWindowOf() {
  ModeWindow w;
  w.window = this;
  w.editor = editor_;
  w.status = status_;
  w.router = &input_->Router();
  w.setEnlarged = [this](bool on) {
    session_.SetEnlargedView(on);
    SyncEditorParts();
  };
  w.lookChanged = [this] { ApplyEditorLook(); };
  w.restoreCaption = [this] { setWindowTitle(WindowCaption()); };
  return w;
}

void MainWindow::BuildGameSide() {
  GameModeWindow w;
  static_cast<ModeWindow &>(w) = ModeWindowOf();
  w.memo = memo_;
  w.stop = findChild<QPushButton *>("Button16");
  w.rest = [this](app::WindowMode mode) { RestForGame(mode); };
  w.caret = [this](bool grid) {
    ApplyCaret(editor_, session_.Format().format.overwriteMode, grid);
  };
  gameModes_ = new GameModes(session_, std::move(w));
  app::PuzzleGame &game = session_.Game();
  QMenu *menu = findChild<QMenu *>("MenuSudoku");
  menu->addSeparator();
  connect(AddItem(menu, "EditSDK", "数独新規入力(&E)"), &QAction::triggered, this, [this, &game] {
    game.NewEntry();
    SyncFromSession();
  });
  QAction *entry = AddItem(menu, "InputSudoku", "数独数字入力モード(&I)", true);
  connect(entry, &QAction::triggered, gameModes_, &GameModes::SetEntry);
  QAction *play = AddItem(menu, "Sudokumode", "数独ゲームモード(&S)", true);
  connect(play, &QAction::triggered, this,
          [this](bool on) { gameModes_->SetGame(on, CtrlHeld()); });
  connect(AddItem(menu, "ClearSudoku", "数独の答え数字消去(&Q)"), &QAction::triggered, this,
          [&game] { game.ClearPlayerDigits(); });
  QAction *beep = AddItem(menu, "SBeep", "ゲーム時、音を鳴らす(&B)", true);
  beep->setChecked(session_.Format().format.puzzle.gameSound);
  connect(beep, &QAction::toggled, this,
          [this](bool on) { session_.Format().format.puzzle.gameSound = on; });
  connect(puzzlePanel_, &PuzzlePanel::gameWanted, this,
          [this, &game] { gameModes_->SetGame(!game.GameOn(), CtrlHeld()); });
  connect(gameModes_, &GameModes::modeChanged, this, [this] {
    SyncGameItems();
    puzzlePanel_->Refresh();
  });
}

// The mode items show the running mode, and the sound item whether sounds
// exist (found at start-up) and are wanted.
void MainWindow::SyncGameItems() {
  if (!gameModes_)
    return;
  const app::PuzzleGame &game = session_.Game();
  findChild<QAction *>("InputSudoku")->setChecked(game.EntryOn());
  findChild<QAction *>("Sudokumode")->setChecked(game.GameOn());
  QAction *beep = findChild<QAction *>("SBeep");
  beep->setChecked(session_.Format().format.puzzle.gameSound);
  beep->setEnabled(session_.Menus().soundsEnabled);
}

QString MainWindow::WindowCaption() const {
  if (session_.Game().GameOn())
    return ToQt(play::GameCaption());
  return DisplayText(session_.Doc().Caption());
}

// While a puzzle mode runs, the commands that would change the document or
// the layout under it rest: the File, Edit, Settings and drill menus, the
// print buttons, the puzzle side and the puzzle menu's items except those
// of the mode itself. The page/line display gives way to the mode's label.
void MainWindow::RestForGame(app::WindowMode mode) {
  const bool resting = mode != app::WindowMode::None;
  for (const char *name : {"File1", "Edit1", "Option1", "MenuMoko"}) {
    if (auto *m = findChild<QMenu *>(name))
      m->menuAction()->setEnabled(!resting);
  }
  printStatus_->setEnabled(!resting);
  printStatus_->caretLabel()->setVisible(!resting);
  // The game's narrow window keeps its status strip for the game.
  nameLabel_->setVisible(mode != app::WindowMode::PuzzleGame && !session_.Doc().Renaming());
  puzzleDock_->setVisible(!resting && session_.Puzzle().Options().menuShown);
  const bool game = mode == app::WindowMode::PuzzleGame;
  const QStringList kept = game ? QStringList{"Sudokumode", "DebugAnswer", "ClearSudoku", "SBeep"}
                                : QStringList{"InputSudoku", "SBeep"};
  QMenu *menu = findChild<QMenu *>("MenuSudoku");
  for (QAction *item : menu->actions()) {
    if (resting && item->isEnabled() && !kept.contains(item->objectName())) {
      item->setEnabled(false);
      restingItems_.push_back(item);
    }
  }
  if (resting)
    return;
  for (QAction *item : restingItems_)
    item->setEnabled(true);
  restingItems_.clear();
  FitMinimumSize();
}

} // namespace zenpa::ui
