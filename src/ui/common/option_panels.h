// The option panels above the document (the title and how-to-play panel, and
// the mark, size and assist settings panels as they come): one is open at a
// time, each with its menu item checked while it shows. Opening one closes
// the others and unchecks their items.
#pragma once

#include <QObject>

#include <utility>
#include <vector>

class QAction;
class QWidget;

namespace zenpa::ui {

class OptionPanels : public QObject {
  Q_OBJECT
public:
  using QObject::QObject;

  // The panel and its checkable menu item; the item's toggling shows it.
  void Add(QWidget *panel, QAction *item);
  // Shows `panel` alone, or hides it.
  void Show(QWidget *panel, bool shown);

signals:
  void shown(QWidget *panel, bool on);

private:
  std::vector<std::pair<QWidget *, QAction *>> panels_;
};

} // namespace zenpa::ui
