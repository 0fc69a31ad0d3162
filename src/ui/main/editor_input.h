// The document editor's events, through the core's input routing: every key
// and mouse event of Memo1 becomes an editor::InputEvent, the InputRouter
// says who handles it, and this filter carries the answer out (select the
// character overwrite typing replaces, swallow what a mode took, ask for a
// relayout, rebuild the caret). Modes of later features plug into Router().
//
// Keys of a long puzzle run are taken before this by RunKeyFilter, which
// sees the whole window's keys.
#pragma once

#include "editor/input_router.h"
#include "platform/memo.h"

#include <QEvent>
#include <QObject>

#include <functional>
#include <string>

class QPlainTextEdit;
class QKeyEvent;
class QMouseEvent;

namespace zenpa::ui {

class EditorInput : public QObject {
  Q_OBJECT
public:
  // state: the window's state the routing reads, asked for at every event.
  EditorInput(QPlainTextEdit *editor, platform::Memo &memo,
              std::function<editor::InputState()> state);

  editor::InputRouter &Router() { return router_; }

signals:
  void relayoutWanted();
  void positionChanged();
  void caretWanted();
  void gradeWanted();
  // The mark items of the context menu become visible (a mouse press).
  void markItemsWanted();

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  bool Key(QKeyEvent *event);
  bool Commit(const QString &text);
  bool Mouse(QEvent::Type type, QMouseEvent *event);
  bool Apply(const editor::Routing &routing);

  QPlainTextEdit *editor_;
  platform::Memo &memo_;
  std::function<editor::InputState()> state_;
  editor::InputRouter router_;
};

// Line-break conversion before a paste: a clipboard text holding a line
// feed gets every line break as CR LF.
void RewriteClipboardBreaks();

// The routing key of a Qt key event.
editor::InputKey InputKeyOf(const QKeyEvent *event);

} // namespace zenpa::ui
