#include "ui/common/option_panels.h"

#include <QAction>
#include <QSignalBlocker>
#include <QWidget>

namespace zenpa::ui {

void OptionPanels::Add(QWidget *panel, QAction *item) {
  item->setCheckable(true);
  item->setChecked(panel->isVisible());
  panels_.emplace_back(panel, item);
  connect(item, &QAction::triggered, this, [this, panel](bool on) { Show(panel, on); });
}

void OptionPanels::Show(QWidget *panel, bool shown) {
  for (auto &[other, item] : panels_) {
    const bool on = shown && other == panel;
    if (other != panel && !other->isVisible())
      continue;
    other->setVisible(on);
    const QSignalBlocker block(item);
    item->setChecked(on);
    emit this->shown(other, on);
  }
}

} // namespace zenpa::ui
