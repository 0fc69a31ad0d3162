// A strip that scrolls its panel sideways when the window is narrower than
// the panel, instead of squeezing the panel's controls. It is exactly as
// tall as the panel, plus the scroll bar while one is needed.
#pragma once

#include <QScrollArea>

namespace zenpa::ui {

class SidewaysStrip : public QScrollArea {
  Q_OBJECT
public:
  SidewaysStrip(const char *name, QWidget *panel, QWidget *parent);

protected:
  void resizeEvent(QResizeEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void FitHeight();
};

} // namespace zenpa::ui
