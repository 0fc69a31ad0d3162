// QtPrinter: the Printer over QPrinter and the desktop's printers (CUPS).
// Metrics come from the printer's paper and printable rectangles at its
// resolution; the paper code and orientation go through QPageSize. With no
// printer installed the printer list is empty and the metrics are the
// virtual 360-dpi printer's for the paper last set (PdfPrinter writes PDF
// files in that case).
//
// PrintToFile turns the QPrinter's output into a PDF file (the same device
// code that drives a printer); the job then runs without an installed
// printer. The printer dialog (QPrintDialog) runs through a replaceable
// function, so that tests can stand in for the person at it.
#pragma once

#include "platform/font_catalog.h"
#include "platform/printer.h"
#include "print/paper.h"
#include "ui/qt/qt_canvas.h"

#include <QPainter>
#include <QPrinter>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace zenpa::ui {

class QtPrinter : public platform::Printer {
public:
  // Shows a printer dialog over the printer; true when the user chose OK.
  using Dialog = std::function<bool(QPrinter &)>;

  explicit QtPrinter(const platform::FontCatalog *fonts = nullptr, QWidget *dialogParent = nullptr);
  ~QtPrinter() override;

  std::vector<std::string> PrinterNames() const override { return names_; }
  int CurrentIndex() const override { return current_; }
  void SetCurrentIndex(int index) override;

  platform::PrinterMetrics Metrics() const override;
  int PaperCode() const override;
  int Orientation() const override;
  void SetPaper(int paperCode, int orientation) override;
  bool SetupDialog() override;

  bool BeginDoc(const std::string &title) override;
  void NewPage() override;
  platform::JobEnd EndDoc() override;
  platform::Canvas &PageCanvas() override { return *canvas_; }

  // Jobs go to the PDF file at path (file system bytes) instead of a printer.
  void PrintToFile(const std::string &path);
  void SetDialog(Dialog dialog) { dialog_ = std::move(dialog); }

private:
  // A printer is current, or the output goes to a file.
  bool HasDevice() const { return current_ >= 0 || toFile_; }
  void SelectCurrentByName();

  const platform::FontCatalog *fonts_;
  Dialog dialog_;
  std::vector<std::string> names_; // Shift-JIS
  int current_ = -1;
  bool toFile_ = false;
  int paperCode_ = print::kPaperA4; // the paper set last, for the virtual printer
  int orientation_ = platform::kPortrait;
  QPrinter printer_{QPrinter::HighResolution};
  std::unique_ptr<QPainter> painter_;
  std::unique_ptr<QtCanvas> canvas_;
};

} // namespace zenpa::ui
