// Each grid mode of the real main window, offscreen, tried the way a user
// could break it: a right click, the edit commands, 作 る and 読込, a
// dropped file and the preview. The mode must survive every one of them
// with the document as it was, show the digit popup on the right click,
// and keep the puzzle side off its grid.
#include "ui/qt/qt_text.h"
#include "ui/support/window_rig.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDockWidget>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace zenpa;

class WindowModesTest : public QObject, protected testing::WindowRig {
  Q_OBJECT

private slots:
  void init() { Open(); }
  void cleanup() { Close(); }

  void everyGridModeSurvivesWhatAUserTriesInIt() {
    StartWith({});
    Action("MenuSDK")->trigger();
    session().Puzzle().SeedRandom(5);
    Click("Button10");
    Click("Button19");
    TryToBreak("SudokuDigitPopup", app::WindowMode::PuzzleGame);
    QVERIFY(!Find<QDockWidget>("PuzzleDock")->isVisible());
    // Paused for the next move, the side shows its step panel; resumed, the
    // game has its grid to itself again and still nothing can replace it.
    QTimer::singleShot(100, this, [this] {
      QCOMPARE(app::WindowMode::PausedGame, session().Modes().Mode());
      QVERIFY(Find<QDockWidget>("PuzzleDock")->isVisible());
      QVERIFY(!Find("Button10")->isEnabled());
      Click("Button51"); // "ゲーム再開"
    });
    Action("DebugAnswer")->trigger();
    TryToBreak("SudokuDigitPopup", app::WindowMode::PuzzleGame);
    QVERIFY(!Find<QDockWidget>("PuzzleDock")->isVisible());
    Click("Button16");
    QVERIFY(Find<QDockWidget>("PuzzleDock")->isVisible());

    host_->answers = {platform::Answer::Ok}; // the document makes way for the new grid
    Action("EditSDK")->trigger();
    TryToBreak("SudokuDigitPopup", app::WindowMode::PuzzleEntry);
    Action("InputSudoku")->trigger();

    Action("MenuKP")->trigger();
    Find<QLineEdit>("DigitsBox")->setText("4");
    host_->answers = {platform::Answer::No}; // the entry grid need not be saved
    Click("MakeButton");
    Editor()->moveCursor(QTextCursor::End);
    Editor()->moveCursor(QTextCursor::Up);
    Action("MokoInput")->trigger();
    TryToBreak("DigitPopup", app::WindowMode::DrillEntry);
    Click("Button16");
    QCOMPARE(app::WindowMode::None, session().Modes().Mode());
    QVERIFY(Action("Open1")->isEnabled() && Action("NewSDK")->isEnabled());
  }

private:
  void TryToBreak(const char *popup, app::WindowMode mode) {
    QCOMPARE(mode, session().Modes().Mode());
    const QString before = Editor()->toPlainText();
    QCOMPARE(RightClickPopup(), QString(popup));
    for (const char *name : {"SelectAll1", "Delete1", "Paste1", "Replace1", "NewSDK", "ReadSudoku",
                             "MenuSDK", "Open1", "New1", "Umark"})
      QVERIFY2(!Action(name)->isEnabled(), name);
    for (const char *name : {"Button10", "Button8", "Button28", "Button1"})
      QVERIFY2(!Find(name)->isEnabled(), name);
    Drop(dir_->Write("other.txt", "other\r\n"));
    QCOMPARE(Editor()->toPlainText(), before);
    QCOMPARE(mode, session().Modes().Mode());
  }

  // The popup a right click over the document opens, closed at once.
  QString RightClickPopup() {
    QString shown;
    QTimer::singleShot(0, this, [&shown] {
      if (QWidget *open = QApplication::activePopupWidget()) {
        shown = open->objectName();
        open->close();
      }
    });
    const QPoint at(20, 20);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, Editor()->viewport()->mapToGlobal(at));
    QApplication::sendEvent(Editor()->viewport(), &event);
    if (!QTest::qWaitFor([&shown] { return !shown.isEmpty(); }, 2000))
      return "no popup";
    return shown;
  }

  void Drop(const std::string &path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(Editor()->viewport(), &drop);
  }
};

QTEST_MAIN(WindowModesTest)
#include "window_modes_test.moc"
