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
    QCOMPARE(printer.PaperCode(), 12);
    QCOMPARE(printer.Orientation(), platform::kLandscape);
    const platform::PrinterMetrics m = printer.Metrics();
    QCOMPARE(Mm(m.paperW, m.dpiX), 364);
    QCOMPARE(Mm(m.paperH, m.dpiY), 257);

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
    QCOMPARE(printer.PaperCode(), 11);
    const platform::PrinterMetrics m = printer.Metrics();
    QCOMPARE(Mm(m.paperW, m.dpiX), 210);
    QCOMPARE(Mm(m.paperH, m.dpiY), 148);
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
    QCOMPARE(printer.PaperCode(), 11);
    printer.SetPaper(9, platform::kLandscape);
    const platform::PrinterMetrics m = printer.Metrics();
    QVERIFY2(m.paperW > m.paperH, qPrintable(QString("%1 x %2").arg(m.paperW).arg(m.paperH)));
    QCOMPARE(printer.Orientation(), platform::kLandscape);
    QVERIFY(!printer.SetupDialog());
    QVERIFY(!printer.BeginDoc("doc"));
  }

private:
  ui::QtFontCatalog fonts_;
};

QTEST_MAIN(QtPrinterTest)
#include "qt_printer_test.moc"
