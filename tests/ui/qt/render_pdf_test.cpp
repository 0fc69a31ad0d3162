// Lays documents out and prints them to PDF through the whole engine
// (layout, PrintWork, QtCanvas, PdfPrinter), then checks the files with
// poppler's pdfinfo and pdftotext. Set ZENPA_PDF_DIR to keep the files.
#include "base/sjis.h"
#include "platform/font_catalog.h"
#include "print/layout.h"
#include "print/print_run.h"
#include "ui/qt/pdf_printer.h"
#include "ui/qt/qt_canvas.h"
#include "ui/qt/qt_printer.h"
#include "ui/support/poppler_tools.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using zenpa::base::Sj;
namespace print = zenpa::print;
namespace settings = zenpa::settings;

namespace {

// A small puzzle-like document: a title, a box-drawing grid, text.
std::vector<std::string> GridDocument() {
  std::vector<std::string> lines = {Sj("　数独の例"), Sj("┏━┯━┯━┳━┯━┯━┳━┯━┯━┓")};
  for (int row = 0; row < 3; ++row) {
    lines.push_back(Sj("┃１│　│３┃　│５│　┃７│　│９┃"));
    lines.push_back(Sj("┠─┼─┼─╂─┼─┼─╂─┼─┼─┨"));
  }
  lines.push_back(Sj("┗━┷━┷━┻━┷━┷━┻━┷━┷━┛"));
  lines.push_back(Sj("日本語の文章と ASCII text."));
  return lines;
}

// The editor's 16-pixel Japanese font: cells 17 pixels high.
constexpr print::CellRatio kEditorCell{17, 16};

} // namespace

class RenderPdfTest : public QObject {
  Q_OBJECT

private slots:
  void init();
  void printsHeaderGridAndPages();
  void numbersPagesAtTheBottomPadded();
  void pouchBindingPutsTwoPagesOnASheet();
  void evenPassPrintsOnlyBackPages();
  void turnsRightNumbersAndPairedCharacters();
  void previewPaintsPaperStripsAndEdges();
  void qtPrinterWithoutPrintersIsTheNoPrinterMode();

private:
  // Prints text to name.pdf; returns the file's path.
  QString PrintToPdf(const QString &name, const std::vector<std::string> &text);

  zenpa::platform::ListFontCatalog fonts_{{"IPAGothic", "IPAMincho"}, "IPAGothic"};
  QTemporaryDir tmp_;
  QString dir_;
  settings::PrintFormat format_;
  print::PrintStatus status_;
};

void RenderPdfTest::init() {
  dir_ = qEnvironmentVariableIsSet("ZENPA_PDF_DIR") ? qEnvironmentVariable("ZENPA_PDF_DIR")
                                                    : tmp_.path();
  format_ = settings::StartFormat({});
  status_ = print::PrintStatus();
}

QString RenderPdfTest::PrintToPdf(const QString &name, const std::vector<std::string> &text) {
  const QString path = dir_ + "/" + name + ".pdf";
  zenpa::ui::PdfPrinter printer(path.toStdString(), &fonts_);
  printer.SetPaper(format_.paperSize, format_.orientation);
  QImage scratch(1, 1, QImage::Format_RGB32);
  QPainter painter(&scratch);
  zenpa::ui::QtCanvas measure(painter, {}, &fonts_);
  const std::vector<std::string> faces = fonts_.JapaneseFaces();
  const print::PrintedLines lines(text);
  const print::LayoutResult layout = print::RunLayout(
      lines, {format_, printer.Metrics(), kEditorCell, faces, status_.range.evenPass()}, measure);
  const print::PrintDocument doc{lines,          layout, kEditorCell, faces,
                                 "/tmp/doc.txt", "",     "2026/12/06"};
  const print::PrintWorkResult r = print::PrintWork(format_, status_, doc, print::RunMode::Print,
                                                    {&printer, true, nullptr, nullptr, {}});
  if (!r.ran)
    return QString();
  return path;
}

