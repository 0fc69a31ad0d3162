#include "ui/common/command_guards.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace zenpa::ui {

void CommandGuards::Add(QAction *action, app::CommandGroup group, Condition also) {
  guards_.push_back({action, nullptr, group, std::move(also)});
}

void CommandGuards::Add(QWidget *widget, app::CommandGroup group, Condition also) {
  guards_.push_back({nullptr, widget, group, std::move(also)});
}

void CommandGuards::AddMenu(QMenu *menu, app::CommandGroup group, bool items) {
  for (QAction *action : menu->actions())
    if (items && !action->isSeparator() && !Has(action))
      Add(action, group);
  Add(menu->menuAction(), group);
}

bool CommandGuards::Has(const QAction *action) const {
  for (const Guard &g : guards_)
    if (g.action == action)
      return true;
  return false;
}

void CommandGuards::Apply(app::WindowMode mode) {
  for (const Guard &g : guards_) {
    const bool on = app::CommandEnabled(g.group, mode) && (!g.also || g.also());
    if (g.action)
      g.action->setEnabled(on);
    if (g.widget)
      g.widget->setEnabled(on);
  }
}

} // namespace zenpa::ui
