// The real main window, offscreen: started with a Shift-JIS document on the
// command line, edited, saved and closed through the save prompt, which a
// scripted host answers; the file on disk is checked byte for byte. Closed
// during a long run, it stops the run and closes once the run has ended.
// Characters Shift-JIS cannot hold are listed before a save writes "?".
#include "base/sjis.h"
#include "editor/lossy_save.h"
#include "support/message_texts.h"
#include "support/puzzle_samples.h"
#include "ui/main/desktop.h"
#include "ui/support/typing.h"
#include "ui/support/window_rig.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include <filesystem>
#include <functional>
#include <memory>

using namespace zenpa;
using base::Sj;
using platform::Answer;

class MainWindowTest : public QObject, protected testing::WindowRig {
  Q_OBJECT

private slots:
  void init() {
    Open();
    docPath_ = dir_->Write("doc.txt", kText);
  }
  void cleanup() { Close(); }

  void showsTheDocumentAndLaysOutItsEdits() {
    StartWith({docPath_});
    QCOMPARE(window_->windowTitle(), QString::fromStdString("ZENPA - " + docPath_));
    QCOMPARE(Editor()->toPlainText(), QString::fromUtf8("日本語の文書\n二行目　全角\n"));
    QCOMPARE(Label("Label8"), QString("doc.txt"));
    QCOMPARE(Action("h1")->text(), QString::fromStdString("(&1)" + docPath_));
    QCOMPARE(Action("h2")->text(), QString("(&2)"));
    QVERIFY(!Action("Timer")->isEnabled());
    QVERIFY(host_->messages.empty());
    // The layout runs after an edit: the status panel shows the paper and the
    // status strip the caret's page, line and column.
    Editor()->moveCursor(QTextCursor::End);
    testing::TypeText(Editor(), QString::fromUtf8("三行目"));
    QTRY_VERIFY(!session().Layout().Status().labels().paper.empty());
    const QString caret = FindCaretLabel();
    QVERIFY2(caret.contains(QString::fromUtf8("頁")), qPrintable(caret));
    QVERIFY2(caret.contains(QString::fromUtf8("行")), qPrintable(caret));
  }

  void closePromptCancelKeepsTheWindowYesSaves() {
    StartWith({docPath_});
    Editor()->moveCursor(QTextCursor::Start);
    testing::TypeText(Editor(), QString::fromUtf8("追加"));
    host_->answers = {Answer::Cancel, Answer::Yes};
    QVERIFY(!window_->close());
    QVERIFY(window_->isVisible());
    QCOMPARE(dir_->Read("doc.txt"), kText);

    QVERIFY(window_->close());

    const std::string prompt = Sj("内容が変更されています。上書きしますか？|");
    QCOMPARE(testing::MessageTexts(*host_), prompt + prompt);
    QCOMPARE(dir_->Read("doc.txt"), Sj("追加") + kText);
    QVERIFY(!window_->isVisible());
    QVERIFY(dir_->Exists("zenpa.his"));
  }

  // Closed while the step-by-step solve waits for its key: the prompt is
  // answered, the steps stop, and the window closes once the solve has
  // ended, saving the document as the solve left it.
  void closingDuringTheStepsStopsThemAndClosesAfterThem() {
    StartWith({dir_->Write("p.nbp", testing::NbpText(testing::kEasyPuzzle))});
    Editor()->moveCursor(QTextCursor::Start);
    host_->answers = {Answer::Yes};
    bool closedAtOnce = true;
    WhenShown("Panel4", [&] { closedAtOnce = window_->close(); });
    QTest::keyClick(Editor(), Qt::Key_F2);
    QVERIFY(!closedAtOnce);
    QVERIFY(!session().Puzzle().Running());
    QTRY_VERIFY(!window_->isVisible());
    QCOMPARE(host_->messages.size(), std::size_t{1});
    std::string text;
    for (const std::string &line : window_->memo().Lines())
      text += line + "\r\n";
    QCOMPARE(dir_->Read("p.txt"), text);
  }

  // "終了(&X)" during a generator repeat run that only a stop would end: the
  // changed puzzle settings are due for saving, and "No" holds for the close
  // that follows the run.
  void exitDuringARepeatRunStopsItAndCloses() {
    std::filesystem::current_path(dir_->Dir()); // where the untitled document's format would go
    StartWith({});
    Action("SDKOption")->trigger();
    auto *target = window_->findChild<QSpinBox *>("LabeledEdit12");
    target->setValue(17);
    emit target->editingFinished();
    session().Puzzle().Options().upperGivens = 17;
    host_->answers = {Answer::No};
    bool visibleAfterExit = false;
    WhenShown("Button14", [&] {
      Action("Exit1")->trigger();
      visibleAfterExit = window_->isVisible();
    });
    Click("Button10");
    QVERIFY(visibleAfterExit);
    QVERIFY(Label("Label46").startsWith(QString::fromUtf8("中止／")));
    QTRY_VERIFY(!window_->isVisible());
    QCOMPARE(host_->messages.size(), std::size_t{1});
    QVERIFY(!dir_->Exists("zenp_prn.zpf"));
    QVERIFY(dir_->Exists("zenpa.his"));
  }

