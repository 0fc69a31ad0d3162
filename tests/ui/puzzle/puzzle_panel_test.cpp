// The puzzle side of the real main window, offscreen: a puzzle file from the
// command line, the solver's menu items and shortcuts with the result and
// step panels, the generator's buttons, and keys typed during a run. The
// host answers message boxes from a script but lets Qt's events run for
// real, so timers play the person pressing buttons while a run works.
#include "base/sjis.h"
#include "puzzle/play/grid_text.h"
#include "support/puzzle_samples.h"
#include "ui/qt/qt_text.h"
#include "ui/support/window_rig.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTextBlock>
#include <QtTest>

#include <functional>
#include <memory>

using namespace zenpa;
using base::Sj;

namespace {

using testing::NbpText;
const char *const kEasy = testing::kEasyPuzzle;
const char *const kNakedPair = testing::kNakedPairPuzzle;

} // namespace

class PuzzlePanelTest : public QObject, protected testing::WindowRig {
  Q_OBJECT

private slots:
  void init() { Open(); }
  void cleanup() { Close(); }

  void puzzleFileFromTheCommandLineOpensAsPuzzleBlocks() {
    const std::string path = dir_->Write("two.nbp", NbpText(kEasy) + NbpText(kNakedPair));
    StartWith({path});
    const QString text = Editor()->toPlainText();
    QCOMPARE(text.count(ui::ToQt(play::GridTopBorder())), 2);
    QVERIFY(text.contains(QString::fromUtf8("　　　　　　　　　　　　　　　23-clue")));
    QCOMPARE(window_->windowTitle(), QString::fromStdString("ZENPA - " + dir_->Path("two.txt")));
    QVERIFY(!window_->memo().Modified());
    QVERIFY(host_->messages.empty());
  }

  void f1GradesThePuzzleAtTheCaretIntoTheResultPanel() {
    StartWith({dir_->Write("p.nbp", NbpText(kNakedPair))});
    QVERIFY(!Find<QWidget>("Panel3")->isVisible());
    QTest::keyClick(Editor(), Qt::Key_F1);
    QVERIFY(Find<QWidget>("Panel3")->isVisible());
    QCOMPARE(Text("Label30"), QString::fromUtf8("難しい問題です｡"));
    QCOMPARE(Text("Label31"), QString("23-clue  level 5"));
    QCOMPARE(Text("Label40"), QString("Naked Pair b"));
  }

  // Ctrl+"次頁" goes to the next page and grades the puzzle found there.
  void ctrlNextPageGradesThePuzzleOfTheNextPage() {
    StartWith({dir_->Write("two.nbp", NbpText(kEasy) + NbpText(kNakedPair))});
    Editor()->moveCursor(QTextCursor::Start);
    QTest::mouseClick(Find("Button5"), Qt::LeftButton, Qt::ControlModifier);
    QVERIFY(Find<QWidget>("Panel3")->isVisible());
    QCOMPARE(Text("Label31"), QString("23-clue  level 5"));
  }

  void answerItemWritesTheAnswerGridAndFollowsTheInsertionToggle() {
    StartWith({dir_->Write("p.nbp", NbpText(kEasy))});
    QCOMPARE(Action("AnswerS")->text(), QString::fromUtf8("数独解答を文末に追加(&A)"));
    Editor()->moveCursor(QTextCursor::Start);
    Action("AnswerS")->trigger();
    const QString text = Editor()->toPlainText();
    QCOMPARE(text.count(ui::ToQt(play::GridTopBorder())), 2);
    QVERIFY(text.contains(QString::fromUtf8("┃６│５│１┃９│４│８┃２│３│７┃")));
    QTest::mouseClick(Find<QLabel>("Label39"), Qt::LeftButton);
    QCOMPARE(Text("Label39"), QString::fromUtf8("ここに挿入"));
    QCOMPARE(Action("AnswerS")->text(), QString::fromUtf8("数独解答を次頁に挿入(&A)"));
  }

