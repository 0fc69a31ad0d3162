// The print settings panel in the real window, offscreen: typed fields and
// spinner steps change the layout figures and the page count, the switches
// follow their rules, the paper list and the frame items work, and the saved
// format file holds the changes.
#include "base/sjis.h"
#include "base/units.h"
#include "ui/support/window_rig.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QtTest>

using namespace zenpa;
using base::Sj;

namespace {

QString FieldText(QAbstractSpinBox *field) { return field->findChild<QLineEdit *>()->text(); }

} // namespace

class PrintSettingsPanelTest : public QObject, protected testing::WindowRig {
  Q_OBJECT

private slots:
  void init() { Open(); }
  void cleanup() { Close(); }

  // 初期設定保存 writes zenpa.ini and enables its restore; the next start
  // shows the saved margin and the right margin that follows from it before
  // any keystroke.
  void savedInitialMarginsShowAtTheNextStart() {
    StartWith({});
    QVERIFY(!Action("Back")->isEnabled());
    const QString right = Label("rightMarginLabel");
    Type("leftMarginEdit", "40");
    const QString savedRight = Label("rightMarginLabel");
    QVERIFY(savedRight != right);
    host_->answers = {platform::Answer::Ok};
    Action("SaveIni")->trigger();
    QVERIFY(dir_->Exists("zenpa.ini"));
    QVERIFY(Action("Back")->isEnabled());
    window_.reset();
    window_ = std::make_unique<ui::MainWindow>(*host_, printer_, fonts_, dir_->Dir());
    StartWith({});
    QCOMPARE(FieldText(Spin("leftMarginEdit")), QString("40"));
    QCOMPARE(Label("rightMarginLabel"), savedRight);
  }

  void fieldsFollowTheLayoutAndReachTheFormatFile() {
    std::string text;
    for (int i = 0; i < 100; ++i)
      text += Sj("文書の行です") + "\r\n";
    StartWith({dir_->Write("doc.txt", text)});
    // A text without a format file of its own opens in the enlarged text
    // view, which hides the panel; leave it to see the panel's warnings.
    Action("Kakudai")->trigger();
    Action("SaveIni")->trigger();
    // Each keystroke lays the document out again, before Enter.
    QAbstractSpinBox *lines = Spin("linesPerPageEdit");
    lines->setFocus();
    lines->selectAll();
    QTest::keyClicks(lines, "20");
    QCOMPARE(Pages(), 5);
    QCOMPARE(Label("endPageHintLabel"), QString::fromUtf8("（0で最終5頁）"));
    QTest::keyClick(lines, Qt::Key_Return);
    QVERIFY(session().Format().modified);

    const QString right = Label("rightMarginLabel");
    Type("leftMarginEdit", "40");
    QCOMPARE(session().Format().format.leftMargin, base::MmToPix(40, 360));
    QCOMPARE(Label("rightMarginLabel").toInt(), right.toInt() - 17);

    const QString pitch = Label("linePitchLabel");
    const int editorPixels = Editor()->font().pixelSize();
    Spin("fontSizeEdit")->stepBy(10);
    QCOMPARE(FieldText(Spin("fontSizeEdit")), QString("220"));
    QVERIFY2(Editor()->font().pixelSize() > editorPixels, "the editor follows the font size");
    QVERIFY2(Label("linePitchLabel").toDouble() > pitch.toDouble(), qPrintable(pitch));
    QVERIFY(session().Layout().Layout().pagination.pageCount == 5);

    // A 600-point font with a margin past the paper is laid out and warned of.
    Type("fontSizeEdit", "6000");
    Type("leftMarginEdit", "500");
    QVERIFY(Find("tooWideLabel")->isVisible());
    Type("fontSizeEdit", "220");
    Type("leftMarginEdit", "40");

    host_->fileNames = {dir_->Path("saved.zpf")};
    Action("SaveZpf")->trigger();
    const std::string saved = dir_->Read("saved.zpf");
    QVERIFY(saved.find("20," + Sj("頁行数")) != std::string::npos);
    QVERIFY(saved.find("40," + Sj("左余白 (mm)")) != std::string::npos);
    QVERIFY(saved.find("22," + Sj("フォントサイズ")) != std::string::npos);

    // "初期設定にもどす" while a typed margin is still being edited: the
    // field shows the restored margin and ending the edit keeps it.
    QAbstractSpinBox *left = Spin("leftMarginEdit");
    left->setFocus();
    left->selectAll();
    QTest::keyClicks(left, "35");
    QCOMPARE(session().Format().format.leftMargin, base::MmToPix(35, 360));
    Action("Back")->trigger();
    QCOMPARE(FieldText(left), QString("23"));
    Editor()->setFocus();
    QCOMPARE(FieldText(left), QString("23"));
    QCOMPARE(session().Format().format.leftMargin, base::MmToPix(23, 360));
  }

