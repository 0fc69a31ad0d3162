// The main window's side of the print preview: the "プレビュー" button
// (Button28, on the status strip) opens it, the page-range fields and the
// print buttons reach it, the find command presses its "調整", and layout
// changes the session passes on (PreviewDue) compose its sheet again once
// the pending events have run.
#include "ui/main/edit_menu.h"
#include "ui/main/find_dialog.h"
#include "ui/main/main_window.h"
#include "ui/print/preview_window.h"
#include "ui/print/print_status_panel.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>

namespace zenpa::ui {

void MainWindow::BuildPreview() {
  preview_ = std::make_unique<PreviewWindow>(session_, fonts_, uiScale_, nullptr);
  PreviewWindow *preview = preview_.get();
  // "プレビュー" stands on the status strip, beside the caret's position.
  QPushButton *open = NamedButton("Button28", "プレビュー", status_);
  status_->addPermanentWidget(open);
  connect(open, &QPushButton::clicked, this, [this] { preview_->Open(this); });
  connect(printStatus_, &PrintStatusPanel::rangeChanged, this,
          [this] { session_.LayoutChanged(print::PreviewCause::Range); });
  // The print button shows "調整" again.
  connect(printStatus_, &PrintStatusPanel::printRequested, preview, &PreviewWindow::ShowState);
  connect(preview, &PreviewWindow::printRequested, this, [this] {
    RunAndSync([this] { session_.PrintCommand(session_.Menus().enlargedView); });
    preview_->ShowState();
  });
  connect(preview, &PreviewWindow::adjustPressed, this, [this] {
    if (!session_.Menus().enlargedView)
      return;
    session_.SetEnlargedView(false);
    SyncFromSession();
  });
  // While following, the preview does not keep the focus from the editor;
  // a field of the settings panel that is being stepped keeps it.
  connect(preview, &PreviewWindow::composedWhileAdjusting, this, [this] {
    if (QApplication::activeWindow() != preview_.get())
      return;
    activateWindow();
    editor_->setFocus();
  });
  FindDialogs::PreviewAdjust &adjust = editMenu_->Find().previewAdjust;
  adjust.shown = [preview] { return preview->AdjustShown(); };
  adjust.press = [preview] { preview->PressAdjust(); };
  adjust.clickAdjusting = [preview] { preview->ClickAdjusting(); };
}

void MainWindow::PreviewDue() {
  if (preview_)
    preview_->RequestCompose();
}

} // namespace zenpa::ui
