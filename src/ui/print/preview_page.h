// The page image of the print preview (Image1 in its scroll box): the
// composed sheet, with the grey centre lines and the frame outline drawn
// over it as the core places them.
#pragma once

#include "print/preview.h"

#include <QImage>
#include <QWidget>

namespace zenpa::ui {

class PreviewPage : public QWidget {
  Q_OBJECT
public:
  explicit PreviewPage(QWidget *parent = nullptr);

  void Show(QImage image, const print::PreviewOverlay &overlay);
  // Draws another overlay over the same sheet.
  void ShowOverlay(const print::PreviewOverlay &overlay);
  const QImage &Image() const { return image_; }
  const print::PreviewOverlay &Overlay() const { return overlay_; }
  QSize sizeHint() const override { return image_.size(); }

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  QImage image_;
  print::PreviewOverlay overlay_;
};

} // namespace zenpa::ui
