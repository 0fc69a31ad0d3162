// The puzzle side of the real main window, offscreen: a puzzle file from the
// command line, the solver's menu items and shortcuts with the result and
// step panels, the generator's buttons, and keys typed during a run. The
// host answers message boxes from a script but lets Qt's events run for
// real, so timers play the person pressing buttons while a run works. The
// puzzle data viewer and the external viewer's item.
#include "base/paths.h"
#include "base/sjis.h"
#include "puzzle/play/grid_text.h"
#include "support/puzzle_samples.h"
#include "ui/qt/qt_text.h"
#include "ui/support/window_rig.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
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

  // A puzzle file from the command line opens as puzzle blocks; Ctrl+"次頁"
  // goes to the next page and grades the puzzle found there.
  void puzzleFileOpensAsBlocksAndCtrlNextPageGrades() {
    const std::string path = dir_->Write("two.nbp", NbpText(kEasy) + NbpText(kNakedPair));
    StartWith({path});
    const QString text = Editor()->toPlainText();
    QCOMPARE(text.count(ui::ToQt(play::GridTopBorder())), 2);
    QVERIFY(text.contains(QString::fromUtf8("　　　　　　　　　　　　　　　23-clue")));
    QCOMPARE(window_->windowTitle(), QString::fromStdString("ZENPA - " + dir_->Path("two.txt")));
    QVERIFY(!window_->memo().Modified());
    QVERIFY(host_->messages.empty());
    QVERIFY(!Find<QWidget>("Panel3")->isVisible());
    Editor()->moveCursor(QTextCursor::Start);
    QTest::mouseClick(Find("Button5"), Qt::LeftButton, Qt::ControlModifier);
    QVERIFY(Find<QWidget>("Panel3")->isVisible());
    QCOMPARE(Text("Label30"), QString::fromUtf8("難しい問題です｡"));
    QCOMPARE(Text("Label31"), QString("23-clue  level 5"));
    QCOMPARE(Text("Label40"), QString("Naked Pair b"));
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
    // The conversion shows each row of the puzzle at the caret on its own line.
    Action("ConvertSudoku")->trigger();
    Editor()->moveCursor(QTextCursor::Start);
    Click("Button31");
    auto *memo2 = Find<QPlainTextEdit>("Memo2");
    QCOMPARE(memo2->document()->blockCount(), 9);
    QCOMPARE(memo2->document()->firstBlock().text(), QString("000908230"));
  }

  void blockSwitchesDecideWhatAGeneratedPuzzleCarries() {
    StartWith({});
    window_->session().Puzzle().SeedRandom(11);
    Find<QCheckBox>("CheckBox25")->click(); // no title
    Find<QCheckBox>("CheckBox9")->click();  // no page break
    Click("Button10");
    const QString text = Editor()->toPlainText();
    QCOMPARE(text.count(ui::ToQt(play::GridTopBorder())), 1);
    QVERIFY(!text.contains(QString::fromUtf8("ＳＵＤＯＫＵ")));
    QVERIFY(!text.contains(QChar('\f')));
    QVERIFY2(Text("Label31").contains("-clue  level "), qPrintable(Text("Label31")));
    QVERIFY(!Find<QPushButton>("Button14")->isVisible());
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
    bool stopShown = false, stopTookFocus = false;
    WhenShown("Button14", [&] {
      auto *stop = Find<QPushButton>("Button14");
      // Nothing that would start a second run or change the document works;
      // keys typed into the document are dropped, a click there gives the
      // stop button the focus, and closing stays possible.
      stopShown = stop->isEnabled() && !Find("SpeedButton5")->isVisible() &&
                  !Find("Button28")->isEnabled() && Action("Exit1")->isEnabled();
      for (const char *name : {"NewSDK", "EditSDK", "InputSudoku", "Sudokumode", "ClearSudoku",
                               "Paste1", "Replace1", "Open1"})
        stopShown = stopShown && !Action(name)->isEnabled();
      QTest::keyClicks(Editor(), "xyz");
      QTest::mouseClick(Editor()->viewport(), Qt::LeftButton);
      stopTookFocus = stop->hasFocus();
      stop->click();
    });
    Click("Button10");
    QVERIFY(stopShown);
    QVERIFY(stopTookFocus);
    QVERIFY(!Editor()->toPlainText().contains("xyz"));
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
    Click("SpeedButton5");
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
      steps << Text("Label41");
      if (steps.size() == 1)
        Click("Button29");
      else if (steps.size() == 2)
        QTest::keyClick(Editor(), Qt::Key_Return);
      else
        Click("Button30");
      if (steps.size() < 3)
        WhenShown("Panel4", press);
    };
    WhenShown("Panel4", press);
    QTest::keyClick(Editor(), Qt::Key_F2);
    QCOMPARE(steps.size(), 3);
    QVERIFY2(steps[0].contains("Block Unique"), qPrintable(steps[0]));
    QVERIFY(!Find<QWidget>("Panel4")->isVisible());
  }

  // With the conditions, extra and auto-record panels filling the side, the
  // level check's wait still shows the step panel whole, with its level.
  void levelCheckShowsItsPanelAboveTheOthers() {
    StartWith({});
    Action("SDKOption")->trigger();
    Click("SpeedButton12"); // "▽"
    Click("SpeedButton5");  // "Ａ"
    QStringList levels;
    QRect shown, whole;
    WhenShown("Panel4", [&] {
      QWidget *step = Find<QWidget>("Panel4");
      levels << Text("Label44");
      shown = step->visibleRegion().boundingRect();
      whole = step->rect();
      Click("Button30"); // "やめる"
    });
    host_->fileNameLists.push_back({dir_->Write("p.nbp", NbpText(kEasy))});
    Action("HanteiSudoku")->trigger();
    QCOMPARE(levels, QStringList{"L.1"});
    QCOMPARE(shown, whole);
  }

  void targetArrowsWidenToATypedValueAndPanelShowsTheDocumentName() {
    StartWith({dir_->Write("p.nbp", NbpText(kEasy))});
    QCOMPARE(Text("Label67"), QString("p.txt"));
    QSpinBox *target = Find<QSpinBox>("LabeledEdit12");
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

  // The data viewer on a folder of puzzle files previews the selected file,
  // finds the files holding the same first puzzle, refuses a file with
  // errors and loads a file with Enter.
  void viewerPreviewsFindsDuplicatesAndLoads() {
    StartWith({});
    const std::string answer = "A=" + std::string(81, '1');
    dir_->Write("a.nbp", NbpText(kEasy));
    dir_->Write("b.nbp", NbpText(kNakedPair) + answer + "\r\n");
    dir_->Write("c.nbp", NbpText(kEasy) + NbpText(kNakedPair));
    dir_->Write("bad.nbp", "12345678x\r\n");
    dir_->Write("notes.txt", "not shown");
    dir_->Write("sub/d.nbp", NbpText(kEasy));
    QVERIFY(base::SetCurrentDirectory(dir_->Dir()));
    QStringList seen;
    QTimer::singleShot(0, this, [&] { seen = Drive(); });
    Action("ViewRead")->trigger();
    QCOMPARE(seen, QStringList({"sub a.nbp b.nbp bad.nbp c.nbp", "b.nbp", "23clues", "1page",
                                "answer shown", QString::fromUtf8("１　　　　　３　　"),
                                "100000300", QString::fromUtf8("重複が 1件あります"),
                                QString::fromUtf8("a.nbp ＝ c.nbp"), "open after refusal"}));
    QCOMPARE(host_->messages.size(), std::size_t{1});
    QCOMPARE(ui::ToQt(host_->messages[0].text), QString::fromUtf8("データにエラーがあります"));

    QVERIFY(!window_->findChild<QDialog *>("TForm5")->isVisible());
    const QString text = Editor()->toPlainText();
    QCOMPARE(text.count(ui::ToQt(play::GridTopBorder())), 2);
    QCOMPARE(window_->windowTitle(), QString::fromStdString("ZENPA - " + dir_->Path("c.txt")));
  }

  void externalViewerItemNeedsTheProgramAndLoadsWhatItHandsBack() {
    StartWith({});
    QVERIFY(!Action("GRDV")->isEnabled());
    Close();
    Open();
    dir_->Write("GRDV.COM", "");
    dir_->Write("p.nbp", NbpText(kEasy));
    dir_->Write("GRDV.DAT", "p.nbp\r\n");
    StartWith({});
    QVERIFY(base::SetCurrentDirectory(dir_->Dir()));
    QVERIFY(Action("GRDV")->isEnabled());
    host_->fileNames.push_back(dir_->Path("x.nbp"));
    Action("GRDV")->trigger();
    QCOMPARE(host_->started.size(), std::size_t{1});
    QCOMPARE(Editor()->toPlainText().count(ui::ToQt(play::GridTopBorder())), 1);
    QVERIFY(window_->isEnabled());
  }

private:
  static void Select(QListWidget *list, const QString &name) {
    const auto found = list->findItems(name, Qt::MatchExactly);
    QVERIFY(!found.isEmpty());
    list->setCurrentItem(found.front());
  }

  // Walks the modal viewer and returns what it showed on the way.
  QStringList Drive() {
    auto *viewer = window_->findChild<QDialog *>("TForm5");
    const auto text = [viewer](const char *name) {
      return viewer->findChild<QLabel *>(name)->text();
    };
    auto *list = viewer->findChild<QListWidget *>("FileList");
    QStringList items, seen;
    for (int i = 0; i < list->count(); ++i)
      items << list->item(i)->text();
    Select(list, "b.nbp");
    seen << items.join(' ') << viewer->findChild<QLineEdit *>("FileNameEdit")->text()
         << text("ClueLabel") << text("PageLabel")
         << (viewer->findChild<QLabel *>("AnswerLabel")->isVisible() ? "answer shown" : "")
         << viewer->findChild<QWidget *>("BoardPreview")->accessibleDescription().left(9)
         << viewer->findChild<QPlainTextEdit *>("RawPreview")->toPlainText().section('\n', 0, 0);
    viewer->findChild<QPushButton *>("DuplicateButton")->click();
    seen << text("DuplicateStatus")
         << viewer->findChild<QPlainTextEdit *>("DuplicateResult")->toPlainText();
    Select(list, "bad.nbp");
    viewer->findChild<QPushButton *>("LoadButton")->click();
    seen << (viewer->isVisible() ? "open after refusal" : "closed");
    Select(list, "c.nbp");
    QTest::keyClick(list, Qt::Key_Return);
    return seen;
  }

  QString Text(const char *label) { return Find<QLabel>(label)->text(); }
};

QTEST_MAIN(PuzzlePanelTest)
#include "puzzle_panel_test.moc"
