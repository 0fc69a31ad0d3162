// The editor's mark items and the mark panels on the real window, offscreen:
// a colour mark chosen from the context menu prints its line in that colour;
// a scale mark from its dialog; the mark and reduction panels close each
// other and edit the format.
#include "base/colour.h"
#include "base/sjis.h"
#include "settings/format_file.h"
#include "ui/support/poppler_tools.h"
#include "ui/support/window_rig.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

#include <cstdlib>
#include <functional>

using namespace zenpa;
using base::Sj;

namespace {

// Height in pixels of what the widget draws darker than mid grey.
int InkHeight(QWidget *widget) {
  const QImage image = widget->grab().toImage();
  int top = image.height(), bottom = -1;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 128) {
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
  return bottom - top + 1;
}

// Pixels of the first page, rendered in colour, that are clearly red.
int RedPixels(const std::string &pdf) {
  const QString stem = QString::fromStdString(pdf) + "-r";
  testing::RunTool("pdftoppm",
                   {"-r", "50", "-f", "1", "-l", "1", QString::fromStdString(pdf), stem});
  const QImage page(stem + "-1.ppm");
  int red = 0;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x) {
      const QColor c = page.pixelColor(x, y);
      red += c.red() > 180 && c.green() < 90 && c.blue() < 90;
    }
  return red;
}

} // namespace

class MarkItemsTest : public QObject, protected testing::WindowRig {
  Q_OBJECT

private slots:
  void init() {
    Open();
    const std::string doc = dir_->Write("doc.txt", Sj("p=\r\n赤い文字の行\r\n"));
    QVERIFY(settings::Savezpf(dir_->Path("doc.zpf"), settings::PrintFormat{}, {}, *host_));
    StartWith({doc});
  }
  void cleanup() { Close(); }

  // On the mark line the colour item is enabled; choosing red inserts "$0000FF".
  // With scale marks switched on in the mark panel, the PDF has red text.
  void colourMarkPrintsInItsColour() {
    host_->colours.push_back(base::RGB(255, 0, 0));
    UseContextItem({0, 2}, "IroCh", [] {});
    QCOMPARE(window_->memo().Line(0), std::string("p= $0000FF"));

    Action("Umark")->trigger();
    QVERIFY(Find("MarkPanel")->isVisible());
    Find<QCheckBox>("ScaleMarksOn")->click();
    QVERIFY(session().Format().format.scaleMarksOn);

    const std::string pdf = dir_->Path("out.pdf");
    host_->fileNames = {pdf};
    Click("Button1");
    QVERIFY2(RedPixels(pdf) > 20, "no red text on the page");
  }

  // Off a mark line only the scale item is enabled; its dialog at -3 inserts
  // "p---" before the caret's line and switches scale marks on. At 200 % the
  // sample character stands twice the editor's font height.
  void scaleMarkFromItsDialog() {
    const int editorHeight = QFontInfo(Editor()->font()).pixelSize();
    UseContextItem({1, 0}, "Kakusyuku", [editorHeight] {
      auto *dialog = QApplication::activeModalWidget();
      QCOMPARE(dialog->objectName(), QString("TForm11"));
      dialog->findChild<QSpinBox *>("ScaleSteps")->setValue(10);
      const int ink = InkHeight(dialog->findChild<QLabel *>("ScaleSample"));
      QVERIFY2(std::abs(ink - 2 * editorHeight) <= 1, qPrintable(QString::number(ink)));
      dialog->findChild<QSpinBox *>("ScaleSteps")->setValue(-3);
      QCOMPARE(dialog->findChild<QLabel *>("ScalePercent")->text(), QString::fromUtf8("85％ "));
      dialog->findChild<QPushButton *>("OKButton")->click();
    });
    QCOMPARE(window_->memo().Line(1), std::string("p---"));
    QCOMPARE(window_->memo().Line(2), Sj("赤い文字の行"));
    QVERIFY(session().Format().format.scaleMarksOn);
  }

  // Editing a mark field colours it and enables "変更"; "標準に戻す" and
  // "変更" bring the form feed back. Opening the reduction panel closes the
  // mark panel; a typed percent applies.
  void panelsEditTheMarksAndCloseEachOther() {
    session().Format().format.pageBreakMark = "==";
    Action("Umark")->trigger();
    auto *field = Find<QLineEdit>("PageBreakMarkEdit");
    QCOMPARE(field->text(), QString("=="));
    QVERIFY(!Find<QPushButton>("PageBreakApply")->isEnabled());
    QTest::keyClicks(field, "x");
    QCOMPARE(field->palette().color(QPalette::Base), QColor(255, 238, 255));
    Click("PageBreakStandard");
    Click("PageBreakApply");
    QCOMPARE(session().Format().format.pageBreakMark, std::string("\f"));
    QVERIFY(!Find<QPushButton>("PageBreakApply")->isEnabled());

    Action("miniSize")->trigger();
    QVERIFY(!Find("MarkPanel")->isVisible());
    QVERIFY(Find("ReductionPanel")->isVisible());
    auto *percent = Find<QAbstractSpinBox>("ReducePercent");
    percent->setFocus();
    percent->selectAll();
    // A percent typed digit by digit applies once it is in the range, and
    // its first digit below the range is neither applied nor rewritten.
    QTest::keyClicks(percent, "5");
    QCOMPARE(session().Format().format.reducePercent, 80);
    QTest::keyClicks(percent, "5");
    QCOMPARE(session().Format().format.reducePercent, 55);
    QCOMPARE(percent->text(), QString("55"));
    Click("ReduceStandard");
    QCOMPARE(session().Format().format.reducePercent, 80);
    Find<QCheckBox>("MiniClue")->click();
    QVERIFY(session().Format().format.puzzle.miniclue);
  }

private:
  // Presses the document with the right button, puts the caret at `at`,
  // opens the context menu and chooses the item; inDialog runs once the
  // item's modal dialog shows.
  void UseContextItem(platform::TextPos at, const char *item, std::function<void()> inDialog) {
    QTest::mouseClick(Editor()->viewport(), Qt::RightButton);
    window_->memo().SetCaret(at);
    bool chosen = false;
    QTimer::singleShot(0, this, [&] {
      auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
      QVERIFY(menu);
      QAction *action = Action(item);
      QVERIFY(action->isVisible());
      QVERIFY(action->isEnabled());
      QCOMPARE(Action("IroCh")->isEnabled(), std::string(item) != "Kakusyuku");
      chosen = true;
      QTimer::singleShot(0, this, inDialog);
      menu->setActiveAction(action);
      QTest::keyClick(menu, Qt::Key_Return);
    });
    emit Editor()->customContextMenuRequested(QPoint(5, 5));
    QVERIFY(chosen);
  }
};

QTEST_MAIN(MarkItemsTest)
#include "mark_items_test.moc"
