// The main window's option panels above the document: the puzzle title and
// how-to-play panel Panel17, opened from the puzzle menu's "◆数独タイトル・
// 遊び方編集(&T)" (Utitle), one option panel at a time.
#include "ui/main/main_window.h"
#include "ui/option_panels.h"
#include "ui/puzzle/title_panel_view.h"
#include "ui/widgets.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace zenpa::ui {

void MainWindow::BuildOptionPanels() {
  optionPanels_ = new OptionPanels(this);
  titlePanel_ = new TitlePanelView(session_, *memo_, this);
  titlePanel_->hide();
  settingsArea_->addWidget(titlePanel_);
  QMenu *puzzle = findChild<QMenu *>("MenuSudoku");
  puzzle->addSeparator();
  QAction *item = puzzle->addAction(Utf("◆数独タイトル・遊び方編集(&T)"));
  item->setObjectName("Utitle");
  optionPanels_->Add(titlePanel_, item);
  connect(optionPanels_, &OptionPanels::shown, this, [this](QWidget *panel, bool on) {
    if (panel == titlePanel_ && on)
      titlePanel_->Load();
    FitMinimumSize();
  });
  connect(titlePanel_, &TitlePanelView::closeWanted, this,
          [this] { optionPanels_->Show(titlePanel_, false); });
  connect(titlePanel_, &TitlePanelView::documentChanged, this, [this] {
    SyncFromSession();
    editor_->setFocus();
  });
}

} // namespace zenpa::ui