  void blockSwitchesDecideWhatAGeneratedPuzzleCarries() {
    StartWith({});
    window_->session().Puzzle().SeedRandom(11);
    Find<QCheckBox>("CheckBox25")->click(); // no title
    Find<QCheckBox>("CheckBox9")->click();  // no page break
    Find<QPushButton>("Button10")->click();
    const QString text = Editor()->toPlainText();
    QCOMPARE(text.count(ui::ToQt(play::GridTopBorder())), 1);
    QVERIFY(!text.contains(QString::fromUtf8("ＳＵＤＯＫＵ")));
    QVERIFY(!text.contains(QChar('\f')));
    QVERIFY2(Text("Label31").contains("-clue  level "), qPrintable(Text("Label31")));
    QVERIFY(!Find<QPushButton>("Button14")->isVisible());
  }

  // Repeat mode with an unreachable clue count: only the stop button ends it.
  void stopButtonEndsARepeatRunAndCommandsReturn() {
    StartWith({});
    Action("SDKOption")->trigger();
    QVERIFY(Find<QWidget>("Panel6")->isVisible());
    Spin("LabeledEdit12")->setValue(17);
    emit Spin("LabeledEdit12")->editingFinished();
    Spin("LabeledEdit16")->setValue(0);
    window_->session().Puzzle().Options().upperGivens = 17;
    bool disabledDuringRun = false;
    bool stopTookFocus = false;
    QTimer::singleShot(300, this, [&] {
      disabledDuringRun = !Action("NewSDK")->isEnabled() && !Action("Open1")->isEnabled() &&
                          Action("Exit1")->isEnabled();
      QTest::keyClicks(Editor(), "abc");
      QTest::mouseClick(Editor()->viewport(), Qt::LeftButton);
      stopTookFocus = Find<QPushButton>("Button14")->hasFocus();
      Find<QPushButton>("Button14")->click();
    });
    Find<QPushButton>("Button10")->click();
    QVERIFY(disabledDuringRun);
    QVERIFY(stopTookFocus);
    QVERIFY(Text("Label46").startsWith(QString::fromUtf8("中止／")));
    QVERIFY(!Editor()->toPlainText().contains("abc"));
    QVERIFY(Action("NewSDK")->isEnabled());
    QVERIFY(Action("Open1")->isEnabled());
    QVERIFY(!Find<QPushButton>("Button14")->isVisible());
    if (const char *shot = std::getenv("ZENPA_SCREENSHOT_CONDITIONS"))
      window_->grab().save(QString::fromLocal8Bit(shot));
  }

  // A pattern the solver never finishes (only the first row given): the run
  // keeps the window alive, shows "中 止", and the button ends it.
  void stopButtonEndsAPatternRunThatFindsNoPuzzle() {
    StartWith({});
    Action("ConvertSudoku")->trigger();
    QString pattern = "123456789\n";
    for (int row = 2; row <= 9; ++row)
      pattern += ".........\n";
    Find<QPlainTextEdit>("Memo2")->setPlainText(pattern);
    Find<QCheckBox>("CheckPattern")->click();
    QVERIFY(Find<QWidget>("Panel6")->isVisible());
    bool stopShown = false;
    std::function<void()> pressStop = [&] {
      auto *stop = Find<QPushButton>("Button14");
      if (!stop->isVisible()) {
        QTimer::singleShot(50, this, pressStop);
        return;
      }
      // Nothing that would start a second run or change the document works.
      stopShown =
          stop->isEnabled() && !Find("SpeedButton5")->isVisible() && !Find("Button28")->isEnabled();
      for (const char *name : {"NewSDK", "EditSDK", "InputSudoku", "Sudokumode", "ClearSudoku",
                               "Paste1", "Replace1", "Open1"})
        stopShown = stopShown && !Action(name)->isEnabled();
      stop->click();
    };
    QTimer::singleShot(300, this, pressStop);
    Find<QPushButton>("Button10")->click();
    QVERIFY(stopShown);
    QTRY_VERIFY_WITH_TIMEOUT(Action("NewSDK")->isEnabled(), 10000);
    QVERIFY(Text("Label46").startsWith(QString::fromUtf8("中止／")));
    QVERIFY(!Find<QPushButton>("Button14")->isVisible());
    QVERIFY(host_->messages.empty());
    QVERIFY(Action("Open1")->isEnabled());
    Editor()->moveCursor(QTextCursor::End);
    QTest::keyClicks(Editor(), "abc");
    QVERIFY(Editor()->toPlainText().endsWith("abc"));
  }

