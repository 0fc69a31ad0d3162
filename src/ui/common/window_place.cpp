#include "ui/common/window_place.h"

#include <QScreen>
#include <QWidget>

namespace zenpa::ui {

app::ScreenRect ToScreenRect(const QRect &r) { return {r.x(), r.y(), r.width(), r.height()}; }

QRect GlobalRect(const QWidget *widget) {
  if (widget->isWindow())
    return widget->frameGeometry();
  return {widget->mapToGlobal(QPoint(0, 0)), widget->size()};
}

void PlaceWindow(QWidget *window, const QWidget *anchor, const std::vector<QRect> &keepClear,
                 QPoint wanted, QSize fullSize, int minWidth) {
  const QScreen *screen = anchor->screen();
  if (!screen)
    return;
  std::vector<app::ScreenRect> clear;
  for (const QRect &r : keepClear)
    clear.push_back(ToScreenRect(r));
  const QSize edges = window->frameGeometry().size() - window->size();
  const QSize frame = fullSize + edges;
  const app::ScreenRect at = app::PlaceSecondaryWindow(
      ToScreenRect(screen->availableGeometry()), clear,
      {wanted.x(), wanted.y(), frame.width(), frame.height()}, minWidth + edges.width());
  window->resize(at.width - edges.width(), at.height - edges.height());
  window->move(at.x, at.y);
}

void PullOntoScreen(QWidget *window) {
  PlaceWindow(window, window, {}, window->pos(), window->size(), window->width());
}

} // namespace zenpa::ui
