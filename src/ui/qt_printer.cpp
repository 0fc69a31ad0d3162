#include "ui/qt_printer.h"

#include "base/sjis.h"
#include "ui/pdf_printer.h"

#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPageSize>
#include <QPrinterInfo>

namespace zenpa::ui {
namespace {

QString ToQString(const std::string &sjis) {
  std::u16string u = base::SjisToUtf16(sjis);
  return QString::fromUtf16(u.data(), static_cast<qsizetype>(u.size()));
}

std::string ToSjis(const QString &text) {
  return base::Utf16ToSjis(std::u16string_view(reinterpret_cast<const char16_t *>(text.utf16()),
                                               static_cast<std::size_t>(text.size())));
}

} // namespace

QtPrinter::QtPrinter(const platform::FontCatalog *fonts, QWidget *dialogParent)
    : fonts_(fonts), dialogParent_(dialogParent) {
  const QStringList names = QPrinterInfo::availablePrinterNames();
  for (const QString &name : names)
    names_.push_back(ToSjis(name));
  QString fallback = QPrinterInfo::defaultPrinterName();
  if (names_.empty())
    return;
  current_ = std::max<int>(0, static_cast<int>(names.indexOf(fallback)));
  printer_.setPrinterName(names.at(current_));
}

QtPrinter::~QtPrinter() {
  if (painter_)
    EndDoc();
}

void QtPrinter::SetCurrentIndex(int index) {
  if (index < 0 || index >= static_cast<int>(names_.size()))
    return;
  current_ = index;
  printer_.setPrinterName(ToQString(names_[index]));
}

platform::PrinterMetrics QtPrinter::Metrics() const {
  platform::PrinterMetrics m;
  int dpi = printer_.resolution();
  m.dpiX = dpi;
  m.dpiY = dpi;
  QPageLayout layout = printer_.pageLayout();
  QRect paper = layout.fullRectPixels(dpi);
  QRect printable = layout.paintRectPixels(dpi);
  m.paperW = paper.width();
  m.paperH = paper.height();
  m.offX = printable.left() - paper.left();
  m.offY = printable.top() - paper.top();
  m.printableW = printable.width();
  m.printableH = printable.height();
  return m;
}

int QtPrinter::PaperCode() const { return printer_.pageLayout().pageSize().windowsId(); }

int QtPrinter::Orientation() const {
  return printer_.pageLayout().orientation() == QPageLayout::Landscape ? platform::kLandscape
                                                                       : platform::kPortrait;
}

void QtPrinter::SetPaper(int paperCode, int orientation) {
  QSize mm = PaperSizeMm(paperCode, platform::kPortrait);
  printer_.setPageSize(
      QPageSize(QSizeF(mm), QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch));
  printer_.setPageOrientation(orientation == platform::kLandscape ? QPageLayout::Landscape
                                                                  : QPageLayout::Portrait);
}

bool QtPrinter::SetupDialog() {
  if (current_ < 0)
    return false;
  QPageSetupDialog dialog(&printer_, dialogParent_);
  return dialog.exec() == QDialog::Accepted;
}

bool QtPrinter::BeginDoc(const std::string &title) {
  if (current_ < 0)
    return false;
  printer_.setDocName(ToQString(title));
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

void QtPrinter::EndDoc() {
  canvas_.reset();
  if (painter_)
    painter_->end();
  painter_.reset();
}

} // namespace zenpa::ui
