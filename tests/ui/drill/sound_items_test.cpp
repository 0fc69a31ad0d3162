// The real main window, offscreen: the game sound items of the drill and
// puzzle menus are usable exactly when a sound file is found, from the program's installed
// data directory (the sounds made at build time) or from the program
// directory; without any it is disabled and unchecked. Help > 解説(&M)
// opens the manual from the data directory, and says so when there is none.
#include "base/sjis.h"
#include "ui/support/window_rig.h"

#include <QMenu>
#include <QtTest>

#include <filesystem>

using namespace zenpa;

class SoundItemsTest : public QObject, protected testing::WindowRig {
  Q_OBJECT

  QAction *SoundItem() { return Action("MokoBeep"); }

private slots:
  void init() { Open(); }
  void cleanup() { Close(); }

  void installedSoundsEnableTheItem() {
    session().SetDataDir(ZENPA_SOUNDS_DIR);
    StartWith({});
    QAction *item = SoundItem();
    QVERIFY(Find<QMenu>("MenuMoko")->actions().contains(item));
    QCOMPARE(item->text(), QString::fromUtf8("ゲーム時、音を鳴らす(&B)"));
    QVERIFY(item->isEnabled());
    QVERIFY(item->isChecked());
    item->trigger();
    QCOMPARE(session().Drill().Options().gameSound, false);
  }

  void oneSoundInTheProgramDirectoryIsEnough() {
    session().SetDataDir(dir_->Dir() + "share/");
    std::filesystem::copy_file(std::string(ZENPA_SOUNDS_DIR) + "po.wav", dir_->Path("po.wav"));
    const std::string manual = dir_->Write("share/zenpa.htm", "<html></html>");
    StartWith({});
    QVERIFY(SoundItem()->isEnabled());
    Action("Manual")->trigger();
    QCOMPARE(host_->opened, std::vector<std::string>{manual});
    QVERIFY(host_->messages.empty());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(Editor()));
  }

  void noSoundDisablesAndUnchecksTheItem() {
    session().SetDataDir(dir_->Dir() + "share/");
    StartWith({});
    QCOMPARE(session().Drill().Options().gameSound, false);
    for (QAction *item : {SoundItem(), Action("SBeep")}) {
      QVERIFY2(!item->isEnabled(), qPrintable(item->objectName()));
      QVERIFY2(!item->isChecked(), qPrintable(item->objectName()));
    }
    Action("Manual")->trigger();
    QCOMPARE(host_->opened.size(), std::size_t{0});
    QCOMPARE(host_->messages.size(), std::size_t{1});
    QCOMPARE(host_->messages[0].text, base::Sj("解説ファイル zenpa.htm が見つかりません。"));
  }
};

QTEST_MAIN(SoundItemsTest)
#include "sound_items_test.moc"
