#include "ui/print/preview_page.h"

#include "ui/qt/qt_canvas.h"

#include <QPainter>

namespace zenpa::ui {
namespace {

constexpr QRgb kCentreLine = 0xC0C0C0;
constexpr QRgb kFrameNotPrinted = 0xA0A0A0;

} // namespace

PreviewPage::PreviewPage(QWidget *parent) : QWidget(parent) {
  setObjectName("Image1");
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PreviewPage::Show(QImage image, const print::PreviewOverlay &overlay) {
  image_ = std::move(image);
  overlay_ = overlay;
  setFixedSize(image_.size());
  update();
}

void PreviewPage::ShowOverlay(const print::PreviewOverlay &overlay) {
  overlay_ = overlay;
  update();
}

void PreviewPage::paintEvent(QPaintEvent *) {
  QPainter p(this);
  p.drawImage(0, 0, image_);
  p.setPen(QPen(QColor(kCentreLine), 0, Qt::SolidLine));
  p.drawLine(overlay_.centreX, 0, overlay_.centreX, height());
  p.drawLine(0, overlay_.centreY, width(), overlay_.centreY);
  if (!overlay_.frameShown)
    return;
  const print::ImageRect &r = overlay_.frame;
  if (overlay_.frameSolid)
    p.setPen(QPen(ColorOfBgr(overlay_.frameColour), 0, Qt::SolidLine));
  else
    p.setPen(QPen(QColor(kFrameNotPrinted), 0, Qt::DotLine));
  p.drawRect(r.left, r.top, r.width - 1, r.height - 1);
}

} // namespace zenpa::ui
