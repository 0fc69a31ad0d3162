#include "ui/common/grid_editing.h"

#include "ui/common/widgets.h"

#include <QMenu>
#include <QPlainTextEdit>

namespace zenpa::ui {

void SetGridEditing(QPlainTextEdit *editor, bool on) {
  if (on)
    editor->viewport()->setCursor(Qt::ArrowCursor);
  else
    editor->viewport()->unsetCursor();
  editor->setAttribute(Qt::WA_InputMethodEnabled, !on);
  editor->viewport()->setAcceptDrops(!on);
}

QMenu *DigitPopup(QWidget *parent, const char *name, std::function<void(char)> typed) {
  auto *menu = new QMenu(parent);
  menu->setObjectName(name);
  static const char *const kItems[] = {"１(&1)", "２(&2)", "３(&3)", "４(&4)", "５(&5)",
                                       "６(&6)", "７(&7)", "８(&8)", "９(&D)", "０/消す(&Z)"};
  for (int i = 0; i < 10; ++i) {
    const char key = static_cast<char>(i < 9 ? '1' + i : '0');
    QAction *item = menu->addAction(Utf(kItems[i]));
    item->setObjectName(QString("m%1").arg(key));
    QObject::connect(item, &QAction::triggered, menu, [typed, key] { typed(key); });
  }
  return menu;
}

void SetGameView(QPlainTextEdit *editor, bool on, int &savedWrap) {
  if (on)
    savedWrap = editor->lineWrapMode();
  editor->setLineWrapMode(on ? QPlainTextEdit::NoWrap
                             : static_cast<QPlainTextEdit::LineWrapMode>(savedWrap));
  const Qt::ScrollBarPolicy bars = on ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded;
  editor->setVerticalScrollBarPolicy(bars);
  editor->setHorizontalScrollBarPolicy(bars);
}

} // namespace zenpa::ui
