// PdfPrinter: a Printer whose jobs become a PDF file. It lays out like the
// virtual 360-dpi printer (paper from the paper code and orientation, 43-pixel
// unprintable strips) and draws through QtCanvas, so the file shows exactly
// what a printer with those metrics would print. Text stays selectable.
//
// The pages go to a temporary file beside the target, renamed over it only
// when every step of writing has succeeded; a job that cannot be finished
// leaves the previous file as it was and says why.
#pragma once

#include "platform/font_catalog.h"
#include "platform/printer.h"
#include "print/paper.h"
#include "ui/qt/qt_canvas.h"

#include <QPainter>
#include <QPdfWriter>

#include <memory>
#include <string>

namespace zenpa::ui {

class PdfPrinter : public platform::Printer {
public:
  // path: the PDF file (Shift-JIS bytes, as the file system sees them).
  explicit PdfPrinter(std::string path, const platform::FontCatalog *fonts = nullptr);
  ~PdfPrinter() override;

  std::vector<std::string> PrinterNames() const override { return {}; }
  int CurrentIndex() const override { return -1; }
  void SetCurrentIndex(int) override {}

  platform::PrinterMetrics Metrics() const override { return metrics_; }
  int PaperCode() const override { return paperCode_; }
  int Orientation() const override { return orientation_; }
  void SetPaper(int paperCode, int orientation) override;
  bool SetupDialog() override { return false; }

  bool BeginDoc(const std::string &title) override;
  void NewPage() override;
  platform::JobEnd EndDoc() override;
  platform::JobEnd StartFailure() const override { return startFailure_; }
  platform::Canvas &PageCanvas() override { return *canvas_; }

  int PagesWritten() const { return pages_; }

private:
  std::string path_;
  const platform::FontCatalog *fonts_;
  int paperCode_ = print::kPaperA4;
  int orientation_ = platform::kPortrait;
  platform::PrinterMetrics metrics_;
  class TargetFile;
  std::unique_ptr<TargetFile> file_;
  std::unique_ptr<QPdfWriter> writer_;
  std::unique_ptr<QPainter> painter_;
  std::unique_ptr<QtCanvas> canvas_;
  int pages_ = 0;
  platform::JobEnd startFailure_{false, {}, {}};
};

} // namespace zenpa::ui
