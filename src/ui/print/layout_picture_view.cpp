#include "ui/print/layout_picture_view.h"

#include "base/units.h"
#include "ui/common/widgets.h"

#include <QPainter>

#include <algorithm>

namespace zenpa::ui {
namespace {

QRect RectOf(const print::PictureRect &r) { return {r.x, r.y, r.w, r.h}; }

void DrawLines(QPainter &p, const std::vector<print::PictureLine> &lines) {
  for (const print::PictureLine &l : lines)
    p.drawLine(l.x1, l.y1, l.x2, l.y2);
}

} // namespace

LayoutPictureView::LayoutPictureView(const app::PrintSettings &settings, int uiScale,
                                     QWidget *parent)
    : QWidget(parent), settings_(settings), uiScale_(uiScale) {
  setObjectName("Layout");
  setAccessibleName(Utf("レイアウト"));
  paperWidth_ = PaperWidth(LongSide());
  leastWidth_ = PaperWidth(LeastSide());
}

bool LayoutPictureView::Landscape() const {
  return settings_.Format().orientation == platform::kLandscape;
}

// Landscape papers take the longer picture: the sheet stays readable either way.
int LayoutPictureView::LongSide() const {
  return base::BAI(Landscape() ? print::kPictureLandscapeSide : print::kPicturePortraitSide,
                   uiScale_);
}

int LayoutPictureView::LeastSide() const {
  return Landscape() ? base::BAI(print::kPictureLeastLandscapeSide, uiScale_) : LongSide();
}

// The long side that fits the width the panel gave the picture.
int LayoutPictureView::DrawnSide() const {
  if (!Landscape() || paperWidth_ <= 0)
    return LongSide();
  const int fits = LongSide() * (width() - 2) / paperWidth_;
  return std::clamp(fits, LeastSide(), LongSide());
}

int LayoutPictureView::PaperWidth(int longSide) const {
  return settings_.Picture(longSide).paper.w;
}

// The paper's width, and room for a portrait paper's height whatever the
// paper, so that the panel keeps its height.
QSize LayoutPictureView::sizeHint() const {
  return {paperWidth_ + 2, base::BAI(print::kPicturePortraitSide, uiScale_) + 2};
}

QSize LayoutPictureView::minimumSizeHint() const { return {leastWidth_ + 2, sizeHint().height()}; }

void LayoutPictureView::Refresh() {
  const int width = PaperWidth(LongSide());
  const int least = PaperWidth(LeastSide());
  if (width != paperWidth_ || least != leastWidth_) {
    paperWidth_ = width;
    leastWidth_ = least;
    updateGeometry();
  }
  update();
}

void LayoutPictureView::paintEvent(QPaintEvent *) {
  const print::LayoutPicture pic = settings_.Picture(DrawnSide());
  QPainter p(this);
  p.fillRect(rect(), palette().window());
  p.translate((width() - pic.paper.w) / 2, (height() - pic.paper.h) / 2);
  p.fillRect(RectOf(pic.paper), Qt::white);
  p.setPen(Qt::darkGray);
  p.drawRect(RectOf(pic.paper));
  p.setPen(QPen(QColor(0xA0, 0xA0, 0xA0), 1, Qt::DotLine));
  p.drawRect(RectOf(pic.printable));
  DrawLines(p, pic.centreLines);
  p.fillRect(RectOf(pic.text), QColor(0x90, 0xB8, 0xF0));
  if (pic.frameShown) {
    p.setPen(QPen(pic.framePrinted ? Qt::black : QColor(0xA0, 0xA0, 0xA0), 1,
                  pic.framePrinted ? Qt::SolidLine : Qt::DotLine));
    p.drawRect(RectOf(pic.frame));
  }
  p.setPen(QPen(Qt::red, 1, Qt::DotLine));
  DrawLines(p, pic.edgeLines);
}

} // namespace zenpa::ui
