// The real main window, offscreen: the game sound items of the drill and
// puzzle menus follow whether a sound file is found (the session's tests
// walk where it is looked for): with the sounds made at build time they are
// usable, without any disabled and unchecked. Help > 解説(&M) opens the
// manual that comes with the program and gives the editor back its focus.
#include "ui/support/window_rig.h"

#include <QMenu>
#include <QtTest>

using namespace zenpa;

class SoundItemsTest : public QObject, protected testing::WindowRig {
  Q_OBJECT

private slots:
  void init() { Open(); }
  void cleanup() { Close(); }

  void installedSoundsEnableTheItemAndTheManualOpens() {
    session().SetDataDir(ZENPA_SOUNDS_DIR);
    const std::string manual = dir_->Write("zenpa.htm", "<html></html>");
    StartWith({});
    QAction *item = Action("MokoBeep");
    QVERIFY(Find<QMenu>("MenuMoko")->actions().contains(item));
    QCOMPARE(item->text(), QString::fromUtf8("ゲーム時、音を鳴らす(&B)"));
    QVERIFY(item->isEnabled() && item->isChecked());
    item->trigger();
    QCOMPARE(session().Drill().Options().gameSound, false);
    Action("Manual")->trigger();
    QCOMPARE(host_->opened, std::vector<std::string>{manual});
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(Editor()));
  }

  void noSoundDisablesAndUnchecksTheItems() {
    session().SetDataDir(dir_->Dir() + "share/");
    StartWith({});
    for (QAction *item : {Action("MokoBeep"), Action("SBeep")})
      QVERIFY2(!item->isEnabled() && !item->isChecked(), qPrintable(item->objectName()));
  }
};

QTEST_MAIN(SoundItemsTest)
#include "sound_items_test.moc"
