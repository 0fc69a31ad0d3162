#include "ui/main/enlarged_view.h"

#include "ui/common/widgets.h"

#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QWidget>

namespace zenpa::ui {

EnlargedView::EnlargedView(QWidget *window, QLayout *area, QWidget *soundButton)
    : QObject(window), window_(window), area_(area), soundButton_(soundButton) {}

void EnlargedView::Show(bool on, bool kMode) {
  soundButton_->setVisible(on && kMode);
  if (on == shown_)
    return;
  shown_ = on;
  if (on) {
    for (int i = 0; i < area_->count(); ++i) {
      QWidget *panel = area_->itemAt(i)->widget();
      if (panel && panel->isVisibleTo(window_)) {
        hidden_.append(panel);
        panel->hide();
      }
    }
  } else {
    for (const QPointer<QWidget> &panel : hidden_) {
      if (panel)
        panel->show();
    }
    hidden_.clear();
  }
}

} // namespace zenpa::ui
