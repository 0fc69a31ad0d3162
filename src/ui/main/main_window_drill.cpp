// The main window's drill side: the panel "もこさん" above the editor, its
// menu right before Help, and the entry and game modes.
#include "ui/drill/drill_modes.h"
#include "ui/drill/drill_panel.h"
#include "ui/main/editor_input.h"
#include "ui/main/main_window.h"
#include "ui/print/print_status_panel.h"
#include "ui/puzzle/puzzle_panel.h"
#include "ui/qt/qt_text.h"
#include "ui/widgets.h"

#include <QCoreApplication>
#include <QDockWidget>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

namespace zenpa::ui {

void MainWindow::BuildDrillSide() {
  drillPanel_ = new DrillPanel(session_, this);
  settingsArea_->addWidget(drillPanel_);
  drillPanel_->setVisible(session_.Drill().Options().menuShown);
  QMenu *menu = new QMenu(Utf("もこさん(&K)"), this);
  menu->setObjectName("MenuMoko");
  const QMenu *help = findChild<QMenu *>("Help1");
  menuBar()->insertMenu(help ? help->menuAction() : nullptr, menu);
  drillPanel_->BuildMenu(menu);
  DrillModeWindow w;
  static_cast<ModeWindow &>(w) = ModeWindowOf();
  w.rest = [this](bool resting) { RestForDrill(resting); };
  // The panels the mode hid no longer count towards the minimum: the
  // layout is brought up to date before the minimum is taken.
  w.narrow = [this](bool on) {
    narrowed_ = on;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    FitMinimumSize();
  };
  drillModes_ = new DrillModes(session_, std::move(w), drillPanel_);
  connect(drillPanel_, &DrillPanel::panelWanted, this, &MainWindow::ShowDrillPanel);
  connect(drillPanel_, &DrillPanel::commandDone, this, &MainWindow::SyncFromSession);
  // While sheets are generated, the File, drill and puzzle menus and the
  // print button rest.
  connect(drillPanel_, &DrillPanel::generating, this, [this](bool running) {
    for (const char *name : {"File1", "MenuMoko", "MenuSudoku"})
      findChild<QMenu *>(name)->menuAction()->setEnabled(!running);
    findChild<QWidget *>("Button1")->setEnabled(!running);
  });
  connect(drillPanel_, &DrillPanel::entryWanted, drillModes_, &DrillModes::SetEntry);
  connect(drillPanel_, &DrillPanel::gameWanted, drillModes_, &DrillModes::SetGame);
  connect(drillPanel_, &DrillPanel::insertionToggled, this, [this] {
    session_.Puzzle().ToggleInsertion();
    SyncFromSession();
  });
  connect(puzzlePanel_, &PuzzlePanel::commandDone, drillPanel_, &DrillPanel::Refresh);
  // The puzzle side and the drill panel take turns.
  connect(puzzlePanel_, &PuzzlePanel::sideWanted, this, [this](bool shown) {
    if (!shown || !drillPanel_->isVisible())
      return;
    session_.Drill().Options().menuShown = false;
    drillPanel_->hide();
    drillPanel_->Refresh();
  });
}

// The drill panel opens in place of the puzzle side; the enlarged text view
// is left first, since it hides the panels above the editor.
void MainWindow::ShowDrillPanel(bool shown) {
  if (shown) {
    session_.SetEnlargedView(false);
    session_.Puzzle().Options().menuShown = false;
  }
  drillPanel_->setVisible(shown);
  SyncFromSession();
}

// While a drill mode runs, the commands that would change the document or
// the layout under it rest: the File, Edit, Settings and puzzle menus, the
// puzzle side and the print buttons; the page/line display gives way to the
// mode's label.
void MainWindow::RestForDrill(bool resting) {
  for (const char *name : {"File1", "Edit1", "MenuSudoku", "Option1"}) {
    if (auto *menu = findChild<QMenu *>(name))
      menu->menuAction()->setEnabled(!resting);
  }
  printStatus_->setEnabled(!resting);
  printStatus_->caretLabel()->setVisible(!resting);
  puzzleDock_->setEnabled(!resting);
  if (!resting)
    FitMinimumSize();
}

} // namespace zenpa::ui
