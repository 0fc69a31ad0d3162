// The assist window of the real main window, offscreen on a 1024 x 768
// screen: a game started on a puzzle file with "ゲーム", the window shown with
// "アシスト", a cell of the board clicked, a digit chosen on the palette, and
// the move taken back with "＜"; the hint and assist windows placed beside the
// game; a game finished from the palette, which the goal dialog ends; the
// assist settings and the title panels of the puzzle menu.
#include "base/digits.h"
#include "base/sjis.h"
#include "puzzle/engine/bitboard_solver.h"
#include "puzzle/play/grid_text.h"
#include "support/puzzle_samples.h"
#include "ui/puzzle/assist_board_view.h"
#include "ui/qt/qt_text.h"
#include "ui/support/goal_reading.h"
#include "ui/support/screen_main.h"
#include "ui/support/typing.h"
#include "ui/support/window_rig.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace zenpa;

class AssistWindowTest : public QObject, protected testing::WindowRig {
  Q_OBJECT

private slots:
  void init() { Open(); }
  void cleanup() { Close(); }

  void paletteDigitsStepBackAndFinishTheGame() {
    StartWith({dir_->Write("p.nbp", testing::NbpText(testing::kEasyPuzzle))});
    StartGame();
    QWidget *assist = TopLevel("TForm9");
    QVERIFY(assist->isVisible()); // "自動表示する"
    Click("Button46");            // "アシスト"
    QVERIFY(!assist->isVisible());
    Click("Button46");
    QVERIFY(assist->isVisible());
    QCOMPARE(assist->windowTitle(), QString::fromUtf8("ZENPA - assist"));

    auto *board = assist->findChild<ui::AssistBoardView *>("AssistBoard");
    QCOMPARE(board->accessibleName(), QString::fromUtf8("盤面"));
    OpenPaletteAt(board, 1);
    QTest::mouseClick(assist->findChild<QPushButton *>("P5"), Qt::LeftButton);
    QCOMPARE(Cell(1), base::CircledDigit(5));
    // The status panel counts the digit entered beside the open cells.
    QVERIFY(assist->findChild<QLabel *>("StatusBar1")->text().startsWith("1 ("));
    QVERIFY(!assist->findChild<QWidget *>("Panel1")->isVisible());

    // A note with the right button closes the palette ("連続ヒント入力" off).
    OpenPaletteAt(board, 2);
    QTest::mouseClick(assist->findChild<QPushButton *>("P3"), Qt::RightButton);
    QVERIFY(!assist->findChild<QWidget *>("Panel1")->isVisible());
    QCOMPARE(Cell(2), base::Sj("　"));

    OpenPaletteAt(board, 1);
    QTest::mouseClick(assist->findChild<QPushButton *>("Pr"), Qt::LeftButton);
    QCOMPARE(Cell(1), base::Sj("　"));

    // The last digit from the palette completes the game: beside the goal
    // dialog the board stays, its status label and the palette gone; the
    // next game shows the label again.
    auto *status = assist->findChild<QLabel *>("StatusBar1");
    QVERIFY(status->isVisible());
    puzzle::PuzzleDigits givens{};
    for (int i = 0; i < 81; ++i)
      givens[i] = testing::kEasyPuzzle[i] - '0';
    const puzzle::PuzzleDigits answer = puzzle::CountBitboardAnswers(givens, 1).first;
    app::PuzzleGame &game = session().Game();
    int last = -1;
    for (int i = 0; i < 81; ++i) {
      if (givens[i] != 0)
        continue;
      if (last >= 0) {
        game.SelectCell(last % 9, last / 9);
        game.Key(static_cast<char>('0' + answer[last]));
      }
      last = i;
    }
    QStringList goal;
    QStringList shown; // the assist window, its status label, the palette
    QTimer::singleShot(0, this, [&] {
      testing::WhenGoalShows(this, goal, [&](QDialog *dialog) {
        for (QWidget *w :
             {assist, static_cast<QWidget *>(status), assist->findChild<QWidget *>("Panel1")})
          shown << (w->isVisible() ? "shown" : "hidden");
        dialog->findChild<QPushButton *>("GoalOk")->click();
      });
    });
    OpenPaletteAt(board, last % 9, last / 9);
    const QByteArray digit = "P" + QByteArray::number(answer[last]);
    QTest::mouseClick(assist->findChild<QPushButton *>(digit.constData()), Qt::LeftButton);
    QCOMPARE(goal.value(1), QString::fromUtf8("☆☆ できあがり ☆☆"));
    QCOMPARE(shown.join(' '), QString("shown hidden hidden"));
    QVERIFY(!assist->isVisible());

    Action("ClearSudoku")->trigger();
    Click("Button19");
    QVERIFY(status->isVisible());
  }