  // Cancel at the warning writes nothing and keeps the document modified, OK
  // saves; lines not edited since that save are not looked at again.
  void savingCharactersShiftJisCannotHoldAsksFirst() {
    StartWith({docPath_});
    Editor()->moveCursor(QTextCursor::End);
    testing::TypeText(Editor(), QString::fromUtf8("café 😀 한 €\n"));
    host_->answers = {Answer::Cancel};
    Action("Save1")->trigger();
    const std::string warning =
        editor::LossySaveWarning({{2, 0xE9}, {2, 0x1F600}, {2, 0xD55C}, {2, 0x20AC}}) + "|";
    QCOMPARE(testing::MessageTexts(*host_), warning);
    QCOMPARE(dir_->Read("doc.txt"), kText);
    QVERIFY(window_->memo().Modified());
    host_->answers = {Answer::Ok};
    Action("Save1")->trigger();
    QCOMPARE(dir_->Read("doc.txt"), kText + "caf? ? ? ?\r\n");
    QVERIFY(!window_->memo().Modified());
    Editor()->moveCursor(QTextCursor::Start);
    testing::TypeText(Editor(), QString::fromUtf8("x"));
    Action("Save1")->trigger();
    QCOMPARE(testing::MessageTexts(*host_), warning + warning);
    QCOMPARE(dir_->Read("doc.txt").substr(0, 1), std::string("x"));
  }

  // The text has no format of its own, so it opens enlarged, where renaming is off.
  void renameBoxCommitsWithEnter() {
    StartWith({docPath_});
    QVERIFY(!Action("Rename1")->isEnabled());
    Action("Kakudai")->trigger();
    Action("Rename1")->trigger();
    auto *box = window_->findChild<QLineEdit *>("Edit7");
    QVERIFY(box->isVisible());
    QCOMPARE(box->text(), QString("doc.txt"));
    box->setText("renamed.txt");
    QTest::keyClick(box, Qt::Key_Return);
    QVERIFY(!box->isVisible());
    QCOMPARE(window_->windowTitle(),
             QString::fromStdString("ZENPA - " + dir_->Path("renamed.txt")));
    QCOMPARE(Label("Label8"), QString("renamed.txt"));
  }

  // A file manager offers only a file list (text/uri-list); the drag is
  // accepted at every move over the document, and an LF file opens as lines.
  void droppedFileReplacesTheDocument() {
    StartWith({});
    QCOMPARE(window_->windowTitle(), QString("ZENPA"));
    const std::string other = dir_->Write("other.txt", Sj("別\n二\n"));
    QMimeData data;
    data.setData("text/uri-list", QUrl::fromLocalFile(QString::fromStdString(other)).toEncoded());
    QVERIFY(!data.hasFormat("text/plain"));
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(Editor()->viewport(), &enter);
    QVERIFY(enter.isAccepted());
    QDragMoveEvent move(QPoint(12, 12), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(Editor()->viewport(), &move);
    QVERIFY(move.isAccepted());
    QDropEvent drop(QPointF(12, 12), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(Editor()->viewport(), &drop);
    QVERIFY(drop.isAccepted());
    QCOMPARE(Editor()->toPlainText(), QString::fromUtf8("別\n二\n"));
    QCOMPARE(window_->windowTitle(), QString::fromStdString("ZENPA - " + other));
  }

  void desktopIdentityMatchesTheDesktopEntry() {
    const std::string png = dir_->Path("share/icons/hicolor/16x16/apps/zenpa.png");
    std::filesystem::create_directories(std::filesystem::path(png).parent_path());
    QImage picture(16, 16, QImage::Format_ARGB32);
    picture.fill(Qt::blue);
    QVERIFY(picture.save(QString::fromStdString(png)));
    ui::SetDesktopIdentity(dir_->Path("share/zenpa/"));
    QCOMPARE(QCoreApplication::applicationName(), QString("zenpa"));
    QCOMPARE(QGuiApplication::desktopFileName(), QString("zenpa"));
    QVERIFY(!window_->windowIcon().isNull());
  }

private:
  inline static const std::string kText = Sj("日本語の文書\r\n二行目　全角\r\n");

  QString FindCaretLabel() {
    for (QLabel *label : window_->findChildren<QLabel *>()) {
      if (label->text().contains(QString::fromUtf8("字 （")))
        return label->text();
    }
    return {};
  }

  std::string docPath_;
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
