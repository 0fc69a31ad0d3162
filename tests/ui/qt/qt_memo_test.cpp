// The editor adapter keeps the Shift-JIS mirror of its lines equal to what
// the widget shows, through the core's edits and through typing; the host
// starts programs and gives the system's reason when one cannot start.
#include "base/sjis.h"
#include "support/temp_dir.h"
#include "ui/qt/qt_host.h"
#include "ui/qt/qt_memo.h"
#include "ui/qt/qt_text.h"
#include "ui/support/typing.h"

#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QtTest>

#include <filesystem>

using namespace zenpa;
using base::Sj;
using platform::TextPos;

namespace {

// The widget's text, line by line, in Shift-JIS, without the end of a text
// whose last line ends in a line break.
std::vector<std::string> WidgetLines(const QPlainTextEdit &edit) {
  QStringList blocks = edit.toPlainText().split(QChar('\n'));
  if (blocks.size() > 0 && blocks.back().isEmpty())
    blocks.removeLast();
  std::vector<std::string> lines;
  for (const QString &b : blocks)
    lines.push_back(ui::FromQt(b));
  return lines;
}

} // namespace

class QtMemoTest : public QObject {
  Q_OBJECT

private slots:
  void init() {
    edit_ = new QPlainTextEdit;
    memo_ = new ui::QtMemo(edit_);
  }
  void cleanup() { delete edit_; }

  // A wrapped line's visual lines join back into it, each starting where
  // the previous one ended, and a position maps to the visual line it is in.
  void wrappedLinesMapToTheirVisualLines() {
    std::string longLine;
    for (int i = 0; i < 40; ++i)
      longLine += Sj("漢字");
    memo_->SetLines({"short", longLine, ""});
    edit_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    edit_->resize(200, 300);
    edit_->show();
    QVERIFY(QTest::qWaitForWindowExposed(edit_));
    const int count = memo_->VisualLineCount();
    QVERIFY2(count > 4, qPrintable(QString::number(count)));
    std::string joined;
    for (int v = 1; v < count - 1; ++v) {
      QCOMPARE(memo_->VisualLineStart(v), (TextPos{1, static_cast<int>(joined.size())}));
      joined += memo_->VisualLine(v);
    }
    QCOMPARE(joined, longLine);
    QCOMPARE(memo_->VisualLineOf({1, static_cast<int>(longLine.size())}), count - 2);
    QCOMPARE(memo_->VisualLineStart(count - 1), (TextPos{2, 0}));
  }

  void linesComeBackByteForByte() {
    const std::vector<std::string> lines = {Sj("漢字かな"), std::string("\x81\x00\xFF\x82", 4), "",
                                            std::string("\x87\x90\xEE\xF9\xFA\x5C", 6), "\r"};
    memo_->SetLines(lines);
    QCOMPARE(memo_->Lines(), lines);
    QCOMPARE(edit_->document()->blockCount(), 6);
    // Setting lines keeps the modified flag as it was, and leaves no undo.
    for (const bool modified : {true, false}) {
      memo_->SetModified(modified);
      memo_->SetLines({"a"});
      QCOMPARE(memo_->Modified(), modified);
    }
    QVERIFY(!memo_->CanUndo());
  }

  // Replacing several lines keeps those between them and is one undo step.
  void replacingLinesIsOneUndoStep() {
    const std::vector<std::string> lines{"a", Sj("漢"), "c", "d\xFF"};
    memo_->SetLines(lines);
    memo_->ReplaceLines({{0, "A"}, {2, "C"}});
    QCOMPARE(memo_->Lines(), (std::vector<std::string>{"A", Sj("漢"), "C", "d\xFF"}));
    QVERIFY(memo_->Modified());
    memo_->Undo();
    QCOMPARE(memo_->Lines(), lines);
  }