  void assistSettingsPanelOpensFromTheMenuAndStoresItsOptions() {
    StartWith({});
    QVERIFY(!Find<QWidget>("Panel19")->isVisible());
    Action("Utitle")->trigger();
    QVERIFY(Find<QWidget>("Panel17")->isVisible());
    // Opening it closes the other option panel and unchecks its item.
    Action("SetAssist")->trigger();
    QVERIFY(Find<QWidget>("Panel19")->isVisible());
    QVERIFY(!Find<QWidget>("Panel17")->isVisible());
    QVERIFY(!Action("Utitle")->isChecked());
    Action("Utitle")->trigger();
    QVERIFY(!Find<QWidget>("Panel19")->isVisible());
    QVERIFY(!Action("SetAssist")->isChecked());
    Action("SetAssist")->trigger();
    QCheckBox *circled = Find<QCheckBox>("assistMaru");
    QVERIFY(circled->isChecked());
    circled->click();
    QVERIFY(!session().Puzzle().Options().assist.circledDigits);
    QVERIFY(session().Format().modified);
    Click("SpeedButton11");
    QVERIFY(!Find<QWidget>("Panel19")->isVisible());
    QVERIFY(!Action("SetAssist")->isChecked());
  }

  // The title and how-to-play panel: the title applied on "変更", the
  // how-to-play text applied into the record and inserted at the caret.
  void editApplyInsertAndClose() {
    StartWith({});
    const settings::PuzzleOptions &options = session().Puzzle().Options();
    Action("Utitle")->trigger();
    QVERIFY(Find("Panel17")->isVisible());
    QVERIFY(Action("Utitle")->isChecked());
    auto *title = Find<QLineEdit>("Edit15");
    QCOMPARE(title->text(), ui::ToQt(options.title));
    QVERIFY(!Find("Button40")->isEnabled());

    title->selectAll();
    testing::TypeText(title, QString::fromUtf8("★パズル"));
    QVERIFY(Find("Button40")->isEnabled());
    QVERIFY2(options.title != base::Sj("★パズル"), "the title changes only on 変更");
    Click("Button40");
    QCOMPARE(ui::ToQt(options.title), QString::fromUtf8("★パズル"));
    QVERIFY(!Find("Button40")->isEnabled());
    QVERIFY(session().Format().modified);

    auto *howToPlay = Find<QPlainTextEdit>("Memo3");
    howToPlay->setPlainText(QString::fromUtf8("一行目\n\n三行目"));
    Click("Button41");
    const std::string ff(1, settings::kFormFeed);
    const std::vector<std::string> applied(options.howToPlay.begin(), options.howToPlay.end());
    QCOMPARE(applied, (std::vector<std::string>{base::Sj("一行目"), "", base::Sj("三行目"), ff, ff,
                                                ff, ff, ff, ff}));
    QVERIFY(!Find("Button41")->isEnabled());

    Editor()->setPlainText("a\nb");
    Click("Button50");
    QCOMPARE(Editor()->toPlainText(), QString::fromUtf8("一行目\n\n三行目\na\nb"));

    Find<QToolButton>("SpeedButton9")->click();
    QVERIFY(!Find("Panel17")->isVisible());
    QVERIFY(!Action("Utitle")->isChecked());
  }

