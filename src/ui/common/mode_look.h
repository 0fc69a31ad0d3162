// What every drill and puzzle mode does to the main window around its grid:
// the enlarged text view (switched on by the mode is switched off by it),
// the editor taking cell keys only, overwrite typing, and on the way out the
// document's caption and the focus in the document. Each mode adds its own
// panels, labels and window size; which commands rest is the shell's
// business (the window mode's table), and the caret follows the mode there.
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
  std::function<void()> restoreCaption;
};

// The main window's parts every mode uses, from the shell.
ModeWindow ModeWindowOf(Shell &shell);

class ModeLook {
public:
  ModeLook(app::Session &session, const ModeWindow &window) : session_(session), w_(window) {}

  // The window takes the mode's look.
  void Enter();
  // The look goes; `giveBack` puts the mode's own items back before the
  // enlarged view is left and the caption restored.
  void Leave(const std::function<void()> &giveBack);

private:
  app::Session &session_;
  const ModeWindow &w_;
  bool enlargedByMode_ = false;
};

} // namespace zenpa::ui
