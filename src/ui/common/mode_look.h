// What every drill and puzzle mode does to the main window around its grid:
// the enlarged text view (switched on by the mode is switched off by it),
// the editor taking cell keys only, overwrite typing with its caret, and on
// the way out the other commands back, the document's caption and the focus
// in the document. Each mode adds its own panels, labels and window size.
#pragma once

#include "app/session.h"

#include <functional>

class QMainWindow;
class QPlainTextEdit;
class QStatusBar;

namespace zenpa::ui {

class Shell;

// What the modes need of the main window.
struct ModeWindow {
  QMainWindow *window = nullptr;
  QPlainTextEdit *editor = nullptr;
  QStatusBar *status = nullptr;
  editor::InputRouter *router = nullptr;
  std::function<void(bool)> setEnlarged; // the enlarged text view on or off
  std::function<void()> lookChanged;     // overwrite mode changed: the editor's look follows
  std::function<void(bool)> caret;       // the block caret of a mode (true); may be empty
  std::function<void()> restoreCaption;
};

// The main window's parts every mode uses, from the shell.
ModeWindow ModeWindowOf(Shell &shell);

class ModeLook {
public:
  ModeLook(app::Session &session, const ModeWindow &window) : session_(session), w_(window) {}

  // The window takes the mode's look.
  void Enter();
  // The look goes; `giveBack` returns the mode's resting commands before
  // the enlarged view is left and the caption restored.
  void Leave(const std::function<void()> &giveBack);

private:
  void Caret(bool grid);

  app::Session &session_;
  const ModeWindow &w_;
  bool enlargedByMode_ = false;
};

} // namespace zenpa::ui
