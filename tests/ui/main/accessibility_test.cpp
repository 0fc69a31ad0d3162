// What a screen reader and the keyboard reach, read through the
// accessibility tree of every top-level window while the window is in use:
// the main window with its settings, print, puzzle and drill panels, the
// preview, and the game's assist and hint windows. Every focusable control
// has a name, no two controls of one window share a name and role, the
// secondary windows are windows, and the drill panel's operation radios
// move with the arrow keys and act however they are checked.
#include "support/puzzle_samples.h"
#include "ui/print/preview_window.h"
#include "ui/support/window_rig.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <map>
#include <utility>

using namespace zenpa;

namespace {

// "role name" of every visible control of the tree under iface that a
// person can reach: focusable ones without a name as "role <unnamed>".
void Collect(QAccessibleInterface *iface, QStringList &reached) {
  if (!iface || !iface->isValid() || iface->state().invisible)
    return;
  const QAccessible::State state = iface->state();
  const bool control = state.focusable && iface->role() != QAccessible::Client;
  if (control) {
    const QString name = iface->text(QAccessible::Name).trimmed();
    reached << QString::number(iface->role()) + " " + (name.isEmpty() ? "<unnamed>" : name);
  }
  for (int i = 0; i < iface->childCount(); ++i)
    Collect(iface->child(i), reached);
}

// The faults of one window: unnamed controls, and names used twice for one
// role; reached counts the controls walked.
QStringList Faults(QWidget *window, int &reached) {
  QStringList controls;
  Collect(QAccessible::queryAccessibleInterface(window), controls);
  reached += static_cast<int>(controls.size());
  std::map<QString, int> counts;
  for (const QString &entry : controls)
    ++counts[entry];
  QStringList faults;
  for (const auto &[entry, count] : counts) {
    if (entry.endsWith("<unnamed>") || count > 1)
      faults << QString("%1: %2 (%3x)").arg(window->objectName(), entry).arg(count);
  }
  return faults;
}

} // namespace

class AccessibilityTest : public QObject, protected testing::WindowRig {
  Q_OBJECT

private slots:
  void init() { Open(); }
  void cleanup() { Close(); }

  void everyWindowNamesEachControlOnce() {
    StartWith({dir_->Write("p.nbp", testing::NbpText(testing::kEasyPuzzle))});
    Action("MenuKP")->trigger(); // the drill panel
    QTest::mouseClick(window_->findChild<QPushButton *>("Button28"), Qt::LeftButton); // preview
    QStringList faults = WalkAll(60);
    CaretToLine(3);
    Click("Button19"); // "ゲーム": the assist window
    Click("Button20"); // "ヒント"
    faults << WalkAll(10);
    QCOMPARE(faults.join("\n"), QString());
    for (QWidget *w :
         {TopLevel("TForm9"), TopLevel("TForm2"), static_cast<QWidget *>(&window_->Preview())})
      QCOMPARE(QAccessible::queryAccessibleInterface(w)->role(), QAccessible::Window);
  }

  // The windows that wait for an answer: the data viewer and the four mark
  // dialogs, each walked while it shows.
  void everyDialogNamesEachControlOnce() {
    StartWith({});
    QStringList faults;
    for (const char *item : {"ViewRead", "Kakusyuku", "FontCh", "GyokanCh", "LyohakuCh"}) {
      QString walked;
      QTimer::singleShot(0, this, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        QVERIFY2(dialog, item);
        int reached = 0;
        faults << Faults(dialog, reached);
        walked = dialog->objectName();
        QVERIFY2(reached > 1, item);
        QCOMPARE(QAccessible::queryAccessibleInterface(dialog)->role(), QAccessible::Dialog);
        qobject_cast<QDialog *>(dialog)->reject();
      });
      Action(item)->setEnabled(true); // the mark items ask for a mark line otherwise
      Action(item)->trigger();
      QVERIFY2(!walked.isEmpty(), item);
    }
    QCOMPARE(faults.join("\n"), QString());
  }

  // The operation radios are one group: Tab reaches the checked one, the
  // arrows move between them, and checking one through the accessibility
  // bus acts as a click does.
  void drillOperationRadiosMoveWithTheArrowsAndActWhenChecked() {
    StartWith({});
    Action("MenuKP")->trigger();
    auto *plus = Find<QRadioButton>("PlusButton");
    auto *minus = Find<QRadioButton>("MinusButton");
    plus->setFocus();
    QTest::keyClick(plus, Qt::Key_Down);
    QVERIFY(minus->hasFocus());
    QVERIFY(minus->isChecked());
    QTest::keyClick(minus, Qt::Key_Up);
    QVERIFY(plus->isChecked());
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(minus);
    QVERIFY(iface->actionInterface());
    iface->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(minus->isChecked());
    QCOMPARE(session().Drill().Options().operation, settings::DrillOperation::Subtraction);
  }

private:
  // The faults of every window showing; fewer controls than minimum means
  // the walk missed the windows it is meant to read.
  QStringList WalkAll(int minimum) {
    QStringList faults;
    int reached = 0;
    for (QWidget *w : QApplication::topLevelWidgets()) {
      if (w->isVisible())
        faults << Faults(w, reached);
    }
    if (reached < minimum)
      faults << QString("only %1 controls reached").arg(reached);
    return faults;
  }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