  void symmetryItemsAndRadioButtonsStayInStep() {
    StartWith({});
    const int narrow = window_->width();
    QVERIFY(!Find<QWidget>("PuzzleDock")->isVisible());
    Action("MenuSDK")->trigger();
    QVERIFY(Find<QWidget>("PuzzleDock")->isVisible());
    QVERIFY(window_->width() > narrow);
    Action("GraphicSDK180")->trigger();
    Action("SDKOption")->trigger();
    QVERIFY(Find<QRadioButton>("RadioButton4")->isChecked());
    Find<QRadioButton>("RadioButton9")->click();
    QVERIFY(Action("GraphicSDKldru")->isChecked());
    QVERIFY(!Action("GraphicSDK180")->isChecked());
    Action("GraphicSDKldru")->trigger(); // unchecked: back to "なし"
    QVERIFY(Find<QRadioButton>("RadioButton11")->isChecked());
    Action("NoCheck")->trigger();
    QVERIFY(!Find<QCheckBox>("CheckBoxL1")->isChecked());
    QVERIFY(!Find<QCheckBox>("CheckBoxL13")->isChecked());
    Action("ALLCheck")->trigger();
    QVERIFY(Find<QCheckBox>("CheckBoxL13")->isChecked());
    QVERIFY(!Find<QCheckBox>("CheckBoxL14")->isChecked()); // the extra panel is closed
    // Closing the side gives the window back its width, even when the screen
    // had cut the side's growth short.
    Action("MenuSDK")->trigger();
    QCOMPARE(window_->width(), narrow);
  }

  // "始め" above "終わり" moves the last number up, and the field shows it
  // even when Tab has just taken the focus there.
  void recordLastNumberFollowsTheFirst() {
    StartWith({});
    Action("MenuSDK")->trigger();
    Find<QPushButton>("SpeedButton5")->click();
    QVERIFY(Find<QWidget>("Panel5")->isVisible());
    auto *first = Find<QLineEdit>("LabeledEdit14");
    auto *last = Find<QLineEdit>("LabeledEdit15");
    last->setText("009");
    emit last->editingFinished();
    first->setFocus();
    first->selectAll();
    QTest::keyClicks(first, "012");
    QTest::keyClick(first, Qt::Key_Tab);
    QTRY_VERIFY(last->hasFocus());
    QCOMPARE(last->text(), QString("012"));
    QCOMPARE(window_->session().Puzzle().Options().recordLast, std::string("012"));
  }

  // F2 steps through the solve: "Ｏ Ｋ" goes on, Enter typed in the document
  // too, "やめる" ends the steps.
  void stepPanelButtonsAndKeysDriveTheStepSolve() {
    StartWith({dir_->Write("p.nbp", NbpText(kEasy))});
    Editor()->moveCursor(QTextCursor::Start);
    QStringList steps;
    std::function<void()> press = [&] {
      if (!Find<QWidget>("Panel4")->isVisible()) {
        QTimer::singleShot(20, this, press);
        return;
      }
      steps << Text("Label41");
      if (const char *shot = std::getenv("ZENPA_SCREENSHOT_STEP"); shot && steps.size() == 1)
        window_->grab().save(QString::fromLocal8Bit(shot));
      if (steps.size() == 1)
        Find<QPushButton>("Button29")->click();
      else if (steps.size() == 2)
        QTest::keyClick(Editor(), Qt::Key_Return);
      else
        Find<QPushButton>("Button30")->click();
      if (steps.size() < 3)
        QTimer::singleShot(20, this, press);
    };
    QTimer::singleShot(20, this, press);
    QTest::keyClick(Editor(), Qt::Key_F2);
    QCOMPARE(steps.size(), 3);
    QVERIFY2(steps[0].contains("Block Unique"), qPrintable(steps[0]));
    QVERIFY(!Find<QWidget>("Panel4")->isVisible());
    if (const char *shot = std::getenv("ZENPA_SCREENSHOT"))
      window_->grab().save(QString::fromLocal8Bit(shot));
  }

