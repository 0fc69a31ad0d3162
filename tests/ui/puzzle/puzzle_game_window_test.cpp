// A whole puzzle game in the real main window, offscreen: the generator
// makes a puzzle, "ゲーム" starts the game, the solution is typed through
// real key events (one wrong digit corrected, one move taken back), a click
// lands on the cell under the pointer, and the goal dialog congratulates
// with the level and the time; the document keeps the solved grid with the
// player's digits circled.
#include "base/digits.h"
#include "base/sjis.h"
#include "puzzle/engine/bitboard_solver.h"
#include "puzzle/play/grid_text.h"
#include "ui/qt/qt_text.h"
#include "ui/support/goal_reading.h"
#include "ui/support/window_rig.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace zenpa;

class PuzzleGameWindowTest : public QObject, protected testing::WindowRig {
  Q_OBJECT

private slots:
  void init() { Open(); }
  void cleanup() { Close(); }

  void wholeGameFromTheGameButtonToTheGoal() {
    // The game sounds beside the program; the scripted host only names them.
    const std::string start = dir_->Write("pi.wav", ""), finish = dir_->Write("pp.wav", "");
    StartWith({});
    QVERIFY(Action("SBeep")->isEnabled() && Action("SBeep")->isChecked());
    session().Puzzle().SeedRandom(11);
    Click("Button10");
    const std::optional<play::GridReading> puzzle = play::yomitori(window_->memo());
    QVERIFY(puzzle.has_value());
    const int top = puzzle->topLine;
    const puzzle::PuzzleDigits answer = puzzle::CountBitboardAnswers(puzzle->digits, 1).first;

    Click("Button19");
    QCOMPARE(window_->windowTitle(), QString::fromUtf8("ZENPA - 数独"));
    // The narrow game window keeps every menu on its bar.
    QVERIFY(window_->menuBar()->width() >= window_->menuBar()->sizeHint().width());
    QVERIFY(Action("Sudokumode")->isChecked());
    QCOMPARE(Label("Label64"), QString("0 (%1)").arg(81 - puzzle->placedCount));
    QVERIFY(Label("Label28").startsWith(QString::fromUtf8("数独ゲーム ")));
    QVERIFY(Find<QWidget>("Button20")->isVisible());
    QCOMPARE(Action("DebugAnswer")->text(), QString::fromUtf8("～次の一手をみる(&D)"));

    // A click in the middle of cell (4, 3) puts the cursor there.
    ClickCell(4, 3);
    QCOMPARE(session().Game().Cursor().column, 4);
    QCOMPARE(session().Game().Cursor().row, 3);
    for (int i = 0; i < 4 * 9 + 4; ++i)
      QTest::keyClick(Editor(), Qt::Key_Backspace);
    QCOMPARE(session().Game().Cursor().column, 0);
    QCOMPARE(session().Game().Cursor().row, 0);

    QStringList goal;
    QTimer::singleShot(0, this, [&] { AnswerGoal(goal); });
    bool corrected = false, takenBack = false;
    for (int i = 0; i < 81; ++i) {
      if (puzzle->digits[i] == 0) {
        if (!corrected) { // a wrong digit from the popup, then the right key
          const QString item = QString("m%1").arg(answer[i] % 9 + 1);
          Find<QMenu>("SudokuDigitPopup")->findChild<QAction *>(item)->trigger();
          QCOMPARE(Cell(top, i), ui::ToQt(base::CircledDigit(answer[i] % 9 + 1)));
          corrected = true;
        } else if (!takenBack) {
          Type(answer[i]);
          QVERIFY(session().Game().StepBack());
          QCOMPARE(Cell(top, i), ui::ToQt(base::Sj("　")));
          takenBack = true;
        }
        Type(answer[i]);
      }
      if (session().Game().GameOn())
        QTest::keyClick(Editor(), Qt::Key_Return);
    }
    QCOMPARE(goal.value(0), QString::fromUtf8("数独　") +
                                ui::ToQt(play::LevelLabel(session().Puzzle().Engine().Level)));
    QCOMPARE(goal.value(1), QString::fromUtf8("☆☆ できあがり ☆☆"));
    QVERIFY2(goal.value(2).endsWith(QString::fromUtf8("秒")) &&
                 goal.value(2).contains(QString::fromUtf8("０分")),
             qPrintable(goal.value(2)));
    QCOMPARE(goal.value(3), QString::fromUtf8("★ おめでとう ★"));
    QCOMPARE(goal.value(4), QString("hidden"));

    const play::GridReading solved = play::ReadGridAt(window_->memo(), top, true);
    QVERIFY(solved.digits == answer);
    const int open = static_cast<int>(std::find(puzzle->digits.begin(), puzzle->digits.end(), 0) -
                                      puzzle->digits.begin());
    QCOMPARE(Cell(top, open), ui::ToQt(base::CircledDigit(answer[open])));
    QVERIFY(!Action("Sudokumode")->isChecked());
    QVERIFY(!Find<QWidget>("Button16")->isVisible());
    QVERIFY(host_->sounds == (std::vector<std::string>{start, finish}));
    QVERIFY(!window_->windowTitle().contains(QString::fromUtf8("数独")));
  }

private:
  void Type(int digit) { QTest::keyClick(Editor(), static_cast<char>('0' + digit)); }

  QString Cell(int top, int i) {
    const std::string &line = window_->memo().Line(play::GridRowLineIndex(top, i / 9 + 1));
    return ui::ToQt(line.substr(2 + 4 * (i % 9), 2));
  }

  void ClickCell(int column, int row) {
    const QFontMetrics m(Editor()->font());
    const int margin = static_cast<int>(Editor()->document()->documentMargin());
    const int title = session().Game().Cursor().titleVisible ? 1 : 0;
    const int half = m.horizontalAdvance(QChar(0x3000)) / 2;
    const QPoint at(margin + half * (2 + 4 * column) + half,
                    margin + m.lineSpacing() * (title + 1 + 2 * row) + m.lineSpacing() / 2);
    QTest::mouseClick(Editor()->viewport(), Qt::LeftButton, {}, at);
  }

  // Reads the goal dialog, then answers ＯＫ.
  void AnswerGoal(QStringList &seen) {
    testing::WhenGoalShows(this, seen, [&seen](QDialog *dialog) {
      seen << (dialog->findChild<QPushButton *>("GoalCancel")->isVisible() ? "shown" : "hidden");
      dialog->findChild<QPushButton *>("GoalOk")->click();
    });
  }
};

QTEST_MAIN(PuzzleGameWindowTest)
#include "puzzle_game_window_test.moc"
