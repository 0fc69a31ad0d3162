#include "ui/print/layout_picture_view.h"

#include "base/units.h"
#include "ui/common/widgets.h"

#include <QPainter>

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
  paperWidth_ = PaperWidth();
}

// Landscape papers take the longer picture: the sheet stays readable either way.
int LayoutPictureView::LongSide() const {
  const bool landscape = settings_.Format().orientation == platform::kLandscape;
  return base::BAI(landscape ? print::kPictureLandscapeSide : print::kPicturePortraitSide,
                   uiScale_);
}

int LayoutPictureView::PaperWidth() const { return settings_.Picture(LongSide()).paper.w; }

// The paper's width, and room for a portrait paper's height whatever the
// paper, so that the panel keeps its height.
QSize LayoutPictureView::sizeHint() const {
  return {paperWidth_ + 2, base::BAI(print::kPicturePortraitSide, uiScale_) + 2};
}

void LayoutPictureView::Refresh() {
  if (const int width = PaperWidth(); width != paperWidth_) {
    paperWidth_ = width;
    updateGeometry();
  }
  update();
}

void LayoutPictureView::paintEvent(QPaintEvent *) {
  const print::LayoutPicture pic = settings_.Picture(LongSide());
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
