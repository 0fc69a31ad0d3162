#include "ui/main/run_keys.h"

#include "app/run_lock.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

namespace zenpa::ui {

app::RunKey RunKeyOf(int qtKey) {
  switch (qtKey) {
  case Qt::Key_Return:
  case Qt::Key_Enter:
    return app::RunKey::Enter;
  case Qt::Key_Escape:
    return app::RunKey::Escape;
  case Qt::Key_Backspace:
    return app::RunKey::Backspace;
  case Qt::Key_Tab:
    return app::RunKey::Tab;
  case Qt::Key_Left:
    return app::RunKey::Left;
  case Qt::Key_Right:
    return app::RunKey::Right;
  case Qt::Key_Up:
    return app::RunKey::Up;
  case Qt::Key_Down:
    return app::RunKey::Down;
  default:
    return app::RunKey::Other;
  }
}

RunKeyFilter::RunKeyFilter(app::PuzzleCommands &puzzle, QWidget *window, QWidget *editor)
    : puzzle_(puzzle), window_(window), editor_(editor) {
  QCoreApplication::instance()->installEventFilter(this);
}

bool RunKeyFilter::InEditor(QObject *watched) const {
  return watched == editor_ || watched->parent() == editor_;
}

bool RunKeyFilter::EditorMouse(QObject *watched, QEvent::Type type) {
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
      type != QEvent::ContextMenu)
    return false;
  if (!InEditor(watched))
    return false;
  auto *stop = window_->findChild<QPushButton *>("Button14");
  if (stop && stop->isVisible() && stop->isEnabled())
    stop->setFocus();
  return true;
}

bool RunKeyFilter::eventFilter(QObject *watched, QEvent *event) {
  const QEvent::Type type = event->type();
  if (!app::CommandEnabled(app::WindowCommand::DocumentMouse, puzzle_.Running()) &&
      EditorMouse(watched, type))
    return true;
  const bool key = type == QEvent::KeyPress || type == QEvent::ShortcutOverride;
  if (!puzzle_.Running() || !watched->isWidgetType())
    return false;
  if (!key && !(type == QEvent::InputMethod && InEditor(watched)))
    return false;
  if (static_cast<QWidget *>(watched)->window() != window_)
    return false;
  if (type == QEvent::InputMethod)
    return true;
  const app::RunKey runKey = RunKeyOf(static_cast<QKeyEvent *>(event)->key());
  if (type == QEvent::ShortcutOverride) {
    // The editor takes every key itself during a run, shortcuts included.
    event->setAccepted(InEditor(watched));
    return false;
  }
  return InEditor(watched) ? puzzle_.EditorKey(runKey) : puzzle_.WindowKey(runKey);
}

} // namespace zenpa::ui