  // With the conditions, extra and auto-record panels filling the side, the
  // level check's wait still shows the step panel whole, with its level.
  void levelCheckShowsItsPanelAboveTheOthers() {
    StartWith({});
    Action("SDKOption")->trigger();
    Find<QPushButton>("SpeedButton12")->click(); // "▽"
    Find<QPushButton>("SpeedButton5")->click();  // "Ａ"
    QStringList levels;
    QRect shown, whole;
    std::function<void()> look = [&] {
      QWidget *step = Find<QWidget>("Panel4");
      if (!step->isVisible()) {
        QTimer::singleShot(20, this, look);
        return;
      }
      levels << Text("Label44");
      shown = step->visibleRegion().boundingRect();
      whole = step->rect();
      Find<QPushButton>("Button30")->click(); // "やめる"
    };
    QTimer::singleShot(20, this, look);
    host_->fileNameLists.push_back({dir_->Write("p.nbp", NbpText(kEasy))});
    Action("HanteiSudoku")->trigger();
    QCOMPARE(levels, QStringList{"L.1"});
    QCOMPARE(shown, whole);
  }

  void conversionShowsEachRowOnItsOwnLine() {
    StartWith({dir_->Write("p.nbp", NbpText(kEasy))});
    Action("ConvertSudoku")->trigger();
    Editor()->moveCursor(QTextCursor::Start);
    Find<QPushButton>("Button31")->click();
    auto *memo2 = Find<QPlainTextEdit>("Memo2");
    QCOMPARE(memo2->document()->blockCount(), 9);
    QCOMPARE(memo2->document()->firstBlock().text(), QString("000908230"));
  }

  void targetArrowsWidenToATypedValueAndPanelShowsTheDocumentName() {
    StartWith({dir_->Write("p.nbp", NbpText(kEasy))});
    QCOMPARE(Text("Label67"), QString("p.txt"));
    QSpinBox *target = Spin("LabeledEdit12");
    target->setValue(60);
    target->stepUp();
    QCOMPARE(target->value(), 60);
    target->setValue(70); // typed
    emit target->editingFinished();
    target->stepUp();
    QCOMPARE(target->value(), 70);
    target->stepDown();
    QCOMPARE(target->value(), 69);
    // Typed values outside 16..80 are clamped, not thrown away.
    for (const auto &[typed, kept] : {std::pair{"10", 16}, std::pair{"90", 80}}) {
      target->selectAll();
      QTest::keyClicks(target, typed);
      QTest::keyClick(target, Qt::Key_Return);
      QCOMPARE(target->value(), kept);
      QCOMPARE(window_->session().Puzzle().Options().targetGivens, kept);
    }
    // Label33 turns silver under the mouse while the switch is off.
    QLabel *sw = Find<QLabel>("Label33");
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(sw, &enter);
    QVERIFY2(sw->styleSheet().contains("c0c0c0", Qt::CaseInsensitive),
             qPrintable(sw->styleSheet()));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(sw, &leave);
    QCOMPARE(sw->styleSheet(), QString());
  }

private:
  QString Text(const char *label) { return Find<QLabel>(label)->text(); }
  QSpinBox *Spin(const char *name) { return Find<QSpinBox>(name); }
};

QTEST_MAIN(PuzzlePanelTest)
#include "puzzle_panel_test.moc"
