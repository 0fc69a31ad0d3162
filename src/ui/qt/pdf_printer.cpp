#include "ui/qt/pdf_printer.h"

#include "base/sjis.h"
#include "print/paper.h"

#include <QPageLayout>
#include <QPageSize>
#include <QSizeF>

namespace zenpa::ui {
PdfPrinter::PdfPrinter(std::string path, const platform::FontCatalog *fonts)
    : path_(std::move(path)), fonts_(fonts) {
  SetPaper(print::kPaperA4, platform::kPortrait);
}

PdfPrinter::~PdfPrinter() {
  if (painter_)
    EndDoc();
}

void PdfPrinter::SetPaper(int paperCode, int orientation) {
  paperCode_ = paperCode;
  orientation_ = orientation == platform::kLandscape ? platform::kLandscape : platform::kPortrait;
  const print::PaperEntry &paper = print::PaperOf(paperCode_, orientation_);
  metrics_ = platform::VirtualPrinterMetrics(paper.widthMm, paper.heightMm);
}

bool PdfPrinter::BeginDoc(const std::string &title) {
  std::u16string name = base::SjisToUtf16(path_);
  writer_ = std::make_unique<QPdfWriter>(
      QString::fromUtf16(name.data(), static_cast<qsizetype>(name.size())));
  std::u16string utitle = base::SjisToUtf16(title);
  writer_->setTitle(QString::fromUtf16(utitle.data(), static_cast<qsizetype>(utitle.size())));
  writer_->setCreator(QStringLiteral("zenpa"));
  writer_->setResolution(metrics_.dpiX);
  // The page is exactly the paper of the metrics: pixels at the resolution, in points.
  QSizeF points(metrics_.paperW * 72.0 / metrics_.dpiX, metrics_.paperH * 72.0 / metrics_.dpiY);
  writer_->setPageLayout(
      QPageLayout(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch),
                  QPageLayout::Portrait, QMarginsF()));
  painter_ = std::make_unique<QPainter>();
  if (!painter_->begin(writer_.get())) {
    painter_.reset();
    writer_.reset();
    return false;
  }
  canvas_ = std::make_unique<QtCanvas>(*painter_, QPoint(metrics_.offX, metrics_.offY), fonts_);
  pages_ = 1;
  return true;
}

void PdfPrinter::NewPage() {
  if (!writer_)
    return;
  writer_->newPage();
  ++pages_;
}

void PdfPrinter::EndDoc() {
  canvas_.reset();
  if (painter_)
    painter_->end();
  painter_.reset();
  writer_.reset();
}

} // namespace zenpa::ui
