#include "ui/common/window_place.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace zenpa::ui {

app::ScreenRect ToScreenRect(const QRect &r) { return {r.x(), r.y(), r.width(), r.height()}; }

int MenuBarWidth(const QWidget *window) {
  const auto *main = qobject_cast<const QMainWindow *>(window);
  if (!main || !main->menuBar())
    return 0;
  const int width = main->menuBar()->sizeHint().width();
  const QScreen *screen = window->screen();
  if (!screen)
    return width;
  const int frame = window->frameGeometry().width() - window->width();
  return std::min(width, screen->availableGeometry().width() - frame);
}

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
