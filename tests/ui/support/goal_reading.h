// Reading the goal dialog TForm6 of a finished game from a test: waits for it
// to open (it is modal, so the test asks from the event loop), reads its
// caption and its three lines, and hands it over to be answered.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QStringList>
#include <QTimer>

#include <functional>

namespace zenpa::testing {

inline void WhenGoalShows(QObject *context, QStringList &seen,
                          const std::function<void(QDialog *)> &answer) {
  auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
  if (!dialog || dialog->objectName() != "TForm6") {
    QTimer::singleShot(10, context,
                       [context, &seen, answer] { WhenGoalShows(context, seen, answer); });
    return;
  }
  seen << dialog->windowTitle();
  for (const char *name : {"GoalHeadline", "GoalTime", "GoalResult"})
    seen << dialog->findChild<QLabel *>(name)->text();
  answer(dialog);
}

} // namespace zenpa::testing
