#include "ui/main/editor_input.h"

#include "editor/line_breaks.h"
#include "ui/qt/qt_text.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>

namespace zenpa::ui {
namespace {

using editor::InputEvent;
using editor::InputKey;
using editor::InputKind;

InputEvent EventOf(InputKind kind, Qt::KeyboardModifiers modifiers) {
  InputEvent event;
  event.kind = kind;
  event.ctrl = modifiers & Qt::ControlModifier;
  event.shift = modifiers & Qt::ShiftModifier;
  return event;
}

} // namespace

editor::InputKey InputKeyOf(const QKeyEvent *event) {
  if (event->matches(QKeySequence::Paste))
    return InputKey::Paste;
  static const std::pair<int, InputKey> keys[] = {{Qt::Key_Tab, InputKey::Tab},
                                                  {Qt::Key_Backspace, InputKey::Backspace},
                                                  {Qt::Key_Return, InputKey::Enter},
                                                  {Qt::Key_Enter, InputKey::Enter},
                                                  {Qt::Key_Escape, InputKey::Escape},
                                                  {Qt::Key_Insert, InputKey::Insert},
                                                  {Qt::Key_Delete, InputKey::Delete},
                                                  {Qt::Key_Left, InputKey::Left},
                                                  {Qt::Key_Right, InputKey::Right},
                                                  {Qt::Key_Up, InputKey::Up},
                                                  {Qt::Key_Down, InputKey::Down},
                                                  {Qt::Key_PageUp, InputKey::PageUp},
                                                  {Qt::Key_PageDown, InputKey::PageDown},
                                                  {Qt::Key_Home, InputKey::Home},
                                                  {Qt::Key_End, InputKey::End}};
  for (const auto &[qt, key] : keys) {
    if (event->key() == qt)
      return key;
  }
  return InputKey::Other;
}

EditorInput::EditorInput(QPlainTextEdit *editor, platform::Memo &memo,
                         std::function<editor::InputState()> state)
    : QObject(editor), editor_(editor), memo_(memo), state_(std::move(state)) {
  editor_->installEventFilter(this);
  editor_->viewport()->installEventFilter(this);
}

bool EditorInput::eventFilter(QObject *watched, QEvent *event) {
  const QEvent::Type type = event->type();
  if (watched == editor_ && (type == QEvent::KeyPress || type == QEvent::KeyRelease))
    return Key(static_cast<QKeyEvent *>(event));
  if (watched == editor_ && type == QEvent::InputMethod)
    return Commit(static_cast<QInputMethodEvent *>(event)->commitString());
  if (watched == editor_->viewport() &&
      (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease))
    return Mouse(type, static_cast<QMouseEvent *>(event));
  // A right click asks from the viewport, the menu key from the editor.
  if ((watched == editor_ || watched == editor_->viewport()) && type == QEvent::ContextMenu)
    return router_.Route(EventOf(InputKind::ContextMenu, {}), memo_, state_()).handled;
  if (watched == editor_ && type == QEvent::Resize)
    Apply(router_.Route(EventOf(InputKind::Resize, {}), memo_, state_()));
  return false;
}

bool EditorInput::Key(QKeyEvent *event) {
  const editor::InputState state = state_();
  if (event->type() == QEvent::KeyRelease) {
    if (event->isAutoRepeat())
      return false;
    return Apply(router_.Route(EventOf(InputKind::KeyUp, event->modifiers()), memo_, state));
  }
  InputEvent down = EventOf(InputKind::KeyDown, event->modifiers());
  down.key = InputKeyOf(event);
  if (Apply(router_.Route(down, memo_, state)))
    return true;
  if (event->text().isEmpty())
    return false;
  InputEvent typed = EventOf(InputKind::KeyPress, event->modifiers());
  typed.key = down.key;
  typed.text = FromQt(event->text());
  return Apply(router_.Route(typed, memo_, state));
}

// Text an input method commits is typed like keys: in overwrite mode it
// replaces as many characters as it holds.
bool EditorInput::Commit(const QString &text) {
  if (text.isEmpty())
    return false;
  InputEvent typed = EventOf(InputKind::KeyPress, {});
  typed.key = InputKey::Other;
  typed.text = FromQt(text);
  return Apply(router_.Route(typed, memo_, state_()));
}

bool EditorInput::Mouse(QEvent::Type type, QMouseEvent *event) {
  const editor::InputState state = state_();
  const bool press = type == QEvent::MouseButtonPress;
  InputEvent mouse = EventOf(press ? InputKind::MouseDown : InputKind::MouseUp, event->modifiers());
  mouse.rightButton = event->button() == Qt::RightButton;
  mouse.x = qRound(event->position().x());
  mouse.y = qRound(event->position().y());
  // A Ctrl+click acts on the line clicked: the caret goes there first, as
  // a plain click would take it.
  if (press && mouse.ctrl && !mouse.rightButton)
    editor_->setTextCursor(editor_->cursorForPosition(event->position().toPoint()));
  if (Apply(router_.Route(mouse, memo_, state)))
    return true;
  if (press || event->button() != Qt::LeftButton)
    return false;
  InputEvent click = mouse;
  click.kind = InputKind::Click;
  return Apply(router_.Route(click, memo_, state));
}

bool EditorInput::Apply(const editor::Routing &r) {
  if (r.normalisePaste)
    RewriteClipboardBreaks();
  if (r.overwriteBytes > 0) {
    const platform::TextPos caret = memo_.Caret();
    memo_.Select(caret, {caret.line, caret.col + r.overwriteBytes});
  }
  if (r.showMarkItems)
    emit markItemsWanted();
  if (r.relayout)
    emit relayoutWanted();
  if (r.refreshPosition)
    emit positionChanged();
  if (r.rebuildCaret)
    emit caretWanted();
  if (r.gradePuzzle)
    emit gradeWanted();
  return r.handled;
}

void RewriteClipboardBreaks() {
  QClipboard *clipboard = QApplication::clipboard();
  const QByteArray text = clipboard->text().toUtf8();
  if (!editor::PasteNeedsCrLf(std::string_view(text.constData(), text.size())))
    return;
  const std::string rewritten = editor::WithLineBreaks(
      std::string_view(text.constData(), text.size()), editor::LineBreak::CrLf);
  clipboard->setText(QString::fromUtf8(rewritten.data(), static_cast<qsizetype>(rewritten.size())));
}

} // namespace zenpa::ui
