// The main window's editor parts: the Edit and Settings menus, the input
// routing of Memo1, the editor's look from the format, the editor's width
// beside the side panel, the overwrite label "上書き" and the enlarged text
// view with the sound-assignment button.
#include "editor/editor_row.h"
#include "editor/kmode_lines.h"
#include "ui/main/edit_menu.h"
#include "ui/main/editor_input.h"
#include "ui/main/editor_row.h"
#include "ui/main/editor_view.h"
#include "ui/main/enlarged_view.h"
#include "ui/main/main_window.h"
#include "ui/main/settings_menu.h"
#include "ui/print/print_settings_side.h"
#include "ui/widgets.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

namespace zenpa::ui {

// Menu bar order: ファイル, 編集, …, 設定, 数独, ヘルプ.
void MainWindow::BuildEditorParts() {
  editMenu_ = new EditMenu(session_, *memo_, this);
  const QList<QAction *> bar = menuBar()->actions();
  const int file = static_cast<int>(bar.indexOf(findChild<QMenu *>("File1")->menuAction()));
  menuBar()->insertMenu(file + 1 < bar.size() ? bar[file + 1] : nullptr, editMenu_->Menu());
  settingsMenu_ = new SettingsMenu(session_, this, status_);
  const QMenu *sudoku = findChild<QMenu *>("MenuSudoku");
  menuBar()->insertMenu(sudoku ? sudoku->menuAction() : nullptr, settingsMenu_->Menu());
  if (auto *memo2 = findChild<QPlainTextEdit *>("Memo2"))
    editMenu_->AttachContextMenu(memo2);

  overwriteLabel_ = NamedLabel("OverwriteLabel", status_, Utf("上書き"));
  status_->addPermanentWidget(overwriteLabel_);
  soundButton_ = NamedButton("Mfile", "音の指定", status_);
  status_->addWidget(soundButton_);
  soundButton_->hide();
  connect(soundButton_, &QPushButton::clicked, this, &MainWindow::AssignSound);
  enlarged_ = new EnlargedView(this, settingsArea_, soundButton_);
  connect(enlarged_, &EnlargedView::switched, this, &MainWindow::enlargedViewSwitched);

  connect(editMenu_, &EditMenu::textChanged, relayoutTimer_, qOverload<>(&QTimer::start));
  connect(editMenu_, &EditMenu::overwriteSwitched, this, [this](bool on) {
    if (editMenu_->Syncing())
      return;
    session_.Format().format.overwriteMode = on;
    ApplyEditorLook();
    editor_->setFocus();
  });
  connect(editMenu_, &EditMenu::enlargeSwitched, this, [this](bool on) {
    if (editMenu_->Syncing())
      return;
    session_.SetEnlargedView(on);
    SyncFromSession();
  });
  connect(settingsMenu_, &SettingsMenu::lookChanged, this, [this] {
    ApplyEditorLook();
    session_.Relayout();
  });
  connect(settingsMenu_, &SettingsMenu::formatReset, this, &MainWindow::SyncFromSession);
  ConnectEditorInput();
  ConnectEditorRow();
}

// A drag of the splitter is a change of the format; the editor's own
// resize lays a wrapping document out again (the input routing sees it).
// The field shows the new width even when it had the focus: the focus goes
// back to the document.
void MainWindow::ConnectEditorRow() {
  connect(editorRow_, &EditorRow::dragged, this, [this](int paneWidth) {
    editor::EditorWidthDragged(session_.Format(), paneWidth);
    editor_->setFocus();
    printSettings_->Refresh();
  });
}

void MainWindow::ConnectEditorInput() {
  input_ = new EditorInput(editor_, *memo_, [this] { return InputStateNow(); });
  connect(input_, &EditorInput::relayoutWanted, relayoutTimer_, qOverload<>(&QTimer::start));
  connect(input_, &EditorInput::positionChanged, this, [this] {
    session_.CaretMoved();
    DocumentLaidOut();
  });
  connect(input_, &EditorInput::caretWanted, this, [this] {
    const bool gridMode = session_.Game().Mode() != app::WindowMode::None ||
                          session_.Drill().Mode() != app::WindowMode::None;
    ApplyCaret(editor_, session_.Format().format.overwriteMode, gridMode);
  });
  connect(input_, &EditorInput::gradeWanted, this, &MainWindow::GradePuzzleAtCaret);
}

void MainWindow::GradePuzzleAtCaret() {
  if (auto *grade = findChild<QAction *>("LevelSDK"))
    grade->trigger();
}

editor::InputState MainWindow::InputStateNow() const {
  editor::InputState state;
  state.overwrite = session_.Format().format.overwriteMode;
  state.realtimeLayout = session_.Doc().Settings().realtimeLayoutOn;
  state.kMode = session_.Doc().Settings().kMode;
  state.convertLineEnds = session_.Format().format.convertLineEnds;
  return state;
}

void MainWindow::SyncEditorParts() {
  editMenu_->Sync();
  settingsMenu_->Sync();
  enlarged_->Show(session_.Menus().enlargedView, session_.Doc().Settings().kMode);
  ApplyEditorLook();
  FitMinimumSize();
}

// The format's font, wrapping, tabs and overwrite mode reach the editor
// (and the tab stops the conversion box); a new font lays the text out again.
void MainWindow::ApplyEditorLook() {
  const editor::EditorLook look = editor::LookOf(session_.Format().format, editor_->logicalDpiY(),
                                                 session_.Menus().reducedDisplay);
  overwriteLabel_->setVisible(look.overwrite);
  if (look_ == look)
    return;
  if (!look_ || look_->editorWidth != look.editorWidth)
    editorRow_->ShowEditorWidth(look.editorWidth);
  look_ = look;
  const bool fontChanged = ApplyLook(editor_, look, fonts_);
  if (auto *memo2 = findChild<QPlainTextEdit *>("Memo2"))
    ApplyTabs(memo2, true, look.tabWidth);
  if (fontChanged)
    relayoutTimer_->start();
}

void MainWindow::AssignSound() {
  const bool ctrl = QApplication::keyboardModifiers() & Qt::ControlModifier;
  if (editor::AssignSound(*memo_, session_.DesktopHost(), session_.ProgramDir(), ctrl))
    relayoutTimer_->start();
  editor_->setFocus();
}

} // namespace zenpa::ui
