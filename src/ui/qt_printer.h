// QtPrinter: the Printer over QPrinter and the desktop's printers (CUPS).
// Metrics come from the printer's paper and printable rectangles at its
// resolution; the paper code and orientation go through QPageSize. With no
// printer installed the printer list is empty and the engine works on the
// virtual 360-dpi printer (PdfPrinter writes PDF files in either case).
#pragma once

#include "platform/font_catalog.h"
#include "platform/printer.h"
#include "ui/qt_canvas.h"

#include <QPainter>
#include <QPrinter>

#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace zenpa::ui {

class QtPrinter : public platform::Printer {
public:
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
  void EndDoc() override;
  platform::Canvas &PageCanvas() override { return *canvas_; }

private:
  const platform::FontCatalog *fonts_;
  QWidget *dialogParent_;
  std::vector<std::string> names_; // Shift-JIS
  int current_ = -1;
  QPrinter printer_{QPrinter::HighResolution};
  std::unique_ptr<QPainter> painter_;
  std::unique_ptr<QtCanvas> canvas_;
};

} // namespace zenpa::ui
