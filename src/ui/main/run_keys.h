// Keys during a long puzzle run: the window sees every key first. While a
// run is active, Enter and Esc typed anywhere in the main window steer it
// (next, stop), and keys typed into the document never edit it: Enter, Esc,
// Backspace, Tab and, while the step-by-step solve waits, the arrows become
// the run's StepKey; everything else typed there is swallowed. Mouse presses
// in the document do not move the caret during a run; while the stop button
// Button14 is enabled and shown, it takes the focus instead.
#pragma once

#include "app/puzzle_commands.h"

#include <QEvent>
#include <QObject>

class QWidget;

namespace zenpa::ui {

class RunKeyFilter : public QObject {
  Q_OBJECT
public:
  // window: the main window; editor: the document editor Memo1.
  RunKeyFilter(app::PuzzleCommands &puzzle, QWidget *window, QWidget *editor);

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  bool InEditor(QObject *watched) const;
  bool EditorMouse(QObject *watched, QEvent::Type type);

  app::PuzzleCommands &puzzle_;
  QWidget *window_;
  QWidget *editor_;
};

// The run key of a Qt key code.
app::RunKey RunKeyOf(int qtKey);

} // namespace zenpa::ui
