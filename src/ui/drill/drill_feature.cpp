#include "ui/drill/drill_feature.h"

#include "ui/common/mode_look.h"
#include "ui/drill/drill_modes.h"
#include "ui/drill/drill_panel.h"

#include <QMainWindow>
#include <QVBoxLayout>

namespace zenpa::ui {

DrillFeature::DrillFeature(Shell &shell)
    : QObject(shell.Window()), shell_(shell), session_(shell.Session()) {
  panel_ = new DrillPanel(session_, shell_.Window());
  shell_.SettingsArea()->addWidget(panel_);
  panel_->setVisible(session_.Drill().Options().menuShown);
  panel_->BuildMenu(shell_.Menu(MenuId::Drill));
  panel_->GuardControls(shell_.Guards());
  DrillModeWindow w;
  static_cast<ModeWindow &>(w) = ModeWindowOf(shell_);
  w.stop = shell_.StopButton();
  w.narrow = [this](bool on) { shell_.SetNarrowed(on); };
  modes_ = new DrillModes(session_, std::move(w), panel_);
  connect(panel_, &DrillPanel::panelWanted, this, &DrillFeature::ShowPanel);
  connect(panel_, &DrillPanel::commandDone, this, [this] { shell_.Sync(); });
  connect(panel_, &DrillPanel::entryWanted, modes_, &DrillModes::SetEntry);
  connect(panel_, &DrillPanel::gameWanted, modes_, &DrillModes::SetGame);
  connect(panel_, &DrillPanel::insertionToggled, this, [this] {
    session_.Puzzle().ToggleInsertion();
    shell_.Sync();
  });
}

// The drill panel opens in place of the puzzle side; the enlarged text view
// is left first, since it hides the panels above the editor.
void DrillFeature::ShowPanel(bool shown) {
  if (shown) {
    session_.SetEnlargedView(false);
    session_.Puzzle().SetPuzzleSide(false);
  }
  session_.Drill().Options().menuShown = shown;
  shell_.Sync();
}

// The panel shows while its menu item is checked, outside the enlarged
// text view (which hides every panel above the document).
void DrillFeature::Refresh() {
  panel_->setVisible(session_.Drill().Options().menuShown && !session_.Menus().enlargedView);
  panel_->Refresh();
}

} // namespace zenpa::ui
