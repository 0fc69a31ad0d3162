#include "ui/qt/pdf_printer.h"

#include "base/file_io.h"
#include "base/sjis.h"
#include "print/paper.h"
#include "ui/qt/pdf_deflate.h"
#include "ui/qt/qt_text.h"

#include <QPageLayout>
#include <QPageSize>
#include <QSaveFile>
#include <QSizeF>

#include <cerrno>

namespace zenpa::ui {

// The temporary file the pages are written to. Its writes are buffered, and
// a write the disk cuts short (full, or over the file-size limit) counts as
// done there, so every write and the final flush are checked here; the first
// failure keeps the system's reason (in the words of base::ReasonText) and
// the file is never put in place.
class PdfPrinter::TargetFile : public QSaveFile {
public:
  using QSaveFile::QSaveFile;

  // Writes out the buffer, then syncs, closes and renames the file over the
  // target. False when any step failed; the temporary file is then removed.
  bool Finish() {
    errno = 0;
    if (!flush())
      Fail();
    return reason_.isEmpty() && commit();
  }
  QString Reason() const { return reason_.isEmpty() ? errorString() : reason_; }

protected:
  qint64 writeData(const char *data, qint64 len) override {
    errno = 0;
    const qint64 written = QSaveFile::writeData(data, len);
    if (written != len)
      Fail();
    return written;
  }

private:
  void Fail() {
    if (reason_.isEmpty())
      reason_ = ToQt(base::ReasonText(errno != 0 ? errno : EIO));
    cancelWriting();
  }

  QString reason_;
};

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
  file_ = std::make_unique<TargetFile>(
      QString::fromUtf16(name.data(), static_cast<qsizetype>(name.size())));
  errno = 0;
  if (!file_->open(QIODevice::WriteOnly)) {
    const int code = errno;
    startFailure_ = {false, path_,
                     code != 0 ? base::ReasonText(code) : FromQt(file_->errorString())};
    file_.reset();
    return false;
  }
  writer_ = std::make_unique<QPdfWriter>(file_.get());
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
    startFailure_ = {false, path_, FromQt(file_->Reason())};
    painter_.reset();
    writer_.reset();
    file_.reset(); // discards the temporary file
    return false;
  }
  canvas_ = std::make_unique<QtCanvas>(*painter_, QPoint(metrics_.offX, metrics_.offY), fonts_);
  pages_ = 1;
  return true;
}

void PdfPrinter::NewPage() {
  if (!writer_)
    return;
  const ScopedDeflateLevel fast(ScopedDeflateLevel::kFastest); // packs the finished page
  writer_->newPage();
  ++pages_;
}

// Ends the PDF, then finishes the temporary file. Any failed step discards
// the temporary file and keeps the target.
platform::JobEnd PdfPrinter::EndDoc() {
  canvas_.reset();
  if (!painter_)
    return {};
  const ScopedDeflateLevel fast(ScopedDeflateLevel::kFastest); // the last page and the fonts
  const bool ended = painter_->end();
  painter_.reset();
  writer_.reset();
  platform::JobEnd end{true, path_, ""};
  if (!ended || !file_->Finish()) {
    end.finished = false;
    end.reason = FromQt(file_->Reason());
  }
  file_.reset(); // discards the temporary file unless it was put in place
  return end;
}

} // namespace zenpa::ui
