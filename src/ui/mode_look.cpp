#include "ui/mode_look.h"

#include "ui/grid_editing.h"

#include <QPlainTextEdit>

namespace zenpa::ui {

void ModeLook::Caret(bool grid) {
  if (w_.caret)
    w_.caret(grid);
}

void ModeLook::Enter() {
  enlargedByMode_ = !session_.Menus().enlargedView;
  if (enlargedByMode_)
    w_.setEnlarged(true);
  SetGridEditing(w_.editor, true);
  session_.Format().format.overwriteMode = true;
  w_.lookChanged();
  Caret(true);
}

void ModeLook::Leave(const std::function<void()> &giveBack) {
  SetGridEditing(w_.editor, false);
  session_.Format().format.overwriteMode = false;
  w_.lookChanged();
  Caret(false);
  giveBack();
  if (enlargedByMode_)
    w_.setEnlarged(false);
  enlargedByMode_ = false;
  w_.restoreCaption();
  w_.editor->setFocus();
}

} // namespace zenpa::ui