  // Pouch binding unchecks duplex; the paper list sets the paper without a
  // printer.
  void switchesAndPaper() {
    StartWith({});
    QVERIFY(!Find("oddPassButton")->isVisible());
    Check("CheckBoxDuplex")->click();
    QVERIFY(Find("oddPassButton")->isVisible());
    Check("CheckBoxPouch")->click();
    QVERIFY(!Check("CheckBoxDuplex")->isChecked());
    auto *paper = Find<QComboBox>("paperList");
    paper->setCurrentIndex(7);
    emit paper->activated(7);
    QCOMPARE(session().Format().format.paperSize, 12);
    QCOMPARE(session().Format().format.orientation, platform::kLandscape);
    QVERIFY(session().Format().modified);
    // The down key in the font name chooses the next face and names it.
    auto *fontName = Find<QLineEdit>("fontNameEdit");
    fontName->setFocus();
    const QString face = fontName->text();
    QTest::keyClick(fontName, Qt::Key_Down);
    QVERIFY(face != fontName->text());
    QCOMPARE(fontName->text(),
             QString::fromStdString(base::SjisToUtf8(session().Format().format.fontName)));
    // Ctrl on the panel's background shows the modified state; Shift clears it.
    QWidget *panel = Find("printSettingsPanel");
    QTest::mouseClick(panel, Qt::LeftButton, Qt::ControlModifier, QPoint(2, 2));
    QVERIFY(Find("zpfModified")->isVisible());
    QTest::mouseClick(panel, Qt::LeftButton, Qt::ShiftModifier, QPoint(2, 2));
    QVERIFY(!Find("zpfModified")->isVisible());
    QVERIFY(!session().Format().modified);
  }

  // The menu item and the "枠" button open the frame panel, "×" closes it;
  // "枠印刷" and its menu item mirror each other.
  void frameItemsAndPanel() {
    StartWith({});
    QVERIFY(!Find("framePanel")->isVisible());
    Action("waku")->trigger();
    QVERIFY(Find("framePanel")->isVisible());
    Check("CheckBoxWakuP")->click();
    QVERIFY(Action("wakuP")->isChecked());
    Type("frameLeftEdit", "999");
    QCOMPARE(session().Format().format.frameRect.left, 207);   // A4 less the right strip
    QCOMPARE(FieldText(Spin("frameWidthEdit")), QString("3")); // the frame ends on the paper
    Click("frameCloseButton");
    QVERIFY(!Find("framePanel")->isVisible());
    QVERIFY(!Action("waku")->isChecked());
    Click("frameButton");
    QVERIFY(Find("framePanel")->isVisible());
    QVERIFY(!Action("yohakuP")->isEnabled());
    Action("drM")->trigger();
    QVERIFY(Action("yohakuP")->isEnabled());
    QVERIFY(Find("paperRightEdit")->isVisible());
  }

  // The memo-width field splits the row between the editor and the side
  // panel and a wrapping document is laid out at the new width; a drag of
  // the splitter writes the field and marks the format; a wider window
  // leaves the editor its width and marks nothing.
  void editorWidthSplitsTheRow() {
    std::string text;
    for (int i = 0; i < 40; ++i)
      text += std::string(120, 'x') + "\r\n";
    StartWith({dir_->Write("doc.txt", text)});
    Action("Kakudai")->trigger();
    Action("Orikaesi")->trigger();
    auto *row = Find<QSplitter>("editorSplitter");
    QWidget *side = Find("sidePanel");
    QCOMPARE(side->width(), 1);

    Type("editorWidthEdit", "300");
    QCoreApplication::processEvents();
    QCOMPARE(Editor()->width(), 300);
    QCOMPARE(side->width(), row->width() - 4 - 300);
    const int narrowPages = Pages();

    QSplitterHandle *handle = row->handle(1);
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(1, 10));
    QTest::mouseMove(handle, QPoint(201, 10));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(201, 10));
    QCoreApplication::processEvents();
    QCOMPARE(Editor()->width(), 500);
    QCOMPARE(FieldText(Spin("editorWidthEdit")), QString("500"));
    QVERIFY2(Pages() < narrowPages, qPrintable(QString::number(Pages())));
    QVERIFY(session().Format().modified);

    session().Format().modified = false;
    const int sideWidth = side->width();
    window_->resize(window_->width() + 100, window_->height());
    QCoreApplication::processEvents();
    QCOMPARE(Editor()->width(), 500);
    QCOMPARE(side->width(), sideWidth + 100);
    QCOMPARE(session().Format().format.editorWidth, 500);
    QVERIFY(!session().Format().modified);
  }

private:
  int Pages() { return session().Layout().Layout().pagination.pageCount; }
  QAbstractSpinBox *Spin(const char *name) { return Find<QAbstractSpinBox>(name); }
  QCheckBox *Check(const char *name) { return Find<QCheckBox>(name); }

  // Puts text into a field as a person pasting it does: select all, paste
  // over it, Enter.
  void Type(const char *name, const QString &typed) {
    QAbstractSpinBox *field = Spin(name);
    field->setFocus();
    field->selectAll();
    field->findChild<QLineEdit *>()->insert(typed);
    QTest::keyClick(field, Qt::Key_Return);
    Editor()->setFocus();
  }
};

QTEST_MAIN(PrintSettingsPanelTest)
#include "print_settings_panel_test.moc"
