// QtPrinter over a real QPrinter whose output is a PDF file: paper through
// QPageSize and the orientation, a whole print run through PrintWork, the
// file checked with poppler's pdfinfo and pdftotext; the replaceable printer
// dialog; and the virtual printer laid out on when none is installed.
#include "base/sjis.h"
#include "platform/scripted_host.h"
#include "support/temp_dir.h"
#include "ui/qt/qt_font_catalog.h"
#include "ui/qt/qt_printer.h"
#include "ui/support/poppler_tools.h"
#include "ui/support/print_job.h"

#include <QPageSize>
#include <QtTest>

#include <cmath>

using namespace zenpa;
using base::Sj;

namespace {

int Mm(int pixels, int dpi) { return static_cast<int>(std::lround(pixels * 25.4 / dpi)); }

// The printer's paper code, orientation and paper size in mm, as one value.
QString Paper(const ui::QtPrinter &printer) {
  const platform::PrinterMetrics m = printer.Metrics();
  return QString("%1 %2 %3 x %4")
      .arg(printer.PaperCode())
      .arg(printer.Orientation() == platform::kLandscape ? "landscape" : "portrait")
      .arg(Mm(m.paperW, m.dpiX))
      .arg(Mm(m.paperH, m.dpiY));
}

} // namespace

class QtPrinterTest : public QObject {
  Q_OBJECT

private slots:
  // B4 landscape, two pages in two collated copies; the text starts at the
  // left margin measured from the paper's edge.
  void printRunReachesThePdfThroughQPrinter() {
    testing::TempDir dir;
    const std::string pdf = dir.Path("job.pdf");
    ui::QtPrinter printer(&fonts_);
    printer.PrintToFile(pdf);
    printer.SetPaper(12, platform::kLandscape);
    QCOMPARE(Paper(printer), QString("12 landscape 364 x 257"));
    const platform::PrinterMetrics m = printer.Metrics();

    settings::PrintFormat format = settings::StartFormat(settings::EnvironmentOf(m));
    print::PrintStatus status;
    status.range.SetCopies(2);
    platform::ScriptedHost host;
    const print::PrintWorkResult r = testing::PrintLines(
        format, status, {Sj("第一頁"), "\f", Sj("第二頁")}, printer, host, fonts_);
    QVERIFY(r.ran);
    QCOMPARE(r.sheetsPrinted, 4);
    QVERIFY(host.messages.empty());

    const QString path = QString::fromStdString(pdf);
    const QString info = testing::RunTool("pdfinfo", {path});
    QCOMPARE(testing::PdfPageCount(info), 4);
    QCOMPARE(testing::PdfPaperMm(info), QString("364 x 257"));
    const QString bbox = testing::RunTool("pdftotext", {"-bbox", path, "-"});
    const double left = format.leftMargin * 72.0 / m.dpiX;
    QVERIFY2(std::abs(testing::WordLeft(bbox, QString::fromUtf8("第一頁")) - left) < 2,
             qPrintable(bbox));
    QCOMPARE(bbox.count(QString::fromUtf8("第二頁")), 2);
  }

  // The dialog works on the QPrinter itself: paper chosen there is the
  // paper laid out on.
  void dialogChoosesThePaper() {
    testing::TempDir dir;
    ui::QtPrinter printer(&fonts_);
    printer.PrintToFile(dir.Path("setup.pdf"));
    printer.SetPaper(9, platform::kPortrait);
    printer.SetDialog([](QPrinter &q) {
      q.setPageSize(QPageSize(QPageSize::A5));
      q.setPageOrientation(QPageLayout::Landscape);
      return true;
    });
    QVERIFY(printer.SetupDialog());
    QCOMPARE(Paper(printer), QString("11 landscape 210 x 148"));
  }

  // With no printer installed and no file, the layout works on the virtual
  // 360-dpi printer for the paper set last, and no job starts.
  void withoutPrinterTheVirtualPrinterStandsIn() {
    ui::QtPrinter printer(&fonts_);
    if (!printer.PrinterNames().empty())
      QSKIP("a printer is installed");
    QCOMPARE(printer.CurrentIndex(), -1);
    printer.SetPaper(11, platform::kPortrait);
    QCOMPARE(printer.Metrics(), platform::VirtualPrinterMetrics(148, 210));
    printer.SetPaper(9, platform::kLandscape);
    QCOMPARE(Paper(printer), QString("9 landscape 297 x 210"));
    QVERIFY(!printer.SetupDialog());
    QVERIFY(!printer.BeginDoc("doc"));
  }

private:
  ui::QtFontCatalog fonts_;
};

QTEST_MAIN(QtPrinterTest)
#include "qt_printer_test.moc"
