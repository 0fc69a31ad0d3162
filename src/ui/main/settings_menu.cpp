#include "ui/main/settings_menu.h"

#include "editor/editor_look.h"
#include "ui/common/widgets.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QSpinBox>
#include <QStatusBar>

namespace zenpa::ui {

SettingsMenu::SettingsMenu(app::Session &session, QWidget *window, QStatusBar *strip)
    : QObject(window), session_(session) {
  menu_ = new QMenu(Utf("設定(&O)"), window);
  menu_->setObjectName("Option1");
  wrap_ = Toggle("Orikaesi", "右端で折り返す(&W)", &SettingsMenu::Wrap);
  tabs_ = Toggle("TabToSpace", "タブを有効にする(&T)", &SettingsMenu::Tabs);
  realLayout_ = Toggle("RealLayout", "リアルタイムレイアウト表示(&L)", &SettingsMenu::RealLayout);
  reduced_ = Toggle("Half", "文字の縮小表示(&H)", &SettingsMenu::Reduced);
  menu_->addSeparator();
  QAction *reset = menu_->addAction(Utf("書式リセット(&N)"));
  reset->setObjectName("ZpfNew");
  connect(reset, &QAction::triggered, this, [this] {
    session_.ResetFormat();
    emit formatReset();
  });
  autoSave_ = Toggle("ZpfWrite", "書式を自動保存(&R)", &SettingsMenu::AutoSave);

  tabLabel_ = NamedLabel("TabLabel", strip, Utf("タブ"));
  tabWidth_ = new QSpinBox(strip);
  tabWidth_->setObjectName("TabWidth");
  tabWidth_->setRange(1, 8);
  tabLabel_->setBuddy(tabWidth_);
  // The print panel has a "タブ" box of its own: this one is named for the editor.
  tabWidth_->setAccessibleName(Utf("編集欄のタブ"));
  connect(tabWidth_, &QSpinBox::valueChanged, this, &SettingsMenu::TabWidth);
  reducedLabel_ = NamedLabel("HalfLabel", strip, Utf("縮小表示"));
  // Beside the name label: the right end of the strip is the position display's.
  for (QWidget *w : std::initializer_list<QWidget *>{tabLabel_, tabWidth_, reducedLabel_})
    strip->addWidget(w);
  Sync();
}

QAction *SettingsMenu::Toggle(const char *name, const char *caption,
                              void (SettingsMenu::*slot)(bool)) {
  QAction *action = menu_->addAction(Utf(caption));
  action->setObjectName(name);
  action->setCheckable(true);
  connect(action, &QAction::toggled, this, [this, slot](bool on) {
    if (!syncing_)
      (this->*slot)(on);
  });
  return action;
}

void SettingsMenu::Sync() {
  syncing_ = true;
  const settings::PrintFormat &format = session_.Format().format;
  const app::MenuStates &menus = session_.Menus();
  wrap_->setChecked(format.wrapEditor);
  tabs_->setChecked(format.tabsOn);
  tabWidth_->setValue(format.tabWidth);
  tabLabel_->setVisible(format.tabsOn);
  tabWidth_->setVisible(format.tabsOn);
  realLayout_->setChecked(menus.realLayout);
  realLayout_->setEnabled(!menus.enlargedView);
  reduced_->setChecked(menus.reducedDisplay);
  reducedLabel_->setVisible(menus.reducedDisplay);
  autoSave_->setChecked(format.autoSaveFormat);
  syncing_ = false;
}

void SettingsMenu::Wrap(bool on) {
  editor::SetWrap(session_.Format(), on);
  emit lookChanged();
}

void SettingsMenu::Tabs(bool on) {
  editor::SetTabsOn(session_.Format(), on);
  Sync();
  emit lookChanged();
}

void SettingsMenu::TabWidth(int width) {
  if (syncing_)
    return;
  editor::SetTabWidth(session_.Format(), width);
  emit lookChanged();
}

void SettingsMenu::RealLayout(bool on) { session_.SetRealLayout(on); }

// The reduced display is a view of the editor alone: the format is not modified.
void SettingsMenu::Reduced(bool on) {
  session_.Menus().reducedDisplay = on;
  Sync();
  emit lookChanged();
}

void SettingsMenu::AutoSave(bool on) { session_.Format().format.autoSaveFormat = on; }

} // namespace zenpa::ui
