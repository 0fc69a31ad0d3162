// The Settings menu "設定(&O)": 右端で折り返す (Orikaesi), タブを有効にする
// (TabToSpace) with the tab width box "タブ" shown while tabs are on,
// リアルタイムレイアウト表示 (RealLayout), 文字の縮小表示 (Half) with the label
// "縮小表示" shown while it is on, 書式リセット (ZpfNew) and 書式を自動保存
// (ZpfWrite). The items change the session's format and menu state; the
// window then shows the editor's look again.
#pragma once

#include "app/session.h"

#include <QObject>

class QAction;
class QLabel;
class QMenu;
class QSpinBox;
class QStatusBar;
class QWidget;

namespace zenpa::ui {

class SettingsMenu : public QObject {
  Q_OBJECT
public:
  // The tab width box and the reduced-display label go on the status strip.
  SettingsMenu(app::Session &session, QWidget *window, QStatusBar *strip);

  QMenu *Menu() const { return menu_; }
  // The checked items and the widgets follow the session.
  void Sync();

signals:
  // The editor's look changed: show it again and lay the document out.
  void lookChanged();
  // The format was reset: everything that shows it follows.
  void formatReset();

private:
  QAction *Toggle(const char *name, const char *caption, void (SettingsMenu::*slot)(bool));
  void Wrap(bool on);
  void Tabs(bool on);
  void TabWidth(int width);
  void RealLayout(bool on);
  void Reduced(bool on);
  void AutoSave(bool on);

  app::Session &session_;
  QMenu *menu_ = nullptr;
  QAction *wrap_ = nullptr;
  QAction *tabs_ = nullptr;
  QAction *realLayout_ = nullptr;
  QAction *reduced_ = nullptr;
  QAction *autoSave_ = nullptr;
  QLabel *tabLabel_ = nullptr;
  QSpinBox *tabWidth_ = nullptr;
  QLabel *reducedLabel_ = nullptr;
  bool syncing_ = false;
};

} // namespace zenpa::ui
