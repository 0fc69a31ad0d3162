// Lays documents out and draws them through the whole engine (layout,
// PrintWork, QtCanvas) into a PDF, checked with poppler's pdftotext, and into
// a preview picture, checked pixel by pixel. Page counts, ranges, passes and
// headers of the PDF are checked end to end by the command line's tests.
// Set ZENPA_PDF_DIR to keep the files.
#include "base/sjis.h"
#include "platform/font_catalog.h"
#include "print/layout.h"
#include "print/print_run.h"
#include "support/temp_dir.h"
#include "ui/qt/pdf_printer.h"
#include "ui/qt/qt_canvas.h"
#include "ui/support/poppler_tools.h"
#include "ui/support/print_job.h"

#include <QImage>
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
  void turnsRightNumbersAndPairedCharacters();
  void previewPaintsPaperStripsAndEdges();

private:
  // Prints text to name.pdf; returns the file's path.
  QString PrintToPdf(const QString &name, const std::vector<std::string> &text);

  zenpa::platform::ListFontCatalog fonts_{{"IPAGothic", "IPAMincho"}, "IPAGothic"};
  zenpa::testing::TempDir tmp_;
  QString dir_;
  settings::PrintFormat format_;
  print::PrintStatus status_;
};

void RenderPdfTest::init() {
  dir_ = qEnvironmentVariableIsSet("ZENPA_PDF_DIR") ? qEnvironmentVariable("ZENPA_PDF_DIR")
                                                    : QString::fromStdString(tmp_.Path("."));
  format_ = settings::StartFormat({});
  status_ = print::PrintStatus();
}

QString RenderPdfTest::PrintToPdf(const QString &name, const std::vector<std::string> &text) {
  const QString path = dir_ + "/" + name + ".pdf";
  zenpa::ui::PdfPrinter printer(path.toStdString(), &fonts_);
  printer.SetPaper(format_.paperSize, format_.orientation);
  const print::PrintWorkResult r =
      zenpa::testing::PrintLines(format_, status_, text, printer, nullptr, fonts_, kEditorCell);
  return r.ran ? path : QString();
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

QTEST_MAIN(RenderPdfTest)
#include "render_pdf_test.moc"
