// The layout picture ("レイアウト"): draws the core's LayoutPicture of the
// last layout run, the paper white on grey with the printable area, the
// centre lines, the text block and, when on, the frame and paper edges.
#pragma once

#include "app/print_settings.h"

#include <QWidget>

namespace zenpa::ui {

class LayoutPictureView : public QWidget {
  Q_OBJECT
public:
  // uiScale: the display scale in percent the picture's sizes pass through.
  LayoutPictureView(const app::PrintSettings &settings, int uiScale, QWidget *parent);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  // Draws the last layout again; the picture is as wide as its paper, so
  // that a portrait paper leaves its room to the panels beside it, and a
  // landscape paper shrinks to the room the panels leave it.
  void Refresh();

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  bool Landscape() const;
  int LongSide() const;
  int LeastSide() const;
  int DrawnSide() const;
  int PaperWidth(int longSide) const;

  const app::PrintSettings &settings_;
  int uiScale_;
  int paperWidth_ = 0; // at the full long side
  int leastWidth_ = 0; // at the least one
};

} // namespace zenpa::ui