void RenderPdfTest::printsHeaderGridAndPages() {
  format_.pageNumberOn = true;
  format_.printFileName = true;
  format_.scaleMarksOn = true;
  std::vector<std::string> text = GridDocument();
  text.push_back("\f");
  text.push_back("p++ $0000FF");
  text.push_back(Sj("大きな赤い文字"));
  const QString path = PrintToPdf("header_grid", text);
  QVERIFY(!path.isEmpty());
  const QString info = zenpa::testing::RunTool("pdfinfo", {path});
  QCOMPARE(zenpa::testing::PdfPageCount(info), 2);
  QVERIFY2(info.contains("595 x 842"), qPrintable(info));
  const QString body =
      zenpa::testing::RunTool("pdftotext", {"-layout", "-enc", "UTF-8", path, "-"});
  QVERIFY2(body.contains(QString::fromUtf8("┏━┯━┯━┳━┯━┯━┳━┯━┯━┓")), qPrintable(body));
  QVERIFY2(body.contains(QString::fromUtf8("┃１│")), qPrintable(body));
  QVERIFY2(body.contains(QString::fromUtf8("│３┃")), qPrintable(body));
  QVERIFY2(body.contains("doc (1)"), qPrintable(body));
  QVERIFY2(body.contains("doc (2)"), qPrintable(body));
  QVERIFY2(body.contains(QString::fromUtf8("大きな赤い文字")), qPrintable(body));
  QVERIFY(!body.contains("p++")); // the mark line is not printed
}

void RenderPdfTest::numbersPagesAtTheBottomPadded() {
  format_.pageNumberOn = true;
  format_.pageNumberPos = settings::PageNumberPos::Bottom;
  format_.pageNumberStart = "001";
  format_.linesPerPage = 4; // ten lines: three pages
  format_.framePrinted = true;
  format_.frameRect = {20, 10, 100, 60};
  format_.paperEdgeOn = true;
  format_.paperEdgeLine = true;
  format_.paperRight = 10;
  const QString path = PrintToPdf("bottom_numbers", GridDocument());
  QCOMPARE(zenpa::testing::PdfPageCount(zenpa::testing::RunTool("pdfinfo", {path})), 3);
  const QString body = zenpa::testing::RunTool("pdftotext", {"-enc", "UTF-8", path, "-"});
  QVERIFY2(body.contains("(001)") && body.contains("(003)"), qPrintable(body));
}

void RenderPdfTest::pouchBindingPutsTwoPagesOnASheet() {
  format_.pouchBinding = true;
  format_.orientation = zenpa::platform::kLandscape;
  format_.pageNumberOn = true;
  format_.pageNumberPos = settings::PageNumberPos::Bottom;
  std::vector<std::string> text = GridDocument();
  text.insert(text.end(), {"\f", Sj("二頁目"), "\f", Sj("三頁目")});
  const QString path = PrintToPdf("pouch", text);
  const QString info = zenpa::testing::RunTool("pdfinfo", {path});
  QCOMPARE(zenpa::testing::PdfPageCount(info), 2);
  QVERIFY2(info.contains("842 x 595"), qPrintable(info));
  // Page 2 stands right of page 1 on the first sheet.
  const QString body =
      zenpa::testing::RunTool("pdftotext", {"-layout", "-enc", "UTF-8", path, "-"});
  const QString first = body.section('\f', 0, 0);
  QVERIFY2(first.contains(QString::fromUtf8("二頁目")), qPrintable(first));
  QVERIFY2(body.section('\f', 1, 1).contains(QString::fromUtf8("三頁目")), qPrintable(body));
}

void RenderPdfTest::evenPassPrintsOnlyBackPages() {
  format_.duplex = true;
  format_.pageNumberOn = true;
  format_.printDate = true;
  status_.range.SetEvenPass(true);
  std::vector<std::string> text = {Sj("一"), "\f", Sj("二"), "\f", Sj("三"), "\f", Sj("四")};
  const QString path = PrintToPdf("duplex_even", text);
  QCOMPARE(zenpa::testing::PdfPageCount(zenpa::testing::RunTool("pdfinfo", {path})), 2);
  const QString body =
      zenpa::testing::RunTool("pdftotext", {"-layout", "-enc", "UTF-8", path, "-"});
  // The back page's header starts with its number.
  QVERIFY2(body.contains(QRegularExpression("\\(2\\)\\s+2026/12/06")), qPrintable(body));
  QVERIFY(!body.contains(QString::fromUtf8("三")));
  QCOMPARE(QString::fromStdString(status_.report().line1),
           QString::fromStdString(Sj("偶数頁の出力が終了しました。")));
}

