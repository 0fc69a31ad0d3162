// The Edit menu on the real window, offscreen: find a Japanese word, then
// replace it everywhere in one undoable step; overwrite typing over a
// full-width character; the context menu's conversions and the toolkit's
// texts in Japanese.
#include "base/sjis.h"
#include "settings/format_file.h"
#include "ui/main/desktop.h"
#include "ui/support/typing.h"
#include "ui/support/window_rig.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTextBlock>
#include <QTranslator>
#include <QtTest>

using namespace zenpa;
using base::Sj;

class EditMenuTest : public QObject, protected testing::WindowRig {
  Q_OBJECT

private slots:
  // A document with a format file of its own opens in the ordinary view.
  void init() {
    Open();
    docPath_ = dir_->Write("doc.txt", Sj("日本語の文書\r\n二行目　日本語\r\n"));
    QVERIFY(settings::Savezpf(dir_->Path("doc.zpf"), settings::PrintFormat{}, {}, *host_));
    StartWith({docPath_});
  }
  void cleanup() { Close(); }

  void findsAJapaneseWordThenReplacesItEverywhere() {
    Action("Find1")->trigger();
    auto *find = Find<QDialog>("FindDialog1");
    QVERIFY(find->isVisible());
    Find<QLineEdit>("FindText")->setText(QString::fromUtf8("日本語"));
    Click("FindNextButton");
    QCOMPARE(Editor()->textCursor().selectedText(), QString::fromUtf8("日本語"));
    Click("FindNextButton");
    QCOMPARE(window_->memo().Caret(), (platform::TextPos{1, 14}));

    Action("Replace1")->trigger();
    QVERIFY(!find->isVisible());
    QCOMPARE(Find<QLineEdit>("ReplaceFindText")->text(), QString::fromUtf8("日本語"));
    Find<QLineEdit>("ReplaceText")->setText(QString::fromUtf8("にほんご"));
    Click("ReplaceAllButton");
    QVERIFY(!Find<QDialog>("ReplaceDialog1")->isVisible());
    QCOMPARE(host_->messages.back().text, Sj("2ヵ所、置換しました"));
    QCOMPARE(window_->memo().Lines(),
             (std::vector<std::string>{Sj("にほんごの文書"), Sj("二行目　にほんご")}));
    Action("Undo1")->trigger();
    QCOMPARE(window_->memo().Line(1), Sj("二行目　日本語"));
  }

  // Insert switches overwrite mode: "上書き" shows, a typed letter replaces a
  // whole full-width character, and at the end of the line typing inserts.
  void insertThenTypeOverAFullWidthCharacter() {
    auto *label = Find<QLabel>("OverwriteLabel");
    QVERIFY(!label->isVisible());
    Editor()->setFocus();
    QTest::keyClick(Editor(), Qt::Key_Insert);
    QVERIFY(Action("OverWrite")->isChecked());
    QVERIFY(label->isVisible());
    QVERIFY(Editor()->cursorWidth() > 2);
    Editor()->moveCursor(QTextCursor::Start);
    QTest::keyClicks(Editor(), "ab");
    QCOMPARE(window_->memo().Line(0), Sj("ab語の文書"));
    Editor()->moveCursor(QTextCursor::EndOfLine);
    testing::TypeText(Editor(), QString::fromUtf8("。"));
    QCOMPARE(window_->memo().Line(0), Sj("ab語の文書。"));
    Editor()->moveCursor(QTextCursor::StartOfLine);
    testing::TypeText(Editor(), QString::fromUtf8("全角"));
    QCOMPARE(window_->memo().Line(0), Sj("全角語の文書。"));
    QTest::keyClick(Editor(), Qt::Key_Insert);
    QVERIFY(!label->isVisible());
    QCOMPARE(Editor()->cursorWidth(), 2);
  }

  // With nothing selected a conversion takes the whole text; the context
  // menu of the conversion box is the window's own.
  void conversionsAndTheContextMenu() {
    window_->memo().SetLines({Sj("ＡＢＣ１２３"), "{x}"});
    Find<QAction>("Hankaku")->trigger();
    QCOMPARE(window_->memo().Line(0), std::string("ABC123"));
    Find<QAction>("Zenkaku")->trigger();
    QCOMPARE(window_->memo().Line(1), Sj("{ ｘ} "));
    QCOMPARE(Find<QMenu>("PopupMenu1")->actions().contains(Action("OverWrite")), true);
    QCOMPARE(Find<QPlainTextEdit>("Memo2")->contextMenuPolicy(), Qt::CustomContextMenu);
  }

  // Pasted line breaks of any kind become the document's lines, which are
  // written with CR LF; with line-break conversion on, the clipboard itself
  // is rewritten with CR LF first.
  void pastedLineBreaksBecomeLines() {
    window_->memo().SetLines({});
    Action("LF2CRLF")->trigger();
    QApplication::clipboard()->setText(QString::fromUtf8("一\n二\r三\r\n"));
    Editor()->setFocus();
    QTest::keyClick(Editor(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QString::fromUtf8("一\r\n二\r\n三\r\n"));
    QCOMPARE(window_->memo().Lines(), (std::vector<std::string>{Sj("一"), Sj("二"), Sj("三")}));
    Action("Save1")->trigger();
    QCOMPARE(dir_->Read("doc.txt"), Sj("一\r\n二\r\n三\r\n"));
  }

  // With "/k", Ctrl+click toggles the apostrophe on the line clicked.
  void kModeCtrlClickTogglesTheClickedLinesQuote() {
    Close();
    Open();
    StartWith({"/k", dir_->Write("k.txt", "one\r\ntwo\r\n")});
    Editor()->moveCursor(QTextCursor::Start);
    const QTextCursor second(Editor()->document()->findBlockByNumber(1));
    const QPoint at = Editor()->cursorRect(second).center();
    QTest::mouseClick(Editor()->viewport(), Qt::LeftButton, Qt::ControlModifier, at);
    QCOMPARE(window_->memo().Lines(), (std::vector<std::string>{"one", "'two"}));
    QTest::mouseClick(Editor()->viewport(), Qt::LeftButton, Qt::ControlModifier, at);
    QCOMPARE(window_->memo().Lines(), (std::vector<std::string>{"one", "two"}));
  }

  void qtTextsAreJapanese() {
    QTranslator translator;
    QVERIFY(ui::LoadQtJapanese(translator));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
             QString::fromUtf8("キャンセル"));
    QCoreApplication::removeTranslator(&translator);
  }

private:
  std::string docPath_;
};

QTEST_MAIN(EditMenuTest)
#include "edit_menu_test.moc"
