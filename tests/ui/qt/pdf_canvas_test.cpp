// Draws pages into a PDF through QtCanvas and checks the file with poppler's
// pdfinfo and pdftotext: page count and size, extractable Japanese text, and
// glyphs placed at the engine's advances rather than Qt's own spacing;
// clipping, turned text and colours in a picture.
#include "base/sjis.h"
#include "platform/font_catalog.h"
#include "support/temp_dir.h"
#include "ui/qt/pdf_printer.h"
#include "ui/support/poppler_tools.h"

#include <QtTest>

#include <vector>

using zenpa::base::Sj;

namespace {

// Advances that give every byte the same width: each character sits in a
// cell of `cell` pixels per byte.
std::vector<int> EvenAdvances(const std::string &sjis, int cell) {
  return std::vector<int>(sjis.size(), cell);
}

} // namespace

class PdfCanvasTest : public QObject {
  Q_OBJECT

private slots:
  void writesPagesOfThePaperSizeWithExtractableText();
  void clipsAndTurnsText();
  void cellRatioOfAJapaneseScreenFont();

private:
  zenpa::platform::ListFontCatalog fonts_{{"IPAGothic"}, "IPAGothic"};
};

void PdfCanvasTest::writesPagesOfThePaperSizeWithExtractableText() {
  const zenpa::testing::TempDir dir;
  const QString path = QString::fromStdString(dir.Path("a.pdf"));
  zenpa::ui::PdfPrinter printer(path.toStdString(), &fonts_);
  QVERIFY(printer.BeginDoc("t"));
  zenpa::platform::Canvas &canvas = printer.PageCanvas();
  canvas.SetFont({Sj("ＭＳ ゴシック"), 60});
  std::string grid = Sj("┏━┯━┓数独");
  canvas.DrawTextAdvances(200, 200, grid, EvenAdvances(grid, 30), {0, 0, 2890, 4124});
  printer.NewPage();
  printer.PageCanvas().DrawText(200, 200, Sj("二頁目"));
  // Spaced a full cell apart, the half-width letters stand as separate words.
  printer.PageCanvas().SetFont({"IPAGothic", 60});
  printer.PageCanvas().DrawTextAdvances(200, 400, "abc", EvenAdvances("abc", 60),
                                        {0, 0, 2890, 4124});
  printer.EndDoc();

  const QString info = zenpa::testing::RunTool("pdfinfo", {path});
  QCOMPARE(zenpa::testing::PdfPageCount(info), 2);
  QCOMPARE(zenpa::testing::PdfPaperMm(info), QString("210 x 297"));
  const QString text = zenpa::testing::RunTool("pdftotext", {"-enc", "UTF-8", path, "-"});
  for (const char *words : {"┏━┯━┓数独", "二頁目", "\na b c\n"})
    QVERIFY2(text.contains(QString::fromUtf8(words)), qPrintable(text));
}

// Dark pixels of img inside r.
static int DarkPixels(const QImage &img, const QRect &r) {
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y) {
    for (int x = r.left(); x <= r.right(); ++x)
      n += qGray(img.pixel(x, y)) < 128 ? 1 : 0;
  }
  return n;
}

void PdfCanvasTest::clipsAndTurnsText() {
  QImage img(400, 400, QImage::Format_RGB32);
  img.fill(Qt::white);
  {
    QPainter painter(&img);
    zenpa::ui::QtCanvas canvas(painter, QPoint(), &fonts_);
    canvas.SetFont({"IPAGothic", 40});
    std::string bar = Sj("■■■■■");
    // Clipped at x = 100: the squares past it must not appear.
    canvas.DrawTextAdvances(20, 20, bar, EvenAdvances(bar, 20), {0, 0, 100, 400});
    // Turned to read upwards about (300, 300): the squares run up from there.
    zenpa::platform::FontSpec turned{"IPAGothic", 40};
    turned.escapement = -2700;
    canvas.SetFont(turned);
    canvas.DrawTextAdvances(300, 300, bar, EvenAdvances(bar, 20), {0, 0, 400, 400});
    // Text in its own colour; a line after it keeps the pen set for lines.
    canvas.SetFont({"IPAGothic", 40});
    canvas.SetPen(0x0000FF, zenpa::platform::PenStyle::Solid); // red
    canvas.SetTextColor(0xFF0000);                             // blue
    canvas.DrawText(150, 150, Sj("■"));
    canvas.DrawLine(0, 390, 150, 390);
  }
  QCOMPARE(img.pixel(170, 170), qRgb(0, 0, 255));
  QCOMPARE(img.pixel(100, 390), qRgb(255, 0, 0));
  QVERIFY(DarkPixels(img, QRect(20, 25, 75, 30)) > 1000);
  QCOMPARE(DarkPixels(img, QRect(101, 0, 150, 100)), 0);
  QVERIFY(DarkPixels(img, QRect(305, 110, 30, 185)) > 3000); // above and right of the point
  QCOMPARE(DarkPixels(img, QRect(200, 301, 200, 99)), 0);    // nothing below it
}

void PdfCanvasTest::cellRatioOfAJapaneseScreenFont() {
  QFont font("IPAGothic");
  font.setPixelSize(16);
  const zenpa::print::CellRatio r = zenpa::ui::CellRatioOf(font);
  QCOMPARE(r.den, 16);
  QCOMPARE(r.num, 17); // ascent and descent of the face span 1.076 em
}

QTEST_MAIN(PdfCanvasTest)
#include "pdf_canvas_test.moc"
