// The real editor, offscreen: characters Shift-JIS cannot hold, typed into the
// document, are listed with their lines before a save would write "?" for
// them; Cancel writes nothing and keeps the document modified, OK saves.
// Lines not edited since that save are not looked at again.
#include "base/sjis.h"
#include "editor/lossy_save.h"
#include "ui/support/typing.h"
#include "ui/support/window_rig.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QtTest>

using namespace zenpa;
using base::Sj;
using platform::Answer;

class LossySaveTest : public QObject, protected testing::WindowRig {
  Q_OBJECT

private slots:
  void init() { Open(); }
  void cleanup() { Close(); }

  void savingCharactersShiftJisCannotHoldAsksFirst() {
    const std::string text = Sj("一行目\r\n二行目\r\n");
    const std::string path = dir_->Write("doc.txt", text);
    StartWith({path});
    Editor()->moveCursor(QTextCursor::End);
    testing::TypeText(Editor(), QString::fromUtf8("café 😀 한 €\n"));

    host_->answers = {Answer::Cancel};
    Action("Save1")->trigger();
    QCOMPARE(host_->messages.size(), std::size_t{1});
    QCOMPARE(host_->messages[0].text,
             editor::LossySaveWarning({{2, 0xE9}, {2, 0x1F600}, {2, 0xD55C}, {2, 0x20AC}}));
    QCOMPARE(dir_->Read("doc.txt"), text);
    QVERIFY(window_->memo().Modified());

    host_->answers = {Answer::Ok};
    Action("Save1")->trigger();
    QCOMPARE(host_->messages.size(), std::size_t{2});
    QCOMPARE(dir_->Read("doc.txt"), text + "caf? ? ? ?\r\n");
    QVERIFY(!window_->memo().Modified());

    Editor()->moveCursor(QTextCursor::Start);
    testing::TypeText(Editor(), QString::fromUtf8("x"));
    Action("Save1")->trigger();
    QCOMPARE(host_->messages.size(), std::size_t{2});
    QCOMPARE(dir_->Read("doc.txt").substr(0, 1), std::string("x"));
  }
};

QTEST_MAIN(LossySaveTest)
#include "lossy_save_test.moc"
