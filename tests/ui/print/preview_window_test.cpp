// The print preview window TForm3 in the real main window, offscreen: it
// opens from "プレビュー" on a three-page document, on the screen however
// near its corner the main window is, steps through the sheets, and after
// "調整" follows what is typed into the document.
#include "ui/print/preview_page.h"
#include "ui/print/preview_window.h"
#include "ui/support/typing.h"
#include "ui/support/window_rig.h"

#include <QAbstractSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QWheelEvent>

using namespace zenpa;

namespace {

QString Utf8(const char *text) { return QString::fromUtf8(text); }

} // namespace

class PreviewWindowTest : public QObject, private testing::WindowRig {
  Q_OBJECT

private slots:
  void init() {
    Open();
    StartWith({dir_->Write("doc.txt", "one\r\ntwo\r\nthree\r\n")});
    session().Format().format.linesPerPage = 1; // one line a page
    session().Relayout();
    preview_ = &window_->Preview();
  }
  void cleanup() { Close(); }

  void opensAndStepsThroughTheSheets() {
    window_->move(10, 10); // too near the corner to open further up and left
    OpenPreview();
    QVERIFY(preview_->isVisible());
    QCOMPARE(preview_->frameGeometry().topLeft(), QPoint(0, 0));
    QCOMPARE(preview_->windowTitle(), Utf8("印刷プレビュー"));
    QCOMPARE(Sheet(), QString("1/3"));
    QCOMPARE(Enabled(), QString("0011")); // 始頁 前頁 次頁 終頁
    const QImage first = Image();
    QVERIFY(first.height() > first.width()); // A4 portrait, fitted to the height

    Click("Button2");
    Click("Button2");
    QCOMPARE(Sheet(), QString("3/3"));
    QCOMPARE(Child<QLabel>("Label1")->accessibleName(), QString("3/3"));
    QCOMPARE(Enabled(), QString("1100"));
    QVERIFY(Image() != first);
    Click("Button3");
    QCOMPARE(Sheet(), QString("1/3"));
    QCOMPARE(Image(), first);

    // A zoom that is no number keeps the old one; a larger one scrolls.
    auto *zoom = Child<QAbstractSpinBox>("Edit1");
    zoom->findChild<QLineEdit *>()->setText("abc");
    Click("Button8");
    QCOMPARE(zoom->text(), QString("100"));
    zoom->findChild<QLineEdit *>()->setText("300");
    Click("Button8");
    QCOMPARE(Image().height(), first.height() * 3);
    auto *box = Child<QScrollArea>("ScrollBox1");
    QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), {}, QPoint(0, -240), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(box->viewport(), &wheel);
    QCOMPARE(box->verticalScrollBar()->value(), 64);
    QCOMPARE(box->horizontalScrollBar()->value(), 64);

    // Without "調整" the frame outline still follows "枠" and its fields.
    QVERIFY(!preview_->Page().Overlay().frameShown);
    Find<QPushButton>("frameButton")->click();
    QVERIFY(preview_->Page().Overlay().frameShown);
    const int frameLeft = preview_->Page().Overlay().frame.left;
    auto *field = Find<QAbstractSpinBox>("frameLeftEdit");
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, "50");
    QVERIFY2(preview_->Page().Overlay().frame.left > frameLeft,
             qPrintable(QString::number(frameLeft)));
  }

  // After "調整" a typed line is a new first page; a click on "調整中"
  // ends following; the start page reaches the preview either way.
  void adjustFollowsTheTyping() {
    OpenPreview();
    const QImage before = Image();
    Click("Button7");
    QVERIFY(!Child<QPushButton>("Button7")->isVisible());
    QCOMPARE(Child<QLabel>("Label2")->text(), Utf8("調整中"));
    QVERIFY(Child<QLabel>("Label2")->isVisible());

    Editor()->moveCursor(QTextCursor::Start);
    testing::TypeText(Editor(), "zero");
    QTest::keyClick(Editor(), Qt::Key_Return);
    QTRY_COMPARE(Sheet(), QString("1/4"));
    QVERIFY(Image() != before);

    QTest::mouseClick(Child<QLabel>("Label2"), Qt::LeftButton);
    QVERIFY(Child<QPushButton>("Button7")->isVisible());
    QTest::keyClick(Editor(), Qt::Key_Return);
    QTest::qWait(20);
    QCOMPARE(Sheet(), QString("1/4"));

    auto *start = Find<QLineEdit>("startPageEdit");
    start->setText("3");
    QMetaObject::invokeMethod(start, "editingFinished");
    QTRY_COMPARE(Sheet(), QString("1/3"));
    // A start page past the end: the preview and the panel both say so.
    start->setText("9");
    QMetaObject::invokeMethod(start, "editingFinished");
    QTRY_COMPARE(Sheet(), Utf8("印刷頁エラー"));
    QCOMPARE(Label("endPageHintLabel"), Utf8("印刷頁エラー"));
    preview_->close();
    QVERIFY(!session().PreviewState().IsOpen());
  }

private:
  void OpenPreview() {
    QTest::mouseClick(window_->statusBar()->findChild<QPushButton *>("Button28"), Qt::LeftButton);
  }
  template <class T = QWidget> T *Child(const char *name) {
    T *child = preview_->findChild<T *>(name);
    if (!child)
      qFatal("no %s", name);
    return child;
  }
  void Click(const char *name) { QTest::mouseClick(Child<QPushButton>(name), Qt::LeftButton); }
  QString Sheet() { return Child<QLabel>("Label1")->text(); }
  QImage Image() { return preview_->Page().Image(); }
  QString Enabled() {
    QString flags;
    for (const char *name : {"Button3", "Button1", "Button2", "Button4"})
      flags += Child<QPushButton>(name)->isEnabled() ? '1' : '0';
    return flags;
  }

  ui::PreviewWindow *preview_ = nullptr;
};

QTEST_MAIN(PreviewWindowTest)
#include "preview_window_test.moc"
