// The main window's assist side: the assist and hint windows of the puzzle
// game and the assist settings panel, whose menu item goes on the puzzle
// menu.
#include "ui/main/main_window.h"
#include "ui/puzzle/assist_windows.h"

#include <QMenu>
#include <QPlainTextEdit>

namespace zenpa::ui {

void MainWindow::BuildAssistSide() {
  AssistHost host;
  host.window = this;
  host.editor = editor_;
  host.memo = memo_;
  host.settingsArea = settingsArea_;
  host.puzzleMenu = findChild<QMenu *>("MenuSudoku");
  host.optionPanels = optionPanels_;
  host.fontHeight = [this] { return look_ ? look_->fontPixels : editor_->fontMetrics().height(); };
  host.focusDocument = [this] {
    activateWindow();
    FocusEditor();
  };
  assist_ = new AssistWindows(session_, std::move(host));
}

} // namespace zenpa::ui
