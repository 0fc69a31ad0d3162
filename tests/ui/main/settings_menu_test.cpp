// The Settings menu on the real window, offscreen: wrapping follows into
// the layout's page count, a document's format file sets the editor's tabs,
// wrapping and font, the format reset takes them back, and the enlarged
// text view hides the panels and holds realtime layout off.
#include "base/sjis.h"
#include "editor/editor_look.h"
#include "settings/format_file.h"
#include "ui/support/window_rig.h"

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

using namespace zenpa;
using base::Sj;

class SettingsMenuTest : public QObject, protected testing::WindowRig {
  Q_OBJECT

private slots:
  void init() { Open(); }
  void cleanup() { Close(); }

  void wrappingChangesThePageCount() {
    settings::PrintFormat format;
    format.linesPerPage = 10;
    std::string text;
    for (int i = 0; i < 8; ++i)
      text += std::string(300, 'x') + "\r\n";
    StartWith({Document("long", text, format)});
    auto pages = [this] { return session().Layout().Layout().pagination.pageCount; };
    QCOMPARE(pages(), 1);
    Action("Orikaesi")->trigger();
    QCOMPARE(Editor()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QTRY_VERIFY2(pages() > 1, qPrintable(QString::number(pages())));
    QVERIFY(session().Format().modified);
    const int wrapped = pages();
    window_->resize(window_->width() + 300, window_->height());
    QTRY_VERIFY2(pages() < wrapped, qPrintable(QString::number(pages())));
    Action("Orikaesi")->trigger();
    QTRY_COMPARE(pages(), 1);
  }

  void theDocumentsFormatReachesTheEditorAndTheResetUndoesIt() {
    settings::PrintFormat format;
    format.tabsOn = true;
    format.tabWidth = 4;
    format.wrapEditor = true;
    format.fontSize = 24;
    StartWith({Document("tabs", "a\tb\r\n", format)});
    QCOMPARE(Editor()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QVERIFY(Action("TabToSpace")->isChecked());
    QVERIFY(!Editor()->tabChangesFocus());
    QVERIFY(Find<QSpinBox>("TabWidth")->isVisible());
    QCOMPARE(Find<QSpinBox>("TabWidth")->value(), 4);
    const int full = editor::EditorFontPixels(24, Editor()->logicalDpiY(), false);
    QCOMPARE(Editor()->font().pixelSize(), full);

    Action("Half")->trigger();
    QVERIFY(Find<QLabel>("HalfLabel")->isVisible());
    QCOMPARE(Editor()->font().pixelSize(), full / 2);

    Action("ZpfNew")->trigger();
    QCOMPARE(Editor()->lineWrapMode(), QPlainTextEdit::NoWrap);
    QVERIFY(Editor()->tabChangesFocus());
    QVERIFY(!Find<QSpinBox>("TabWidth")->isVisible());
    QVERIFY(!session().Format().modified);
  }

  // A text without a format of its own opens enlarged: the panels above the
  // editor are hidden, realtime layout is off and its item disabled, and
  // the layout button shows; leaving the view restores all of it.
  void theEnlargedViewHidesThePanelsAndRestoresThem() {
    StartWith({dir_->Write("plain.txt", "text\r\n")});
    auto *panels = Find<QWidget>("Button7")->parentWidget();
    QVERIFY(Action("Kakudai")->isChecked());
    QVERIFY(!panels->isVisible());
    QVERIFY(!Action("RealLayout")->isEnabled());
    QVERIFY(!Action("Rename1")->isEnabled());
    QVERIFY(!session().Doc().Settings().realtimeLayoutOn);

    Action("Kakudai")->trigger();
    QVERIFY(panels->isVisible());
    QVERIFY(Action("RealLayout")->isEnabled());
    QVERIFY(Action("Rename1")->isEnabled());
    QVERIFY(session().Doc().Settings().realtimeLayoutOn);
    QVERIFY(!Find<QPushButton>("Button7")->isVisible());
    Action("RealLayout")->trigger();
    QVERIFY(Find<QPushButton>("Button7")->isVisible());
  }

private:
  // A document with its format file beside it.
  std::string Document(const std::string &stem, const std::string &text,
                       const settings::PrintFormat &format) {
    [&] { QVERIFY(settings::Savezpf(dir_->Path(stem + ".zpf"), format, {}, *host_)); }();
    return dir_->Write(stem + ".txt", text);
  }
};

QTEST_MAIN(SettingsMenuTest)
#include "settings_menu_test.moc"