void RenderPdfTest::turnsRightNumbersAndPairedCharacters() {
  format_.pageNumberOn = true;
  format_.pageNumberPos = settings::PageNumberPos::Right;
  format_.pairHalfWidth = true;
  format_.fontSize = 24;
  const QString path = PrintToPdf("right_pairs", {Sj("平成12年3月"), Sj("漢字ab漢字(x)")});
  const QString body = zenpa::testing::RunTool("pdftotext", {"-enc", "UTF-8", path, "-"});
  // Turned text is still text: the number and both pairs are extractable.
  QVERIFY2(body.contains("(1)"), qPrintable(body));
  QVERIFY2(body.contains("12") && body.contains("ab"), qPrintable(body));
  QVERIFY2(body.contains("(x)"), qPrintable(body)); // never paired
}

void RenderPdfTest::previewPaintsPaperStripsAndEdges() {
  format_.paperEdgeOn = true;
  format_.paperEdgeLine = true;
  format_.paperRight = 10;
  format_.paperBottom = 10;
  const zenpa::platform::PrinterMetrics a4 = zenpa::platform::VirtualPrinterMetrics(210, 297);
  QImage sheet(a4.paperW / 4, a4.paperH / 4, QImage::Format_RGB32);
  sheet.fill(Qt::blue);
  {
    QPainter painter(&sheet);
    painter.scale(0.25, 0.25);
    zenpa::ui::QtCanvas canvas(painter, {}, &fonts_);
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter measurePainter(&scratch);
    zenpa::ui::QtCanvas measure(measurePainter, {}, &fonts_);
    const print::PrintedLines lines(GridDocument());
    const print::LayoutResult layout =
        print::RunLayout(lines, {format_, a4, kEditorCell, {}, false}, measure);
    const print::PrintDocument doc{lines, layout, kEditorCell, {}, "/tmp/doc.txt", "", ""};
    const print::PrintWorkResult r = print::PrintWork(
        format_, status_, doc, print::RunMode::Preview, {nullptr, false, &canvas, nullptr, {}});
    QVERIFY(r.ran);
  }
  if (qEnvironmentVariableIsSet("ZENPA_PDF_DIR"))
    sheet.save(dir_ + "/preview.png");
  QCOMPARE(sheet.pixel(372, 900), qRgb(255, 255, 255));    // the page
  QCOMPARE(sheet.pixel(5, 500), qRgb(0xF7, 0xF7, 0xF7));   // left unprintable strip
  QCOMPARE(sheet.pixel(730, 500), qRgb(0xF7, 0xF7, 0xF7)); // beyond the right cut
  // The right paper-edge line, 10 mm inside the paper, solid in the text colour.
  int dark = 0;
  for (int x = 706; x <= 711; ++x)
    dark += qGray(sheet.pixel(x, 500)) < 100 ? 1 : 0;
  QVERIFY(dark > 0);
  // The grid's top-left corner stands at the margins (23 mm, 15 mm + 2 header lines: none here).
  QVERIFY(qGray(sheet.pixel(326 / 4 + 8, 213 / 4 + 60 / 4 + 8)) < 128);
}

void RenderPdfTest::qtPrinterWithoutPrintersIsTheNoPrinterMode() {
  zenpa::ui::QtPrinter printer(&fonts_);
  if (!printer.PrinterNames().empty())
    QSKIP("a printer is installed here");
  QCOMPARE(printer.CurrentIndex(), -1);
  QVERIFY(!printer.BeginDoc("x"));
  QVERIFY(!printer.SetupDialog());
  printer.SetPaper(9, zenpa::platform::kLandscape);
  const zenpa::platform::PrinterMetrics m = printer.Metrics();
  QVERIFY2(m.paperW > m.paperH, qPrintable(QString("%1 x %2").arg(m.paperW).arg(m.paperH)));
  QCOMPARE(printer.Orientation(), zenpa::platform::kLandscape);
  QCOMPARE(printer.PaperCode(), 9);
}

QTEST_MAIN(RenderPdfTest)
#include "render_pdf_test.moc"
