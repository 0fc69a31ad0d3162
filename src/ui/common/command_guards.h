// Which command group each control of the window belongs to. Whenever the
// window mode changes, every control is enabled as the core's table allows
// for its group, and as its own condition allows (a menu item whose file
// was not found stays disabled).
#pragma once

#include "app/window_mode.h"

#include <QPointer>

#include <functional>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace zenpa::ui {

class CommandGuards {
public:
  using Condition = std::function<bool()>;

  void Add(QAction *action, app::CommandGroup group, Condition also = {});
  void Add(QWidget *widget, app::CommandGroup group, Condition also = {});
  // The menu and, with `items`, every item of it not added before (their
  // shortcuts rest with the menu); items with rules of their own are left
  // to them.
  void AddMenu(QMenu *menu, app::CommandGroup group, bool items);
  bool Has(const QAction *action) const;

  void Apply(app::WindowMode mode);

private:
  struct Guard {
    QPointer<QAction> action;
    QPointer<QWidget> widget;
    app::CommandGroup group;
    Condition also;
  };
  std::vector<Guard> guards_;
};

} // namespace zenpa::ui
