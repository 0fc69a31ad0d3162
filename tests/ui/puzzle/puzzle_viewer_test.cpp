// The puzzle data viewer in the real main window, offscreen: opened from
// the puzzle menu on a folder of puzzle files, it previews the selected
// file, finds the files holding the same first puzzle, refuses a file with
// errors and loads a file into the document with Enter; and the external
// viewer's item.
#include "base/paths.h"
#include "base/sjis.h"
#include "puzzle/play/grid_text.h"
#include "support/puzzle_samples.h"
#include "ui/qt/qt_text.h"
#include "ui/support/window_rig.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace zenpa;
using testing::kEasyPuzzle;
using testing::kNakedPairPuzzle;
using testing::NbpText;

class PuzzleViewerTest : public QObject, protected testing::WindowRig {
  Q_OBJECT

  // What the test saw while the modal viewer was open.
  struct Seen {
    QStringList items;
    QString fileName, clues, pages, firstRow, rawFirstLine;
    bool answerShown = false;
    QString duplicateStatus, duplicateResult;
    bool openAfterRefusal = false;
  };

  static void Select(QListWidget *list, const QString &name) {
    const auto found = list->findItems(name, Qt::MatchExactly);
    QVERIFY(!found.isEmpty());
    list->setCurrentItem(found.front());
  }

  void Drive(Seen &seen) {
    auto *viewer = window_->findChild<QDialog *>("TForm5");
    QVERIFY(viewer && viewer->isVisible());
    auto *list = viewer->findChild<QListWidget *>("FileList");
    for (int i = 0; i < list->count(); ++i)
      seen.items << list->item(i)->text();
    Select(list, "b.nbp");
    seen.fileName = viewer->findChild<QLineEdit *>("FileNameEdit")->text();
    seen.clues = viewer->findChild<QLabel *>("ClueLabel")->text();
    seen.pages = viewer->findChild<QLabel *>("PageLabel")->text();
    seen.answerShown = viewer->findChild<QLabel *>("AnswerLabel")->isVisible();
    seen.firstRow = viewer->findChild<QWidget *>("BoardPreview")->accessibleDescription().left(9);
    seen.rawFirstLine =
        viewer->findChild<QPlainTextEdit *>("RawPreview")->toPlainText().section('\n', 0, 0);
    viewer->findChild<QPushButton *>("DuplicateButton")->click();
    seen.duplicateStatus = viewer->findChild<QLabel *>("DuplicateStatus")->text();
    seen.duplicateResult = viewer->findChild<QPlainTextEdit *>("DuplicateResult")->toPlainText();
    Select(list, "bad.nbp");
    viewer->findChild<QPushButton *>("LoadButton")->click();
    seen.openAfterRefusal = viewer->isVisible();
    Select(list, "c.nbp");
    QTest::keyClick(list, Qt::Key_Return);
  }

private slots:
  void init() { Open(); }
  void cleanup() { Close(); }

  void viewerPreviewsFindsDuplicatesAndLoads() {
    StartWith({});
    const std::string answer = "A=" + std::string(81, '1');
    dir_->Write("a.nbp", NbpText(kEasyPuzzle));
    dir_->Write("b.nbp", NbpText(kNakedPairPuzzle) + answer + "\r\n");
    dir_->Write("c.nbp", NbpText(kEasyPuzzle) + NbpText(kNakedPairPuzzle));
    dir_->Write("bad.nbp", "12345678x\r\n");
    dir_->Write("notes.txt", "not shown");
    dir_->Write("sub/d.nbp", NbpText(kEasyPuzzle));
    QVERIFY(base::SetCurrentDirectory(dir_->Dir()));
    Seen seen;
    QTimer::singleShot(0, this, [&] { Drive(seen); });
    Action("ViewRead")->trigger();

    QCOMPARE(seen.items, QStringList({"sub", "a.nbp", "b.nbp", "bad.nbp", "c.nbp"}));
    QCOMPARE(seen.fileName, QString("b.nbp"));
    QCOMPARE(seen.clues, QString("23clues"));
    QCOMPARE(seen.pages, QString("1page"));
    QVERIFY(seen.answerShown);
    QCOMPARE(seen.firstRow, QString::fromUtf8("１　　　　　３　　"));
    QCOMPARE(seen.rawFirstLine, QString("100000300"));
    QCOMPARE(seen.duplicateStatus, QString::fromUtf8("重複が 1件あります"));
    QCOMPARE(seen.duplicateResult, QString::fromUtf8("a.nbp ＝ c.nbp"));
    QVERIFY(seen.openAfterRefusal);
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
    dir_->Write("p.nbp", NbpText(kEasyPuzzle));
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
};

QTEST_MAIN(PuzzleViewerTest)
#include "puzzle_viewer_test.moc"
