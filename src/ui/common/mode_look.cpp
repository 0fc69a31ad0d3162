#include "ui/common/mode_look.h"

#include "ui/common/grid_editing.h"
#include "ui/common/shell.h"

#include <QPlainTextEdit>

namespace zenpa::ui {

ModeWindow ModeWindowOf(Shell &shell) {
  ModeWindow w;
  w.window = shell.Window();
  w.editor = shell.Editor();
  w.status = shell.StatusStrip();
  w.router = &shell.Router();
  w.setEnlarged = [&shell](bool on) {
    shell.Session().SetEnlargedView(on);
    shell.Sync();
  };
  w.lookChanged = [&shell] { shell.Sync(); };
  w.restoreCaption = [&shell] { shell.RestoreCaption(); };
  return w;
}

void ModeLook::Enter() {
  enlargedByMode_ = !session_.Menus().enlargedView;
  if (enlargedByMode_)
    w_.setEnlarged(true);
  SetGridEditing(w_.editor, true);
  session_.Format().format.overwriteMode = true;
  w_.lookChanged();
}

void ModeLook::Leave(const std::function<void()> &giveBack) {
  SetGridEditing(w_.editor, false);
  session_.Format().format.overwriteMode = false;
  w_.lookChanged();
  giveBack();
  if (enlargedByMode_)
    w_.setEnlarged(false);
  enlargedByMode_ = false;
  w_.restoreCaption();
  w_.editor->setFocus();
}

} // namespace zenpa::ui
