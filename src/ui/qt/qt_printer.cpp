#include "ui/qt/qt_printer.h"

#include "print/paper.h"
#include "ui/qt/qt_text.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QSizeF>

namespace zenpa::ui {
namespace {

// The page size Qt names for a paper of the program's list.
QPageSize PageSizeOf(const print::PaperEntry &paper) {
  return QPageSize(QSizeF(paper.widthMm, paper.heightMm), QPageSize::Millimeter, QString(),
                   QPageSize::FuzzyMatch);
}

// A printer takes the paper of a Windows paper code as Qt knows it; a code
// Qt does not know is the paper the program's list gives for it.
QPageSize DevicePageSize(int paperCode) {
  const QPageSize known(QPageSize::id(paperCode));
  return known.isValid() ? known : PageSizeOf(print::PaperOf(paperCode, platform::kPortrait));
}

} // namespace

QtPrinter::QtPrinter(const platform::FontCatalog *fonts, QWidget *dialogParent)
    : fonts_(fonts), dialog_([dialogParent](QPrinter &printer) {
        QPrintDialog dialog(&printer, dialogParent);
        return dialog.exec() == QDialog::Accepted;
      }) {
  for (const QString &name : QPrinterInfo::availablePrinterNames())
    names_.push_back(FromQt(name));
  if (names_.empty())
    return;
  const int fallback = static_cast<int>(
      QPrinterInfo::availablePrinterNames().indexOf(QPrinterInfo::defaultPrinterName()));
  SetCurrentIndex(std::max(0, fallback));
}

QtPrinter::~QtPrinter() {
  if (painter_)
    EndDoc();
}

void QtPrinter::SetCurrentIndex(int index) {
  if (index < 0 || index >= static_cast<int>(names_.size()))
    return;
  current_ = index;
  printer_.setPrinterName(ToQt(names_[index]));
}

void QtPrinter::PrintToFile(const std::string &path) {
  printer_.setOutputFormat(QPrinter::PdfFormat);
  printer_.setOutputFileName(PathToQt(path));
  toFile_ = true;
}

platform::PrinterMetrics QtPrinter::Metrics() const {
  if (!HasDevice()) {
    const print::PaperEntry &paper = print::PaperOf(paperCode_, orientation_);
    return platform::VirtualPrinterMetrics(paper.widthMm, paper.heightMm);
  }
  platform::PrinterMetrics m;
  const int dpi = printer_.resolution();
  m.dpiX = dpi;
  m.dpiY = dpi;
  const QPageLayout layout = printer_.pageLayout();
  const QRect paper = layout.fullRectPixels(dpi);
  const QRect printable = layout.paintRectPixels(dpi);
  m.paperW = paper.width();
  m.paperH = paper.height();
  m.offX = printable.left() - paper.left();
  m.offY = printable.top() - paper.top();
  m.printableW = printable.width();
  m.printableH = printable.height();
  return m;
}

int QtPrinter::PaperCode() const {
  return HasDevice() ? printer_.pageLayout().pageSize().windowsId() : paperCode_;
}

int QtPrinter::Orientation() const {
  if (!HasDevice())
    return orientation_;
  return printer_.pageLayout().orientation() == QPageLayout::Landscape ? platform::kLandscape
                                                                       : platform::kPortrait;
}

void QtPrinter::SetPaper(int paperCode, int orientation) {
  paperCode_ = paperCode;
  orientation_ = orientation == platform::kLandscape ? platform::kLandscape : platform::kPortrait;
  printer_.setPageSize(DevicePageSize(paperCode));
  printer_.setPageOrientation(orientation_ == platform::kLandscape ? QPageLayout::Landscape
                                                                   : QPageLayout::Portrait);
}

// The dialog may choose another printer, or other paper for the file.
bool QtPrinter::SetupDialog() {
  if (!HasDevice() || !dialog_(printer_))
    return false;
  SelectCurrentByName();
  return true;
}

void QtPrinter::SelectCurrentByName() {
  const std::string chosen = FromQt(printer_.printerName());
  for (std::size_t i = 0; i < names_.size(); ++i) {
    if (names_[i] == chosen)
      current_ = static_cast<int>(i);
  }
}

bool QtPrinter::BeginDoc(const std::string &title) {
  if (!HasDevice())
    return false;
  printer_.setDocName(ToQt(title));
  painter_ = std::make_unique<QPainter>();
  if (!painter_->begin(&printer_)) {
    painter_.reset();
    return false;
  }
  canvas_ = std::make_unique<QtCanvas>(*painter_, QPoint(), fonts_);
  return true;
}

void QtPrinter::NewPage() {
  if (painter_)
    printer_.newPage();
}

// The job is the spooler's once sent; the spooler reports its own troubles.
platform::JobEnd QtPrinter::EndDoc() {
  canvas_.reset();
  if (painter_)
    painter_->end();
  painter_.reset();
  return {};
}

} // namespace zenpa::ui
