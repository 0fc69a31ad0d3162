#include "ui/print/sideways_strip.h"

#include <QEvent>
#include <QScrollBar>

#include <algorithm>

namespace zenpa::ui {

SidewaysStrip::SidewaysStrip(const char *name, QWidget *panel, QWidget *parent)
    : QScrollArea(parent) {
  setObjectName(name);
  setWidget(panel);
  setWidgetResizable(true);
  setFrameShape(QFrame::NoFrame);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  panel->installEventFilter(this);
  FitHeight();
}

// The panel's height at the width it gets: wrapped texts make a narrow
// panel taller.
void SidewaysStrip::FitHeight() {
  const QWidget *panel = widget();
  const int least = panel->minimumSizeHint().width();
  const bool scrolls = least > width();
  const int bar = scrolls ? horizontalScrollBar()->sizeHint().height() : 0;
  int height = panel->sizeHint().height();
  if (panel->hasHeightForWidth())
    height = std::max(height, panel->heightForWidth(std::max(least, width())));
  if (height + bar != this->height() || minimumHeight() != height + bar)
    setFixedHeight(height + bar);
}

void SidewaysStrip::resizeEvent(QResizeEvent *event) {
  QScrollArea::resizeEvent(event);
  FitHeight();
}

// The panel's size changes as its parts are shown and hidden.
bool SidewaysStrip::eventFilter(QObject *watched, QEvent *event) {
  if (watched == widget() && event->type() == QEvent::LayoutRequest)
    FitHeight();
  return QScrollArea::eventFilter(watched, event);
}

} // namespace zenpa::ui
