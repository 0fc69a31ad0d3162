// The real main window, offscreen: Help > 解説(&M) opens the manual that
// comes with the program, from its data directory, and says so clearly
// when there is none.
#include "base/sjis.h"
#include "ui/support/window_rig.h"

#include <QtTest>

using namespace zenpa;

class ManualCommandTest : public QObject, protected testing::WindowRig {
  Q_OBJECT

private slots:
  void init() { Open(); }
  void cleanup() { Close(); }

  void missingManualIsReported() {
    session().SetDataDir(dir_->Dir() + "share/");
    StartWith({});
    Action("Manual")->trigger();
    QCOMPARE(host_->opened.size(), std::size_t{0});
    QCOMPARE(host_->messages.size(), std::size_t{1});
    QCOMPARE(host_->messages[0].text, base::Sj("解説ファイル zenpa.htm が見つかりません。"));
  }

  void installedManualIsOpened() {
    const std::string manual = dir_->Write("share/zenpa.htm", "<html></html>");
    session().SetDataDir(dir_->Dir() + "share/");
    StartWith({});
    Action("Manual")->trigger();
    QCOMPARE(host_->opened, std::vector<std::string>{manual});
    QVERIFY(host_->messages.empty());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(Editor()));
  }
};

QTEST_MAIN(ManualCommandTest)
#include "manual_command_test.moc"
