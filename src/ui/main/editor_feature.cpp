#include "ui/main/editor_feature.h"

#include "editor/editor_row.h"
#include "editor/kmode_lines.h"
#include "ui/common/editor_view.h"
#include "ui/common/widgets.h"
#include "ui/main/edit_menu.h"
#include "ui/main/editor_input.h"
#include "ui/main/editor_row.h"
#include "ui/main/enlarged_view.h"
#include "ui/main/find_dialog.h"
#include "ui/main/settings_menu.h"
#include "ui/print/preview_window.h"
#include "ui/qt/qt_memo.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace zenpa::ui {

EditorFeature::EditorFeature(Shell &shell, EditorRow *row, const platform::FontCatalog &fonts)
    : QObject(shell.Window()), shell_(shell), session_(shell.Session()), editor_(shell.Editor()),
      row_(row), fonts_(fonts) {
  BuildMenus();
  ConnectInput();
  // A drag of the splitter is a change of the format. The field shows the
  // new width even when it had the focus: the focus goes back to the document.
  connect(row_, &EditorRow::dragged, this, [this](int paneWidth) {
    editor::EditorWidthDragged(session_.Format(), paneWidth);
    editor_->setFocus();
    shell_.Sync();
  });
}

void EditorFeature::BuildMenus() {
  editMenu_ = new EditMenu(session_, shell_.Memo(), shell_.Window());
  shell_.InstallMenu(MenuId::Edit, editMenu_->Menu());
  settingsMenu_ = new SettingsMenu(session_, shell_.Window(), shell_.StatusStrip());
  shell_.InstallMenu(MenuId::Settings, settingsMenu_->Menu());
  QStatusBar *status = shell_.StatusStrip();
  overwriteLabel_ = NamedLabel("OverwriteLabel", status, Utf("上書き"));
  status->addPermanentWidget(overwriteLabel_);
  soundButton_ = NamedButton("Mfile", "音の指定", status);
  status->addWidget(soundButton_);
  soundButton_->hide();
  connect(soundButton_, &QPushButton::clicked, this, &EditorFeature::AssignSound);
  enlarged_ = new EnlargedView(shell_.Window(), shell_.SettingsArea(), soundButton_);
  connect(editMenu_, &EditMenu::textChanged, this, [this] { shell_.Relayout(); });
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
    shell_.Sync();
  });
  connect(settingsMenu_, &SettingsMenu::lookChanged, this, [this] {
    ApplyEditorLook();
    session_.Relayout();
  });
  connect(settingsMenu_, &SettingsMenu::formatReset, this, [this] { shell_.Sync(); });
}

// A plain Ctrl+click grades the puzzle at the caret, where puzzle commands
// may run.
void EditorFeature::ConnectInput() {
  input_ = new EditorInput(editor_, shell_.Memo(), [this] { return InputStateNow(); });
  connect(input_, &EditorInput::relayoutWanted, this, [this] { shell_.Relayout(); });
  connect(input_, &EditorInput::positionChanged, this, [this] {
    session_.CaretMoved();
    shell_.ShowLayout();
  });
  connect(input_, &EditorInput::caretWanted, this, &EditorFeature::ApplyCaret);
  connect(input_, &EditorInput::gradeWanted, this, [this] {
    session_.Puzzle().GradeAtCaret();
    shell_.Sync();
  });
  connect(input_, &EditorInput::markItemsWanted, this, &EditorFeature::markItemsWanted);
}

editor::InputRouter &EditorFeature::Router() { return input_->Router(); }

DocumentMenu EditorFeature::ContextMenu() {
  return {editMenu_->ContextMenu(), editMenu_->MarkItemsPlace(),
          [this] { return editMenu_->DocumentTargeted(); }};
}

void EditorFeature::AttachEditMenu(QPlainTextEdit *box) {
  editMenu_->AttachContextMenu(box);
  tabBoxes_.push_back(box);
}

int EditorFeature::FontPixels() const {
  return look_ ? look_->fontPixels : editor_->fontMetrics().height();
}

void EditorFeature::BindPreview(PreviewWindow &preview) {
  FindDialogs::PreviewAdjust &adjust = editMenu_->Find().previewAdjust;
  PreviewWindow *p = &preview;
  adjust.shown = [p] { return p->AdjustShown(); };
  adjust.press = [p] { p->PressAdjust(); };
  adjust.clickAdjusting = [p] { p->ClickAdjusting(); };
}

editor::InputState EditorFeature::InputStateNow() const {
  editor::InputState state;
  state.overwrite = session_.Format().format.overwriteMode;
  state.realtimeLayout = session_.Doc().Settings().realtimeLayoutOn;
  state.kMode = session_.Doc().Settings().kMode;
  state.convertLineEnds = session_.Format().format.convertLineEnds;
  return state;
}

void EditorFeature::Refresh() {
  editMenu_->Sync();
  settingsMenu_->Sync();
  enlarged_->Show(session_.Menus().enlargedView, session_.Doc().Settings().kMode);
  ApplyEditorLook();
}

// The panel's font, tab and display fields reach the editor as they change.
void EditorFeature::LaidOut() { ApplyEditorLook(); }

void EditorFeature::ModeChanged(app::WindowMode /*mode*/) { ApplyCaret(); }

// The format's font, wrapping, tabs and overwrite mode reach the editor
// (and the tab stops the other text boxes); a new font lays the text out
// again.
void EditorFeature::ApplyEditorLook() {
  const editor::EditorLook look = editor::LookOf(session_.Format().format, editor_->logicalDpiY(),
                                                 session_.Menus().reducedDisplay);
  overwriteLabel_->setVisible(look.overwrite);
  if (look_ == look)
    return;
  if (!look_ || look_->editorWidth != look.editorWidth)
    row_->ShowEditorWidth(look.editorWidth);
  look_ = look;
  const bool fontChanged = ApplyLook(editor_, look, fonts_);
  ApplyCaret();
  for (QPlainTextEdit *box : tabBoxes_)
    ApplyTabs(box, true, look.tabWidth);
  if (fontChanged)
    shell_.Relayout();
}

// A grid mode shows the block caret of its cells.
void EditorFeature::ApplyCaret() {
  ui::ApplyCaret(editor_, session_.Format().format.overwriteMode,
                 app::GridMode(session_.Modes().Mode()));
}

void EditorFeature::AssignSound() {
  const bool ctrl = QApplication::keyboardModifiers() & Qt::ControlModifier;
  if (editor::AssignSound(shell_.Memo(), session_.DesktopHost(), session_.ProgramDir(), ctrl))
    shell_.Relayout();
  editor_->setFocus();
}

} // namespace zenpa::ui