  // On a 1024 x 768 screen the hint and assist windows open beside the
  // narrow game window, wholly on the screen, and keep clear of it each time
  // they show; in a pause the wide window stays on the screen and the assist
  // window keeps clear of the step panel's buttons.
  void windowsKeepClearOfTheGameOnASmallScreen() {
    StartWith({dir_->Write("p.nbp", testing::NbpText(testing::kEasyPuzzle))});
    StartGame();
    QWidget *assist = TopLevel("TForm9"), *hint = TopLevel("TForm2");
    ExpectBeside(assist, window_.get());
    Click("Button20"); // "ヒント"
    ExpectBeside(hint, window_.get());
    Click("Button46"); // "アシスト"
    Click("Button46");
    window_->move(520, 47); // hidden, the assist window stays behind
    Click("Button46");
    ExpectBeside(assist, window_.get());

    // A pause for the next move, with either window open, and the game back.
    for (QWidget *helper : {assist, hint}) {
      if (!helper->isVisible())
        Find<QPushButton>(helper == hint ? "Button20" : "Button46")->click();
      bool paused = false;
      QTimer::singleShot(100, this, [&] {
        QCoreApplication::processEvents();
        QWidget *step = Find<QWidget>("Panel4");
        // The step panel stands beside the grid, in the document.
        paused = step->isVisible() && step->parentWidget() == Editor()->viewport();
        ExpectOnScreen(window_.get());
        for (const char *name : {"Button28", "Button30", "Button51"}) // "前" "ゲーム" "ゲーム再開"
          ExpectApart(step->findChild<QWidget *>(name), helper);
        Click("Button30");
      });
      Action("DebugAnswer")->trigger(); // "～次の一手をみる(&D)"
      QVERIFY(paused);
      QCoreApplication::processEvents();
      ExpectBeside(helper, window_.get());
    }
  }

private:
  static QRect Area(const QWidget *w) {
    return w->isWindow() ? w->frameGeometry() : QRect(w->mapToGlobal(QPoint()), w->size());
  }
  void ExpectOnScreen(const QWidget *w) {
    const QRect screen = w->screen()->availableGeometry();
    QVERIFY2(screen.contains(Area(w)), qPrintable(w->objectName()));
  }
  void ExpectApart(const QWidget *a, const QWidget *b) {
    QVERIFY2(!Area(a).intersects(Area(b)),
             qPrintable(a->objectName() + " under " + b->objectName()));
  }
  void ExpectBeside(const QWidget *window, const QWidget *main) {
    QVERIFY(window->isVisible());
    ExpectOnScreen(window);
    ExpectApart(window, main);
  }
  // "ゲーム" on the puzzle read at start-up, the caret in its grid.
  void StartGame() {
    CaretToLine(3);
    Click("Button19");
  }
  // A right click on cell (column, row) of the board opens the palette.
  void OpenPaletteAt(ui::AssistBoardView *board, int column, int row = 0) {
    const play::BoardGeometry &g = board->Geometry();
    const play::BoardPoint corner = g.CellCorner({column, row});
    QTest::mouseClick(board, Qt::RightButton, {}, QPoint(corner.x + g.unit, corner.y + g.unit));
    QVERIFY(board->window()->findChild<QWidget *>("Panel1")->isVisible());
  }
  std::string Cell(int column) {
    const int top = session().Game().Cursor().topLine;
    const std::string line = window_->memo().Line(play::GridRowLineIndex(top, 1));
    return play::CellTextOf(line, play::RowIndentOf(line).size(), column + 1);
  }
};

ZENPA_TEST_MAIN_ON_SCREEN(AssistWindowTest, 1024, 768)
#include "assist_window_test.moc"
