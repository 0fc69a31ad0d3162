// The drill side of the real main window, offscreen: the もこさん panel makes
// a 4-digit sheet from its "ゲーム" button, the start box is accepted, the
// sheet is played through real key events (one wrong digit, the rest right),
// the goal dialog reports and ＯＫ starts a new sheet of the same size; a
// sheet wider than the screen keeps the game's window on it.
#include "base/sjis.h"
#include "drill/drill_texts.h"
#include "support/drill_answers.h"
#include "ui/qt/qt_text.h"
#include "ui/support/goal_reading.h"
#include "ui/support/window_rig.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

using namespace zenpa;

class DrillGameWindowTest : public QObject, protected testing::WindowRig {
  Q_OBJECT

private slots:
  void init() { Open(); }
  void cleanup() { Close(); }

  void panelMakesASheetIntoTheDocument() {
    StartWith({});
    Action("MenuKP")->trigger();
    QVERIFY(Find<QWidget>("Panel1")->isVisible());
    QCOMPARE(Find<QWidget>("HintButton")->toolTip(), QString::fromUtf8("一行に表示するヒントの数"));
    Find<QLineEdit>("DigitsBox")->setText("4");
    Click("MakeButton");
    const QString text = Editor()->toPlainText();
    QVERIFY(text.startsWith(QString::fromUtf8("　 ☆★ もこさん／たしざん ★☆")));
    QVERIFY(text.contains(QString::fromUtf8("（全3問）")));
    QVERIFY(!window_->memo().Modified());
    // The digit popup of the entry mode writes its digit into the cell at the
    // caret and moves on; "０/消す(&Z)" writes ０.
    Action("MokoInput")->trigger();
    auto *popup = Find<QMenu>("DigitPopup");
    popup->actions().at(2)->trigger();
    popup->actions().at(9)->trigger();
    const QStringList lines = Editor()->toPlainText().split('\n');
    QCOMPARE(lines.value(7), QString::fromUtf8("　│３│０│　│1"));
    QCOMPARE(Editor()->textCursor().positionInBlock(), 6);
  }

  void wholeGameFromTheGameButtonToTheNextSheet() {
    StartWith({});
    Action("MenuKP")->trigger();
    Find<QLineEdit>("DigitsBox")->setText("4");
    host_->answers = {platform::Answer::Ok, platform::Answer::Cancel};
    const int usualWidth = window_->width();
    Click("GameButton");
    QCOMPARE(window_->windowTitle(), QString::fromUtf8("ZENPA - もこさん"));
    QCoreApplication::sendPostedEvents();
    const int narrow = drill::GameWindowWidth(LongestLine(), session().UiScale(), 10000);
    // As narrow as the longest line, unless the status strip or the menus
    // need more: every menu stays on the bar.
    QCOMPARE(window_->width(), std::max({narrow, window_->layout()->minimumSize().width(),
                                         window_->menuBar()->sizeHint().width()}));
    QVERIFY(window_->width() < usualWidth);
    QVERIFY(Editor()->toPlainText().contains(QString::fromUtf8("（全6問）")));
    QVERIFY(Find<QWidget>("Button16")->isVisible());
    const std::vector<int> answers = testing::SheetAnswers(window_->memo());
    QCOMPARE(answers.size(), std::size_t{6});

    QStringList goal;
    QTimer::singleShot(0, this, [&] { AnswerGoal(goal); });
    QTest::keyClick(Editor(), static_cast<char>('0' + (answers[0] + 1) % 10));
    for (int digit : answers)
      QTest::keyClick(Editor(), static_cast<char>('0' + digit));

    QCOMPARE(goal.value(0), QString::fromUtf8("もこさん ★ たしざん ★"));
    QCOMPARE(goal.value(1), QString::fromUtf8("★★ ゴ ー ル ★★"));
    QVERIFY2(goal.value(2).contains(QString::fromUtf8("秒  １問 ")), qPrintable(goal.value(2)));
    QCOMPARE(goal.value(3), QString::fromUtf8("まちがい 　１ 回"));
    QVERIFY2(goal.value(4).contains(QString::fromUtf8("│　４けた│　　　０分　　　")),
             qPrintable(goal.value(4)));
    // ＯＫ: a new 4-digit sheet and its start box, cancelled here.
    QCOMPARE(host_->messages.size(), std::size_t{2});
    QCOMPARE(ui::ToQt(host_->messages[1].text),
             QString::fromUtf8("［ＥＮＴＥＲ］でスタートします。"));
    QVERIFY(Editor()->toPlainText().contains(QString::fromUtf8("│　４けた│　　　　分　　　　秒│")));
    QCOMPARE(window_->windowTitle(), QString::fromUtf8("ZENPA"));
    QVERIFY(!Find<QWidget>("Button16")->isVisible());
    QCOMPARE(window_->width(), usualWidth);
  }

  // The sheet of a 33-digit number is wider than the screen: the game's
  // window stays on it, and the sheet scrolls.
  void longNumberGameStaysOnTheScreen() {
    StartWith({});
    Action("MenuKP")->trigger();
    Find<QLineEdit>("DigitsBox")->setText("33");
    host_->answers = {platform::Answer::Ok};
    Click("GameButton");
    QCoreApplication::sendPostedEvents();
    QCOMPARE(window_->windowTitle(), QString::fromUtf8("ZENPA - もこさん"));
    const QRect screen = window_->screen()->availableGeometry();
    QVERIFY(LongestLine() > screen.width());
    QVERIFY2(screen.contains(window_->frameGeometry()),
             qPrintable(QString::number(window_->frameGeometry().width())));
  }

private:
  // The widest line of the document in the editor's font.
  int LongestLine() {
    const QFontMetrics metrics(Editor()->font());
    int longest = 0;
    for (const QString &line : Editor()->toPlainText().split('\n'))
      longest = std::max(longest, metrics.horizontalAdvance(line));
    return longest;
  }

  // Reads the goal dialog and the time box, then answers ＯＫ with Enter.
  void AnswerGoal(QStringList &seen) {
    testing::WhenGoalShows(this, seen, [this, &seen](QDialog *dialog) {
      const QStringList lines = Editor()->toPlainText().split('\n');
      seen << lines.filter(QString::fromUtf8("けた│")).value(0);
      QTest::keyClick(dialog, Qt::Key_Return);
    });
  }
};

QTEST_MAIN(DrillGameWindowTest)
#include "drill_game_window_test.moc"
