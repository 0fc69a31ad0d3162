// Typing into a widget as an input method commits text, so that Japanese
// reaches the editor the way a person enters it.
#pragma once

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QString>
#include <QWidget>

namespace zenpa::testing {

inline void TypeText(QWidget *widget, const QString &text) {
  QInputMethodEvent commit;
  commit.setCommitString(text);
  QCoreApplication::sendEvent(widget, &commit);
}

} // namespace zenpa::testing
