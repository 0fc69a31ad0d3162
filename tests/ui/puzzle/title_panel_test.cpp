// The title and how-to-play panel of the real main window, offscreen: opened
// from the puzzle menu, the title edited and applied, the how-to-play text
// replaced and applied into the record, inserted at the caret, and closed
// with "×".
#include "base/sjis.h"
#include "ui/qt/qt_text.h"
#include "ui/support/typing.h"
#include "ui/support/window_rig.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using namespace zenpa;
using base::Sj;

class TitlePanelTest : public QObject, protected testing::WindowRig {
  Q_OBJECT

private slots:
  void init() { Open(); }
  void cleanup() { Close(); }

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
    QVERIFY2(options.title != Sj("★パズル"), "the title changes only on 変更");
    Find<QPushButton>("Button40")->click();
    QCOMPARE(ui::ToQt(options.title), QString::fromUtf8("★パズル"));
    QVERIFY(!Find("Button40")->isEnabled());
    QVERIFY(session().Format().modified);

    auto *howToPlay = Find<QPlainTextEdit>("Memo3");
    howToPlay->setPlainText(QString::fromUtf8("一行目\n\n三行目"));
    Find<QPushButton>("Button41")->click();
    const std::string marker(1, settings::kFormFeed);
    QCOMPARE(ui::ToQt(options.howToPlay[0]), QString::fromUtf8("一行目"));
    QCOMPARE(options.howToPlay[1], std::string());
    QCOMPARE(ui::ToQt(options.howToPlay[2]), QString::fromUtf8("三行目"));
    QCOMPARE(options.howToPlay[3], marker);
    QCOMPARE(options.howToPlay[8], marker);
    QVERIFY(!Find("Button41")->isEnabled());

    Editor()->setPlainText("a\nb");
    Find<QPushButton>("Button50")->click();
    QCOMPARE(Editor()->toPlainText(), QString::fromUtf8("一行目\n\n三行目\na\nb"));

    Find<QToolButton>("SpeedButton9")->click();
    QVERIFY(!Find("Panel17")->isVisible());
    QVERIFY(!Action("Utitle")->isChecked());
  }
};

QTEST_MAIN(TitlePanelTest)
#include "title_panel_test.moc"