  void typingKeepsTheMirrorCurrent() {
    memo_->SetLines({Sj("一行目"), "two"});
    QSignalSpy changed(memo_, &ui::QtMemo::textChanged);
    memo_->SetCaret({0, 2});
    testing::TypeText(edit_, QString::fromUtf8("挿入"));
    QTest::keyClick(edit_, Qt::Key_Return);
    QTest::keyClicks(edit_, "x");
    QCOMPARE(memo_->Lines(), WidgetLines(*edit_));
    QCOMPARE(memo_->Line(0), Sj("一挿入"));
    QCOMPARE(memo_->Line(1), Sj("x行目"));
    QCOMPARE(memo_->Caret(), (TextPos{1, 1}));
    QVERIFY(memo_->Modified());
    QCOMPARE_GE(changed.count(), 3);

    memo_->SetCaret({1, 0});
    QTest::keyClick(edit_, Qt::Key_Backspace);
    QCOMPARE(memo_->Lines(), (std::vector<std::string>{Sj("一挿入x行目"), "two"}));
    edit_->selectAll();
    QTest::keyClick(edit_, Qt::Key_Delete);
    QCOMPARE(memo_->LineCount(), 0);
  }

  void lineEditsOfTheCore() {
    memo_->SetLines({"a", "b"});
    memo_->InsertLine(2, "c");
    memo_->InsertLine(0, "top");
    memo_->ReplaceLine(1, Sj("全角"));
    QCOMPARE(memo_->Lines(), (std::vector<std::string>{"top", Sj("全角"), "b", "c"}));
    memo_->DeleteLine(3);
    memo_->DeleteLine(0);
    QCOMPARE(memo_->Lines(), (std::vector<std::string>{Sj("全角"), "b"}));
    memo_->Undo();
    QCOMPARE(memo_->Lines(), WidgetLines(*edit_));
    // Appending to a text without a final line break, then emptying it.
    edit_->setPlainText("last");
    memo_->InsertLine(1, "more");
    QCOMPARE(memo_->Lines(), (std::vector<std::string>{"last", "more"}));
    memo_->DeleteLine(1);
    memo_->DeleteLine(0);
    QCOMPARE(memo_->LineCount(), 0);
    memo_->InsertLine(0, "");
    QCOMPARE(memo_->Lines(), (std::vector<std::string>{""}));
  }

  void positionsCountShiftJisBytes() {
    memo_->SetLines({Sj("漢字ab"), Sj("かな")});
    memo_->SetCaret({0, 4});
    QCOMPARE(edit_->textCursor().positionInBlock(), 2);
    QCOMPARE(memo_->Caret(), (TextPos{0, 4}));
    memo_->Select({0, 2}, {1, 2});
    QCOMPARE(memo_->SelectionAnchor(), (TextPos{0, 2}));
    QCOMPARE(memo_->SelectedText(), Sj("字ab") + "\r\n" + Sj("か"));
    memo_->ReplaceSelection("X\r\nY");
    QCOMPARE(memo_->Lines(), (std::vector<std::string>{Sj("漢X"), Sj("Yな")}));
    QCOMPARE(memo_->Caret(), (TextPos{1, 1}));
    memo_->SetCaret({5, 99});
    QCOMPARE(memo_->Caret(), (TextPos{2, 0}));
  }

  void startGivesTheSystemsReasonOrWaitsForTheEnd() {
    testing::TempDir dir;
    ui::QtHost host;
    const platform::StartResult missing = host.StartProgram(dir.Path("GRDV.COM"), {"/C"}, true);
    QVERIFY(!missing.started);
    QVERIFY2(!missing.error.empty(), "no reason given");

    const std::string script =
        dir.Write("GRDV.COM", "#!/bin/sh\nsleep 0.2\necho \"$2\" > \"$3\"\n");
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    const platform::StartResult ran =
        host.StartProgram(script, {"/C", "x.nbp", dir.Path("GRDV.DAT")}, true);
    QVERIFY(ran.started);
    QCOMPARE(QString::fromStdString(dir.Read("GRDV.DAT")), QString("x.nbp\n"));
  }

private:
  QPlainTextEdit *edit_ = nullptr;
  ui::QtMemo *memo_ = nullptr;
};

QTEST_MAIN(QtMemoTest)
#include "qt_memo_test.moc"
